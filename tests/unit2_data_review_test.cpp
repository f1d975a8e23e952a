// mebuki2 sections 4-6, run with scripted keys: probability from birth data,
// the travel-time table, and the review answer pages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/page.h"
#include "tests/program_support.h"
#include "unit2/sections.h"
#include "unit2/unit2.h"

namespace mebuki::unit2 {
namespace {

using testing::Engine;

// Menu number, Enter, page number, Enter, then one key per pause.
std::string KeysFor(int section, int page, int pauses) {
  return std::to_string(section) + "\r" + std::to_string(page) + "\r" + std::string(static_cast<size_t>(pauses), 'x');
}

struct Box {
  float x1, y1, x2, y2;
  bool Holds(float x, float y) const { return x >= x1 && x < x2 && y >= y1 && y < y2; }
};

// Texts of the symbols drawn inside a box (colour -1: any), in drawing order.
std::string TextIn(const std::vector<SymbolOp>& symbols, Box box, int colour = -1) {
  std::string out;
  for (const auto& sym : symbols) {
    if (box.Holds(sym.x, sym.y) && (colour < 0 || sym.colour == colour)) out += sym.text;
  }
  return out;
}

// The operations drawn after each key of the page, split at the keys: segment 0
// is what the page choice drew, segment k what the k-th pause key drew.
std::vector<std::vector<Op>> StepsAfterKey(const Engine& e, int pageKey) {
  std::vector<std::vector<Op>> steps;
  int keys = 0;
  for (const Op& op : e.host.ops) {
    if (std::holds_alternative<KeyOp>(op)) {
      if (++keys >= pageKey) steps.emplace_back();
      continue;
    }
    if (keys >= pageKey) steps.back().push_back(op);
  }
  return steps;
}

std::vector<SymbolOp> SymbolsOf(const std::vector<Op>& ops) {
  std::vector<SymbolOp> out;
  for (const Op& op : ops) {
    if (const auto* sym = std::get_if<SymbolOp>(&op)) out.push_back(*sym);
  }
  return out;
}

// True when text holds number followed by something other than a digit.
bool HasNumber(const std::string& text, const std::string& number) {
  for (size_t at = text.find(number); at != std::string::npos; at = text.find(number, at + 1)) {
    const size_t next = at + number.size();
    if (next == text.size() || text[next] < '0' || text[next] > '9') return true;
  }
  return false;
}

// ---- Section 4 -------------------------------------------------------------------

TEST(BirthStatistics, ShareCellsFillOnePerKeyAndBoysOnlyAfterQuestion3) {
  // Pauses of the page: the formula, 2007's fraction, each of the ten girls'
  // cells, one more, the girls' conclusion, "問3をやろう。", the boys' column,
  // each of the ten boys' cells: 26. After them the sub-menu waits.
  Engine e(KeysFor(4, 1, 26), 2);
  testing::RunProgram(e, Unit2());
  const auto steps = StepsAfterKey(e, 4);
  ASSERT_EQ(steps.size(), 27u);

  // Share columns: girls x 640-748, boys 748-856; rows 35 high from y = 150.
  auto shareRows = [](const std::vector<SymbolOp>& symbols, float left, float right) {
    std::vector<int> rows;
    for (int row = 0; row < 10; ++row) {
      const float top = 150 + 35.0f * static_cast<float>(row);
      if (!TextIn(symbols, {left, top, right, top + 35}, 5).empty()) rows.push_back(row);
    }
    return rows;
  };
  for (size_t k = 0; k < steps.size(); ++k) {
    SCOPED_TRACE("step " + std::to_string(k));
    const auto symbols = SymbolsOf(steps[k]);
    // Girls' row r appears with step 2 + r (its 2007 value is worked out in step 2),
    // the boys' row r with step 16 + r, after the column itself in step 15.
    const int girls = static_cast<int>(k) - 2, boys = static_cast<int>(k) - 16;
    EXPECT_EQ(shareRows(symbols, 640, 748), (girls >= 0 && girls < 10) ? std::vector<int>{girls} : std::vector<int>{});
    EXPECT_EQ(shareRows(symbols, 748, 856), (boys >= 0 && boys < 10) ? std::vector<int>{boys} : std::vector<int>{});
    for (const Op& op : steps[k]) {
      if (const auto* line = std::get_if<LineOp>(&op); line && line->x1 == 748) {
        EXPECT_GE(k, 15u);
      }
    }
  }
  EXPECT_EQ(TextIn(SymbolsOf(steps[14]), {40, 550, 400, 620}, 7), "問3をやろう。");
  EXPECT_EQ(TextIn(SymbolsOf(steps[26]), {40, 550, 1400, 620}, 5), "日本で男児の生まれる確率はほぼ0.51");
}

TEST(TravelTimes, TotalCumulativeCellIsCrossedByOneDiagonal) {
  Engine e(KeysFor(4, 3, 6), 2);
  testing::RunProgram(e, Unit2());
  const Box cell{1020, 295, 1173, 331};  // the cumulative cell of the "計" row
  std::vector<LineOp> strokes;
  for (const auto& line : e.Lines()) {
    if (line.mode == kLineSegment && cell.Holds(line.x1, line.y1) && cell.Holds(line.x2, line.y2)) {
      strokes.push_back(line);
    }
  }
  ASSERT_EQ(strokes.size(), 1u);
  // Bottom-left corner to top-right corner.
  EXPECT_FLOAT_EQ(strokes[0].x1, 1020);
  EXPECT_FLOAT_EQ(strokes[0].y1, 330);
  EXPECT_FLOAT_EQ(strokes[0].x2, 1172);
  EXPECT_FLOAT_EQ(strokes[0].y2, 295);
  EXPECT_EQ(strokes[0].colour, 0);
  EXPECT_EQ(TextIn(e.Symbols(), cell), "");
  // The cell above it still holds its value.
  EXPECT_EQ(TextIn(e.Symbols(), {1020, 260, 1172, 295}), "1.00");
}

// ---- Section 5 -------------------------------------------------------------------

TEST(GripStrength, RatiosKeepThreePlacesWhileCellsShowTwo) {
  // Pauses: the tables, two worked ratios, seven cumulative cells of each school,
  // one more, the count under 30 kg: 19.
  Engine e(KeysFor(5, 2, 19), 2);
  testing::RunProgram(e, Unit2());
  struct Case {
    int row;             // class row of R's relative frequency
    const char* ratio;   // round(1000 × a / 38) / 1000 with its leading zero
    const char* cell;
  };
  const Case kCases[] = {
      {1, "0.079", "0.08"},  // 3/38 = 0.0789...: 78.9 rounds to 79
      {3, "0.263", "0.26"},  // 10/38 = 0.2631...: 263.1 rounds to 263
      {5, "0.184", "0.18"},  // 7/38 = 0.1842...: 184.2 rounds to 184
  };
  const std::string all = e.SymbolText();
  const auto symbols = e.Symbols();
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.ratio);
    EXPECT_TRUE(HasNumber(all, c.ratio));
    // R's relative column runs from x = 755 to 839; class rows 35 high from 140.
    const float top = 140 + 35.0f * static_cast<float>(c.row);
    EXPECT_EQ(TextIn(symbols, {755, top, 839, top + 35}, 5), c.cell);
  }
  // Only those three cells of R's relative column are worked out (fill 11).
  std::vector<float> worked;
  for (const auto& line : e.Lines()) {
    if (line.mode == kLineFilledBox && line.x1 == 755 && line.fill == 11 && line.y1 >= 140) worked.push_back(line.y1);
  }
  // Each is drawn twice: blank, then with its value.
  EXPECT_EQ(worked, (std::vector<float>{175, 245, 315, 175, 245, 315}));
}

