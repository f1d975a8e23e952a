// The host of a run in a real window: SDL2 shows the Cairo canvas and reads the
// keyboard. The picture is drawn at the window's own size (scaled to fit and
// centred), so text and lines stay crisp; it is shown whenever it changed, and a
// program waiting for a key sleeps on the event queue.
#pragma once

#include <memory>
#include <string>

#include "platform/host.h"

namespace mebuki {

class WindowHost : public Host {
 public:
  // Opens the window; throws std::runtime_error when there is no display.
  WindowHost(const std::string& title, std::string time);
  ~WindowHost() override;

  void Line(const LineOp& op) override;
  void Circle(const CircleOp& op) override;
  void Connect(const ConnectOp& op) override;
  void Symbol(const SymbolOp& op) override;
  void Cls() override;
  std::string Inkey() override;
  std::optional<Point> TakeClick() override;
  void Wait() override;
  void Show() override;
  std::optional<double> TakeKeyToShownMs() override;
  std::string Time() override;
  void NumberEntry(bool reading) override;
  void MaximizeWindow() override;
  void IdleUntilClosed() override;
  bool WritePng(const std::string& path) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string time_;
};

}  // namespace mebuki
