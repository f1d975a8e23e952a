// The lesson shell through the recording host: main menus, number entry, the
// section loop, pauses and the error screen.
#include <gtest/gtest.h>

#include <string>

#include "shell/draw.h"
#include "platform/text.h"
#include "shell/page.h"
#include "shell/shell.h"
#include "tests/program_support.h"
#include "unit1/unit1.h"
#include "unit2/unit2.h"

namespace mebuki {
namespace {

using testing::Engine;

// Filled boxes of the main-menu panel: one per drawing of the menu.
int MenuPanels(const Engine& e) {
  int n = 0;
  for (const auto& l : e.Lines()) {
    n += l.mode == kLineFilledBox && l.x1 == 22 && l.y1 == 10 && l.x2 == 1342 && l.y2 == 610 && l.fill == 10;
  }
  return n;
}

bool DrewSubMenu(const Engine& e) {
  for (const auto& sym : e.Symbols()) {
    if (sym.x == 16 && sym.y == 666) return true;  // the sub-menu line starts there
  }
  return false;
}

TEST(MainMenu, DrawsPanelHeadingItemsAndPrompt) {
  struct Case {
    int program;
    const Unit& unit;
    std::vector<std::string> items;
  };
  const Case kCases[] = {
      {1, unit1::Unit1(), {"1", "2", "3", "4", "5"}},
      {2, unit2::Unit2(), {"1", "2", "3", "4", "5", "6", "7"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.program);
    Engine e("", c.program);
    testing::RunProgram(e, c.unit);
    EXPECT_EQ(MenuPanels(e), 1);
    const auto symbols = e.Symbols();
    ASSERT_FALSE(symbols.empty());
    EXPECT_EQ(symbols[0].text, "＜");
    EXPECT_EQ(symbols[0].x, 264);
    EXPECT_EQ(symbols[0].y, 30);
    EXPECT_EQ(symbols[0].colour, 15);
    // Every item starts at x = 44, y = 120 + 60k, colours 13, 15, 13 ...
    for (size_t k = 0; k < c.items.size(); ++k) {
      const float y = 120 + 60.0f * k;
      bool found = false;
      for (const auto& sym : symbols) {
        if (sym.x == 44 && sym.y == y && sym.text == c.items[k]) {
          found = true;
          EXPECT_EQ(sym.colour, k % 2 == 0 ? 13 : 15);
        }
      }
      EXPECT_TRUE(found) << "item " << k + 1;
    }
    // The prompt "番号を入力して下さい。" stands 240 left of the entry, 16 a character.
    const auto prompt = testing::SymbolsWithText(e, "番");
    ASSERT_EQ(prompt.size(), 1u);
    EXPECT_EQ(prompt[0].x, 816);
    EXPECT_EQ(prompt[0].y, 648);
  }
  Engine e("", 2);
  testing::RunProgram(e, unit2::Unit2());
  EXPECT_NE(e.SymbolText().find("＜Mebuki2　メニュー＞"), std::string::npos);
}

TEST(MainMenu, InvalidChoicesRedrawTheMenu) {
  struct Case {
    int program;
    const char* keys;
  };
  const Case kCases[] = {
      {1, "0\r"}, {1, "6\r"}, {2, "8\r"}, {1, "-2\r"}, {1, "\r"},
      {1, "3/0\r"},  // a zero divisor is an invalid entry, not an error
      {2, "0.4\r"},
      // Not whole: 4.5 and 4.6 would round to "終了" and end the lesson.
      {1, "4.5\r"}, {1, "4.6\r"}, {2, "6.5\r"}, {1, "2.5\r"}, {2, "1/3\r"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.keys);
    Engine e(c.keys, c.program);
    EXPECT_EQ(testing::RunProgram(e, c.program == 1 ? unit1::Unit1() : unit2::Unit2()), 0);
    EXPECT_EQ(MenuPanels(e), 2);
    EXPECT_FALSE(DrewSubMenu(e));
  }
}

TEST(MainMenu, LastItemEndsTheProgramOtherItemsOpenSections) {
  Engine one("5\rxx", 1);
  EXPECT_EQ(testing::RunProgram(one, unit1::Unit1()), 0);
  EXPECT_EQ(one.host.KeysLeft(), 2u);  // ended at once, before reading on

  Engine two("7\rxx", 2);
  testing::RunProgram(two, unit2::Unit2());
  EXPECT_EQ(two.host.KeysLeft(), 2u);

  Engine five("5\r", 2);  // 5 is a section in mebuki2
  testing::RunProgram(five, unit2::Unit2());
  EXPECT_TRUE(DrewSubMenu(five));
  EXPECT_NE(five.SymbolText().find("Ｐ２３８"), std::string::npos);
}

TEST(MainMenu, HalfwayChoicesGoUp) {
  EXPECT_EQ(ChosenNumber(2.5f), 3);
  EXPECT_EQ(ChosenNumber(1.49f), 1);
  EXPECT_EQ(ChosenNumber(8.0f / 2), 4);
}

TEST(MainMenu, AWholeValueChoosesWhateverWasTyped) {
  Engine e("8/2\r", 1);  // the value 4: section 4
  testing::RunProgram(e, unit1::Unit1());
  EXPECT_TRUE(DrewSubMenu(e));
  Engine end("10/2\rxx", 1);  // the value 5: "終了"
  testing::RunProgram(end, unit1::Unit1());
  EXPECT_EQ(end.host.KeysLeft(), 2u);
}

TEST(NumberEntry, ValuesOfTypedEntries) {
  struct Case {
    const char* keys;
    const char* text;
    float value;
  };
  const Case kCases[] = {
      {"\r", "", 0},
      {"12\r", "12", 12},
      {"-3\r", "-3", -3},
      {".5\r", ".5", 0.5f},
      {"3/4\r", "3/4", 0.75f},
      {"1/2/4\r", "1/2/4", 0.5f},  // 1 divided by VAL("2/4") = 2
      {"1-2\r", "1-2", 1},
      {"--\r", "--", 0},
      {"3/0\r", "3/0", 0},  // zero divisors make an invalid entry of value 0
      {"3/\r", "3/", 0},
      {"/\r", "/", 0},
      {"1a+ 2\r", "12", 12},          // letters, blanks and "+" are ignored
      {"12\b3\r", "3", 3},            // Backspace clears the whole entry
      {"12\f4\r", "4", 4},            // so does the clear key
      {"\x1e" "7\r", "7", 7},         // keys without a character are ignored
      {"123456789\r", "123456789", 123456789.0f},
      {"1234567890\r5\r", "5", 5},    // the key after a tenth character clears, Enter included
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.keys);
    Engine e(c.keys);
    ReadNumber(e.s);
    EXPECT_EQ(e.s.EntryText, c.text);
    EXPECT_EQ(e.s.EntryValue, c.value);
  }
}

TEST(NumberEntry, EchoesFullWidthWithThePointTakingNoRoom) {
  Engine e("1.5\r");
  ReadNumber(e.s);
  const auto one = testing::SymbolsWithText(e, "１");
  const auto point = testing::SymbolsWithText(e, "．");
  const auto five = testing::SymbolsWithText(e, "５");
  ASSERT_EQ(one.size(), 1u);
  ASSERT_EQ(point.size(), 1u);
  ASSERT_EQ(five.size(), 1u);
  EXPECT_EQ(one[0].x, 1056);
  EXPECT_EQ(point[0].x, 1056 + 16 - 4);  // 4 left of the second position
  EXPECT_EQ(five[0].x, 1056 + 16);       // at that same second position
  EXPECT_EQ(five[0].colour, 5);
  EXPECT_EQ(testing::SymbolsWithText(e, "入").at(0).x, 1056 - 48);
  // The entry is erased at the end.
  const auto last = e.Lines().back();
  EXPECT_EQ(last.x1, 1056 - 48);
  EXPECT_EQ(last.x2 - last.x1, 240);
  EXPECT_EQ(last.fill, 15);
}

TEST(Pause, KeepsCallersColourAndPenAndErasesItsBox) {
  Engine e("\x1c");  // an arrow key ends a pause too
  e.s.TextColour = 7;
  e.s.PenWidth = 5;
  PauseForKey(e.s);
  EXPECT_EQ(e.s.TextColour, 7);
  EXPECT_EQ(e.s.PenWidth, 5);
  const auto lines = e.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].fill, 4);
  EXPECT_EQ(lines[0].colour, 13);
  EXPECT_EQ(lines[1].fill, 15);
  EXPECT_EQ(lines[1].colour, 15);
  EXPECT_EQ(lines[1].pen, 3);  // covers the border drawn at 3
  EXPECT_EQ(lines[1].x1, 96);
  EXPECT_EQ(lines[1].y2, 693);
  EXPECT_EQ(testing::SymbolsWithText(e, "何").at(0).colour, 9);
}

