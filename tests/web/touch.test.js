// The page on a tablet with no keyboard: taps choose menu items and go on at
// pauses, the keypad types numbers, a swipe right steps back, a long press
// shows the help; and with a keyboard in use the keypad never appears.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const path = require('path');
const webRun = require('../../tools/web-run');

const { webDir, pageUrl, keysOf } = require('./pages');

const tablet = { viewport: { width: 1180, height: 820 }, deviceScaleFactor: 2, hasTouch: true, isMobile: true };
const kTime = '10:00:00';

// What a run drew, whatever the inputs were: the key and click lines go, and
// so does the entry's dot blinking while the page waited (a pair of lines
// repeated), which only a run at the speed of a person has.
function drawn(trace) {
  const lines = trace.split('\n').filter((l) => l && !l.startsWith('{"op":"key"') && !l.startsWith('{"op":"click"'));
  const out = [];
  for (const l of lines) {
    out.push(l);
    const n = out.length;
    if (n >= 4 && out[n - 1] === out[n - 3] && out[n - 2] === out[n - 4]) out.length -= 2;
  }
  return out;
}

function assertSameLines(actual, expected, what) {
  if (actual.length === expected.length && actual.every((l, i) => l === expected[i])) return;
  let i = 0;
  while (i < actual.length && actual[i] === expected[i]) ++i;
  assert.fail(`${what}: differ at line ${i + 1} of ${expected.length}:\n  got:      ${actual[i]}\n  expected: ${expected[i]}`);
}

// The page of a run by keys, as the same entries typed.
async function typedRun(browser, program, keys) {
  const o = webRun.parseArgs([path.join(webDir, 'mebuki' + program + '.html'), '--keys', keys, '--time', kTime,
    '--trace', 'x', '--screenshot', 'x']);
  return webRun.runPage(browser, o);
}

async function open(browser, program, options = tablet) {
  const context = await browser.newContext(options);
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e));
  await page.goto(pageUrl(program, 'trace=1&time=' + kTime));
  await page.waitForFunction(() => window.mebuki && window.mebuki.state === 'waiting', null, { timeout: 20000 });
  page.errors = errors;
  return page;
}

// Does something and waits until the lesson has read it and sleeps again.
async function andSettle(page, action) {
  const before = await page.evaluate(() => window.mebuki.trace().length);
  await action();
  await page.waitForFunction((n) => {
    const m = window.mebuki;
    return m.pending === 0 && (m.state === 'ended' || (m.state === 'waiting' && m.trace().length > n));
  }, before, { timeout: 60000, polling: 20 });
}

// The screen point of a point of the picture, scaled to fit and centred.
function screenPoint(page, x, y) {
  const { width, height } = page.viewportSize();
  const s = Math.min(width / 1440, height / 900);
  return { x: (width - 1440 * s) / 2 + x * s, y: (height - 900 * s) / 2 + y * s };
}

async function tapPicture(page, x, y) {
  const p = screenPoint(page, x, y);
  await andSettle(page, () => page.touchscreen.tap(p.x, p.y));
}

async function tapKeypad(page, text) {
  for (const k of [...text]) {
    const name = k === '\n' ? 'enter' : k;
    const box = await page.locator(`#keypad [data-key="${name}"]`).boundingBox();
    await andSettle(page, () => page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2));
  }
}

const reading = (page) => page.isVisible('#keypad');

// A stroke of one finger across the screen, from and to screen points, in
// steps over `ms` milliseconds.
async function stroke(page, from, to, ms = 120, steps = 6) {
  const cdp = await page.context().newCDPSession(page);
  const at = (p) => [{ x: p.x, y: p.y, id: 1 }];
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: at(from) });
  for (let i = 1; i <= steps; ++i) {
    await new Promise((r) => setTimeout(r, ms / steps));
    const t = i / steps;
    await cdp.send('Input.dispatchTouchEvent', {
      type: 'touchMove', touchPoints: at({ x: from.x + (to.x - from.x) * t, y: from.y + (to.y - from.y) * t }) });
  }
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await cdp.detach();
}

