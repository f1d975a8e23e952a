// Section loops, their sub-menu line at the bottom left, and page pacing.
#include "platform/keys.h"
#include "platform/text.h"
#include "shell/draw.h"
#include "shell/page.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace mebuki {

namespace {

void RunPage(State& s, const PageEntry& page, float clearWidth);

// What a tap beside the next-step prompt enters: any number but 1 asks for a
// new exercise; 2 is the one the walk types.
constexpr int kNewExercise = 2;

// A key that steps back a page: Page Up (what slide remotes send for
// "previous", and the mouse wheel turned up) and the left arrow.
bool StepsBack(const std::string& key) { return key.size() == 1 && (key[0] == keys::kPageUp || key[0] == keys::kLeft); }

}  // namespace

void ShowSectionMenu(State& s) {
  s.TextColour = 0;
  s.TextX = 16;
  s.TextY = 666;
  DrawSmallText(s);
  ReadNumber(s);
}

void EraseSectionMenu(State& s) { FilledBox(s, 0, 657, 992, 720, 15, 15); }

void PauseForKey(State& s) {
  ColourGuard colour(s);
  PenGuard pen(s);
  SetDrawWidth(s, 3);
  FilledBox(s, 96, 657, 400, 693, 13, 4);
  DrawSmallAt(s, 9, 128, 666, "何かキーを押して下さい。");
  s.WaitingFor = kWaitingAtPause;
  ++s.PauseCount;
  s.KeysBeforePause.push_back(s.PageKeys.size());
  for (;;) {
    const bool real = !Replaying(s);
    s.LastKey = Inkey(s);
    if (s.LastKey.empty()) {
      if (s.host->TakeClick()) {  // a click or touch anywhere continues, like a key
        s.PageKeys.emplace_back(" ");
        break;
      }
      continue;
    }
    const bool onPage = s.Location % 100 != 0;  // only a page can be drawn again
    if (real && onPage && StepsBack(s.LastKey)) {
      s.PageKeys.pop_back();
      if (s.PauseCount > 1) throw StepBack{s.PauseCount - 1};
      continue;  // nothing before the first pause
    }
    break;
  }
  FilledBox(s, 96, 657, 400, 693, 15, 15);
}

void AskNextStep(State& s) {
  PenGuard pen(s);
  SetDrawWidth(s, 2);
  FilledBox(s, 96, 639, 400, 675, 13, 12);
  DrawSmallAt(s, 9, 128, 648, "次のステップは１を入力。");
  s.WaitingFor = kWaitingAtNextStep;
  // A tap on the prompt's own box answers it; a tap anywhere else asks for a
  // new exercise, as any other number does.
  s.ClickTargets = {{96, 639, 400, 675, 1}, {0, 0, 1440, 900, kNewExercise}};
  ReadNumber(s);
  s.ClickTargets.clear();
  EraseBox(s, s.EntryBoxX - 48, s.EntryBoxY - 9, 160, 27);
  FilledBox(s, 96, 639, 400, 675, 15, 15);
}

void DrawGoal(State& s, const Section& section) {
  if (section.goal.empty()) return;
  if (section.clearBeforeGoal) ClearSurface(s);
  DrawMarkupAt(s, 3, 44, 240, "<めあて>");
  DrawMarkupAt(s, 0, 44, 305, section.goal);
}

std::vector<ClickTarget> SubMenuTargets(const std::string& line) {
  // The line is drawn in the small style from (16,666): 16 a character, but a
  // half-width blank and the point take no room.
  std::vector<ClickTarget> targets;
  float x = 16;
  for (const std::string& ch : Characters(line)) {
    const char32_t cp = CodePoint(ch);
    if (cp >= U'①' && cp <= U'⑳') {
      if (!targets.empty()) targets.back().x1 = x;
      targets.push_back({x, 662, x, 686, static_cast<int>(cp - U'①') + 1});
    }
    if (ch != " " && ch != ".") x += 16;
  }
  if (!targets.empty()) targets.back().x1 = x;
  return targets;
}

namespace {

// Draws a page. Page Up at a pause draws it again from a copy of the state
// taken as it began (the random generator with it), answering the earlier
// pauses and entries at once with the keys read the first time.
void RunPage(State& s, const PageEntry& page, float clearWidth) {
  s.PauseCount = 0;
  s.PageKeys.clear();
  s.KeysBeforePause.clear();
  s.ReplayKeys.clear();
  const State start = s;
  for (;;) {
    try {
      if (page.clearsSurface) ClearSurface(s, clearWidth);
      if (page.draw) {
        Page p(s);
        page.draw(p);
      }
      return;
    } catch (const StepBack& back) {
      const auto before = s.PageKeys.begin() + static_cast<long>(s.KeysBeforePause.at(static_cast<size_t>(back.pause - 1)));
      std::vector<std::string> keys(s.PageKeys.begin(), before);
      s = start;
      s.ReplayKeys = std::move(keys);
    }
  }
}

}  // namespace

std::string PageName(const Section& section, int n) {
  // The review sections list their answers as a range ("①～③→解答").
  if (section.subMenuLine.find("→") != std::string::npos) {
    return n < section.entries ? "解答" + std::to_string(n) : "終了";
  }
  // Entries start at their circled number ("①" U+2460 ...); the name runs to
  // the blank before the next one.
  const std::vector<std::string> chars = Characters(section.subMenuLine);
  std::string name;
  int entry = 0;
  for (const std::string& ch : chars) {
    const char32_t cp = CodePoint(ch);
    if (cp >= U'①' && cp <= U'⑳') entry = static_cast<int>(cp - U'①') + 1;
    if (entry == n && !(ch == " " || ch == "　")) name += ch;
    if (entry > n) break;
  }
  return name.empty() ? std::to_string(n) : name;
}

void RunSection(State& s, const Unit& unit, int number) {
  const Section& section = unit.sections.at(static_cast<size_t>(number - 1));
  const std::string program = unit.program == 1 ? "mebuki1" : "mebuki2";
  s.Location = 100 * number;
  DrawGoal(s, section);
  if (!section.goal.empty()) s.host->PageComplete({program, section.menuItem, "めあて", number, 0});
  for (;;) {
    s.TextLine = section.subMenuLine;
    s.WaitingFor = kWaitingAtSubMenu;
    s.ChoiceCount = section.entries;
    s.ClickTargets = SubMenuTargets(section.subMenuLine);
    ShowSectionMenu(s);
    s.ClickTargets.clear();
    const float choice = s.EntryValue;
    s.EntryValue = 10;
    EraseSectionMenu(s);
    if (choice < 1 || choice > section.entries) continue;
    const int chosen = ChosenNumber(choice);
    if (chosen == section.entries) return;

    const size_t index = static_cast<size_t>(chosen - 1);
    const PageEntry page = index < section.pages.size() ? section.pages[index] : PageEntry{};
    s.Location = 100 * number + chosen;
    RunPage(s, page, section.pageClearWidth);
    s.host->PageComplete({program, section.menuItem, PageName(section, chosen), number, chosen});
    s.Location = 100 * number;
  }
}

}  // namespace mebuki
