#include "platform/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace mebuki {

namespace {

// Removes trailing zeros (and a trailing point) from a digit string with a point.
std::string TrimZeros(std::string digits) {
  if (digits.find('.') == std::string::npos) return digits;
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (!digits.empty() && digits.back() == '.') digits.pop_back();
  return digits;
}

}  // namespace

std::string NumberText(float value) {
  const double v = value;
  if (std::isnan(v)) return " NaN";
  if (std::isinf(v)) return v < 0 ? "-Inf" : " Inf";
  const std::string sign = std::signbit(v) && v != 0 ? "-" : " ";
  const double a = std::fabs(v);
  if (a == 0) return " 0";
  // Whole numbers of up to six digits are written as they are; most of the
  // numbers the lessons refresh (counts, empty table entries) are such.
  if (a < 1e6 && a == std::floor(a)) return sign + std::to_string(static_cast<long>(a));

  // Six significant digits, correctly rounded from the single-precision value.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.5e", a);
  std::string mantissa(buf, 7);  // "d.ddddd"
  const int exponent = std::atoi(buf + 8);

  if (exponent >= 6 || exponent < -5) {
    std::string m = TrimZeros(mantissa);
    std::snprintf(buf, sizeof buf, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return sign + m + buf;
  }
  std::string digits = mantissa.substr(0, 1) + mantissa.substr(2);  // six digits
  std::string text;
  if (exponent >= 0) {
    text = digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
  } else {
    text = "." + std::string(-exponent - 1, '0') + digits;  // no zero before the point
  }
  return sign + TrimZeros(text);
}

float Val(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  const size_t start = i;
  if (i < text.size() && text[i] == '-') ++i;
  size_t digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    size_t j = i + 1, fraction = 0;
    while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j, ++fraction;
    if (fraction > 0 || digits > 0) {
      digits += fraction;
      i = j;
    }
  }
  if (digits == 0) return 0;
  std::string number(text.substr(start, i - start));
  return static_cast<float>(std::strtod(number.c_str(), nullptr));
}

float RoundHalfUp(float v) { return static_cast<float>(std::floor(static_cast<double>(v) + 0.5)); }

void Random::Randomize(int seed) {
  state_ = 0;
  inc_ = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(seed)) << 1u) | 1u;
  Next();
  state_ += 0x853c49e6748fea9bULL;
  Next();
}

std::uint32_t Random::Next() {
  std::uint64_t old = state_;
  state_ = old * 6364136223846793005ULL + inc_;
  auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  auto rot = static_cast<std::uint32_t>(old >> 59u);
  return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

float Random::Rnd() { return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f); }

}  // namespace mebuki
