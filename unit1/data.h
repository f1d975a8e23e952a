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
// Text of a data value for a table cell: "2.1" becomes "2.10"; "" stays "".
std::string DataValueText(float value);
// Tally class 1-7 of a flight time.
int TallyClass(float value);
// Sums and exact means of (ア) and (イ) into WorkValues(1..4) and their texts.
void ComputeSumsAndMeans(State& s);
// Relative and cumulative relative frequencies of (ウ) into DataValues/DataTexts(11..29).
void ComputeRelativeFrequenciesC(State& s);

}  // namespace mebuki::unit1
