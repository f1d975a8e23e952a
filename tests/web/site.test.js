// The lesson site (tools/web-site): after one visit over http, with the network
// gone, the index and both lesson pages open from the service worker's cache;
// a new build replaces the old cache; the manifest names icons that exist.
//
//   node --test tests/web/site.test.js                 the site in build-web/site
//   MEBUKI_SITE=DIR node --test tests/web/site.test.js
//   node tests/web/site.test.js DIR
//
// Skipped, with a message, when there is no site: build it with ./mebuki web.
// With the real lesson pages the engine must start and wait for a key; with
// stand-in pages (any page without the engine) their own text must show.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const http = require('http');
const path = require('path');

const kRepo = path.resolve(__dirname, '..', '..');
const kArg = process.argv[2] && !process.argv[2].startsWith('-') ? process.argv[2] : '';
const kSite = path.resolve(process.env.MEBUKI_SITE || kArg || path.join(kRepo, 'build-web', 'site'));
const kMissing = fs.existsSync(path.join(kSite, 'index.html'))
  ? false : `no lesson site in ${kSite}: build it with ./mebuki web (or tools/web-site BUILD_WEB_DIR)`;
const kPages = ['mebuki1.html', 'mebuki2.html'];
const kLastItem = { 'mebuki1.html': '5', 'mebuki2.html': '7' };

const kTypes = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.svg': 'image/svg+xml',
};

// A static server on an ephemeral port of 127.0.0.1 (a secure context, so the
// worker may register). sw.js can be served as if from a newer build.
function startServer(dir) {
  const sockets = new Set();
  const served = { versionSuffix: '', requests: [] };
  const server = http.createServer((req, res) => {
    const url = new URL(req.url, 'http://127.0.0.1');
    served.requests.push(url.pathname);
    let name = decodeURIComponent(url.pathname).replace(/^\/+/, '') || 'index.html';
    const file = path.join(dir, name);
    if (path.dirname(file) !== dir || !fs.existsSync(file)) {
      res.writeHead(404).end();
      return;
    }
    let body = fs.readFileSync(file);
    if (name === 'sw.js' && served.versionSuffix) {
      body = Buffer.from(body.toString().replace(/const VERSION = '([^']*)'/, `const VERSION = '$1${served.versionSuffix}'`));
    }
    res.writeHead(200, { 'Content-Type': kTypes[path.extname(name)] || 'application/octet-stream' });
    res.end(body);
  });
  server.on('connection', (s) => { sockets.add(s); s.on('close', () => sockets.delete(s)); });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
    base: `http://127.0.0.1:${server.address().port}/`,
    served,
    stop: () => new Promise((done) => { for (const s of sockets) s.destroy(); server.close(done); }),
  })));
}

// Polls an async condition (waitForFunction takes no async predicates).
async function until(condition, what, ms = 30000) {
  const deadline = Date.now() + ms;
  while (!(await condition())) {
    if (Date.now() > deadline) throw new Error(`timed out waiting: ${what}`);
    await new Promise((r) => setTimeout(r, 100));
  }
}

function pngSize(file) {
  const b = fs.readFileSync(file);
  assert.equal(b.toString('latin1', 1, 4), 'PNG', `${file} is not a PNG`);
  return `${b.readUInt32BE(16)}x${b.readUInt32BE(20)}`;
}

function isRealPage(name) {
  return fs.readFileSync(path.join(kSite, name), 'utf8').includes('window.mebuki');
}

