// Key storms: a class pressing every key. Long random key sequences, biased
// towards digits and Enter so that every section and page is reached, drive
// both programs on the real canvas. Nothing may end or corrupt a lesson: no
// error screen, a picture that stays bounded, and at the end the way back to
// the main menu still works.
//
// Most storms draw nowhere, to go fast; two draw on the real canvas, whose kept
// picture must stay bounded. MEBUKI_SOAK_KEYS sets the keys per run (default
// 30000, a tenth of it on the canvas) for a longer soak, which also storms each
// program with more seeds: eight that draw nowhere and one on the canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "platform/headless_host.h"
#include "platform/keys.h"
#include "platform/numbers.h"
#include "shell/shell.h"
#include "unit1/unit1.h"
#include "unit2/unit2.h"

namespace mebuki {
namespace {

// A host that draws nowhere.
class NullHost : public Host {
 public:
  void Line(const LineOp&) override {}
  void Circle(const CircleOp&) override {}
  void Connect(const ConnectOp&) override {}
  void Symbol(const SymbolOp&) override {}
  void Cls() override {}
  std::string Inkey() override { return ""; }
  void Wait() override {}
  std::string Time() override { return ""; }
};

// Types random keys over another host's drawing; then leaves whatever it is in
// (pause, practice, section) the ordinary way and stops once the main menu asks
// for a number. It never types the main menu's last item: ending the program is
// the teacher's choice, not the storm's.
class StormHost : public Host {
 public:
  StormHost(Host& inner, const State& s, int seed, long keys, std::string time)
      : inner_(inner), s_(s), left_(keys), time_(std::move(time)) {
    rng_.Randomize(seed);
  }

  void Line(const LineOp& op) override { inner_.Line(op); }
  void Circle(const CircleOp& op) override { inner_.Circle(op); }
  void Connect(const ConnectOp& op) override { inner_.Connect(op); }
  void Symbol(const SymbolOp& op) override { inner_.Symbol(op); }
  void Cls() override { inner_.Cls(); }
  void Wait() override { inner_.Wait(); }
  std::string Time() override { return time_; }

  std::string Inkey() override {
    inner_.Show();
    ++keysRead;
    if (left_ > 0) {
      --left_;
      std::string key = RandomKey();
      const float value = EntryValueOf(s_.EntryText);
      const bool endsProgram = s_.WaitingFor == kWaitingAtMainMenu && key[0] == keys::kEnter && value >= 1 &&
                               value <= s_.ChoiceCount && ChosenNumber(value) == s_.ChoiceCount;
      return endsProgram ? std::string(1, keys::kBackspace) : key;
    }
    if (pending_.empty()) {
      switch (s_.WaitingFor) {
        case kWaitingAtMainMenu:
          reachedMainMenu = true;
          throw EndOfRun{0};
        case kWaitingAtSubMenu: Type(s_.ChoiceCount); break;
        case kWaitingAtNextStep: Type(1); break;
        default: return " ";
      }
    }
    std::string key = pending_.front();
    pending_.pop_front();
    return key;
  }

  long keysRead = 0;
  bool reachedMainMenu = false;

 private:
  void Type(int n) {
    pending_.emplace_back(1, keys::kBackspace);  // whatever was typed before goes
    for (char c : std::to_string(n)) pending_.emplace_back(1, c);
    pending_.emplace_back(1, keys::kEnter);
  }

  std::string RandomKey() {
    const float r = rng_.Rnd();
    auto pick = [&](const char* set) {
      const size_t n = std::char_traits<char>::length(set);
      return std::string(1, set[static_cast<size_t>(rng_.Rnd() * n)]);
    };
    if (r < 0.40f) return pick("1112223334445566789");  // small numbers choose more pages
    if (r < 0.65f) return std::string(1, keys::kEnter);
    if (r < 0.69f) return std::string(1, keys::kBackspace);
    if (r < 0.72f) return std::string(1, keys::kClear);
    if (r < 0.78f) return pick("-./0");
    if (r < 0.86f) return pick("abcxyzAQ +*#!^");
    if (r < 0.90f) return std::string(1, static_cast<char>(keys::kF1 + static_cast<int>(rng_.Rnd() * 12)));
    if (r < 0.95f) return pick("\x1c\x1d\x1e\x1f");  // arrows
    if (r < 0.98f) return std::string(1, keys::kPageUp);
    return pick("\x01\x02\x04\x05\t");
  }