TEST(Section, ChoiceErasesTheStripAndLastEntryReturnsToTheMenu) {
  Engine e("1\r9\r4\r", 1);  // section 1, an entry out of range, then "終了"
  testing::RunProgram(e, unit1::Unit1());
  EXPECT_EQ(MenuPanels(e), 2);
  int strips = 0;
  for (const auto& l : e.Lines()) strips += l.x1 == 0 && l.y1 == 657 && l.x2 == 992 && l.y2 == 720 && l.fill == 15;
  EXPECT_EQ(strips, 2);
}

// A unit whose only page reads past the end of a table.
void FaultyPage(Page& p) { p.s.DataValues(81) = 1; }
const Unit& FaultyUnit() {
  static const Unit unit{1, "Mebuki1", {{"1　テスト", " ①ページ　②終了", 2, "", false, 1760, {{&FaultyPage}}}}};
  return unit;
}

TEST(ErrorScreen, ARunTimeErrorEndsOnOneLine) {
  Engine e("1\r1\rxx");
  EXPECT_EQ(testing::RunProgram(e, FaultyUnit()), 3);
  size_t cls = 0;
  for (size_t i = 0; i < e.host.ops.size(); ++i) {
    if (std::holds_alternative<ClsOp>(e.host.ops[i])) cls = i;
  }
  ASSERT_GT(cls, 0u);
  ASSERT_EQ(e.host.ops.size(), cls + 3);  // the message alone, on its panel, on a cleared window
  const auto& panel = std::get<LineOp>(e.host.ops[cls + 1]);
  const auto& message = std::get<SymbolOp>(e.host.ops.back());
  // Section 1, page 1; code 9, an index outside its table; both with their blank.
  EXPECT_EQ(message.text, " 101, 9エラーが発生しました。マウスで×をクリックして下さい。");
  EXPECT_EQ(message.x, 288);
  EXPECT_EQ(message.y, 432);
  EXPECT_EQ(message.colour, 13);
  // The panel holds the whole line: 7 half-width and 27 full-width characters
  // at size 16 are 56 + 432 = 488 wide.
  EXPECT_EQ(panel.mode, kLineFilledBox);
  EXPECT_EQ(panel.fill, 10);
  EXPECT_LT(panel.x1, 288);
  EXPECT_GT(panel.x2, 288 + 488);
  EXPECT_LT(panel.y1, 432);
  EXPECT_GT(panel.y2, 432 + 16);
  EXPECT_EQ(e.host.KeysLeft(), 2u);  // keys are not read
}

}  // namespace
}  // namespace mebuki

