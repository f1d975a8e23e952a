// The host of a run without a window: an offscreen canvas of the window's
// logical size and fonts, keys from a script.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "platform/canvas.h"
#include "platform/host.h"
#include "platform/local_time.h"

namespace mebuki {

class HeadlessHost : public Host {
 public:
  HeadlessHost(const std::string& keys, std::string time, double scale = 1.0);

  void Line(const LineOp& op) override { canvas_.Draw(op); }
  void Circle(const CircleOp& op) override { canvas_.Draw(op); }
  void Connect(const ConnectOp& op) override { canvas_.Draw(op); }
  void Symbol(const SymbolOp& op) override { canvas_.Draw(op); }
  void Cls() override { canvas_.Draw(ClsOp{}); }
  // The next scripted key; the run ends when none is left.
  std::string Inkey() override;
  void Wait() override {}
  void Show() override { canvas_.Flush(); }
  std::string Time() override;
  bool WritePng(const std::string& path) override { return canvas_.WritePng(path); }

  Canvas& canvas() { return canvas_; }

 private:
  Canvas canvas_;
  std::deque<std::string> keys_;
  std::string time_;
};

}  // namespace mebuki
