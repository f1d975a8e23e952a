// Dimension marks on paper figures: a dotted line or half-ellipse between two
// corners with the length written beside its middle.
//
// Angles are in radians, counter-clockwise as seen on the screen (whose y grows
// downwards), from the direction of growing x. The mark is laid out as if the
// segment ran horizontally to the right of P1 and then turned about P1 onto the
// real segment.
#include <cmath>
#include <string>
#include <utility>

#include "charts/charts.h"
#include "shell/draw.h"
#include "typeset/typeset.h"

namespace mebuki {

namespace {

constexpr float kPi = 3.14159f;

struct Vec {
  float x, y;
};

// Direction of the segment from a to b, in [0, 2 pi).
float DirectionAngle(Vec a, Vec b) {
  if (b.y < a.y) return kPi / 2 + std::atan((b.x - a.x) / (b.y - a.y));
  if (b.y > a.y) return 3 * kPi / 2 + std::atan((b.x - a.x) / (b.y - a.y));
  return b.x > a.x ? 0.0f : kPi;
}

float Distance(Vec a, Vec b) {
  const float dx = b.x - a.x, dy = b.y - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

// Point of the half-ellipse at angle a (degrees), turned onto the real segment.
Vec MarkPoint(Vec p1, float r, float k, float theta, float degrees) {
  const float a = degrees * kPi / 180;
  const Vec q{p1.x + r + r * std::cos(a), p1.y - k * std::sin(a)};
  const float rho = Distance(p1, q);
  const float phi = DirectionAngle(p1, q);
  return {p1.x + rho * std::cos(theta + phi), p1.y - rho * std::sin(theta + phi)};
}

}  // namespace

void DrawArcLabel(State& s) {
  const Vec p1{s.ArcStartX, s.ArcStartY}, p2{s.ArcEndX, s.ArcEndY};
  float k = std::fabs(s.ArcBulge);
  if (k >= 1 && k <= 15) k *= 16;
  const float r = Distance(p1, p2) / 2;
  const float theta = DirectionAngle(p1, p2);

  // The upper half of the ellipse lies left of P1 -> P2, the lower half right.
  const float first = s.ArcSide == -1 ? 0.0f : 180.0f;
  const float last = first + 180;
  if (s.ArcStep > 0) {
    for (float j = 0; first + j * s.ArcStep <= last; ++j) {
      const Vec dot = MarkPoint(p1, r, k, theta, first + j * s.ArcStep);
      Circle(s, dot.x, dot.y, 0.5f, s.ArcDotColour);
    }
  }

  // The label's box touches the middle of the mark from outside, along the
  // bisector of the angle P1-M-P2.
  const Vec m = MarkPoint(p1, r, k, theta, (first + last) / 2);
  const float w = MeasureMarkupText(s, s.ArcLabel);
  const float h = s.ArcLabel.find("ﾀ") != std::string::npos ? 40.0f : 22.0f;
  float a1 = DirectionAngle(m, p1), a2 = DirectionAngle(m, p2);
  if (s.ArcSide == -1) std::swap(a1, a2);
  float beta = (a1 + a2) / 2;
  if (a2 < a1) beta += kPi;
  s.TextX = m.x + w * (std::cos(beta) / 2 - 0.5f);
  s.TextY = m.y - 2 * h * (std::sin(beta) / 2 + 0.5f);
  s.TextLine = s.ArcLabel;
  DrawMarkupText(s);
  s.ArcLabel = "";
}

}  // namespace mebuki
