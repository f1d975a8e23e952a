#include "platform/float_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#if !defined(__EMSCRIPTEN__)
#include <charconv>
#endif

namespace mebuki {

namespace {

bool ReadsBackAs(const std::string& text, float v) { return std::strtof(text.c_str(), nullptr) == v; }

// "d.ddde+XX" from digits (the first before the point) and a decimal exponent.
std::string Exponent(const std::string& digits, int exponent) {
  char e[16];
  std::snprintf(e, sizeof e, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "") + e;
}

std::string Fixed(const std::string& digits, int exponent) {
  const int n = static_cast<int>(digits.size());
  if (exponent < 0) return "0." + std::string(-exponent - 1, '0') + digits;
  if (n <= exponent + 1) return digits + std::string(exponent + 1 - n, '0');
  return digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
}

// The digits one unit up or down in their last place ("" when they would
// change their count).
std::string Step(std::string digits, int by) {
  for (size_t i = digits.size(); i-- > 0;) {
    const int d = digits[i] - '0' + by;
    if (d >= 0 && d <= 9) {
      digits[i] = static_cast<char>('0' + d);
      return digits[0] == '0' ? "" : digits;
    }
    digits[i] = by > 0 ? '0' : '9';
  }
  return "";
}

// The nearest decimal of this many digits that reads back as a, if any; at a
// power of two the float's neighbours are unevenly far, and a decimal on the
// wider side may read back where the nearest does not.
bool DigitsThatReadBack(float a, int precision, std::string& digits, int& exponent) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*e", precision - 1, static_cast<double>(a));
  const std::string text(buf);
  const size_t e = text.find('e');
  const std::string nearest = text.substr(0, 1) + (precision > 1 ? text.substr(2, e - 2) : "");
  exponent = std::atoi(text.c_str() + e + 1);
  for (const std::string& candidate : {nearest, Step(nearest, 1), Step(nearest, -1)}) {
    if (!candidate.empty() && ReadsBackAs(Exponent(candidate, exponent), a)) {
      digits = candidate;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string ShortestFloatTextPortable(float v) {
  if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
  if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
  const std::string sign = std::signbit(v) ? "-" : "";
  const float a = std::fabs(v);
  if (a == 0) return sign + "0";
  // Whole numbers (the counts, most of what the lessons write) need no search:
  // below 2^24 every whole number is a float a unit or less from the next, so
  // its digits, less the zeros at their end, are the fewest that read back.
  if (a < 16777216.0f && a == std::floor(a)) {
    const std::string whole = std::to_string(static_cast<long>(a));
    std::string digits = whole;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const std::string exp = Exponent(digits, static_cast<int>(whole.size()) - 1);
    return sign + (whole.size() <= exp.size() ? whole : exp);
  }
  // The fewest digits that read back (nine always do): more digits never read
  // back worse, so the count is found by halving.
  int lo = 1, hi = 9;
  std::string digits;
  int exponent = 0;
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (DigitsThatReadBack(a, mid, digits, exponent)) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  DigitsThatReadBack(a, lo, digits, exponent);
  std::string fixed = Fixed(digits, exponent);
  const std::string exp = Exponent(digits, exponent);
  if (exponent + 1 > static_cast<int>(digits.size())) {
    // Zeros would fill the places after the digits; the float's own whole
    // value (it is whole there) is as short and nearer.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0f", static_cast<double>(a));
    fixed = buf;
  }
  return sign + (fixed.size() <= exp.size() ? fixed : exp);
}

std::string ShortestFloatText(float v) {
#if defined(__EMSCRIPTEN__)
  return ShortestFloatTextPortable(v);
#else
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return ec == std::errc() ? std::string(buf, end) : "0";
#endif
}

}  // namespace mebuki
