#include "platform/window_host.h"

#include <SDL.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <stdexcept>
#include <vector>

#include "platform/canvas.h"
#include "platform/gestures.h"
#include "platform/headless_host.h"
#include "platform/help_panel.h"
#include "platform/keypad.h"
#include "platform/keypad_draw.h"
#include "platform/keys.h"
#include "platform/x11_guard.h"

namespace mebuki {

namespace {

// Keys without a character (see platform/keys.h).
std::optional<std::string> FromKeyDown(const SDL_Keysym& k) {
  auto key = [](char c) { return std::optional<std::string>(std::string(1, c)); };
  switch (k.sym) {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER: return key(keys::kEnter);
    case SDLK_BACKSPACE: return key(keys::kBackspace);
    case SDLK_DELETE:
    case SDLK_ESCAPE: return key(keys::kClear);
    case SDLK_TAB: return key(keys::kTab);
    case SDLK_HOME: return key(keys::kHome);
    case SDLK_END: return key(keys::kEnd);
    case SDLK_PAGEUP: return key(keys::kPageUp);
    case SDLK_PAGEDOWN: return key(keys::kPageDown);
    case SDLK_INSERT: return key(keys::kInsert);
    case SDLK_RIGHT: return key(keys::kRight);
    case SDLK_LEFT: return key(keys::kLeft);
    case SDLK_UP: return key(keys::kUp);
    case SDLK_DOWN: return key(keys::kDown);
    default: break;
  }
  if (k.sym >= SDLK_F1 && k.sym <= SDLK_F12) return key(static_cast<char>(keys::kF1 + (k.sym - SDLK_F1)));
  // With Num Lock off the keypad sends no text; its digits and signs still count.
  if (!(k.mod & KMOD_NUM)) {
    if (k.sym >= SDLK_KP_1 && k.sym <= SDLK_KP_9) return key(static_cast<char>('1' + (k.sym - SDLK_KP_1)));
    switch (k.sym) {
      case SDLK_KP_0: return key('0');
      case SDLK_KP_PERIOD: return key('.');
      default: break;
    }
  }
  return std::nullopt;
}

// The video drivers that can show a window: X11, and Wayland where a
// compositor can be reached. Left to itself, SDL would go on to drivers that
// show nothing (offscreen, KMS without a seat) and the lesson would wait for
// keys no one can type.
const char* WindowDrivers() {
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const bool waylandReachable = wayland && *wayland && (wayland[0] == '/' || (runtime && *runtime));
  return waylandReachable ? "x11,wayland" : "x11";
}

}  // namespace

struct WindowHost::Impl {
  SDL_Window* window = nullptr;
  std::unique_ptr<Canvas> canvas;
  std::deque<std::string> keys;
  std::deque<Point> clicks;
  bool everShown = false;
  Uint32 lastMotion = 0;  // the pointer hides after two seconds without moving
  // From the program's taking of the last key to the next picture handed to
  // the window: at once for a key it waits for; for a key typed during an
  // animation, when the animation is over (its frames come in their time,
  // whatever the keys).
  std::optional<std::chrono::steady_clock::time_point> keyAt;
  std::optional<double> keyToShownMs;
  bool pointerShown = true;
  bool helpShown = false;  // F1's panel covers the picture until a key or click
  // The key that closed the panel: its typed text and repeats are dropped too.
  SDL_Scancode closingKey = SDL_SCANCODE_UNKNOWN;
  bool destroyedOutside = false;  // the X window is gone: SDL must not touch it
  SDL_Rect lastUpdate{};  // the window pixels the picture last went to

  // Touch and the mouse: taps, swipes and long presses; the keypad while a
  // number is read and the last input was a touch or a click.
  GestureReader gestures;
  bool pointerInput = false;  // the last input was a touch or a click, not a key
  bool readingNumber = false;
  Keypad keypad;              // as shown; no buttons while hidden
  int pressedButton = -1;     // the keypad button held down
  int shownPressed = -1;      // the button drawn held down

  void ToggleFullScreen() {
    const bool full = SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP;
    SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (full) SDL_MaximizeWindow(window);
    Resized();
  }

  void TidyPointer() {
    if (pointerShown && SDL_GetTicks() - lastMotion > 2000) {
      SDL_ShowCursor(SDL_DISABLE);
      pointerShown = false;
    }
  }

  // The window's own pixels: the picture is copied there directly, without a
  // GPU renderer, which would cost start-up time and memory for nothing.
  SDL_Surface* WindowSurface() { return SDL_GetWindowSurface(window); }

