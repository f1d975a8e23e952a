// The confetti flight-time experiments of mebuki1: the three data lists, the
// routines that load and sort them, and the computations the sections show.
#pragma once

#include <string>

#include "shell/state.h"

namespace mebuki::unit1 {

// DataSetA/B/C in trial order, with their counts.
void LoadExperimentData(State& s);
// Loads, then sorts (ア) and (イ) in place through SummariseData; Summary holds (イ).
void SortExperimentData(State& s);
// Text of a data value for a table cell: 2.1 shows as "2.10".
std::string DataValueText(float value);
// A number text with one decimal gets its second: "2.1" becomes "2.10"; "" stays "".
std::string PadDataText(std::string text);
// Tally class 1-7 of a flight time (1.80-2.00 ... 2.80-2.95, then the rest); 0 below 1.80.
int TallyClass(float value);
// Loads the data, then sums and exact means of (ア) and (イ) in trial order into
// WorkValues(1..4) and their texts.
void ComputeSumsAndMeans(State& s);
// Relative and cumulative relative frequencies of (ウ) into DataValues/DataTexts(11..29).
void ComputeRelativeFrequenciesC(State& s);

}  // namespace mebuki::unit1
