// A host that keeps every operation in memory and types scripted keys: the test
// double of the engine. When the keys run out, the run ends (EndOfRun).
#pragma once

#include <deque>
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
    ops.push_back(KeyOp{k});
    return k;
  }
  void Wait() override { ops.emplace_back(std::in_place_type<WaitOp>); }
  std::string Time() override { return time_; }

  void AddKeys(const std::string& keys) {
    for (auto& ch : Characters(keys)) keys_.push_back(ch);
  }
  size_t KeysLeft() const { return keys_.size(); }

  std::vector<Op> ops;

 private:
  std::deque<std::string> keys_;
  std::string time_;
};

}  // namespace mebuki