namespace mebuki {
namespace {

using testing::Engine;

TEST(ClickTargets, SubMenuEntriesRunFromTheirNumberToTheNextOne) {
  struct Case {
    const char* line;
    std::vector<ClickTarget> targets;
  };
  // 16 a character from x = 16; the leading half-width blank takes no room.
  const Case kCases[] = {
      {" ①P214　②P216　③範囲　④終了",
       {{16, 662, 112, 686, 1}, {112, 662, 208, 686, 2}, {208, 662, 272, 686, 3}, {272, 662, 320, 686, 4}}},
      // "P238(学びをたしかめよう)の解答　" is 19 characters before "①".
      {"P238(学びをたしかめよう)の解答　①～③→解答　 ④→終了",
       {{320, 662, 352, 686, 1}, {352, 662, 432, 686, 3}, {432, 662, 496, 686, 4}}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.line);
    const auto targets = SubMenuTargets(c.line);
    ASSERT_EQ(targets.size(), c.targets.size());
    for (size_t i = 0; i < targets.size(); ++i) {
      EXPECT_EQ(targets[i].x0, c.targets[i].x0);
      EXPECT_EQ(targets[i].x1, c.targets[i].x1);
      EXPECT_EQ(targets[i].y0, c.targets[i].y0);
      EXPECT_EQ(targets[i].number, c.targets[i].number);
    }
  }
}

TEST(ClickTargets, MenuItemsCoverTheirText) {
  Engine e;
  const auto targets = MenuTargets(e.s, unit1::Unit1());
  ASSERT_EQ(targets.size(), 5u);
  // "1　導入、範囲": "1" 27 wide, then six full-width characters of 34.
  EXPECT_EQ(targets[0].x0, 44);
  EXPECT_EQ(targets[0].x1, 44 + 27 + 6 * 34);
  EXPECT_EQ(targets[0].y0, 120);
  EXPECT_EQ(targets[0].y1, 168);
  EXPECT_EQ(targets[4].number, 5);
  EXPECT_EQ(targets[4].y0, 360);
  EXPECT_TRUE(e.host.ops.empty());  // measuring draws nothing
}

TEST(Clicks, ChooseMenuItemsAndEntriesAndContinuePauses) {
  Engine e("", 1);
  e.host.AddClick(500, 500);  // on the panel, off every item: nothing
  e.host.AddClick(100, 140);  // item 1
  e.host.AddClick(40, 670);   // entry ① of the sub-menu line
  e.host.AddClick(700, 300);  // anywhere: the first pause continues
  testing::RunProgram(e, unit1::Unit1());
  EXPECT_EQ(MenuPanels(e), 1);
  EXPECT_TRUE(DrewSubMenu(e));
  // P214 drew its first step and, after the click, its second pause.
  int pauses = 0;
  for (const auto& l : e.Lines()) pauses += l.fill == 4 && l.x1 == 96 && l.y1 == 657;
  EXPECT_EQ(pauses, 2);
}

// The drawing operations of a stretch of the recording, keys and clicks left out.
std::vector<std::string> Drawn(const Engine& e, size_t from, size_t to) {
  std::vector<std::string> out;
  for (size_t i = from; i < to; ++i) {
    const Op& op = e.host.ops[i];
    if (!std::holds_alternative<KeyOp>(op) && !std::holds_alternative<ClickOp>(op)) out.push_back(ToJson(op));
  }
  return out;
}

// Index of the page's white box, the first after index `from`.
size_t PageStart(const Engine& e, size_t from) {
  for (size_t i = from; i < e.host.ops.size(); ++i) {
    const auto* l = std::get_if<LineOp>(&e.host.ops[i]);
    if (l && l->x1 == 0 && l->y1 == 0 && l->x2 == 1760 && l->y2 == 1800) return i;
  }
  return e.host.ops.size();
}

// Index just after the n-th key operation (from 1).
size_t AfterKey(const Engine& e, int n) {
  for (size_t i = 0; i < e.host.ops.size(); ++i) {
    if (std::holds_alternative<KeyOp>(e.host.ops[i]) && --n == 0) return i + 1;
  }
  return e.host.ops.size();
}

TEST(StepBack, PageUpDrawsThePageAsAtThePreviousPause) {
  struct Case {
    const char* name;
    int program;
    std::string keys;  // up to the page's start, then one key per pause
    int menuKeys;      // keys before the page starts
  };
  const Case kCases[] = {
      {"P214", 1, "1\r1\rab", 4},
      // The practice page: a second random exercise, stepped back inside it.
      {"practice", 2, "2\r3\r" "x" "x" "x" "x" "2\r" "x" "x", 4},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    Engine e(c.keys + "\x03", c.program, "10:20:30");
    testing::RunProgram(e, c.program == 1 ? unit1::Unit1() : unit2::Unit2());
    const int keys = static_cast<int>(Characters(c.keys).size());
    // First pass: from the page's start to the wait at the last pause (the
    // pause that Page Up leaves is the one after it).
    const auto first = Drawn(e, PageStart(e, AfterKey(e, c.menuKeys)), AfterKey(e, keys) - 1);
    // After Page Up: the page drawn again, up to that same wait.
    const auto again = Drawn(e, AfterKey(e, keys + 1), e.host.ops.size());
    ASSERT_FALSE(again.empty());
    ASSERT_EQ(first.size(), again.size());
    for (size_t i = 0; i < first.size(); ++i) ASSERT_EQ(first[i], again[i]) << "operation " << i;
  }
}

TEST(StepBack, NothingBeforeTheFirstPause) {
  Engine e("1\r1\r\x03\x1d", 1);
  testing::RunProgram(e, unit1::Unit1());
  EXPECT_TRUE(Drawn(e, AfterKey(e, 5), e.host.ops.size()).empty());  // after Page Up
}

TEST(StepBack, APauseOutsideAPageTakesPageUpAsAnyKey) {
  Engine e("\x03\x03");  // nothing to draw again: each Page Up ends a pause
  PauseForKey(e.s);
  PauseForKey(e.s);
  EXPECT_EQ(e.host.KeysLeft(), 0u);
}

TEST(StepBack, OtherKeysAtMenusKeepTheirMeaning) {
  Engine e("\x03" "1\r", 1);  // Page Up at the main menu is ignored like any other key
  testing::RunProgram(e, unit1::Unit1());
  EXPECT_TRUE(DrewSubMenu(e));
}

}  // namespace
}  // namespace mebuki
