// The host: the only boundary between the lesson engine and the machine.
//
// Every picture the programs show is made of the five drawing operations below
// (see platform/ops.h for units and colours); keys come from Inkey. The font and
// the pen are not host state: the engine passes them with every operation, so a
// page can be replayed onto any host. Implementations: the window (SDL2 + Cairo),
// the headless canvas (Cairo, keys from a script), the trace recorder that wraps
// either, and the in-memory recorder used by tests.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "platform/ops.h"

namespace mebuki {

// Thrown out of Inkey or Wait when the run must end at once: the window was
// closed, a scripted key run has no keys left, or the program chose to end.
struct EndOfRun {
  int status = 0;
};

class Host {
 public:
  virtual ~Host() = default;

  virtual void Line(const LineOp& op) = 0;
  virtual void Circle(const CircleOp& op) = 0;
  virtual void Connect(const ConnectOp& op) = 0;
  virtual void Symbol(const SymbolOp& op) = 0;
  virtual void Cls() = 0;

  // At once: "" when no key waits, else one character (see platform/keys.h).
  virtual std::string Inkey() = 0;
  // A left click or touch since the last call, in logical units (taken once).
  virtual std::optional<Point> TakeClick() { return std::nullopt; }
  // Brings the picture up to date, as before a wait; a key read does it too.
  virtual void Show() {}
  // Milliseconds from the arrival of the last key to the picture that followed
  // it being handed to the screen, once, where a host can tell.
  virtual std::optional<double> TakeKeyToShownMs() { return std::nullopt; }
  // Shows the picture and pauses about a tenth of a second.
  virtual void Wait() = 0;
  // "HH:MM:SS", local time (or the time given on the command line).
  virtual std::string Time() = 0;
  // A number is being read (true) or has been read (false): a host with a
  // pointer may offer keys to tap meanwhile. Not part of the picture or the
  // trace; hosts that wrap another pass it on.
  virtual void NumberEntry(bool /*reading*/) {}

  // Window operations; harmless where there is no window.
  virtual void MaximizeWindow() {}
  // Idles until the window is closed (the error screen). Headless hosts return.
  virtual void IdleUntilClosed() {}
  // A page is complete as it stands (exports keep it).
  virtual void PageComplete(const PageLabel& /*label*/) {}
  // Writes the logical picture (0,0)-(1440,900) as a PNG; false where there is none.
  virtual bool WritePng(const std::string& /*path*/) { return false; }
};

}  // namespace mebuki