  void Resized() {
    SDL_Surface* surface = WindowSurface();
    if (!surface) return;
    if (surface->w != canvas->Width() || surface->h != canvas->Height()) canvas->Resize(surface->w, surface->h);
    everShown = false;
  }

  // Shows the picture with the help panel over it. The panel goes to the
  // window's pixels only: the canvas keeps the picture as it was.
  void ShowHelp() {
    helpShown = true;
    SDL_Surface* target = WindowSurface();
    if (!target) return;
    if (target->w != canvas->Width() || target->h != canvas->Height()) canvas->Resize(target->w, target->h);
    canvas->TakeDirty();
    cairo_surface_t* shown = cairo_image_surface_create(CAIRO_FORMAT_RGB24, canvas->Width(), canvas->Height());
    cairo_t* cr = cairo_create(shown);
    cairo_set_source_surface(cr, canvas->Surface(), 0, 0);
    cairo_paint(cr);
    DrawHelpPanel(cr, canvas->Width(), canvas->Height());
    cairo_destroy(cr);
    cairo_surface_flush(shown);
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
        cairo_image_surface_get_data(shown), canvas->Width(), canvas->Height(), 32,
        cairo_image_surface_get_stride(shown), SDL_PIXELFORMAT_RGB888);
    SDL_BlitSurface(source, nullptr, target, nullptr);
    SDL_FreeSurface(source);
    cairo_surface_destroy(shown);
    SDL_UpdateWindowSurface(window);
  }

  // Closes the panel: the whole picture is shown again as the canvas keeps it.
  void HideHelp() {
    helpShown = false;
    everShown = false;
    Present();
  }

