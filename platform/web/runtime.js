// The page's runtime: draws the host's operations on the canvas exactly as the
// Cairo canvas does (platform/canvas.cpp), turns the page's events into the
// window's keys and clicks, sleeps the engine on the browser's event loop, and
// offers a driver (tools/web-run) the run's state, trace and screenshot as
// window.mebuki. Included with --pre-js: it runs before the engine is loaded.
'use strict';

var MebukiPage = (function () {
  var kWidth = 1440, kHeight = 900;
  // The installed families the engine names, and the page's own faces.
  var kFamilies = {
    'BIZ UDGothic': '"Mebuki Gothic", "BIZ UDGothic", sans-serif',
    'Liberation Serif': '"Mebuki Serif", "Liberation Serif", serif',
  };
  var kFontPx = 100;  // a glyph of an odd em square is drawn at this size and scaled to it

  var params = new URLSearchParams(location.search);
  var scripted = params.has('keys') || params.get('walk') === '1';
  var timingSteps = params.get('steptimes') === '1';
  // A scripted run may leave its first picture up a while before it goes on,
  // as a lesson's menu stands before the first key.
  var settleMs = Math.max(0, Math.min(60000, Number(params.get('settle')) || 0));
  var palette = [];         // CSS colours
  var paletteRgb = [];      // the same as [r, g, b]
  var ops = [];            // the picture, as the engine keeps it
  var serials = [];        // the engine's serial number of each of them
  var hiddenOps = 0;       // places in ops left empty (null) by hidden operations
  var canvas = null, ctx = null;
  var view = { scale: 1, x: 0, y: 0 };  // device pixels per logical unit, and the picture's corner
  var replaced = null, replacedAt = -1;  // the last operation, when the engine just hid it
  var inputs = [];         // keys and clicks the engine has not read yet
  var wake = null;         // resolves the engine's sleep on an input
  var state = 'running', status = null, firstPictureMs = null;
  var leftFullScreenAt = -1e9;

  function colour(i) { return palette[i & 15]; }

  // A scale such as "1", "1.5" or "4/3" (the engine checks it and rejects a bad one).
  function parseScale(text) {
    if (!text) return 1;
    var parts = text.split('/');
    var v = Number(parts[0]) / (parts.length > 1 ? Number(parts[1]) : 1);
    return v >= 0.1 && v <= 8 ? v : 1;
  }

  // Sets c up so that logical units land on the picture scaled by scale, its
  // corner at (x, y) in device pixels, clipped to the picture, on white.
  function clear(c, target) {
    if (waiting.c === c) waiting.dots = waiting.radii = [];  // wiped with the rest
    c.setTransform(1, 0, 0, 1, 0, 0);
    c.fillStyle = '#ffffff';
    c.fillRect(0, 0, c.canvas.width, c.canvas.height);
    c.restore();
    c.save();
    c.setTransform(target.scale, 0, 0, target.scale, target.x, target.y);
    c.beginPath();
    c.rect(0, 0, kWidth, kHeight);
    c.clip();
    c.lineCap = 'round';
    c.lineJoin = 'round';
    c.mebukiFont = null;
  }

  // A circle op is a filled disc outlined with the pen in its own colour: one
  // disc, half the pen wider. Its radius in device pixels.
  function discRadius(op, target) {
    var m = op[4] === 15 ? 2 / target.scale : 0;
    return (Math.max(op[3], 0) + (op[5] + m) / 2) * target.scale;
  }

  // Small discs come by the thousand (the experiment's dots): a run of them is
  // stamped from masks the canvas drew once per radius and quarter-pixel
  // offset, composited among themselves in their order, and laid on the
  // canvas as one image, which costs a fraction of a path per dot.
  var kStampMaxRadius = 6, kStampRun = 16, kSteps = 4;
  var waiting = { c: null, target: null, dots: [], radii: [] };  // discs not drawn yet, in order, and their radii
  var masks = new Map();  // device radius -> kSteps x kSteps masks: the pixels each covers
  var stampCanvas = null, stampCtx = null, stampImage = null, stampSum = null;

  function discMask(radius, fx, fy) {
    var set = masks.get(radius);
    if (!set) {
      var half = Math.ceil(radius) + 1, side = 2 * half + 1;
      var m = document.createElement('canvas');
      m.width = side * kSteps;
      m.height = side * kSteps;
      var mc = m.getContext('2d', { willReadFrequently: true });
      mc.fillStyle = '#000';
      for (var j = 0; j < kSteps; ++j) {
        for (var i = 0; i < kSteps; ++i) {
          mc.beginPath();
          mc.arc(i * side + half + i / kSteps, j * side + half + j / kSteps, radius, 0, 2 * Math.PI);
          mc.fill();
        }
      }
      var rgba = mc.getImageData(0, 0, m.width, m.height).data;
      set = [];
      // Each mask as the pixels it covers at all: their column, row and coverage.
      for (var k = 0; k < kSteps * kSteps; ++k) {
        var ox = (k % kSteps) * side, oy = Math.floor(k / kSteps) * side, xs = [], ys = [], as = [];
        for (var y = 0; y < side; ++y) {
          for (var x = 0; x < side; ++x) {
            var a = rgba[((oy + y) * m.width + ox + x) * 4 + 3];
            if (a === 0) continue;
            xs.push(x);
            ys.push(y);
            as.push(a / 255);
          }
        }
        set.push({ half: half, side: side, x: Int32Array.from(xs), y: Int32Array.from(ys), a: Float32Array.from(as) });
      }
      masks.set(radius, set);
    }
    return set[fy * kSteps + fx];
  }

  function flushDiscs() {
    var w = waiting;
    if (w.dots.length === 0) return;
    var dots = w.dots, radii = w.radii;
    w.dots = [];
    w.radii = [];
    if (dots.length < kStampRun) {
      for (var i = 0; i < dots.length; ++i) draw(w.c, dots[i], w.target);
      return;
    }
    stampDiscs(w.c, w.target, dots, radii);
  }

  function stampDiscs(c, target, dots, radii) {
    // The picture's clip may cut its edge pixels partly: a disc whose mask
    // reaches them is drawn as a path, in its turn.
    var inX0 = Math.ceil(target.x), inY0 = Math.ceil(target.y);
    var inX1 = Math.floor(target.x + kWidth * target.scale), inY1 = Math.floor(target.y + kHeight * target.scale);
    var placed = [], x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
    var lay = function () {
      if (placed.length > 0) layStamped(c, placed, x0, y0, x1, y1);
      placed = [];
      x0 = y0 = Infinity;
      x1 = y1 = -Infinity;
    };
    for (var i = 0; i < dots.length; ++i) {
      var op = dots[i];
      var qx = Math.round((target.x + op[1] * target.scale) * kSteps), qy = Math.round((target.y + op[2] * target.scale) * kSteps);
      var cx = Math.floor(qx / kSteps), cy = Math.floor(qy / kSteps);
      var mask = discMask(radii[i], qx - cx * kSteps, qy - cy * kSteps);
      var mx = cx - mask.half, my = cy - mask.half;
      if (!(mx >= inX0 && my >= inY0 && mx + mask.side <= inX1 && my + mask.side <= inY1)) {
        lay();
        draw(c, op, target);
        continue;
      }
      placed.push({ x: mx, y: my, mask: mask, rgb: paletteRgb[op[4] & 15] });
      x0 = Math.min(x0, mx);
      y0 = Math.min(y0, my);
      x1 = Math.max(x1, mx + mask.side);
      y1 = Math.max(y1, my + mask.side);
    }
    lay();
  }

  // Composites the stamped discs, in order, over a transparent image of the
  // rectangle they cover, and lays it on the canvas.
  function layStamped(c, placed, x0, y0, x1, y1) {
    var w = x1 - x0, h = y1 - y0, n = w * h;
    if (!stampCanvas || stampCanvas.width < w || stampCanvas.height < h) {
      stampCanvas = document.createElement('canvas');
      stampCanvas.width = Math.max(w, stampCanvas ? stampCanvas.width : 0);
      stampCanvas.height = Math.max(h, stampCanvas ? stampCanvas.height : 0);
      stampCtx = stampCanvas.getContext('2d');
    }
    if (!stampImage || stampImage.width !== w || stampImage.height !== h) stampImage = stampCtx.createImageData(w, h);
    if (!stampSum || stampSum.length < n * 4) stampSum = new Float32Array(n * 4);
    var sum = stampSum;  // premultiplied red, green, blue and coverage
    sum.fill(0, 0, n * 4);
    for (var k = 0; k < placed.length; ++k) {
      var p = placed[k], cover = p.mask, r = p.rgb[0], g = p.rgb[1], b = p.rgb[2];
      var cx = cover.x, cy = cover.y, ca = cover.a, dx = p.x - x0, dy = p.y - y0;
      for (var j = 0; j < ca.length; ++j) {
        var a = ca[j], at = ((dy + cy[j]) * w + dx + cx[j]) * 4, keep = 1 - a;
        sum[at] = r * a + sum[at] * keep;
        sum[at + 1] = g * a + sum[at + 1] * keep;
        sum[at + 2] = b * a + sum[at + 2] * keep;
        sum[at + 3] = a + sum[at + 3] * keep;
      }
    }
    var px = stampImage.data;
    for (var i = 0; i < n; ++i) {
      var cov = sum[i * 4 + 3];
      if (cov === 0) {
        px[i * 4 + 3] = 0;
        continue;
      }
      px[i * 4] = sum[i * 4] / cov;
      px[i * 4 + 1] = sum[i * 4 + 1] / cov;
      px[i * 4 + 2] = sum[i * 4 + 2] / cov;
      px[i * 4 + 3] = cov * 255;
    }
    stampCtx.putImageData(stampImage, 0, 0);
    c.save();
    c.setTransform(1, 0, 0, 1, 0, 0);
    c.drawImage(stampCanvas, 0, 0, w, h, x0, y0, w, h);
    c.restore();
  }

  // One operation, in logical units, onto c at target (its scale is the
  // device pixels per unit): a small disc waits for the rest of its run;
  // anything else draws the run first.
  function render(c, op, target) {
    if (op[0] === 'circle') {
      var radius = discRadius(op, target);
      if (radius > 0 && radius <= kStampMaxRadius) {
        if (waiting.c !== c || waiting.target !== target) flushDiscs();
        waiting.c = c;
        waiting.target = target;
        waiting.dots.push(op);
        waiting.radii.push(radius);
        return;
      }
    }
    flushDiscs();
    draw(c, op, target);
  }

  // A filled box with a solid border: the border's outside (the box grown by
  // half the pen, with round corners, as the pen's round joins draw it)
  // filled in the border's colour, then the inside in the fill's. The same
  // pixels as the fill stroked over, at a fraction of a stroke's cost.
  function solidBox(c, op, r) {
    r = Math.max(r, 0);
    var x0 = Math.min(op[1], op[3]), x1 = Math.max(op[1], op[3]);
    var y0 = Math.min(op[2], op[4]), y1 = Math.max(op[2], op[4]);
    c.beginPath();
    if (r > 0) {
      c.moveTo(x0, y0 - r);
      c.lineTo(x1, y0 - r);
      c.arc(x1, y0, r, -Math.PI / 2, 0);
      c.lineTo(x1 + r, y1);
      c.arc(x1, y1, r, 0, Math.PI / 2);
      c.lineTo(x0, y1 + r);
      c.arc(x0, y1, r, Math.PI / 2, Math.PI);
      c.lineTo(x0 - r, y0);
      c.arc(x0, y0, r, Math.PI, Math.PI * 3 / 2);
      c.closePath();
    } else {
      c.rect(x0, y0, x1 - x0, y1 - y0);
    }
    c.fillStyle = colour(op[5]);
    c.fill();
    if (colour(op[7]) !== colour(op[5]) && x1 - x0 > 2 * r && y1 - y0 > 2 * r) {
      c.fillStyle = colour(op[7]);
      c.fillRect(x0 + r, y0 + r, x1 - x0 - 2 * r, y1 - y0 - 2 * r);
    }
  }

  // One operation, drawn now.
  function draw(c, op, target) {
    switch (op[0]) {
      case 'cls': clear(c, target); return;
      case 'line': {
        var mode = op[6];
        // White is the page: a white stroke erases, so it also covers the soft
        // edge of the stroke it is drawn over.
        var margin = op[5] === 15 ? 2 / target.scale : 0;
        if (mode === 2 && op[8] !== 2) {
          solidBox(c, op, (op[9] + margin) / 2);
          return;
        }
        c.lineWidth = op[9] + margin;
        c.setLineDash(op[8] === 2 ? [6, 6] : []);
        c.beginPath();
        if (mode === 0) {
          c.moveTo(op[1], op[2]);
          c.lineTo(op[3], op[4]);
        } else {
          c.rect(op[1], op[2], op[3] - op[1], op[4] - op[2]);
          if (mode === 2) {
            c.fillStyle = colour(op[7]);
            c.fill();
          }
        }
        c.strokeStyle = colour(op[5]);
        c.stroke();
        c.setLineDash([]);
        return;
      }
      case 'circle': {
        c.beginPath();
        c.arc(op[1], op[2], discRadius(op, target) / target.scale, 0, 2 * Math.PI);
        c.fillStyle = colour(op[4]);
        c.fill();
        return;
      }
      case 'connect': {
        var xy = op[1];
        if (xy.length < 2) return;
        c.beginPath();
        c.moveTo(xy[0], xy[1]);
        for (var i = 2; i < xy.length; i += 2) c.lineTo(xy[i], xy[i + 1]);
        if (op[3] >= 0) {
          c.closePath();
          c.fillStyle = colour(op[3]);
          c.fill();
        }
        c.strokeStyle = colour(op[2]);
        c.lineWidth = op[4];
        c.stroke();
        return;
      }
      case 'symbol': {
        // Each glyph at its own size in device pixels, so that the face is
        // rasterized (and its glyphs cached) at the size shown, and placed by
        // a translation alone; only a glyph narrower or wider than high is
        // scaled across.
        c.fillStyle = colour(op[1]);
        var style = (op[3] ? 'italic ' : '') + (op[2] ? 'bold ' : '');
        var glyphs = op[4], s = target.scale;
        for (var g = 0; g < glyphs.length; ++g) {
          var gl = glyphs[g], family = kFamilies[gl[0]] || kFamilies['BIZ UDGothic'], px = gl[5] * s;
          if (!(px >= 1 && px <= 4096 && gl[4] > 0)) {
            // An em square a font size cannot say (none, mirrored, vast): the
            // glyph drawn at a fixed size and scaled to it.
            var font100 = style + kFontPx + 'px ' + family;
            if (c.mebukiFont !== font100) c.font = c.mebukiFont = font100;
            c.save();
            c.transform(gl[4] / kFontPx, 0, 0, gl[5] / kFontPx, gl[2], gl[3]);
            c.fillText(gl[1], 0, 0);
            c.restore();
            continue;
          }
          var font = style + px + 'px ' + family;
          if (c.mebukiFont !== font) c.font = c.mebukiFont = font;  // parsing a font costs more than a glyph
          // On whole pixels, as Cairo puts a glyph: one rasterized glyph serves
          // every place, where a quarter-pixel place would want four.
          c.setTransform(gl[4] / gl[5], 0, 0, 1, Math.round(target.x + gl[2] * s), Math.round(target.y + gl[3] * s));
          c.fillText(gl[1], 0, 0);
        }
        c.setTransform(s, 0, 0, s, target.x, target.y);
        return;
      }
    }
  }

  function renderAll(c, target) {
    clear(c, target);
    for (var i = 0; i < ops.length; ++i) {
      if (ops[i] !== null && ops[i][0] !== 'cls') render(c, ops[i], target);
    }
    flushDiscs();
  }

  // The glyphs a lesson draws (tools/web-glyphs put them in the page, by text
  // style), rasterized ahead while the page waits: the canvas draws a glyph
  // the first time at a size several times more slowly than again, and a
  // lesson page shows hundreds of new ones at once. A few milliseconds at a
  // time between the engine's turns, from the start again at a new scale,
  // since glyphs are kept per size (and drawn on whole pixels: one each).
  var kWarmSliceMs = 3;
  var warm = { list: null, scale: 0, at: 0, timer: null, ctx: null };

  function warmList(scale) {
    var entries;
    try {
      entries = JSON.parse(document.getElementById('glyphs').textContent);
    } catch (e) {
      return [];
    }
    var list = [], n = 1 << 16, buf = Module._malloc(n);
    var text = function (t) {
      var size = Module.lengthBytesUTF8(t) + 1, p = Module._malloc(size);
      Module.stringToUTF8(t, p, size);
      return p;
    };
    entries.forEach(function (e) {
      // face, bold, italic, size, h, v, the characters drawn in that style
      var face = text(e[0]), chars = text(e[6]);
      var length = Module._mebuki_web_place(face, e[1] ? 1 : 0, e[2] ? 1 : 0, e[3], e[4], e[5], chars, buf, n);
      Module._free(face);
      Module._free(chars);
      if (length <= 0) return;
      var style = (e[2] ? 'italic ' : '') + (e[1] ? 'bold ' : '');
      UTF8ToString(buf).split('\n').forEach(function (line) {
        var g = line.split('\t'), emX = Number(g[2]), emY = Number(g[3]), px = emY * scale;
        if (!(px >= 1 && px <= 4096 && emX > 0)) return;
        list.push([style + px + 'px ' + (kFamilies[g[0]] || kFamilies['BIZ UDGothic']), emX / emY, g[1]]);
      });
    });
    Module._free(buf);
    return list;
  }

  function warmGlyphs() {
    warm.timer = null;
    if (typeof Module._mebuki_web_place !== 'function' || !canvas) return;
    if (warm.scale !== view.scale || !warm.list) {
      warm.scale = view.scale;
      warm.list = warmList(view.scale);
      warm.at = 0;
    }
    if (!warm.ctx) {
      var c = document.createElement('canvas');
      c.width = c.height = 64;
      warm.ctx = c.getContext('2d', { willReadFrequently: true });
    }
    var x = warm.ctx, end = performance.now() + kWarmSliceMs, total = warm.list.length;
    while (warm.at < total && performance.now() < end) {
      // A few glyphs, then the canvas made to rasterize them, so that a slice
      // stays short.
      for (var k = 0; k < 4 && warm.at < total; ++k, ++warm.at) {
        var g = warm.list[warm.at];
        if (x.mebukiFont !== g[0]) x.font = x.mebukiFont = g[0];
        x.setTransform(g[1], 0, 0, 1, 8, 48);
        x.fillText(g[2], 0, 0);
      }
      x.getImageData(0, 0, 1, 1);
    }
    if (warm.at < total) warm.timer = setTimeout(warmGlyphs, 0);
  }

  function warmGlyphsSoon() {
    if (warm.timer === null) warm.timer = setTimeout(warmGlyphs, 0);
  }

  // The canvas fills the window at the device's own pixel density; the
  // picture is scaled to fit and centred, the margins white.
  function layout() {
    if (!canvas) return;
    var dpr = window.devicePixelRatio || 1;
    var w = Math.max(1, Math.round(canvas.clientWidth * dpr)), h = Math.max(1, Math.round(canvas.clientHeight * dpr));
    if (canvas.width !== w || canvas.height !== h) {
      canvas.width = w;
      canvas.height = h;
    }
    var scale = Math.min(w / kWidth, h / kHeight);
    // The help panel is laid out in the picture's units.
    document.documentElement.style.setProperty('--unit', (scale / dpr) + 'px');
    view = { scale: scale, x: (w - kWidth * scale) / 2, y: (h - kHeight * scale) / 2 };
    renderAll(ctx, view);
    if (firstPictureMs !== null && warm.scale !== scale) warmGlyphsSoon();
    keypadSize = '';
    if (keypad && !keypad.hidden) layOutKeypad();
  }

  // The logical point under a place on the canvas (CSS pixels from its corner).
  function toLogical(clientX, clientY) {
    var r = canvas.getBoundingClientRect();
    var s = Math.min(r.width / kWidth, r.height / kHeight);
    return { x: (clientX - r.left - (r.width - kWidth * s) / 2) / s, y: (clientY - r.top - (r.height - kHeight * s) / 2) / s };
  }

  function queue(input) {
    if (scripted || state === 'ended') return;
    inputs.push(input);
    if (wake) wake();
  }

  function toggleFullScreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen().catch(function () {});
    } else {
      document.documentElement.requestFullscreen().catch(function () {});
    }
  }

  // The window's keys (platform/window_host.cpp): control keys by their codes,
  // printable keys by their text, the keypad's digits even with Num Lock off.
  var kCodes = {
    Enter: 13, Backspace: 8, Delete: 12, Escape: 12, Tab: 9, Home: 1, End: 2, PageUp: 3, PageDown: 4,
    Insert: 5, ArrowRight: 28, ArrowLeft: 29, ArrowUp: 30, ArrowDown: 31,
  };
  function keyOf(e) {
    if (e.ctrlKey || e.metaKey) return null;  // the browser's own shortcuts
    var code = kCodes[e.key];
    if (code !== undefined) {
      if (/^Numpad[0-9]$/.test(e.code)) return e.code.slice(6);  // Num Lock off
      if (e.code === 'NumpadDecimal') return '.';
      return String.fromCharCode(code);
    }
    var f = /^F([0-9]+)$/.exec(e.key);
    if (f && +f[1] >= 1 && +f[1] <= 12) return String.fromCharCode(14 + +f[1] - 1);
    if (e.key.length > 0 && [...e.key].length === 1) return e.key;
    return null;
  }

  // F1's panel of keys and gestures, over the picture: while it is up, every
  // key, click and turn of the wheel closes it and goes no further, and a key
  // that closed it does not repeat into the lesson.
  var help = null, helpClosingKey = null;
  function showHelp() { help.hidden = false; }
  function hideHelp() { help.hidden = true; }
  function takenByHelp(e) {
    if (helpClosingKey !== null && e.code === helpClosingKey && e.repeat) return true;
    helpClosingKey = null;
    if (help.hidden) {
      if (e.key !== 'F1') return false;
      if (!e.repeat) showHelp();
      return true;
    }
    helpClosingKey = e.code;
    hideHelp();
    return true;
  }

  function onKeyDown(e) {
    if (help && takenByHelp(e)) {
      e.preventDefault();
      return;
    }
    // F11 and Alt+Enter belong to the window: full screen and back.
    if (e.key === 'F11' || (e.key === 'Enter' && e.altKey)) {
      e.preventDefault();
      if (!e.repeat) toggleFullScreen();
      return;
    }
    // Esc that leaves full screen is the browser's: it does not also clear an
    // entry the teacher was typing.
    if (e.key === 'Escape' && (document.fullscreenElement || performance.now() - leftFullScreenAt < 500)) return;
    var key = keyOf(e);
    if (key === null) return;
    e.preventDefault();
    lastInputByPointer = false;
    hideKeypad();  // a keyboard is there
    queue({ key: key });
  }

  var pointerTimer = null;
  function showPointer() {
    canvas.style.cursor = 'default';
    clearTimeout(pointerTimer);
    pointerTimer = setTimeout(function () { canvas.style.cursor = 'none'; }, 2000);
  }

  // The pointer on the picture (a finger, a pen, the mouse with its left
  // button held) is read by the engine's own gesture reader, as the window
  // reads it: a tap is a click where it began, a swipe right steps back as
  // Page Up, a swipe left goes on as Page Down, a long press shows the help.
  var host = 0, longPressTimer = null;
  var kTap = 1, kSwipeLeft = 2, kSwipeRight = 3, kLongPress = 4;
  function pointer(phase, e) {
    if (!host) return;
    var p = e ? toLogical(e.clientX, e.clientY) : { x: 0, y: 0 };
    var now = performance.now();
    take(Module._mebuki_web_pointer(host, phase, p.x, p.y, now));
    clearTimeout(longPressTimer);
    var due = Module._mebuki_web_long_press_due(host, now);
    if (due >= 0) longPressTimer = setTimeout(function () { pointer(3, null); }, due + 1);
  }
  var pressedAt = null;
  function take(gesture) {
    if (gesture === kTap) queue({ click: true, x: pressedAt.x, y: pressedAt.y });
    else if (gesture === kSwipeRight) queue({ key: String.fromCharCode(3) });
    else if (gesture === kSwipeLeft) queue({ key: String.fromCharCode(4) });
    else if (gesture === kLongPress && help && help.hidden) showHelp();
  }
  function onPointerDown(e) {
    if (e.button !== 0 || !e.isPrimary) return;
    e.preventDefault();
    lastInputByPointer = true;
    if (reading) showKeypad();  // the keypad comes at once
    pressedAt = toLogical(e.clientX, e.clientY);
    try { canvas.setPointerCapture(e.pointerId); } catch (err) {}
    pointer(0, e);
  }
  function onPointerMove(e) {
    showPointer();
    if (!e.isPrimary || !(e.buttons & 1)) return;
    pointer(1, e);
  }
  function onPointerUp(e) {
    if (e.button !== 0 || !e.isPrimary) return;
    e.preventDefault();
    pointer(2, e);
  }

  function attach() {
    canvas = document.getElementById('picture');
    // A page that times its steps reads a pixel back after each (see shown).
    ctx = canvas.getContext('2d', { alpha: false, willReadFrequently: timingSteps });
    ctx.save();
    layout();
    window.addEventListener('resize', layout);
    // A new pixel density (the window moved to another screen, a zoom) redraws.
    (function watchDensity() {
      var mq = matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)');
      mq.addEventListener('change', function () { layout(); watchDensity(); }, { once: true });
    })();
    window.addEventListener('keydown', onKeyDown);
    window.addEventListener('keyup', function (e) { if (e.code === helpClosingKey) helpClosingKey = null; });
    help = document.getElementById('help');
    help.addEventListener('pointerdown', function (e) { e.preventDefault(); hideHelp(); });
    help.addEventListener('wheel', function (e) { e.preventDefault(); hideHelp(); }, { passive: false });
    document.addEventListener('fullscreenchange', function () {
      if (!document.fullscreenElement) leftFullScreenAt = performance.now();
      layout();
    });
    canvas.addEventListener('pointerdown', onPointerDown);
    canvas.addEventListener('pointermove', onPointerMove);
    canvas.addEventListener('pointerup', onPointerUp);
    canvas.addEventListener('pointercancel', function (e) { if (e.isPrimary) pointer(4, e); });
    // The page's own gestures (a swipe back, a pinch) would leave the lesson.
    ['touchstart', 'touchmove', 'touchend'].forEach(function (type) {
      canvas.addEventListener(type, function (e) { e.preventDefault(); }, { passive: false });
    });
    canvas.addEventListener('wheel', function (e) {
      e.preventDefault();
      if (e.deltaY < 0) queue({ key: String.fromCharCode(3) });  // back, as on a slide remote
    }, { passive: false });
    canvas.addEventListener('contextmenu', function (e) { e.preventDefault(); });
    showPointer();
    attachKeypad();
  }

  // A tablet or a whiteboard has no keys for a number the lesson asks for:
  // while one is read after a click or a touch, the keypad types it, as the
  // window's does. A key typed on a keyboard puts it away.
  // It is laid out by the engine's own rule (platform/keypad.cpp): beside or
  // below the picture when the window's shape leaves room, else over the
  // picture's lower right corner; it lies over the canvas, never in the
  // picture, so it is in no trace and no screenshot.
  var keypad = null, lastInputByPointer = false, reading = false, keypadSize = '';
  var kKeyNames = { 13: 'enter', 12: 'clear' };
  function attachKeypad() {
    keypad = document.getElementById('keypad');
    keypad.addEventListener('pointerdown', function (e) {
      e.preventDefault();
      var name = e.target.dataset && e.target.dataset.key;
      if (!name) return;
      queue({ key: name === 'enter' ? '\r' : name === 'clear' ? '\f' : name });
    });
    ['touchstart', 'touchmove', 'touchend'].forEach(function (type) {
      keypad.addEventListener(type, function (e) { e.preventDefault(); }, { passive: false });
    });
  }
  function layOutKeypad() {
    if (!canvas || typeof Module._mebuki_web_keypad !== 'function') return;
    var dpr = window.devicePixelRatio || 1;
    var size = canvas.width + 'x' + canvas.height + '@' + dpr;
    if (size === keypadSize) return;
    keypadSize = size;
    var n = 8192, buf = Module._malloc(n);
    var length = Module._mebuki_web_keypad(canvas.width, canvas.height, dpr, buf, n);
    var text = length >= 0 ? UTF8ToString(buf) : '';
    Module._free(buf);
    var lines = text.split('\n').map(function (l) { return l.split('\t'); });
    if (lines.length < 2) return;
    var r = canvas.getBoundingClientRect();
    var css = function (v) { return Number(v) / dpr; };
    var panel = lines[0];
    keypad.dataset.place = panel[0];
    var px0 = css(panel[1]), py0 = css(panel[2]);
    keypad.style.left = (r.left + px0) + 'px';
    keypad.style.top = (r.top + py0) + 'px';
    keypad.style.width = (css(panel[3]) - px0) + 'px';
    keypad.style.height = (css(panel[4]) - py0) + 'px';
    keypad.style.setProperty('--keypad-edge', Math.max(2, Math.min(Number(panel[3]) - Number(panel[1]), Number(panel[4]) - Number(panel[2])) / 80) / dpr + 'px');
    keypad.textContent = '';
    lines.slice(1).forEach(function (b) {
      var button = document.createElement('button');
      var code = Number(b[4]);
      button.type = 'button';
      button.dataset.key = kKeyNames[code] || String.fromCharCode(code);
      button.textContent = b[5];
      if (b[6] === '1') button.className = 'enter';
      var x0 = css(b[0]) - px0, y0 = css(b[1]) - py0, w = css(b[2]) - css(b[0]), h = css(b[3]) - css(b[1]);
      button.style.left = x0 + 'px';
      button.style.top = y0 + 'px';
      button.style.width = w + 'px';
      button.style.height = h + 'px';
      button.style.borderRadius = Math.min(w, h) / 8 + 'px';
      // Half the key's height, narrower where the label is wide for the key.
      button.style.fontSize = Math.min(h * 0.5, w * 0.8 / Math.max(1, [...b[5]].length)) + 'px';
      keypad.appendChild(button);
    });
  }
  function showKeypad() {
    if (!keypad) return;
    layOutKeypad();
    keypad.hidden = false;
  }
  function hideKeypad() { if (keypad) keypad.hidden = true; }

  // The lesson's last menu item: a tab cannot close itself, so the page says
  // that the lesson has ended and offers to start it again.
  function showEnded() {
    canvas.style.display = 'none';
    document.getElementById('ended').hidden = false;
    document.getElementById('again').focus();
  }

  // An output of the run: under its own name once complete, under NAME.part
  // while the run is still writing it.
  function readFile(path) {
    for (var name of [path, path + '.part']) {
      try { return FS.readFile(name, { encoding: 'utf8' }); } catch (e) {}
    }
    return '';
  }

  // The engine's command line, from the page's parameters.
  function argv() {
    var args = [document.documentElement.dataset.program || 'mebuki'];
    if (params.has('keys')) args.push('--keys', params.get('keys'));
    if (params.has('time')) args.push('--time', params.get('time'));
    if (params.get('walk') === '1') args.push('--walk');
    if (params.has('scale')) args.push('--scale', params.get('scale'));
    if (params.get('trace') === '1') args.push('--trace', '/trace.jsonl');
    if (params.get('steptimes') === '1') args.push('--step-times', '/steps.jsonl');
    return args;
  }

  // The faces load (decoded from the page itself) while the engine compiles;
  // the first picture waits for them, so that no glyph is drawn in a
  // stand-in and left there.
  var fontsReady = Promise.all(['400', '700'].map(function (w) {
    return Promise.all([document.fonts.load(w + ' 16px "Mebuki Gothic"', 'あ1'),
      document.fonts.load('italic ' + w + ' 16px "Mebuki Serif"', 'x')]);
  })).then(function () { return document.fonts.ready; }).catch(function () {});

  async function run() {
    await fontsReady;
    var args = argv();
    var pointers = args.map(function (a) {
      var n = Module.lengthBytesUTF8(a) + 1, p = Module._malloc(n);
      Module.stringToUTF8(a, p, n);
      return p;
    });
    var list = Module._malloc(4 * (pointers.length + 1));
    pointers.forEach(function (p, i) { HEAP32[(list >> 2) + i] = p; });
    HEAP32[(list >> 2) + pointers.length] = 0;
    status = await Module.ccall('main', 'number', ['number', 'number'], [pointers.length, list], { async: true });
    state = 'ended';
    if (!scripted && status === 0) showEnded();
  }

  var page = {
    setHelp: function (title, lines, closing) {
      var panel = document.querySelector('#help .panel');
      panel.querySelector('h1').textContent = title;
      var table = panel.querySelector('table');
      table.textContent = '';
      lines.forEach(function (l) {
        var row = table.insertRow();
        row.insertCell().textContent = l[0];
        row.insertCell().textContent = l[1];
      });
      panel.querySelector('p').textContent = closing;
    },
    setPalette: function (rgb) {
      palette = [];
      paletteRgb = [];
      for (var i = 0; i < 16; ++i) {
        palette.push('rgb(' + rgb[3 * i] + ',' + rgb[3 * i + 1] + ',' + rgb[3 * i + 2] + ')');
        paletteRgb.push([rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]]);
      }
      // The keypad's colours, as the window draws it: dark navy with a
      // light-blue edge, light cream keys, Enter in strong blue.
      var root = document.documentElement.style;
      [['--keypad-panel', 10], ['--keypad-edge-colour', 11], ['--keypad-key', 13], ['--keypad-label', 0],
        ['--keypad-enter', 3], ['--keypad-enter-label', 15]].forEach(function (v) { root.setProperty(v[0], palette[v[1]]); });
    },
    forget: function (wiped, gone) {
      replaced = null;
      if (wiped) {
        ops.length = serials.length = 0;
        hiddenOps = 0;
        return;
      }
      var last = serials.length - 1;
      if (gone.length === 1 && last >= 0 && gone[0] === serials[last]) replaced = ops[last];
      // Serial numbers rise along the copy: each is found by halving, and its
      // place left empty until the empty places outnumber the rest.
      for (var k = 0; k < gone.length; ++k) {
        var lo = 0, hi = serials.length;
        while (lo < hi) {
          var mid = (lo + hi) >> 1;
          if (serials[mid] < gone[k]) lo = mid + 1;
          else hi = mid;
        }
        if (lo < serials.length && serials[lo] === gone[k] && ops[lo] !== null) {
          ops[lo] = null;
          ++hiddenOps;
        }
      }
      while (ops.length > 0 && ops[ops.length - 1] === null) {
        ops.pop();
        serials.pop();
        --hiddenOps;
      }
      replacedAt = ops.length;
      if (hiddenOps > 64 && hiddenOps > ops.length / 2) {
        var kept = 0;
        for (var i = 0; i < ops.length; ++i) {
          if (ops[i] === null) continue;
          ops[kept] = ops[i];
          serials[kept++] = serials[i];
        }
        ops.length = serials.length = kept;
        hiddenOps = 0;
        replacedAt = ops.length;
      }
    },
    add: function (serial, op) {
      if (op[0] === 'cls') {
        ops.length = serials.length = 0;
        hiddenOps = 0;
      }
      // The entry's dot, hidden at the end of the picture and put back the
      // same at every wake, is already on the pixels: no repaint for it.
      var same = replaced !== null && ops.length === replacedAt && JSON.stringify(replaced) === JSON.stringify(op);
      replaced = null;
      ops.push(op);
      serials.push(serial);
      if (!same && ctx) render(ctx, op, view);
    },
    shown: function () {
      replaced = null;
      flushDiscs();
      if (firstPictureMs === null && ops.length > 0) {
        firstPictureMs = Math.round(performance.now());
        warmGlyphsSoon();  // once the first picture is up
      }
      // The canvas rasterizes what was drawn when the browser next shows it;
      // a page that times its steps has that done now, within the step.
      if (timingSteps && ctx) ctx.getImageData(0, 0, 1, 1);
    },
    attachHost: function (h) { host = h; },
    numberEntry: function (r) {
      reading = r;
      if (reading && lastInputByPointer) showKeypad();
      else hideKeypad();
    },
    takeSettleMs: function () {
      var ms = settleMs;
      settleMs = 0;
      return ms;
    },
    setWaiting: function (waiting) { if (state !== 'ended') state = waiting ? 'waiting' : 'running'; },
    nextInput: function () { return inputs.shift() || null; },
    sleep: function (ms, wakeOnInput) {
      return new Promise(function (resolve) {
        var timer = null;
        var done = function () {
          if (timer !== null) clearTimeout(timer);
          wake = null;
          resolve();
        };
        if (wakeOnInput) {
          if (inputs.length > 0) return done();
          wake = done;
        }
        if (ms >= 0) timer = setTimeout(done, ms);
      });
    },
    yieldToBrowser: function () { return new Promise(function (resolve) { setTimeout(resolve, 0); }); },
  };

  // What a driver reads (tools/web-run).
  window.mebuki = {
    get state() { return state; },
    get status() { return status; },
    get firstPictureMs() { return firstPictureMs; },
    // The glyphs drawn ahead so far, of how many.
    get glyphsAhead() { return { done: warm.at, of: warm.list ? warm.list.length : null }; },
    get pending() { return inputs.length; },  // inputs the engine has not read yet
    trace: function () { return readFile('/trace.jsonl'); },
    stepTimes: function () { return readFile('/steps.jsonl'); },
    // The logical picture at the run's scale, as the native --screenshot.
    screenshot: function () {
      var scale = parseScale(params.get('scale'));
      var c = document.createElement('canvas');
      c.width = Math.round(kWidth * scale);
      c.height = Math.round(kHeight * scale);
      var x = c.getContext('2d', { alpha: false });
      x.save();
      renderAll(x, { scale: scale, x: 0, y: 0 });
      return c.toDataURL('image/png');
    },
  };

  Module.onRuntimeInitialized = function () {
    run().catch(function (e) {
      state = 'ended';
      throw e;
    });
  };
  if (document.readyState === 'loading') {
    document.addEventListener('DOMContentLoaded', attach);
  } else {
    attach();
  }
  return page;
})();
