// A host that keeps every operation in memory and types scripted keys: the test
// double of the engine. When the keys run out, the run ends (EndOfRun).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/text.h"

namespace mebuki {

class RecordingHost : public Host {
 public:
  explicit RecordingHost(std::string keys = "", std::string time = "00:00:00") : time_(std::move(time)) {
    for (auto& ch : Characters(keys)) keys_.push_back(ch);
  }

  void Line(const LineOp& op) override { ops.push_back(op); }
  void Circle(const CircleOp& op) override { ops.push_back(op); }
  void Connect(const ConnectOp& op) override { ops.push_back(op); }
  void Symbol(const SymbolOp& op) override { ops.push_back(op); }
  void Cls() override { ops.emplace_back(std::in_place_type<ClsOp>); }
  std::string Inkey() override {
    if (keys_.empty()) throw EndOfRun{0};
    std::string k = keys_.front();
    keys_.pop_front();
    if (k == kClickMark) {  // no key this time, but a click waits
      click_ = clicks_.front();
      clicks_.pop_front();
      return "";
    }
    ops.push_back(KeyOp{k});
    return k;
  }
  std::optional<Point> TakeClick() override {
    std::optional<Point> click = click_;
    click_.reset();
    if (click) ops.push_back(ClickOp{click->x, click->y});
    return click;
  }
  void Wait() override { ops.emplace_back(std::in_place_type<WaitOp>); }
  std::string Time() override { return time_; }

  void AddKeys(const std::string& keys) {
    for (auto& ch : Characters(keys)) keys_.push_back(ch);
  }
  // After the keys given so far, a left click at (x, y).
  void AddClick(float x, float y) {
    keys_.push_back(kClickMark);
    clicks_.push_back({x, y});
  }
  size_t KeysLeft() const { return keys_.size(); }

  std::vector<Op> ops;

 private:
  static constexpr const char* kClickMark = "\x7f<click>";
  std::deque<std::string> keys_;
  std::deque<Point> clicks_;
  std::optional<Point> click_;
  std::string time_;
};

}  // namespace mebuki