  // While the panel is up, every key and click closes it and goes no further.
  // Returns whether the event was taken so.
  bool TakenByHelp(const SDL_Event& e) {
    if (e.type == SDL_KEYUP && e.key.keysym.scancode == closingKey) closingKey = SDL_SCANCODE_UNKNOWN;
    if (e.type == SDL_TEXTINPUT && closingKey != SDL_SCANCODE_UNKNOWN) return true;
    if (e.type == SDL_KEYDOWN && closingKey != SDL_SCANCODE_UNKNOWN) {
      if (e.key.repeat && e.key.keysym.scancode == closingKey) return true;
      closingKey = SDL_SCANCODE_UNKNOWN;
    }
    if (!helpShown) {
      if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_F1) {
        if (!e.key.repeat) ShowHelp();
        return true;
      }
      return false;
    }
    switch (e.type) {
      case SDL_KEYDOWN:
        closingKey = e.key.keysym.scancode;
        HideHelp();
        return true;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEWHEEL:
        HideHelp();
        return true;
      case SDL_MOUSEBUTTONUP:
      case SDL_TEXTINPUT:
        return true;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            e.window.event == SDL_WINDOWEVENT_RESIZED) {
          ShowHelp();  // drawn again at the window's size
          return e.window.event == SDL_WINDOWEVENT_EXPOSED;
        }
        return false;
      default: return false;
    }
  }

  void Present() {
    if (helpShown) return;  // the picture and the keypad wait under the panel
    lastUpdate = {};
    PresentPicture();
    PresentKeypad();
  }

  // Shows the picture where it changed since it was last shown.
  void PresentPicture() {
    SDL_Surface* target = WindowSurface();
    if (!target) return;
    if (target->w != canvas->Width() || target->h != canvas->Height()) Resized();
    std::vector<DeviceRect> dirty = canvas->TakeDirty();
    if (!everShown) dirty = {{0, 0, canvas->Width(), canvas->Height()}};
    if (dirty.empty()) return NoteShown();
    cairo_surface_t* surface = canvas->Surface();
    cairo_surface_flush(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    auto* data = cairo_image_surface_get_data(surface);
    std::vector<SDL_Rect> rects;
    SDL_Rect around{};
    auto add = [&](SDL_Rect rect) {
      if (rects.empty()) {
        around = rect;
      } else {
        SDL_UnionRect(&around, &rect, &around);
      }
      rects.push_back(rect);
    };
    for (const DeviceRect& d : dirty) {
      SDL_Rect rect{d.x0, d.y0, d.x1 - d.x0, d.y1 - d.y0};
      if (target->format->format == SDL_PIXELFORMAT_RGB888 || target->format->format == SDL_PIXELFORMAT_ARGB8888) {
        // Same layout as the canvas: copy only rows that changed, and hand
        // the window only the runs of changed rows (nothing where the entry
        // cursor redraws itself in place; not the whole screen for a page
        // that changes its top and bottom lines).
        const int kGap = 16;  // unchanged rows that still keep one run
        int runStart = -1, runEnd = -1;
        SDL_LockSurface(target);
        for (int y = d.y0; y < d.y1; ++y) {
          const auto* from = data + static_cast<size_t>(y) * stride + d.x0 * 4;
          auto* to = static_cast<unsigned char*>(target->pixels) + static_cast<size_t>(y) * target->pitch + d.x0 * 4;
          const size_t n = static_cast<size_t>(d.x1 - d.x0) * 4;
          if (everShown && std::memcmp(from, to, n) == 0) continue;
          std::memcpy(to, from, n);
          if (runStart >= 0 && y - runEnd > kGap) {
            add({d.x0, runStart, d.x1 - d.x0, runEnd - runStart});
            runStart = -1;
          }
          if (runStart < 0) runStart = y;
          runEnd = y + 1;
        }
        SDL_UnlockSurface(target);
        if (runStart >= 0) add({d.x0, runStart, d.x1 - d.x0, runEnd - runStart});
      } else {
        SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(data, canvas->Width(), canvas->Height(), 32, stride,
                                                                 SDL_PIXELFORMAT_RGB888);
        SDL_BlitSurface(source, &rect, target, &rect);
        SDL_FreeSurface(source);
        add(rect);
      }
    }
    if (rects.empty()) return NoteShown();
    // Each changed rectangle on its own: at 4K, one rectangle around a table
    // at the top and a graph at the bottom would be most of the screen.
    SDL_UpdateWindowSurfaceRects(window, rects.data(), static_cast<int>(rects.size()));
    lastUpdate = around;
    everShown = true;
    NoteShown();
  }

  void NoteShown() {
    if (!keyAt) return;
    keyToShownMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - *keyAt).count();
    keyAt.reset();
  }

  bool KeypadWanted() const { return readingNumber && pointerInput; }

  // Shows, draws again or takes away the keypad on the window's pixels, as
  // it is wanted; the canvas keeps the picture as it is, so the pixels under
  // the keypad come back from it unchanged.
  void PresentKeypad() {
    SDL_Surface* target = WindowSurface();
    if (!target) return;
    const bool shown = !keypad.buttons.empty();
    if (!KeypadWanted()) {
      if (shown) {
        RestoreFromCanvas(keypad.panel);
        keypad = {};
      }
      pressedButton = shownPressed = -1;
      return;
    }
    Keypad wanted = LayOutKeypad(target->w, target->h);
    const SDL_Rect panel = ToSdl(wanted.panel);
    const bool moved = shown && ToSdl(keypad.panel).x != panel.x;  // a resize
    SDL_Rect overlap;
    const bool covered = SDL_IntersectRect(&lastUpdate, &panel, &overlap);
    if (shown && !moved && !covered && shownPressed == pressedButton) return;
    if (moved) RestoreFromCanvas(keypad.panel);
    keypad = std::move(wanted);
    const KeypadButton* pressed =
        pressedButton >= 0 && pressedButton < static_cast<int>(keypad.buttons.size()) ? &keypad.buttons[pressedButton] : nullptr;
    cairo_surface_t* drawn = cairo_image_surface_create(CAIRO_FORMAT_RGB24, panel.w, panel.h);
    cairo_t* cr = cairo_create(drawn);
    cairo_translate(cr, -panel.x, -panel.y);
    DrawKeypad(cr, keypad, pressed);
    cairo_destroy(cr);
    cairo_surface_flush(drawn);
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(drawn), panel.w, panel.h, 32,
                                                             cairo_image_surface_get_stride(drawn), SDL_PIXELFORMAT_RGB888);
    SDL_Rect at = panel;
    SDL_BlitSurface(source, nullptr, target, &at);
    SDL_FreeSurface(source);
    cairo_surface_destroy(drawn);
    SDL_UpdateWindowSurfaceRects(window, &panel, 1);
    shownPressed = pressedButton;
  }

  static SDL_Rect ToSdl(const KeypadRect& r) {
    const int x0 = static_cast<int>(std::floor(r.x0)), y0 = static_cast<int>(std::floor(r.y0));
    return {x0, y0, static_cast<int>(std::ceil(r.x1)) - x0, static_cast<int>(std::ceil(r.y1)) - y0};
  }

  // Copies the canvas's pixels over an area of the window.
  void RestoreFromCanvas(const KeypadRect& area) {
    SDL_Surface* target = WindowSurface();
    if (!target || target->w != canvas->Width() || target->h != canvas->Height()) return;  // all drawn anew
    SDL_Rect rect = ToSdl(area);
    cairo_surface_t* surface = canvas->Surface();
    cairo_surface_flush(surface);
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(surface), canvas->Width(),
                                                             canvas->Height(), 32, cairo_image_surface_get_stride(surface),
                                                             SDL_PIXELFORMAT_RGB888);
    SDL_Rect to = rect;
    SDL_BlitSurface(source, &rect, target, &to);
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurfaceRects(window, &rect, 1);
  }

  // A press of the left button, or a finger (SDL sends touches as the left
  // button too). On the keypad it holds a button down; elsewhere it may begin
  // a gesture.
  void PointerDown(int x, int y) {
    pointerInput = true;
    pressedButton = -1;
    if (!keypad.buttons.empty() && keypad.panel.Contains(x, y)) {
      if (const KeypadButton* b = keypad.ButtonAt(x, y)) pressedButton = static_cast<int>(b - keypad.buttons.data());
      gestures.Cancel();
      PresentKeypad();
      return;
    }
    gestures.Down(canvas->ToLogical(x, y), SDL_GetTicks());
    if (KeypadWanted() && keypad.buttons.empty()) Present();  // the keypad comes at once
  }

  void PointerUp(int x, int y) {
    if (pressedButton >= 0) {
      // The button sends its key when released on it, as a typed key.
      const KeypadButton& b = keypad.buttons[pressedButton];
      if (b.rect.Contains(x, y)) keys.emplace_back(1, b.key);
      pressedButton = -1;
      PresentKeypad();
      return;
    }
    Take(gestures.Up(canvas->ToLogical(x, y), SDL_GetTicks()));
  }

  void Take(Gesture g) {
    switch (g) {
      case Gesture::kTap: clicks.push_back(gestures.Start()); break;
      case Gesture::kSwipeRight: keys.emplace_back(1, keys::kPageUp); break;   // back, as Page Up
      case Gesture::kSwipeLeft: keys.emplace_back(1, keys::kPageDown); break;  // on, as a remote's "next"
      case Gesture::kLongPress: LongPress(); break;
      case Gesture::kNone: break;
    }
  }

  // A long press anywhere shows the help panel, as F1 does on a keyboard.
  // Nothing else comes of it: no click, no key.
  void LongPress() { ShowHelp(); }

  // Handles one event; throws EndOfRun when the window is closed.
  void Handle(const SDL_Event& e) {
    if (X11WindowDestroyed(e, window)) {
      destroyedOutside = true;
      throw EndOfRun{0};
    }
    if (TakenByHelp(e)) return;
    switch (e.type) {
      case SDL_QUIT: throw EndOfRun{0};
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) throw EndOfRun{0};
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_RESIZED) Resized();
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED) everShown = false;
        break;
      case SDL_KEYDOWN:
        // F11 and Alt+Enter belong to the window: full screen and back.
        if (e.key.keysym.sym == SDLK_F11 ||
            ((e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_KP_ENTER) && (e.key.keysym.mod & KMOD_ALT))) {
          if (!e.key.repeat) ToggleFullScreen();
          break;
        }
        if (auto k = FromKeyDown(e.key.keysym)) {
          keys.push_back(*k);
          pointerInput = false;
        }
        break;
      case SDL_MOUSEBUTTONDOWN:  // touches arrive as clicks too
        if (e.button.button == SDL_BUTTON_LEFT) PointerDown(e.button.x, e.button.y);
        break;
      case SDL_MOUSEBUTTONUP:
        if (e.button.button == SDL_BUTTON_LEFT) PointerUp(e.button.x, e.button.y);
        break;
      case SDL_MOUSEWHEEL:
        if (e.wheel.y > 0) keys.emplace_back(1, keys::kPageUp);  // back, as on a slide remote
        break;
      case SDL_MOUSEMOTION:
        if (gestures.Pressed()) Take(gestures.Move(canvas->ToLogical(e.motion.x, e.motion.y), SDL_GetTicks()));
        lastMotion = SDL_GetTicks();
        if (!pointerShown) {
          SDL_ShowCursor(SDL_ENABLE);
          pointerShown = true;
        }
        break;
      case SDL_TEXTINPUT:
        if (auto k = keys::FromTypedText(e.text.text)) {
          keys.push_back(*k);
          pointerInput = false;
        }
        break;
      default: break;
    }
  }

  void Pump() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) Handle(e);
    Take(gestures.Poll(SDL_GetTicks()));
  }

  // Sleeps on the event queue for at most ms milliseconds.
  void Sleep(int ms) {
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, ms)) {
      Handle(e);
      Pump();
    }
  }
};