  Host& inner_;
  const State& s_;
  Random rng_;
  long left_;
  std::string time_;
  std::deque<std::string> pending_;
};

long KeysPerRun() {
  const char* env = std::getenv("MEBUKI_SOAK_KEYS");
  return env ? std::max(10L, std::atol(env)) : 30000;
}

struct Storm {
  const char* name;
  const Unit& (*unit)();
  int seed;
  const char* time;
  bool onCanvas;
};

class KeyStorm : public ::testing::TestWithParam<Storm> {};

TEST_P(KeyStorm, LeavesEveryLessonWorkingAndBounded) {
  const Storm& storm = GetParam();
  NullHost nowhere;
  HeadlessHost canvas("", storm.time);
  State s;
  const long keys = storm.onCanvas ? KeysPerRun() / 10 : KeysPerRun();
  StormHost host(storm.onCanvas ? static_cast<Host&>(canvas) : nowhere, s, storm.seed, keys, storm.time);
  s.host = &host;
  int status = 0;
  try {
    StartUp(s, storm.unit());
  } catch (const EndOfRun& end) {
    status = end.status;
  }
  EXPECT_EQ(status, 0) << "the storm ended on the error screen";
  EXPECT_TRUE(host.reachedMainMenu);
  EXPECT_GE(host.keysRead, keys);
  // One screen's worth at most: the experiment's 15000 dots and its table, with room.
  EXPECT_LT(canvas.canvas().PictureSize(), 40000u);
}

const Storm kStorms[] = {
    {"Mebuki1Morning", &unit1::Unit1, 1, "08:30:00", false},
    {"Mebuki1Noon", &unit1::Unit1, 2, "12:00:59", false},
    {"Mebuki1Late", &unit1::Unit1, 3, "23:59:59", false},
    {"Mebuki2Morning", &unit2::Unit2, 4, "08:30:00", false},
    {"Mebuki2Noon", &unit2::Unit2, 5, "12:00:59", false},
    {"Mebuki2Late", &unit2::Unit2, 6, "23:59:59", false},
    {"Mebuki1OnCanvas", &unit1::Unit1, 7, "10:10:10", true},
    {"Mebuki2OnCanvas", &unit2::Unit2, 8, "10:10:10", true},
};

// The long soak's further seeds, five more per program, each at its own time of
// day (the time seeds the random pages). The short run keeps the list above.
const Storm kLongStorms[] = {
    {"Mebuki1Seed11", &unit1::Unit1, 11, "07:45:12", false},
    {"Mebuki1Seed12", &unit1::Unit1, 12, "09:05:33", false},
    {"Mebuki1Seed13", &unit1::Unit1, 13, "13:20:07", false},
    {"Mebuki1Seed14", &unit1::Unit1, 14, "15:55:48", false},
    {"Mebuki1Seed15", &unit1::Unit1, 15, "00:00:00", false},
    {"Mebuki2Seed21", &unit2::Unit2, 21, "07:45:12", false},
    {"Mebuki2Seed22", &unit2::Unit2, 22, "09:05:33", false},
    {"Mebuki2Seed23", &unit2::Unit2, 23, "13:20:07", false},
    {"Mebuki2Seed24", &unit2::Unit2, 24, "15:55:48", false},
    {"Mebuki2Seed25", &unit2::Unit2, 25, "00:00:00", false},
};

std::vector<Storm> Storms() {
  std::vector<Storm> storms(std::begin(kStorms), std::end(kStorms));
  if (std::getenv("MEBUKI_SOAK_KEYS")) storms.insert(storms.end(), std::begin(kLongStorms), std::end(kLongStorms));
  return storms;
}

INSTANTIATE_TEST_SUITE_P(Seeds, KeyStorm, ::testing::ValuesIn(Storms()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mebuki
