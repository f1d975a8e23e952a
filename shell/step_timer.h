// Times every step of a run: a host that wraps another and, each time a key is
// read, writes one JSON line with the milliseconds since the previous key was
// read (steady clock) and the page the step was drawn on. The first line is the
// start-up: the first picture is ready when the program first asks for a key;
// it is timed from the kernel's record of the process start (to a clock tick)
// and given as the steady clock's reading, so that a launcher can time it
// exactly against its own.
//
//   {"startup_ms":40.0,"clock_ns":81234567890123}
//   {"n":1,"ms":0.004,"location":0}
//   {"n":7,"ms":3.906,"location":101}
//   {"n":8,"ms":812.5,"location":101,"shown_ms":2.712}
//
// A location is 100 x section + page, 0 at the main menu, 100 x section at a
// sub-menu; a step that runs from a sub-menu into a page, or from a page back
// to its sub-menu, is given the page. In a window, shown_ms is the time from
// the program's taking of the key that began the step (on its arrival, unless
// it was typed during an animation) to the step's first picture handed to the
// window; in the browser's page, to the step's picture on the canvas's pixels.
#pragma once

#include <chrono>
#include <string>

#include "platform/host.h"
#include "platform/output_file.h"
#include "shell/state.h"

namespace mebuki {

class StepTimer : public Host {
 public:
  StepTimer(Host& inner, const State& state, const std::string& path);
  bool ok() const { return out_.ok(); }
  const std::string& error() const { return out_.error(); }
  bool Commit() { return out_.Commit(); }

  void Line(const LineOp& op) override { inner_.Line(op); }
  void Circle(const CircleOp& op) override { inner_.Circle(op); }
  void Connect(const ConnectOp& op) override { inner_.Connect(op); }
  void Symbol(const SymbolOp& op) override { inner_.Symbol(op); }
  void Cls() override { inner_.Cls(); }
  std::string Inkey() override;
  std::optional<Point> TakeClick() override { return inner_.TakeClick(); }
  void Wait() override { inner_.Wait(); }
  std::string Time() override { return inner_.Time(); }
  void NumberEntry(bool reading) override { inner_.NumberEntry(reading); }
  void Show() override { inner_.Show(); }
  std::optional<double> TakeKeyToShownMs() override { return inner_.TakeKeyToShownMs(); }
  void MaximizeWindow() override { inner_.MaximizeWindow(); }
  void IdleUntilClosed() override;
  void PageComplete(const PageLabel& label) override { inner_.PageComplete(label); }
  bool WritePng(const std::string& path) override { return inner_.WritePng(path); }

 private:
  Host& inner_;
  const State& s_;
  OutputFile out_;
  bool started_ = false;
  int keys_ = 0;
  int lastLocation_ = 0;
  std::chrono::steady_clock::time_point last_;
};

}  // namespace mebuki
