#include "platform/web_host.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/glyph_cell.h"
#include "platform/help_text.h"
#include "platform/keypad.h"
#include "platform/keys.h"
#include "platform/local_time.h"
#include "platform/palette.h"
#include "platform/text.h"

// The calls into the page's runtime (platform/web/runtime.js, MebukiPage).
// "draw": whether the operation is new to the pixels or only to the runtime's
// copy of the picture.
EM_JS(void, mebuki_palette, (const unsigned char* rgb), { MebukiPage.setPalette(HEAPU8.slice(rgb, rgb + 48)); });
EM_JS(void, mebuki_help, (const char* title, const char* lines, const char* closing), {
  MebukiPage.setHelp(UTF8ToString(title), UTF8ToString(lines).split('\n').map(function (l) { return l.split('\t'); }),
                     UTF8ToString(closing));
});
// The operations of the runtime's copy that are hidden now, by serial (all of
// them when wiped).
EM_JS(void, mebuki_forget, (int wiped, const double* serials, int n), {
  MebukiPage.forget(!!wiped, HEAPF64.slice(serials >> 3, (serials >> 3) + n));
});
EM_JS(void, mebuki_line, (double serial, double x1, double y1, double x2, double y2, int colour, int mode, int fill,
                          int style, double pen),
      { MebukiPage.add(serial, ['line', x1, y1, x2, y2, colour, mode, fill, style, pen]); });
EM_JS(void, mebuki_circle, (double serial, double x, double y, double r, int colour, double pen),
      { MebukiPage.add(serial, ['circle', x, y, r, colour, pen]); });
EM_JS(void, mebuki_connect, (double serial, const float* xy, int n, int colour, int fill, double pen), {
  MebukiPage.add(serial, ['connect', HEAPF32.slice(xy >> 2, (xy >> 2) + 2 * n), colour, fill, pen]);
});
EM_JS(void, mebuki_symbol, (double serial, int colour, int bold, int italic, int n, const char* families,
                            const char* texts, const double* places), {
  // families and texts: n strings, each ended by a NUL; places: n x (x, baseline, emX, emY).
  var glyphs = [];
  var f = families, t = texts, p = places >> 3;
  for (var i = 0; i < n; ++i) {
    var family = UTF8ToString(f), text = UTF8ToString(t);
    f += lengthBytesUTF8(family) + 1;
    t += lengthBytesUTF8(text) + 1;
    glyphs.push([family, text, HEAPF64[p], HEAPF64[p + 1], HEAPF64[p + 2], HEAPF64[p + 3]]);
    p += 4;
  }
  MebukiPage.add(serial, ['symbol', colour, !!bold, !!italic, glyphs]);
});
EM_JS(void, mebuki_cls, (double serial), { MebukiPage.add(serial, ['cls']); });
// The picture of this step is complete: the runtime makes it pixels at once
// when the page times its steps.
EM_JS(void, mebuki_shown, (), { MebukiPage.shown(); });
EM_JS(void, mebuki_number_entry, (int reading), { MebukiPage.numberEntry(!!reading); });
EM_JS(void, mebuki_attach, (void* host), { MebukiPage.attachHost(host); });
EM_JS(void, mebuki_waiting, (int waiting), { MebukiPage.setWaiting(!!waiting); });
// How long a scripted run leaves its first picture up before it goes on (0 once asked).
EM_JS(double, mebuki_take_settle_ms, (), { return MebukiPage.takeSettleMs(); });
// The next input the page queued: 0 none, 1 a key (its text in buf), 2 a click
// or touch (logical x, y in xy).
EM_JS(int, mebuki_next_input, (char* buf, int size, float* xy), {
  var e = MebukiPage.nextInput();
  if (!e) return 0;
  if (e.click) {
    HEAPF32[xy >> 2] = e.x;
    HEAPF32[(xy >> 2) + 1] = e.y;
    return 2;
  }
  stringToUTF8(e.key, buf, size);
  return 1;
});
// Sleeps on the browser's event loop for ms milliseconds (for ever when
// negative); an input wakes it early when wake is set.
EM_ASYNC_JS(void, mebuki_sleep, (double ms, int wake), { await MebukiPage.sleep(ms, !!wake); });
EM_ASYNC_JS(void, mebuki_yield, (), { await MebukiPage.yieldToBrowser(); });

