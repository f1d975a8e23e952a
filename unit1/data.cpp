// The confetti experiments: flight times in seconds of paper dropped from 2 m.
// Every computation here is done in single precision, in the order the pages
// show it, so that computed texts agree with the fixed ones.
#include "unit1/data.h"

#include <array>

#include "charts/charts.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace mebuki::unit1 {

namespace {

// (ア) a square of side 1 cm, in trial order.
constexpr std::array<float, 50> kPaperA = {
    2.48f, 2.36f, 2.17f, 2.16f, 2.09f, 2.36f, 2.48f, 2.38f, 2.35f, 2.10f,  //
    2.28f, 2.44f, 2.22f, 2.51f, 1.94f, 2.41f, 2.62f, 2.71f, 2.23f, 2.38f,  //
    2.16f, 2.36f, 2.33f, 2.36f, 2.44f, 2.21f, 2.30f, 2.25f, 2.08f, 2.78f,  //
    2.40f, 2.04f, 2.11f, 2.25f, 2.45f, 2.60f, 2.28f, 2.11f, 2.16f, 2.24f,  //
    2.21f, 2.24f, 2.43f, 2.27f, 2.35f, 2.19f, 2.42f, 2.43f, 2.49f, 2.37f,
};

// (イ) a square of side 2 cm.
constexpr std::array<float, 50> kPaperB = {
    2.36f, 2.58f, 2.87f, 2.72f, 2.63f, 2.92f, 2.68f, 2.72f, 3.04f, 2.82f,  //
    2.77f, 2.70f, 2.49f, 2.70f, 2.75f, 2.83f, 2.76f, 2.64f, 2.67f, 2.50f,  //
    3.04f, 2.57f, 2.91f, 2.94f, 2.59f, 2.70f, 2.86f, 2.68f, 2.57f, 2.80f,  //
    2.84f, 3.01f, 2.59f, 2.54f, 2.81f, 2.86f, 2.89f, 2.92f, 2.74f, 2.53f,  //
    2.42f, 2.50f, 2.51f, 2.98f, 2.50f, 2.69f, 2.94f, 2.69f, 2.70f, 2.64f,
};

// (ウ) a rectangle of 4 cm by 1 cm, the area of (イ).
constexpr std::array<float, 30> kPaperC = {
    4.05f, 2.97f, 3.04f, 3.36f, 3.03f, 4.01f, 2.72f, 3.53f, 3.65f, 3.34f,  //
    3.42f, 3.26f, 3.06f, 3.39f, 3.20f, 3.38f, 3.04f, 3.33f, 3.31f, 2.51f,  //
    3.43f, 2.90f, 2.94f, 3.11f, 3.81f, 3.71f, 3.27f, 3.73f, 2.99f, 2.80f,
};

// Frequencies of (ウ) in its nine classes of 0.20 s from 2.40, and their total.
constexpr std::array<float, 10> kFrequenciesC = {1, 1, 5, 5, 9, 3, 3, 1, 2, 30};

// Upper bounds of the tally classes 1 to 6; class 7 takes the rest.
constexpr std::array<float, 6> kTallyUpperBounds = {2.0f, 2.2f, 2.4f, 2.6f, 2.8f, 2.95f};
constexpr float kTallyLowest = 1.8f;

template <size_t N>
void Fill(Table<float>& table, const std::array<float, N>& values) {
  for (size_t i = 0; i < N; ++i) table(static_cast<int>(i) + 1) = values[i];
}

// Sorts one list of 50 through the data list, as the summary routine sorts.
void SortList(State& s, Table<float>& list) {
  for (int i = 1; i <= 50; ++i) s.DataValues(i) = list(i);
  s.DataCount = 50;
  SummariseData(s);
  for (int i = 1; i <= 50; ++i) list(i) = s.DataValues(i);
}

}  // namespace

void LoadExperimentData(State& s) {
  Fill(s.DataSetA, kPaperA);
  Fill(s.DataSetB, kPaperB);
  Fill(s.DataSetC, kPaperC);
  s.DataSetACount = 50;
  s.DataSetBCount = 50;
  s.DataSetCCount = 30;
}

void SortExperimentData(State& s) {
  LoadExperimentData(s);
  SortList(s, s.DataSetA);
  SortList(s, s.DataSetB);
}

std::string DataValueText(float value) { return PadDataText(NumberString(value)); }

std::string PadDataText(std::string text) {
  // Trailing zeros are not written: "2.1" gets its second decimal back, to line up with "2.48".
  if (text.size() == 3) text += "0";
  return text;
}

int TallyClass(float value) {
  // Below the first class there is no row to tally into.
  if (value < kTallyLowest) return 0;
  for (size_t i = 0; i < kTallyUpperBounds.size(); ++i) {
    if (value < kTallyUpperBounds[i]) return static_cast<int>(i) + 1;
  }
  return 7;
}

void ComputeSumsAndMeans(State& s) {
  LoadExperimentData(s);
  s.WorkValues(1) = 0;
  s.WorkValues(3) = 0;
  for (int i = 1; i <= 50; ++i) {
    s.WorkValues(1) += s.DataSetA(i);
    s.WorkValues(3) += s.DataSetB(i);
  }
  s.WorkValues(2) = s.WorkValues(1) / 50;
  s.WorkValues(4) = s.WorkValues(3) / 50;
  RefreshDataTexts(s);
}

void ComputeRelativeFrequenciesC(State& s) {
  for (int i = 1; i <= 10; ++i) s.DataValues(i) = kFrequenciesC[static_cast<size_t>(i - 1)];
  // Two decimals, rounded to nearest.
  for (int i = 1; i <= 9; ++i) s.DataValues(10 + i) = RoundHalfUp(100 * s.DataValues(i) / 30) / 100;
  s.DataValues(20) = 0;
  for (int i = 1; i <= 9; ++i) s.DataValues(20 + i) = s.DataValues(19 + i) + s.DataValues(10 + i);
  RefreshDataTexts(s);
  // The number texts write a fraction without its leading zero (".3", ".03").
  for (int i = 11; i <= 29; ++i) {
    std::string& text = s.DataTexts(i);
    text = text.size() == 2 ? "0" + text + "0" : "0" + text;
  }
  s.DataTexts(20) = "1.00";  // total of the relative frequencies
  s.DataTexts(29) = "1.00";  // last cumulative value
}

}  // namespace mebuki::unit1
