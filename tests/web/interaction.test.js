// The page in front of a class: real key presses, clicks and the wheel reach
// the lesson as the window's keys do, and the last menu item ends the lesson
// on a page of its own.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const webRun = require('../../tools/web-run');

const { pageUrl, keysOf } = require('./pages');


async function withPage(browser, url, body, options = { viewport: { width: 1440, height: 900 } }) {
  const context = await browser.newContext(options);
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e));
  try {
    await page.goto(url);
    await waitWaiting(page);
    await body(page);
    assert.deepStrictEqual(errors, []);
  } finally {
    await context.close();
  }
}

// Until the lesson sleeps again with every input read (or has ended).
async function waitWaiting(page) {
  await page.waitForFunction(() => window.mebuki && ['waiting', 'ended'].includes(window.mebuki.state),
    null, { timeout: 20000, polling: 20 });
}

async function settle(page, keyCount) {
  await page.waitForFunction((n) => {
    const keys = window.mebuki.trace().split('\n').filter((l) => l.startsWith('{"op":"key"'));
    return keys.length >= n && window.mebuki.state === 'waiting';
  }, keyCount, { timeout: 20000, polling: 20 });
  return keysOf(await page.evaluate(() => window.mebuki.trace()));
}

test('the page in front of a class', async (t) => {
  const browser = await webRun.launchBrowser();
  try {
    await t.test('keys reach the lesson as the window gives them', async () => {
      await withPage(browser, pageUrl(1, 'trace=1&time=10:00:00'), async (page) => {
        // A number corrected at the menu, a page stepped back with Page Up,
        // the Left arrow and the wheel; keys with no meaning still count.
        for (const k of ['1', 'Backspace', '7', 'Escape', '2', 'Enter', '3', 'Enter']) await page.keyboard.press(k);
        for (const k of [' ', 'x', 'Space', 'PageUp', 'ArrowLeft', 'Delete', 'F5', 'Tab', 'Shift', 'Numpad4']) {
          await page.keyboard.press(k);
        }
        const keys = await settle(page, 17);
        assert.deepStrictEqual(keys, ['1', '\b', '7', '\f', '2', '\r', '3', '\r', ' ', 'x', ' ', '\x03', '\x1d',
          '\f', '\x12', '\t', '4']);
        await page.mouse.move(700, 450);
        await page.mouse.wheel(0, -120);
        assert.deepStrictEqual((await settle(page, 18)).slice(17), ['\x03']);
      });
    });

    await t.test('F1 shows the keys over the picture; a key or click closes it and goes no further', async () => {
      await withPage(browser, pageUrl(1, 'trace=1'), async (page) => {
        await page.keyboard.press('F1');
        assert.ok(await page.isVisible('#help'));
        assert.match(await page.textContent('#help'), /操作のしかた[\s\S]*全画面表示/);
        await page.keyboard.press('3');  // closes the panel only
        assert.ok(!(await page.isVisible('#help')));
        await page.keyboard.press('F1');
        await page.mouse.click(100, 195);  // on a menu item, but the panel is over it
        assert.ok(!(await page.isVisible('#help')));
        await page.keyboard.press('4');
        assert.deepStrictEqual(await settle(page, 1), ['4']);
        assert.ok(!(await page.evaluate(() => window.mebuki.trace())).includes('"op":"click"'));
      });
    });

    await t.test('a click or touch chooses a menu item, and continues at a pause', async () => {
      await withPage(browser, pageUrl(2, 'trace=1&time=10:00:00'), async (page) => {
        // The second item of the main menu, at (44, 180) in the picture; the
        // picture is scaled to fit the viewport, 1440 x 900 here.
        await page.mouse.click(100, 195);
        await page.waitForFunction(() => window.mebuki.trace().includes('"op":"click"'), null, { timeout: 20000 });
        await waitWaiting(page);
        const trace = await page.evaluate(() => window.mebuki.trace());
        const click = JSON.parse(trace.split('\n').find((l) => l.startsWith('{"op":"click"')));
        assert.ok(Math.abs(click.x - 100) < 1 && Math.abs(click.y - 195) < 1, JSON.stringify(click));
        // The section's sub-menu is up: its items were drawn after the click.
        assert.match(trace.slice(trace.indexOf('"op":"click"')), /"text":"①"/);
        // A click far from any item at a menu is dropped: the next key still works.
        await page.mouse.click(600, 860);  // clear of the keypad at the bottom right
        await page.keyboard.press('1');
        await page.keyboard.press('Enter');
        assert.deepStrictEqual(await settle(page, 2), ['1', '\r']);
        // The page waits at its first pause: a click anywhere takes it on.
        const before = await page.evaluate(() => window.mebuki.trace());
        assert.match(before.slice(before.lastIndexOf('"op":"key"')), /"text":"何"/);
        await page.mouse.click(700, 400);
        await page.waitForFunction((n) => window.mebuki.trace().split('"op":"click"').length > n,
          before.split('"op":"click"').length, { timeout: 20000 });
        await waitWaiting(page);
        const after = await page.evaluate(() => window.mebuki.trace());
        const lastClick = after.lastIndexOf('"op":"click"');
        assert.match(after.slice(lastClick), /"op":"(symbol|line|connect|circle)"/);
      });
    });

    await t.test('a tap on a tablet chooses a menu item, and leaves the page where it is', async () => {
      const tablet = { viewport: { width: 1180, height: 820 }, deviceScaleFactor: 2, hasTouch: true, isMobile: true };
      await withPage(browser, pageUrl(1, 'trace=1'), async (page) => {
        // 1440 x 900 at 1180 wide is 737.5 high, from y = 41.25: the third
        // item, from (44, 240) to beyond (100, 288) in the picture, is at (60, 250) on the screen.
        await page.touchscreen.tap(60, 250);
        await page.waitForFunction(() => window.mebuki.trace().includes('"op":"click"'), null, { timeout: 20000 });
        await waitWaiting(page);
        const trace = await page.evaluate(() => window.mebuki.trace());
        assert.match(trace.slice(trace.indexOf('"op":"click"')), /"text":"⑧"/);  // the sub-menu of section 3
        // The sub-menu reads a number after a tap: the keypad is up, and its
        // keys answer (8, cleared, then 7 and Enter).
        assert.ok(await page.isVisible('#keypad'), 'the keypad after a tap');
        for (const k of ['8', 'clear', '7', 'enter']) {
          const box = await page.locator(`#keypad [data-key="${k}"]`).boundingBox();
          await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
        }
        const keys = await settle(page, 4);
        assert.deepStrictEqual(keys, ['8', '\f', '7', '\r']);
        assert.ok(!(await page.isVisible('#keypad')), 'no keypad once the number is read');
        // A swipe across the picture is no gesture of the browser's: the page
        // stays, even with a page before it to go back to.
        const url = page.url();
        await page.goto('about:blank');
        await page.goBack();
        await waitWaiting(page);
        const cdp = await page.context().newCDPSession(page);
        await cdp.send('Input.synthesizeScrollGesture', { x: 200, y: 400, xDistance: 600, yDistance: 0, speed: 2000 });
        assert.strictEqual(page.url(), url);
        assert.strictEqual(await page.evaluate(() => window.mebuki.state), 'waiting');
      }, tablet);
    });

    await t.test('the last menu item ends the lesson on a page of its own', async () => {
      await withPage(browser, pageUrl(1, ''), async (page) => {
        await page.keyboard.type('5');
        await page.keyboard.press('Enter');
        await page.waitForFunction(() => window.mebuki.state === 'ended', null, { timeout: 20000 });
        assert.strictEqual(await page.evaluate(() => window.mebuki.status), 0);
        assert.ok(await page.isVisible('#ended'));
        assert.match(await page.textContent('#ended'), /終了しました/);
        await page.click('#again');
        await page.waitForFunction(() => window.mebuki && window.mebuki.state === 'waiting', null, { timeout: 20000 });
        assert.ok(!(await page.isVisible('#ended')));
      });
    });

    // While the menu waits for the first key, the page draws ahead every glyph
    // the lesson will draw, in every style, and then rests.
    await t.test('the page draws the lesson\'s glyphs ahead while it waits', async () => {
      await withPage(browser, pageUrl(2, ''), async (page) => {
        await page.waitForFunction(() => window.mebuki.state === 'waiting', null, { timeout: 20000 });
        await page.waitForFunction(() => {
          const g = window.mebuki.glyphsAhead;
          return g.of !== null && g.done === g.of;
        }, null, { timeout: 20000 });
        const { of } = await page.evaluate(() => window.mebuki.glyphsAhead);
        // The experiment's table and the practice tables' digits among them.
        assert.ok(of >= 300, `only ${of} glyphs drawn ahead`);
        assert.strictEqual(await page.evaluate(() => window.mebuki.state), 'waiting');
      });
    });

    // What the page draws step by step must be what it draws again from its
    // copy of the picture (on a resize, for a screenshot): across pages that
    // wipe the screen, tables that cover cells, and the entry's dot.
    const livePixelsDiffering = (page) => page.evaluate(async () => {
      const live = document.getElementById('picture');
      const image = new Image();
      image.src = window.mebuki.screenshot();
      await image.decode();
      const c = document.createElement('canvas');
      c.width = live.width;
      c.height = live.height;
      const x = c.getContext('2d');
      x.drawImage(image, 0, 0);
      const a = x.getImageData(0, 0, c.width, c.height).data;
      const b = live.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      let n = 0;
      for (let i = 0; i < a.length; i += 4) {
        if (Math.max(Math.abs(a[i] - b[i]), Math.abs(a[i + 1] - b[i + 1]), Math.abs(a[i + 2] - b[i + 2])) > 48) ++n;
      }
      return n / (a.length / 4);
    });
    // The experiment's dots come in runs, stamped as one image a step at a
    // time on the canvas and all at once when drawn again.
    await t.test('the canvas shows the kept picture of the experiment', async () => {
      const keys = encodeURIComponent('3\\n2\\n' + ' '.repeat(26));
      await withPage(browser, pageUrl(2, 'time=10:00:00&keys=' + keys), async (page) => {
        const differing = await livePixelsDiffering(page);
        assert.ok(differing < 0.002, `${(differing * 100).toFixed(3)} % of the pixels differ`);
      });
    });
    await t.test('the canvas shows the kept picture', async () => {
      const keys = encodeURIComponent('2\\n3\\n' + ' '.repeat(40) + '7\\n4\\n1\\n' + ' '.repeat(8));
      await withPage(browser, pageUrl(1, 'time=10:00:00&keys=' + keys), async (page) => {
        const differing = await livePixelsDiffering(page);
        assert.ok(differing < 0.002, `${(differing * 100).toFixed(3)} % of the pixels differ`);
        // A new window size: the canvas takes the device's pixels again, and
        // the picture, drawn again, still fits and stands in the middle.
        await page.setViewportSize({ width: 1000, height: 800 });
        await page.waitForFunction(() => document.getElementById('picture').width === 1000);
        const middle = await page.evaluate(() => {
          const c = document.getElementById('picture');
          const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
          let top = c.height, bottom = 0;  // rows with ink
          for (let y = 0; y < c.height; ++y) {
            for (let x = 0; x < c.width; x += 2) {
              const i = 4 * (y * c.width + x);
              if (d[i] < 200 || d[i + 1] < 200 || d[i + 2] < 200) { top = Math.min(top, y); bottom = y; break; }
            }
          }
          return { height: c.height, top, bottom };
        });
        assert.strictEqual(middle.height, 800);
        // 1440 x 900 at 1000 wide is 625 high, from y = 87.5.
        assert.ok(middle.top >= 87 && middle.bottom <= 713 && middle.bottom > middle.top + 200, JSON.stringify(middle));
      });
    });
  } finally {
    await browser.close();
  }
});