namespace mebuki {

namespace {

constexpr double kYieldEveryMs = 50;

void Send(double serial, const Op& op) {
  if (const auto* l = std::get_if<LineOp>(&op)) {
    mebuki_line(serial, l->x1, l->y1, l->x2, l->y2, l->colour, l->mode, l->fill, l->style, l->pen);
  } else if (const auto* c = std::get_if<CircleOp>(&op)) {
    mebuki_circle(serial, c->x, c->y, c->r, c->colour, c->pen);
  } else if (const auto* p = std::get_if<ConnectOp>(&op)) {
    std::vector<float> xy;
    xy.reserve(p->points.size() * 2);
    for (const Point& pt : p->points) xy.insert(xy.end(), {pt.x, pt.y});
    mebuki_connect(serial, xy.data(), static_cast<int>(p->points.size()), p->colour, p->fill ? *p->fill : -1, p->pen);
  } else if (const auto* s = std::get_if<SymbolOp>(&op)) {
    // Each glyph where the Cairo canvas puts it: the runtime only scales the
    // glyph's em square to emX x emY at (x, baseline).
    std::string families, texts;
    std::vector<double> places;
    int n = 0;
    for (const PlacedGlyph& g : PlaceSymbol(*s)) {
      families += g.family;
      families += '\0';
      texts += g.text;
      texts += '\0';
      places.insert(places.end(), {g.place.x, g.place.baseline, g.place.emX, g.place.emY});
      ++n;
    }
    mebuki_symbol(serial, s->colour, s->font.bold, s->font.italic, n, families.c_str(), texts.c_str(), places.data());
  } else if (std::holds_alternative<ClsOp>(op)) {
    mebuki_cls(serial);
  }
}

}  // namespace

WebHost::WebHost(std::optional<std::string> keys, bool walk, std::string time)
    : scripted_(keys || walk), time_(std::move(time)) {
  unsigned char rgb[48];
  for (int i = 0; i < 16; ++i) {
    const Rgb c = PaletteColour(i);
    rgb[3 * i] = c.r, rgb[3 * i + 1] = c.g, rgb[3 * i + 2] = c.b;
  }
  mebuki_palette(rgb);
  const HelpText& help = Help();
  std::string lines;
  for (const HelpLine& line : help.lines) {
    if (!lines.empty()) lines += '\n';
    lines.append(line.keys).append("\t").append(line.action);
  }
  mebuki_help(std::string(help.title).c_str(), lines.c_str(), std::string(help.closing).c_str());
  if (keys) {
    for (const std::string& ch : Characters(*keys)) {
      if (auto key = keys::FromTypedText(ch)) keys_.push_back(*key);
    }
  }
  lastYield_ = emscripten_get_now();
  if (!scripted_) mebuki_attach(this);
}

void WebHost::Show() {
  // The runtime's copy drops what the picture hid and takes what is new, which
  // it draws.
  picture_.HandOver(
      [](bool wiped, const std::vector<unsigned long long>& serials) {
        const std::vector<double> list(serials.begin(), serials.end());
        mebuki_forget(wiped, list.data(), static_cast<int>(list.size()));
      },
      [](unsigned long long serial, const Op& op) { Send(static_cast<double>(serial), op); });
  mebuki_shown();
  if (keyTakenAt_ >= 0) {
    keyToShownMs_ = emscripten_get_now() - keyTakenAt_ - yieldedMs_;
    keyTakenAt_ = -1;
  }
  if (scripted_) {
    YieldNowAndThen();
    if (const double settle = mebuki_take_settle_ms(); settle > 0) mebuki_sleep(settle, 0);
    // A scripted run shows its picture only as a step ends, when it reads the
    // next key (the walk answers that key itself): the next step begins now.
    keyTakenAt_ = emscripten_get_now();
    yieldedMs_ = 0;
  }
}

// The browser's own moments (its frames, a driver's polls) are no part of the
// step, as they come between steps in a lesson.
void WebHost::YieldNowAndThen() {
  const double now = emscripten_get_now();
  if (now - lastYield_ < kYieldEveryMs) return;
  mebuki_yield();
  lastYield_ = emscripten_get_now();
  if (keyTakenAt_ >= 0) yieldedMs_ += lastYield_ - now;
}

std::optional<double> WebHost::TakeKeyToShownMs() {
  std::optional<double> ms = keyToShownMs_;
  keyToShownMs_.reset();
  return ms;
}

void WebHost::Pump() {
  char buf[16];
  float xy[2];
  for (;;) {
    const int kind = mebuki_next_input(buf, sizeof buf, xy);
    if (kind == 0) return;
    if (kind == 2) {
      click_ = Point{xy[0], xy[1]};
    } else if (auto key = keys::FromTypedText(buf)) {
      keys_.push_back(*key);
    }
  }
}

std::string WebHost::Inkey() {
  if (scripted_) {
    Show();  // the picture of this step is complete before the next key
    if (keys_.empty()) throw EndOfRun{0};
  } else {
    // A click that the program did not take after the last key read is
    // dropped: kept, it would wake every read from now on.
    click_.reset();
    Pump();
    if (keys_.empty() && !click_) {
      Show();
      mebuki_waiting(1);
      mebuki_sleep(100, 1);  // an input wakes it at once
      Pump();
      if (!keys_.empty() || click_) mebuki_waiting(0);
    }
    if (keys_.empty()) return "";
  }
  std::string key = keys_.front();
  keys_.pop_front();
  keyTakenAt_ = emscripten_get_now();
  yieldedMs_ = 0;
  return key;
}

std::optional<Point> WebHost::TakeClick() {
  std::optional<Point> click = click_;
  click_.reset();
  return click;
}

void WebHost::Wait() {
  if (scripted_) {
    YieldNowAndThen();
    return;
  }
  Show();
  mebuki_sleep(100, 0);  // inputs wait in the page's queue
}

// The page offers its keypad while a number is read after a click or a touch.
void WebHost::NumberEntry(bool reading) {
  if (!scripted_) mebuki_number_entry(reading);
}

std::string WebHost::Time() { return time_.empty() ? LocalTime() : time_; }

void WebHost::IdleUntilClosed() {
  Show();
  if (scripted_) return;
  mebuki_waiting(1);
  for (;;) mebuki_sleep(-1, 0);  // the error stays until the tab is closed
}

}  // namespace mebuki

