// The lesson shell: start-up, the main menu, number entry, section loops with
// their pauses, and the error screen.
#pragma once

#include <string>
#include <vector>

#include "shell/state.h"

namespace mebuki {

class Page;
using PageFn = void (*)(Page&);

struct PageEntry {
  PageFn draw = nullptr;        // nullptr: a page not built yet (the white page only)
  bool clearsSurface = true;    // false for a page that clears the surface itself
};

struct Section {
  std::string menuItem;         // main-menu item, e.g. "1　導入、範囲"
  std::string subMenuLine;      // the sub-menu line; its last entry returns
  int entries = 0;              // N: entries of the sub-menu line
  std::string goal;             // goal text under "<めあて>"; "" for none
  bool clearBeforeGoal = false; // the goal has a white page of its own
  float pageClearWidth = 1760;  // width of the white box each page starts with
  std::vector<PageEntry> pages; // entries 1 to N - 1
};

struct Unit {
  int program = 1;              // 1 or 2
  std::string title;            // "Mebuki1" or "Mebuki2"
  std::vector<Section> sections;  // the main menu adds its last item "終了"
};

// Start-up in order, then the main menu until the program ends. Run-time errors
// end on the error screen (which throws EndOfRun when its run is over).
void StartUp(State& s, const Unit& unit);
void MainMenu(State& s, const Unit& unit);
void ClearContentArea(State& s);
void ClearSurface(State& s, float width = 1760);
void RefreshDataTexts(State& s);

void ReadNumber(State& s);
// The value of a typed entry, as ReadNumber gives it.
float EntryValueOf(const std::string& text);

// Runs section `number` (from 1) of the unit until its last entry is chosen.
void RunSection(State& s, const Unit& unit, int number);
// The name of entry n of a section's sub-menu line ("③ヒストグラム").
std::string PageName(const Section& section, int n);
void ShowSectionMenu(State& s);
void EraseSectionMenu(State& s);
void PauseForKey(State& s);
void AskNextStep(State& s);
void DrawGoal(State& s, const Section& section);

// The menu number a typed value chooses: the nearest whole number, halfway up.
int ChosenNumber(float value);

// What a click or touch chooses: each main-menu item's text, and each entry of a
// sub-menu line drawn at (16,666), from its circled number to the character
// before the next.
std::vector<ClickTarget> MenuTargets(State& s, const Unit& unit);
std::vector<ClickTarget> SubMenuTargets(const std::string& line);

// Thrown at a pause by Page Up, Left arrow or the wheel: show the page as it
// stood at pause number `pause` (from 1).
struct StepBack {
  int pause;
};

void ShowErrorScreen(State& s, const RuntimeError& error);

}  // namespace mebuki
