// The browser pages against the native programs: the same run must give the
// same trace, byte for byte. Each page is opened from file:// in headless
// Chromium through tools/web-run; the native program runs with the same options.
//
//   node --test tests/web/    (MEBUKI_BUILD_DIR, MEBUKI_WEB_DIR: build, build-web)
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const webRun = require('../../tools/web-run');

const { root, webDir } = require('./pages');
const nativeDir = path.resolve(root, process.env.MEBUKI_BUILD_DIR || 'build');
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'mebuki-parity-'));

const PAGE_UP = '\x03';
const pauses = (n) => ' '.repeat(n);

// Each run: the program, its options as on the command line (the key script
// undecoded, as both decode it with the same function).
const kRuns = [
  ['walk of mebuki1', 1, ['--walk', '--time', '10:00:00']],
  ['walk of mebuki1, another seed', 1, ['--walk', '--time', '07:31:15']],
  ['walk of mebuki2', 2, ['--walk', '--time', '10:00:00']],
  ['walk of mebuki2, another seed', 2, ['--walk', '--time', '23:59:59']],
  ['walk of mebuki2, a third seed', 2, ['--walk', '--time', '13:07:42']],
  // Number entry at the main menu: a fraction, a minus, a point, a cleared and
  // a corrected entry, a number too many; then a histogram page stepped back.
  ['number entry and stepping back', 1,
    ['--keys', '3/4\\n-1\\n.5\\n4.5\\n9\\b\\n12\\f2\\n3\\n' + pauses(3) + PAGE_UP + PAGE_UP + pauses(2) + '\x1d' + pauses(30),
      '--time', '09:15:00']],
  // The practice tables: new exercises twice, then back to the sub-menu.
  ['the practice tables', 2, ['--keys', '2\\n3\\n' + pauses(12) + '2\\n' + pauses(12) + '2\\n' + pauses(12) + '1\\n',
    '--time', '11:22:33']],
  ['the practice tables, another seed', 2, ['--keys', '2\\n3\\n' + pauses(12) + '2\\n' + pauses(12) + '1\\n',
    '--time', '15:45:10']],
  // The experiment to its end, stepped back once on the way.
  ['the experiment', 2, ['--keys', '3\\n2\\n' + pauses(6) + PAGE_UP + pauses(60), '--time', '10:10:10']],
  ['the experiment, another seed', 2, ['--keys', '3\\n2\\n' + pauses(60) + '5\\n7\\n', '--time', '08:00:01']],
];

// The native program's --keys takes the same escapes; the page gets the text
// undecoded in its URL, and decodes it with the same function.
function nativeTrace(program, args, file) {
  let status = 0;
  try {
    execFileSync(path.join(nativeDir, 'mebuki' + program), [...args, '--trace', file], { stdio: 'pipe' });
  } catch (e) {
    status = e.status;
  }
  return { status, trace: fs.readFileSync(file, 'utf8') };
}

test('the pages give the native traces', async (t) => {
  const browser = await webRun.launchBrowser();
  try {
    for (const [what, program, args] of kRuns) {
      await t.test(what, async () => {
        const file = path.join(scratch, 'native.jsonl');
        const native = nativeTrace(program, args, file);
        const o = webRun.parseArgs([path.join(webDir, 'mebuki' + program + '.html'), ...args, '--trace', 'x']);
        const web = await webRun.runPage(browser, o);
        assert.strictEqual(web.status, native.status, 'exit status');
        assert.ok(native.trace.length > 0, 'the native run wrote a trace');
        if (web.trace !== native.trace) {
          const a = web.trace.split('\n'), b = native.trace.split('\n');
          let i = 0;
          while (i < a.length && a[i] === b[i]) ++i;
          assert.fail(`traces differ at line ${i + 1} of ${b.length}:\n  page:   ${a[i]}\n  native: ${b[i]}`);
        }
      });
    }
  } finally {
    await browser.close();
    fs.rmSync(scratch, { recursive: true, force: true });
  }
});