TEST(Buttons, FacesDownAreThrowsMinusFacesUp) {
  Engine e(KeysFor(5, 3, 5), 2);
  testing::RunProgram(e, Unit2());
  const auto symbols = e.Symbols();
  // Column "裏" from x = 960, rows A and B from y = 100 and 150, 50 high.
  EXPECT_EQ(TextIn(symbols, {960, 100, 1080, 150}), "1580");  // 2800 - 1220
  EXPECT_EQ(TextIn(symbols, {960, 150, 1080, 200}), "2097");  // 3500 - 1403
  EXPECT_EQ(e.s.DataTexts(2), "1580");
  EXPECT_EQ(e.s.DataTexts(5), "2097");
}

// ---- Section 6 -------------------------------------------------------------------

TEST(Histograms, ShowNoHorizontalCaptionWhateverWasLeft) {
  Engine e(std::string(5, 'x'), 2);  // the page's five pauses
  // Left over from an earlier page: a horizontal caption and a label on row 5.
  e.s.AxisTextX(0) = "(点)";
  e.s.AxisTextY(5) = "上限";
  Page p(e.s);
  try {
    Section6Pages()[0].draw(p);
  } catch (const EndOfRun&) {
  }
  const std::string all = e.SymbolText();
  EXPECT_EQ(all.find("点"), std::string::npos);
  EXPECT_EQ(all.find("上限"), std::string::npos);
}

TEST(Histograms, BarsStandOnTheirClasses) {
  Engine e(std::string(5, 'x'), 2);
  Page p(e.s);
  try {
    Section6Pages()[0].draw(p);
  } catch (const EndOfRun&) {
  }
  struct Case {
    const char* name;
    float left, top;
    std::vector<float> frequencies;  // columns 1 to 10
  };
  const Case kCases[] = {
      {"ア", 500, 70, {0, 5, 12, 16, 12, 5, 0, 0, 0, 0}},
      {"イ", 890, 70, {0, 0, 6, 18, 12, 6, 4, 3, 1, 0}},
      {"ウ", 500, 340, {1, 2, 5, 10, 14, 10, 5, 2, 1, 0}},
      {"エ", 890, 340, {0, 0, 0, 2, 4, 6, 10, 12, 16, 0}},
  };
  std::vector<LineOp> bars;
  for (const auto& line : e.Lines()) {
    if (line.mode == kLineFilledBox && line.fill == 13 && line.x1 >= 500) bars.push_back(line);
  }
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    // Grid 5 rows of 40 for 5 counts each: 8 units a count up from top + 200.
    const float bottom = c.top + 200;
    for (size_t i = 1; i <= c.frequencies.size(); ++i) {
      const float x = c.left + 30 * static_cast<float>(i);
      int found = 0;
      for (const auto& bar : bars) {
        if (bar.x1 != x || bar.y2 != bottom) continue;
        ++found;
        EXPECT_FLOAT_EQ(bar.y1, bottom - 8 * c.frequencies[i - 1]);
        EXPECT_FLOAT_EQ(bar.x2, x + 30);
      }
      EXPECT_EQ(found, 1) << "column " << i;
    }
  }
}

}  // namespace
}  // namespace mebuki::unit2
