// Start-up and the main menu.
#include <cmath>
#include <string>

#include "shell/draw.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace mebuki {

namespace {

// Seed of the random generator: hours + minutes + seconds of the time of day.
int SeedFromTime(const std::string& time) {
  if (time.size() < 8) return 0;
  return static_cast<int>(Val(time.substr(0, 2)) + Val(time.substr(3, 2)) + Val(time.substr(6, 2)));
}


}  // namespace

void ClearContentArea(State& s) { FilledBox(s, 0, 54, 1440, 900, 15, 15); }

void ClearSurface(State& s, float width) { EraseBox(s, 0, 0, width, 1800); }

void RefreshDataTexts(State& s) {
  for (int i = 1; i <= 80; ++i) s.DataTexts(i) = NumberString(s.DataValues(i));
  for (int i = 1; i <= 60; ++i) s.WorkTexts(i) = NumberString(s.WorkValues(i));
}

namespace {

std::string MenuItem(const Unit& unit, int k) {
  const int last = static_cast<int>(unit.sections.size()) + 1;
  return k + 1 < last ? unit.sections[static_cast<size_t>(k)].menuItem : std::to_string(last) + "　終了";
}

}  // namespace

std::vector<ClickTarget> MenuTargets(State& s, const Unit& unit) {
  std::vector<ClickTarget> targets;
  const int last = static_cast<int>(unit.sections.size()) + 1;
  for (int k = 0; k < last; ++k) {
    const float y = 120 + 60.0f * k;
    targets.push_back({44, y, 44 + MeasureMarkupText(s, MenuItem(unit, k)), y + 48, k + 1});
  }
  return targets;
}

int ChosenNumber(float value) { return static_cast<int>(RoundHalfUp(value)); }

void StartUp(State& s, const Unit& unit) {
  try {
    s.host->MaximizeWindow();
    SetFontName(s, "ｺﾞｼｯｸ");
    SetFontSize(s, 16);
    SetDrawWidth(s, 3);
    s.Rng.Randomize(SeedFromTime(s.host->Time()));

    Host* host = s.host;
    Random rng = s.Rng;
    FontSpec font = s.Font;
    s = State{};  // the drawing state and every shared table, empty
    s.host = host;
    s.Rng = rng;
    s.Font = font;
    s.PenWidth = 3;
    s.Program = unit.program;
    s.ProgramTitle = unit.title;
    s.TextColour = 4;
    s.EntryBoxX = 1056;
    s.EntryBoxY = 648;

    MainMenu(s, unit);
  } catch (const RuntimeError& error) {
    ShowErrorScreen(s, error);
  }
}

void MainMenu(State& s, const Unit& unit) {
  const int last = static_cast<int>(unit.sections.size()) + 1;  // the item "終了"
  for (;;) {
    s.Location = 0;
    ClearContentArea(s);
    ClearSurface(s);
    FilledBox(s, 22, 10, 22 + 1320, 10 + 600, 15, 10);
    DrawMarkupAt(s, 15, 264, 30, "＜" + s.ProgramTitle + "　メニュー＞");
    for (int k = 0; k < last; ++k) {
      DrawMarkupAt(s, k % 2 == 0 ? 13 : 15, 44, 120 + 60.0f * k, MenuItem(unit, k));
    }
    DrawSmallAt(s, 0, s.EntryBoxX - 240, s.EntryBoxY, "番号を入力して下さい。");
    s.WaitingFor = kWaitingAtMainMenu;
    s.ChoiceCount = last;
    s.ClickTargets = MenuTargets(s, unit);
    ReadNumber(s);
    s.ClickTargets.clear();
    EraseBox(s, s.EntryBoxX - 640, s.EntryBoxY - 8, 1056, 50);

    // Only a whole number chooses: 4.5 must not round to "終了" and end the
    // lesson in front of the class.
    const float value = s.EntryValue;
    if (value < 1 || value > last || value != std::floor(value)) continue;
    const int chosen = ChosenNumber(value);
    if (chosen == last) throw EndOfRun{0};
    ClearSurface(s);
    RunSection(s, unit, chosen);
  }
}

}  // namespace mebuki
