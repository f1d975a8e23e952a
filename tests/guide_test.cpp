// The guide for teachers names every section, goal and page as the programs'
// own menus show them, so that a change to a menu cannot leave it behind.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "shell/shell.h"
#include "unit1/unit1.h"
#include "unit2/unit2.h"

namespace mebuki {
namespace {

std::string Guide() {
  std::ifstream in(MEBUKI_SOURCE_DIR "/docs/guide-ja.md", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The guide's part on one program: from its heading to the next one.
std::string ProgramPart(const std::string& guide, const std::string& program) {
  const size_t from = guide.find("### " + program + "\n");
  if (from == std::string::npos) return "";
  const size_t to = guide.find("\n#", from + 1);
  return guide.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

TEST(Guide, NamesEverySectionGoalAndPageOfEachMenu) {
  const std::string guide = Guide();
  ASSERT_FALSE(guide.empty());
  for (const Unit* unit : {&unit1::Unit1(), &unit2::Unit2()}) {
    const std::string program = unit->program == 1 ? "mebuki1" : "mebuki2";
    const std::string part = ProgramPart(guide, program);
    ASSERT_FALSE(part.empty()) << program;
    for (const Section& section : unit->sections) {
      EXPECT_NE(part.find("**" + section.menuItem + "**"), std::string::npos) << program << ": " << section.menuItem;
      if (!section.goal.empty()) {
        EXPECT_NE(part.find("めあて「" + section.goal + "」"), std::string::npos) << program << ": " << section.goal;
      }
      // The review sections list their answers as a range, not by name.
      if (section.subMenuLine.find("→") != std::string::npos) continue;
      for (int n = 1; n < section.entries; ++n) {
        EXPECT_NE(part.find("\n- " + PageName(section, n)), std::string::npos)
            << program << ": " << section.menuItem << " " << PageName(section, n);
      }
    }
  }
}

}  // namespace
}  // namespace mebuki