// Each main menu item spans 48 units down from 120 + 60 (n - 1); the practice
// prompt's box is (96, 639)-(400, 675).
const menuItem = (n) => [120, 120 + 60 * (n - 1) + 24];
const kPromptBox = [250, 657];
const kElsewhere = [700, 300];

// Walks every page of every section by touch alone: a section by a tap on its
// menu item, a page by the keypad, every pause by a tap, the practice prompt
// by a tap off its box (a new table) and then on it (back to the sub-menu).
// Returns the same entries as typed keys.
async function walkByTouch(page, program, sections, practice) {
  let keys = '';
  for (let section = 1; section <= sections; ++section) {
    const [x, y] = menuItem(section);
    await tapPicture(page, x, y);
    keys += section + '\\n';
    assert.ok(await reading(page), `section ${section}: the sub-menu reads a page's number`);
    // The sub-menu's items are the circled numbers drawn last; its last one
    // returns to the main menu.
    const trace = await page.evaluate(() => window.mebuki.trace());
    const items = new Set(trace.slice(trace.lastIndexOf('"op":"click"')).split('\n')
      .filter((l) => /"text":"[①-⑳]"/.test(l) && l.includes('"y":666')).map((l) => JSON.parse(l).text));
    assert.ok(items.size >= 2, `section ${section}: a sub-menu`);
    for (let p = 1; p <= items.size; ++p) {
      await tapKeypad(page, p + '\n');
      keys += p + '\\n';
      if (p === items.size) break;  // back at the main menu
      let prompts = 0;
      for (let guard = 0; guard < 400; ++guard) {
        if (await reading(page)) {
          if (!(practice && section === practice[0] && p === practice[1])) break;
          // The practice prompt: a new table once, then back to the sub-menu.
          if (prompts++ === 0) {
            await tapPicture(page, ...kElsewhere);
            keys += '2\\n';
          } else {
            await tapPicture(page, ...kPromptBox);
            keys += '1\\n';
            break;
          }
          continue;
        }
        await tapPicture(page, ...kElsewhere);
        keys += ' ';
      }
      assert.ok(await reading(page), `section ${section} page ${p}: the sub-menu again`);
    }
  }
  return keys;
}