// Called by the runtime from the page's events, while the engine sleeps: they
// only read and lay out, and never wait.
extern "C" {

// One step of the pointer on the picture (phase 0 down, 1 move, 2 up, 3 a
// poll for the long press, 4 cancel), at a point in picture units and a time
// in milliseconds: the Gesture it completes, as an int.
EMSCRIPTEN_KEEPALIVE int mebuki_web_pointer(mebuki::WebHost* host, int phase, float x, float y, double ms) {
  using mebuki::Gesture;
  mebuki::GestureReader& g = host->Gestures();
  const auto t = static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
  const mebuki::Point at{x, y};
  Gesture result = Gesture::kNone;
  switch (phase) {
    case 0: g.Down(at, t); break;
    case 1: result = g.Move(at, t); break;
    case 2: result = g.Up(at, t); break;
    case 3: result = g.Poll(t); break;
    default: g.Cancel(); break;
  }
  return static_cast<int>(result);
}

// Milliseconds until the press in progress becomes a long press; -1 when none can.
EMSCRIPTEN_KEEPALIVE int mebuki_web_long_press_due(mebuki::WebHost* host, double ms) {
  const auto due = host->Gestures().UntilLongPress(static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms)));
  return due ? static_cast<int>(*due) : -1;
}

// The keypad for a canvas of width x height device pixels at `unit` device
// pixels per CSS pixel, as the window lays out its own: written into out as
// lines of tab-separated fields, the panel first ("overlay" or "margin", then
// x0 y0 x1 y1), then one line per button (x0 y0 x1 y1, key code, label,
// 1 for Enter). Returns the length, or -1 when out is too small.
EMSCRIPTEN_KEEPALIVE int mebuki_web_keypad(int width, int height, float unit, char* out, int size) {
  const mebuki::Keypad pad = mebuki::LayOutKeypad(width, height, unit);
  auto rect = [](const mebuki::KeypadRect& r) {
    return std::to_string(r.x0) + '\t' + std::to_string(r.y0) + '\t' + std::to_string(r.x1) + '\t' + std::to_string(r.y1);
  };
  std::string text = std::string(pad.overlay ? "overlay" : "margin") + '\t' + rect(pad.panel);
  for (const mebuki::KeypadButton& b : pad.buttons) {
    text += '\n' + rect(b.rect) + '\t' + std::to_string(static_cast<int>(b.key)) + '\t' + std::string(b.label) + '\t' +
            (b.primary ? "1" : "0");
  }
  if (static_cast<int>(text.size()) + 1 > size) return -1;
  std::copy(text.begin(), text.end(), out);
  out[text.size()] = '\0';
  return static_cast<int>(text.size());
}

// The glyphs of a text in a text style, placed as the page draws them, for the
// runtime to rasterize ahead (see its warm-up): one line per glyph, the
// family, the character, emX and emY (exact), tab-separated. Returns the
// length, or -1 when out is too small.
EMSCRIPTEN_KEEPALIVE int mebuki_web_place(const char* face, int bold, int italic, float size, float h, float v,
                                          const char* text, char* out, int size_out) {
  const mebuki::SymbolOp s{0, 0, text, h, v, 0, mebuki::FontSpec{face, size, bold != 0, italic != 0}};
  std::string lines;
  char number[64];
  for (const mebuki::PlacedGlyph& g : mebuki::PlaceSymbol(s)) {
    if (!lines.empty()) lines += '\n';
    lines.append(g.family).append("\t").append(g.text);
    std::snprintf(number, sizeof number, "\t%.17g\t%.17g", g.place.emX, g.place.emY);
    lines += number;
  }
  if (static_cast<int>(lines.size()) + 1 > size_out) return -1;
  std::copy(lines.begin(), lines.end(), out);
  out[lines.size()] = '\0';
  return static_cast<int>(lines.size());
}

}  // extern "C"