WindowHost::WindowHost(const std::string& title, std::string time) : impl_(new Impl), time_(std::move(time)) {
  // SDL_VIDEODRIVER, when the user set it, still wins over this.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, WindowDrivers());
  // Termination signals are the program's own (platform/abrupt_end.h).
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  GuardX11(title.c_str());
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    throw std::runtime_error(SDL_GetError());
  }
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  // The window's pixels come straight from the canvas: no GPU renderer behind
  // the window surface (it would load a whole OpenGL stack for a copy).
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  impl_->window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, kLogicalWidth,
                                   kLogicalHeight, SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
  if (!impl_->window) throw std::runtime_error(SDL_GetError());
  SDL_Surface* surface = impl_->WindowSurface();
  if (!surface) throw std::runtime_error(SDL_GetError());
  impl_->canvas = std::make_unique<Canvas>(surface->w, surface->h);
  WatchX11Window();
  SDL_StartTextInput();
}

WindowHost::~WindowHost() {
  // A window destroyed from outside is left as it is: SDL would first hide it
  // and wait for an unmap event that a window already gone never sends. The
  // process ends next, which closes the connection.
  if (impl_->destroyedOutside) return;
  if (impl_->window) SDL_DestroyWindow(impl_->window);
  SDL_Quit();
}

