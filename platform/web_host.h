// The host of a browser page: the picture drawn on an HTML canvas by the JS
// runtime (platform/web/runtime.js), keys, clicks and touches from the page's
// events, waits that sleep on the browser's event loop (ASYNCIFY unwinds the
// engine's blocking loops there and resumes them on the next event).
//
// The picture is kept here (Picture) and mirrored in the runtime, which draws
// it again on its own on a resize or a change of pixel density, and for the
// page's screenshots after the run has ended.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "platform/gestures.h"
#include "platform/host.h"
#include "platform/picture.h"

namespace mebuki {

class WebHost : public Host {
 public:
  // scripted: the keys of a headless run (none left ends it), or the walk,
  // which answers every key itself; otherwise the keys come from the page.
  WebHost(std::optional<std::string> keys, bool walk, std::string time);

  void Line(const LineOp& op) override { picture_.Keep(op); }
  void Circle(const CircleOp& op) override { picture_.Keep(op); }
  void Connect(const ConnectOp& op) override { picture_.Keep(op); }
  void Symbol(const SymbolOp& op) override { picture_.Keep(op); }
  void Cls() override { picture_.Keep(ClsOp{}); }
  std::string Inkey() override;
  std::optional<Point> TakeClick() override;
  void Show() override;
  void Wait() override;
  std::string Time() override;
  void NumberEntry(bool reading) override;
  void IdleUntilClosed() override;
  // From the taking of a key to the step's first picture on the canvas's
  // pixels, leaving out the moments given to the browser in between.
  std::optional<double> TakeKeyToShownMs() override;

  // The page's pointer, in picture units and milliseconds: read here, as the
  // window reads its own, so that both hosts see the same taps and swipes.
  GestureReader& Gestures() { return gestures_; }

 private:
  // Takes the keys and clicks the page has queued.
  void Pump();
  // A scripted run gives the browser a moment now and then, so that the page
  // stays responsive and a driver can watch it.
  void YieldNowAndThen();

  bool scripted_;
  std::deque<std::string> keys_;
  std::string time_;
  Picture picture_;
  std::optional<Point> click_;
  double lastYield_ = 0;
  double keyTakenAt_ = -1;  // when the key that began this step was taken; -1 once shown
  double yieldedMs_ = 0;    // given to the browser since then
  std::optional<double> keyToShownMs_;
  GestureReader gestures_;
};

}  // namespace mebuki