test('the manifest parses and names icons that exist', { skip: kMissing }, () => {
  const m = JSON.parse(fs.readFileSync(path.join(kSite, 'manifest.webmanifest'), 'utf8'));
  assert.ok(m.name && m.short_name, 'name and short_name');
  assert.equal(m.lang, 'ja');
  assert.equal(m.display, 'fullscreen');
  assert.equal(m.orientation, 'landscape');
  assert.match(m.theme_color, /^#[0-9a-f]{6}$/);
  assert.match(m.background_color, /^#[0-9a-f]{6}$/);
  assert.ok(fs.existsSync(path.join(kSite, new URL(m.start_url, 'http://x/').pathname)), `start_url ${m.start_url}`);
  const sizes = new Set();
  for (const icon of m.icons) {
    const file = path.join(kSite, icon.src);
    assert.ok(fs.existsSync(file), `icon ${icon.src} missing`);
    if (icon.type === 'image/png') {
      assert.equal(pngSize(file), icon.sizes, `${icon.src} is not the size it says`);
    } else {
      assert.equal(icon.type, 'image/svg+xml');
      assert.match(fs.readFileSync(file, 'utf8'), /<svg[\s>]/);
    }
    sizes.add(icon.sizes);
  }
  assert.ok(sizes.has('192x192') && sizes.has('512x512') && sizes.has('any'), [...sizes].join(' '));
  // Every page of the site links the manifest and the home-screen icon, and
  // registers the worker only when it came over http(s).
  for (const name of ['index.html', ...kPages]) {
    const text = fs.readFileSync(path.join(kSite, name), 'utf8');
    assert.match(text, /<link rel="manifest" href="manifest\.webmanifest">/, name);
    assert.match(text, /<link rel="apple-touch-icon" href="apple-touch-icon\.png">/, name);
    assert.ok(fs.existsSync(path.join(kSite, 'apple-touch-icon.png')));
    assert.match(text, /https\?:\$\/\.test\(location\.protocol\)[\s\S]*serviceWorker[\s\S]*register\(["']sw\.js["']\)/, name);
  }
});

test('after one visit the site opens with no network', { skip: kMissing, timeout: 180000 }, async () => {
  const { chromium } = require(path.join(kRepo, 'node_modules', 'playwright-core'));
  const server = await startServer(kSite);
  const browser = await chromium.launch({
    executablePath: process.env.MEBUKI_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
  try {
    const context = await browser.newContext({ viewport: { width: 1180, height: 820 } });
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(String(e)));

    // The one visit.
    await page.goto(server.base + 'index.html');
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 30000 });
    await page.waitForSelector('#offline:not([hidden])');
    const cached = () => page.evaluate(async () => {
      const out = {};
      for (const key of await caches.keys()) {
        const cache = await caches.open(key);
        out[key] = (await cache.keys()).map((r) => new URL(r.url).pathname.slice(1)).sort();
      }
      return out;
    });
    const files = fs.readdirSync(kSite).filter((f) => f !== 'sw.js').sort();
    const first = await cached();
    assert.deepEqual(Object.values(first), [files], 'one cache holding every file of the site');

    // A new build (another version in sw.js): its cache replaces the old one.
    server.served.versionSuffix = '-next';
    await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
    await until(async () => {
      const keys = Object.keys(await cached());
      return keys.length === 1 && keys[0].endsWith('-next');
    }, 'the old cache deleted once the new build is active');
    assert.deepEqual(Object.values(await cached()), [files], 'the new cache holds every file of the site');

    // No network at all from here on: no server, and the browser offline.
    await server.stop();
    await context.setOffline(true);
    const requestsBefore = server.served.requests.length;

    const index = await page.reload();
    assert.ok(index.fromServiceWorker(), 'index.html from the service worker');
    assert.equal(index.status(), 200);
    assert.match(await page.title(), /Mebuki/);
    const folder = await page.goto(server.base);
    assert.ok(folder.fromServiceWorker(), 'the folder URL answers with the index');
    assert.match(await page.locator('h1').innerText(), /データの活用/);

    for (const [name, query] of [[kPages[0], ''], [kPages[1], ''], [kPages[1], '?time=10:00:00']]) {
      const response = await page.goto(server.base + name + query);
      assert.ok(response.fromServiceWorker(), `${name}${query} from the service worker`);
      assert.equal(response.status(), 200);
      if (isRealPage(name)) {
        // The engine itself starts from the cached page and draws its menu.
        await page.waitForFunction(() => window.mebuki && window.mebuki.state === 'waiting', null, { timeout: 30000 });
        if (!query) {
          // Its last menu item ends the lesson; that page leads back to the start page.
          await page.keyboard.press(kLastItem[name]);
          await page.keyboard.press('Enter');
          await page.locator('#site-index').click({ timeout: 30000 });
          await page.waitForURL(server.base + 'index.html');
          assert.match(await page.locator('h1').innerText(), /データの活用/);
        }
      } else {
        assert.match(await page.locator('body').innerText(), new RegExp(name.replace('.html', '')));
      }
    }
    assert.equal(server.served.requests.length, requestsBefore, 'nothing reached the server');
    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
    await server.stop();
  }
});