test('the page by touch', async (t) => {
  const browser = await webRun.launchBrowser();
  try {
    for (const [program, sections, practice] of [[1, 4, null], [2, 5, [2, 3]]]) {
      await t.test(`a walk of mebuki${program} by taps and the keypad draws what the typed walk draws`, async () => {
        const page = await open(browser, program);
        try {
          const keys = await walkByTouch(page, program, sections, practice);
          const trace = await page.evaluate(() => window.mebuki.trace());
          const typedKeys = keysOf(trace);
          assert.ok(typedKeys.every((k) => /^[0-9\r]$/.test(k)), 'only keypad keys');
          const typed = await typedRun(browser, program, keys);
          assertSameLines(drawn(trace), drawn(typed.trace), 'the walk by touch against the typed walk');
          assert.deepStrictEqual(page.errors, []);
        } finally {
          await page.context().close();
        }
      });
    }

    await t.test('a swipe right at a pause steps back as Page Up; a swipe left goes on', async () => {
      // Section 3, page 1 of mebuki1: three pauses on, one back, one on.
      const page = await open(browser, 1);
      try {
        await tapPicture(page, ...menuItem(3));
        await tapKeypad(page, '1\n');
        for (let i = 0; i < 3; ++i) await tapPicture(page, ...kElsewhere);
        const a = screenPoint(page, 300, 400), b = screenPoint(page, 900, 420);
        await andSettle(page, () => stroke(page, a, b));
        await andSettle(page, () => stroke(page, b, a));
        const trace = await page.evaluate(() => window.mebuki.trace());
        const keys = keysOf(trace);
        assert.deepStrictEqual(keys, ['1', '\r', '\x03', '\x04']);
        const typed = await typedRun(browser, 1, '3\\n1\\n   \x03\x04');
        assertSameLines(drawn(trace), drawn(typed.trace), 'the swipes against Page Up and Page Down');
        const picture = await page.evaluate(() => window.mebuki.screenshot());
        assert.ok(picture === 'data:image/png;base64,' + typed.screenshot.toString('base64'), 'the same picture');
        // A stroke up or down, or a short one, is no gesture: nothing reaches the lesson.
        await stroke(page, a, screenPoint(page, 310, 700));
        await stroke(page, a, screenPoint(page, 360, 400));
        await page.waitForTimeout(300);
        assert.strictEqual(await page.evaluate(() => window.mebuki.trace()).then((t2) => t2.length), trace.length);
        assert.deepStrictEqual(page.errors, []);
      } finally {
        await page.context().close();
      }
    });

    await t.test('a long press shows the help panel, and nothing reaches the lesson', async () => {
      const page = await open(browser, 2);
      try {
        const p = screenPoint(page, 700, 300);
        const before = await page.evaluate(() => window.mebuki.trace());
        const cdp = await page.context().newCDPSession(page);
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: p.x, y: p.y, id: 1 }] });
        await page.waitForSelector('#help', { state: 'visible', timeout: 3000 });
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
        await page.waitForTimeout(300);
        assert.ok(await page.isVisible('#help'), 'the panel stays after the finger lifts');
        assert.ok(!(await page.evaluate(() => window.mebuki.trace())).slice(before.length).includes('"op":"click"'));
        await page.touchscreen.tap(p.x, p.y);  // closes it, and goes no further
        assert.ok(!(await page.isVisible('#help')));
        assert.ok(!(await page.evaluate(() => window.mebuki.trace())).slice(before.length).includes('"op":"click"'));
      } finally {
        await page.context().close();
      }
    });

    await t.test('the keypad beside the picture where there is room, over its corner where not', async () => {
      for (const [width, height, place] of [[1920, 1080, 'margin'], [1180, 820, 'overlay']]) {
        const page = await open(browser, 1, { ...tablet, viewport: { width, height } });
        try {
          await page.touchscreen.tap(5, 5);  // on nothing: the keypad comes for the menu's number
          await page.waitForSelector('#keypad', { state: 'visible', timeout: 3000 });
          const layout = await page.evaluate(() => {
            const k = document.getElementById('keypad').getBoundingClientRect();
            const b = [...document.querySelectorAll('#keypad button')].map((e) => e.getBoundingClientRect());
            return { place: document.getElementById('keypad').dataset.place, k: [k.left, k.top, k.right, k.bottom],
              count: b.length, smallest: Math.min(...b.map((r) => Math.min(r.width, r.height))) };
          });
          assert.strictEqual(layout.place, place, `${width} x ${height}`);
          assert.strictEqual(layout.count, 15);
          assert.ok(layout.smallest >= 56, `large buttons: ${layout.smallest}`);
          const corner = screenPoint(page, 1440, 900), origin = screenPoint(page, 0, 0);
          if (place === 'margin') {
            // Clear of the picture.
            assert.ok(layout.k[0] >= corner.x - 0.5 || layout.k[1] >= corner.y - 0.5, JSON.stringify(layout));
          } else {
            // Over the lower right, clear of the entry's start.
            assert.ok(layout.k[0] >= origin.x + (1048 - 1) * (corner.x - origin.x) / 1440, JSON.stringify(layout));
          }
        } finally {
          await page.context().close();
        }
      }
    });

    await t.test('with keys only, the keypad never shows', async () => {
      const page = await open(browser, 2, { ...tablet, hasTouch: false, isMobile: false });
      try {
        await page.evaluate(() => {
          window.keypadSeen = false;
          const k = document.getElementById('keypad');
          new MutationObserver(() => { if (!k.hidden) window.keypadSeen = true; }).observe(k, { attributes: true });
        });
        for (const k of ['2', 'Enter', '3', 'Enter', ...Array(12).fill(' '), '2', 'Enter', ' ', ' ', '1', 'Enter']) {
          await andSettle(page, () => page.keyboard.press(k));
        }
        assert.ok(!(await page.evaluate(() => window.keypadSeen)), 'the keypad was shown');
        assert.ok(!(await page.isVisible('#keypad')));
      } finally {
        await page.context().close();
      }
    });
  } finally {
    await browser.close();
  }
});
