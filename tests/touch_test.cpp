// A lesson by touch alone: the on-screen keypad's layout for a window's shape,
// the gestures read from a pointer, and taps that answer number entries as the
// typed keys would.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/gestures.h"
#include "platform/keypad.h"
#include "platform/keys.h"
#include "shell/shell.h"
#include "tests/program_support.h"
#include "unit2/unit2.h"

namespace mebuki {
namespace {

using testing::Engine;

// The entry's echo ("入力" and ten characters) in picture units: the overlay
// must leave it in sight.
constexpr KeypadRect kEntryEcho{1008, 640, 1248, 678};

KeypadRect ToDevice(const KeypadRect& logical, int width, int height) {
  const KeypadRect p = PictureArea(width, height);
  const float scale = (p.x1 - p.x0) / 1440;
  return {p.x0 + logical.x0 * scale, p.y0 + logical.y0 * scale, p.x0 + logical.x1 * scale, p.y0 + logical.y1 * scale};
}

TEST(Keypad, UsesTheMarginWhereTheShapeLeavesOneElseCoversTheLowerRightCorner) {
  struct Case {
    int width, height;
    float unit;
    bool overlay;
    float smallest;  // the least width and height of a button
  };
  const Case kCases[] = {
      {1920, 1080, 1, false, 56},  // full HD projector: the side margin
      {1920, 1061, 1, false, 56},  // the same, maximised under a title bar
      {3840, 2160, 2, false, 112}, // the same at devicePixelRatio 2
      {1440, 1200, 1, false, 56},  // a tall window: the margin below
      {1440, 900, 1, true, 56},    // the picture's own shape
      {1180, 820, 1, true, 48},    // an iPad in landscape
      {1366, 768, 1, true, 44},    // a school laptop: side margins too narrow
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    const Keypad pad = LayOutKeypad(c.width, c.height, c.unit);
    EXPECT_EQ(pad.overlay, c.overlay);
    const KeypadRect window{0, 0, static_cast<float>(c.width), static_cast<float>(c.height)};
    EXPECT_TRUE(window.Contains(pad.panel.x0, pad.panel.y0) && pad.panel.x1 <= window.x1 && pad.panel.y1 <= window.y1);
    if (c.overlay) {
      EXPECT_FALSE(pad.panel.Overlaps(ToDevice(kEntryEcho, c.width, c.height)));
    } else {
      EXPECT_FALSE(pad.panel.Overlaps(PictureArea(c.width, c.height)));
    }

    // Every key of number entry once, large, inside the panel, none over another.
    std::set<char> keys;
    ASSERT_EQ(pad.buttons.size(), 15u);
    for (size_t i = 0; i < pad.buttons.size(); ++i) {
      const KeypadRect& r = pad.buttons[i].rect;
      keys.insert(pad.buttons[i].key);
      EXPECT_GE(r.x1 - r.x0, c.smallest);
      EXPECT_GE(r.y1 - r.y0, c.smallest);
      EXPECT_TRUE(r.x0 >= pad.panel.x0 && r.y0 >= pad.panel.y0 && r.x1 <= pad.panel.x1 && r.y1 <= pad.panel.y1);
      for (size_t j = 0; j < i; ++j) EXPECT_FALSE(r.Overlaps(pad.buttons[j].rect));
    }
    EXPECT_EQ(keys, (std::set<char>{'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '.', '-', '/', keys::kClear,
                                    keys::kEnter}));
  }
}

TEST(Keypad, HitTestingFindsTheButtonUnderAPointAndNothingBetween) {
  for (const auto& [w, h] : {std::pair{1920, 1080}, std::pair{1180, 820}}) {
    const Keypad pad = LayOutKeypad(w, h);
    for (const KeypadButton& b : pad.buttons) {
      EXPECT_EQ(pad.ButtonAt((b.rect.x0 + b.rect.x1) / 2, (b.rect.y0 + b.rect.y1) / 2), &b);
      EXPECT_EQ(pad.ButtonAt(b.rect.x0, b.rect.y0), &b);
      EXPECT_EQ(pad.ButtonAt(b.rect.x1, b.rect.y1 + 1) == &b, false);  // half-open
    }
    EXPECT_EQ(pad.ButtonAt(pad.panel.x0 + 1, pad.panel.y0 + 1), nullptr);  // the frame
    EXPECT_EQ(pad.ButtonAt(10, 10), nullptr);                              // the lesson
  }
}

TEST(Gestures, TapsSwipesAndLongPresses) {
  struct Step {
    char what;  // 'd' down, 'm' move, 'u' up, 'p' poll
    float x, y;
    unsigned ms;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    Gesture last;  // of the last step
  };
  const Case kCases[] = {
      {"tap", {{'d', 500, 400, 0}, {'u', 500, 400, 120}}, Gesture::kTap},
      {"tap with a wobble", {{'d', 500, 400, 0}, {'m', 512, 410, 50}, {'u', 505, 395, 200}}, Gesture::kTap},
      {"swipe right", {{'d', 300, 400, 0}, {'m', 400, 410, 80}, {'u', 520, 420, 160}}, Gesture::kSwipeRight},
      {"swipe left", {{'d', 900, 400, 0}, {'u', 700, 380, 150}}, Gesture::kSwipeLeft},
      {"too short to turn a page", {{'d', 300, 400, 0}, {'u', 400, 400, 150}}, Gesture::kNone},
      {"a stroke downwards", {{'d', 300, 200, 0}, {'u', 360, 600, 150}}, Gesture::kNone},
      {"out and back", {{'d', 300, 400, 0}, {'m', 600, 400, 80}, {'u', 305, 400, 160}}, Gesture::kNone},
      {"long press, as it falls due", {{'d', 500, 400, 0}, {'p', 0, 0, 590}, {'p', 0, 0, 600}}, Gesture::kLongPress},
      {"long press, then its release", {{'d', 500, 400, 0}, {'p', 0, 0, 650}, {'u', 500, 400, 900}}, Gesture::kNone},
      {"long press first seen at the release", {{'d', 500, 400, 0}, {'u', 500, 400, 700}}, Gesture::kLongPress},
      {"held after moving", {{'d', 500, 400, 0}, {'m', 700, 400, 100}, {'p', 0, 0, 1000}}, Gesture::kNone},
      {"a release without a press", {{'u', 500, 400, 0}}, Gesture::kNone},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    GestureReader g;
    Gesture last = Gesture::kNone;
    for (const Step& s : c.steps) {
      switch (s.what) {
        case 'd': g.Down({s.x, s.y}, s.ms); last = Gesture::kNone; break;
        case 'm': last = g.Move({s.x, s.y}, s.ms); break;
        case 'u': last = g.Up({s.x, s.y}, s.ms); break;
        default: last = g.Poll(s.ms); break;
      }
    }
    EXPECT_EQ(last, c.last);
    if (c.last == Gesture::kTap) {
      EXPECT_EQ(g.Start().x, c.steps.front().x);
    }
  }
}

// Records whether a number was being read at each key read.
class ReadingHost : public RecordingHost {
 public:
  using RecordingHost::RecordingHost;
  void NumberEntry(bool reading) override { reading_ = reading; }
  std::string Inkey() override {
    readAt.push_back(reading_);
    return RecordingHost::Inkey();
  }
  bool reading_ = false;
  std::vector<bool> readAt;
};

TEST(NumberEntryHook, TheHostKnowsWhileANumberIsRead) {
  ReadingHost host("12\r");
  State s;
  s.host = &host;
  ReadNumber(s);
  EXPECT_EQ(host.readAt, (std::vector<bool>{true, true, true}));
  EXPECT_FALSE(host.reading_);
  // Also when the run ends inside the entry.
  EXPECT_THROW(ReadNumber(s), EndOfRun);
  EXPECT_FALSE(host.reading_);
  EXPECT_TRUE(host.readAt.back());
}

// What was drawn, keys and clicks left out.
std::vector<std::string> Drawn(const Engine& e) {
  std::vector<std::string> out;
  for (const Op& op : e.host.ops) {
    if (!std::holds_alternative<KeyOp>(op) && !std::holds_alternative<ClickOp>(op)) out.push_back(ToJson(op));
  }
  return out;
}

void ExpectSameDrawing(const Engine& a, const Engine& b) {
  const auto x = Drawn(a), y = Drawn(b);
  size_t i = 0;
  while (i < x.size() && i < y.size() && x[i] == y[i]) ++i;
  EXPECT_EQ(x.size(), y.size());
  if (i < x.size() && i < y.size()) ADD_FAILURE() << "first difference at " << i << ":\n" << x[i] << "\n" << y[i];
}

TEST(Taps, AnswerNumberEntriesExactlyAsTheTypedKeys) {
  // The practice page (section 2, page 3) to its next-step prompt, then ...
  const std::string kToPrompt = "2\r3\rxxxx";
  struct Case {
    const char* name;
    Point tap;
    std::string typed;  // ... the keys the tap stands for, and what follows
    std::string after;
  };
  const Case kCases[] = {
      {"the prompt's own box: back to the sub-menu", {200, 657}, "1\r", "3\r"},
      {"anywhere else: a new table", {700, 300}, "2\r", "xx"},
      // Stepping back inside the new table draws it again from the tap.
      {"a new table, then Page Up", {1300, 880}, "2\r", "xx\x03"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Engine typed(kToPrompt + c.typed + c.after, 2, "10:20:30");
    const int typedStatus = testing::RunProgram(typed, unit2::Unit2());
    Engine tapped(kToPrompt, 2, "10:20:30");
    tapped.host.AddClick(c.tap.x, c.tap.y);
    tapped.host.AddKeys(c.after);
    EXPECT_EQ(testing::RunProgram(tapped, unit2::Unit2()), typedStatus);
    EXPECT_EQ(tapped.s.Location, typed.s.Location);
    ExpectSameDrawing(tapped, typed);
  }

  // A menu item tapped after a digit was typed replaces it.
  Engine typed("3\f2\r", 2);
  testing::RunProgram(typed, unit2::Unit2());
  Engine tapped("3", 2);
  tapped.host.AddClick(100, 200);  // item 2
  testing::RunProgram(tapped, unit2::Unit2());
  EXPECT_EQ(tapped.s.Location, 200);
  ExpectSameDrawing(tapped, typed);
}

}  // namespace
}  // namespace mebuki
