// Numbers as the lessons see them: single-precision values, the number-to-text
// conversion and its inverse, and the random generator.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mebuki {

// The host's number-to-text conversion: a blank (or "-"), then the value to at
// most 6 significant digits, rounded, without trailing zeros and without a zero
// before the point (0.26 gives " .26", 115.97999 gives " 115.98").
// Values whose rounded magnitude is 1e6 or more, or below 1e-5, are written in
// exponent form: mantissa as above, "E", sign and two digits (" 1E+07",
// "-2.5E-07").
std::string NumberText(float value);

// Value of the longest leading decimal number of a text (an optional "-", digits,
// an optional "." with digits; leading blanks skipped); 0 if there is none.
float Val(std::string_view text);

// Whole number nearest to v; a value exactly halfway goes up (2.5 gives 3,
// -2.5 gives -2).
float RoundHalfUp(float v);

// The lessons' random generator (PCG32): the same sequence for the same whole
// seed on every platform and standard library. A plain value, so a snapshot of
// the engine state takes the generator with it.
class Random {
 public:
  void Randomize(int seed);
  // Uniform in [0,1), a multiple of 2^-24.
  float Rnd();

 private:
  std::uint64_t state_ = 0x853c49e6748fea9bULL;
  std::uint64_t inc_ = 0xda3e39cb94b95bdbULL;
  std::uint32_t Next();
};

}  // namespace mebuki