void WindowHost::Line(const LineOp& op) { impl_->canvas->Draw(op); }
void WindowHost::Circle(const CircleOp& op) { impl_->canvas->Draw(op); }
void WindowHost::Connect(const ConnectOp& op) { impl_->canvas->Draw(op); }
void WindowHost::Symbol(const SymbolOp& op) { impl_->canvas->Draw(op); }
void WindowHost::Cls() { impl_->canvas->Draw(ClsOp{}); }

std::string WindowHost::Inkey() {
  // A click the program did not take after the last read was not for it: kept,
  // it would wake every read at once from now on.
  impl_->clicks.clear();
  impl_->Pump();
  if (impl_->keys.empty() && impl_->clicks.empty()) {
    impl_->Present();
    impl_->TidyPointer();
    impl_->Sleep(100);  // a key wakes it at once
  }
  if (impl_->keys.empty()) return "";
  std::string key = impl_->keys.front();
  impl_->keys.pop_front();
  impl_->keyAt = std::chrono::steady_clock::now();
  return key;
}

void WindowHost::Show() { impl_->Present(); }

std::optional<double> WindowHost::TakeKeyToShownMs() {
  std::optional<double> ms = impl_->keyToShownMs;
  impl_->keyToShownMs.reset();
  return ms;
}
void WindowHost::NumberEntry(bool reading) { impl_->readingNumber = reading; }

std::optional<Point> WindowHost::TakeClick() {
  if (impl_->clicks.empty()) return std::nullopt;
  const Point click = impl_->clicks.front();
  impl_->clicks.pop_front();
  return click;
}

void WindowHost::Wait() {
  impl_->Pump();
  impl_->Present();
  const Uint32 end = SDL_GetTicks() + 100;
  for (Uint32 now = SDL_GetTicks(); now < end; now = SDL_GetTicks()) impl_->Sleep(static_cast<int>(end - now));
  impl_->clicks.clear();  // a click during a wait answers nothing after it
}

std::string WindowHost::Time() { return time_.empty() ? LocalTime() : time_; }

void WindowHost::MaximizeWindow() {
  SDL_MaximizeWindow(impl_->window);
  impl_->Pump();
}

bool WindowHost::WritePng(const std::string& path) { return impl_->canvas->WritePng(path); }

void WindowHost::IdleUntilClosed() {
  for (;;) {
    impl_->Present();
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, 500)) {
      if (e.type == SDL_KEYDOWN || e.type == SDL_TEXTINPUT) continue;  // keys are not read here
      impl_->Handle(e);
      impl_->clicks.clear();  // nor clicks
    }
  }
}

}  // namespace mebuki
