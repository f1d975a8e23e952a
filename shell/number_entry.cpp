// Number entry: the one way anything is typed.
#include <deque>
#include <optional>
#include <string>

#include "platform/keys.h"
#include "platform/text.h"
#include "shell/draw.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace mebuki {

namespace {

// The thirteen accepted characters: "-", ".", "/" and the digits, which lie
// together in character order.
bool IsEntryCharacter(const std::string& key) { return key.size() == 1 && key[0] >= '-' && key[0] <= '9'; }

// The number of the click target hit by a click or touch, if any; clicks
// elsewhere are dropped.
std::optional<int> ClickedNumber(State& s) {
  if (s.ClickTargets.empty() || Replaying(s)) return std::nullopt;
  const auto click = s.host->TakeClick();
  if (!click) return std::nullopt;
  for (const ClickTarget& t : s.ClickTargets) {
    if (click->x >= t.x0 && click->x < t.x1 && click->y >= t.y0 && click->y < t.y1) return t.number;
  }
  return std::nullopt;
}

// Tells the host while a number is read, however the reading ends.
class NumberBeingRead {
 public:
  explicit NumberBeingRead(State& s) : host_(s.host) { host_->NumberEntry(true); }
  ~NumberBeingRead() { host_->NumberEntry(false); }
  NumberBeingRead(const NumberBeingRead&) = delete;
  NumberBeingRead& operator=(const NumberBeingRead&) = delete;

 private:
  Host* host_;
};

}  // namespace

// A slash divides once, at its first occurrence. An entry whose divisor is zero
// (3/0, 3/, a lone "/") is invalid and has the value 0, so the menu in front of
// the class is simply shown again.
float EntryValueOf(const std::string& text) {
  const size_t slash = text.find('/');
  if (slash == std::string::npos) return Val(text);
  const float divisor = Val(text.substr(slash + 1));
  if (divisor == 0) return 0;
  return Val(text.substr(0, slash)) / divisor;
}

void ReadNumber(State& s) {
  const float cy = s.EntryBoxY;
  float cx = s.EntryBoxX;
  s.EntryText.clear();
  NumberBeingRead reading(s);

  DrawSmallAt(s, 0, s.EntryBoxX - 48, s.EntryBoxY, "入力");

  std::deque<std::string> chosenKeys;  // a click's choice, typed out
  auto nextChosen = [&] {
    s.LastKey = chosenKeys.front();
    chosenKeys.pop_front();
    // On a page the choice is kept like typed keys, so that stepping back
    // answers this entry again the same way.
    if (s.Location % 100 != 0) s.PageKeys.push_back(s.LastKey);
  };
  for (;;) {
    Circle(s, cx + 8, cy + 8, 4, 5);
    if (chosenKeys.empty()) {
      s.LastKey = Inkey(s);
    } else {
      nextChosen();
    }
    const std::string& key = s.LastKey;
    if (key.empty()) {
      const auto chosen = ClickedNumber(s);
      if (!chosen) {
        Circle(s, cx + 8, cy + 8, 4, 15);  // the dot blinks at the speed of the loop
        continue;
      }
      // As if the number and Enter had been typed: the same echo and value.
      // What was typed before goes.
      if (!s.EntryText.empty()) chosenKeys.emplace_back(1, keys::kClear);
      for (char c : std::to_string(*chosen)) chosenKeys.emplace_back(1, c);
      chosenKeys.emplace_back(1, keys::kEnter);
      nextChosen();
    }
    if (key[0] == keys::kBackspace || key[0] == keys::kClear || CharacterCount(s.EntryText) > 9) {
      EraseBox(s, s.EntryBoxX, s.EntryBoxY - 8, 192, 30);
      s.EntryText.clear();
      cx = s.EntryBoxX;
      continue;
    }
    if (key[0] == keys::kEnter) {
      Circle(s, cx + 8, cy + 8, 4, 15);
      break;
    }
    if (IsEntryCharacter(key)) {
      Circle(s, cx + 8, cy + 8, 4, 15);
      s.TextColour = 5;
      s.TextX = cx;
      s.TextY = cy;
      cx = DrawSmallGlyphs(s, key);
      s.EntryText += key;
    }
  }

  EraseBox(s, s.EntryBoxX - 48, s.EntryBoxY - 8, 240, 30);
  s.EntryValue = EntryValueOf(s.EntryText);
}

}  // namespace mebuki
