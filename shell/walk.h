// The walk through every page: a host that answers the program's questions the
// way a careful reviewer would, from what the program says it is waiting for.
// Each section in menu order, each page of its sub-menu in order, every pause at
// once, two new practice exercises and then 1, and finally the main menu's last
// item, which ends the program.
#pragma once

#include <deque>
#include <string>

#include "platform/host.h"
#include "shell/state.h"

namespace mebuki {

class WalkHost : public Host {
 public:
  WalkHost(Host& inner, const State& state) : inner_(inner), s_(state) {}

  void Line(const LineOp& op) override { inner_.Line(op); }
  void Circle(const CircleOp& op) override { inner_.Circle(op); }
  void Connect(const ConnectOp& op) override { inner_.Connect(op); }
  void Symbol(const SymbolOp& op) override { inner_.Symbol(op); }
  void Cls() override { inner_.Cls(); }
  std::string Inkey() override;
  void Wait() override { inner_.Wait(); }
  void Show() override { inner_.Show(); }
  std::string Time() override { return inner_.Time(); }
  void NumberEntry(bool reading) override { inner_.NumberEntry(reading); }
  void IdleUntilClosed() override { inner_.IdleUntilClosed(); }
  bool WritePng(const std::string& path) override { return inner_.WritePng(path); }
  void PageComplete(const PageLabel& label) override { inner_.PageComplete(label); }
  std::optional<double> TakeKeyToShownMs() override { return inner_.TakeKeyToShownMs(); }

 private:
  void Type(int number);

  Host& inner_;
  const State& s_;
  std::deque<std::string> pending_;
  int section_ = 0;     // last main-menu choice
  int page_ = 0;        // last sub-menu choice in this section
  int exercises_ = 0;   // next-step answers on this page
};

}  // namespace mebuki
