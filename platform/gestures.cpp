#include "platform/gestures.h"

#include <cmath>

namespace mebuki {

void GestureReader::Down(Point at, std::uint32_t ms) {
  pressed_ = true;
  moved_ = false;
  longDone_ = false;
  start_ = at;
  since_ = ms;
}

Gesture GestureReader::Move(Point to, std::uint32_t ms) {
  if (!pressed_) return Gesture::kNone;
  const Gesture held = Poll(ms);  // held long enough before it moved
  if (std::hypot(to.x - start_.x, to.y - start_.y) > kStill) moved_ = true;
  return held;
}

Gesture GestureReader::Up(Point at, std::uint32_t ms) {
  if (!pressed_) return Gesture::kNone;
  const Gesture held = Move(at, ms);
  pressed_ = false;
  if (held != Gesture::kNone) return held;
  if (longDone_) return Gesture::kNone;
  if (Still()) return Gesture::kTap;
  const float dx = at.x - start_.x, dy = at.y - start_.y;
  if (std::abs(dx) >= kSwipeLength && std::abs(dx) >= 2 * std::abs(dy)) {
    return dx > 0 ? Gesture::kSwipeRight : Gesture::kSwipeLeft;
  }
  return Gesture::kNone;
}

Gesture GestureReader::Poll(std::uint32_t ms) {
  if (!pressed_ || longDone_ || moved_ || ms - since_ < kLongPressMs) return Gesture::kNone;
  longDone_ = true;
  return Gesture::kLongPress;
}

std::optional<std::uint32_t> GestureReader::UntilLongPress(std::uint32_t ms) const {
  if (!pressed_ || longDone_ || moved_) return std::nullopt;
  const std::uint32_t held = ms - since_;
  return held >= kLongPressMs ? 0 : kLongPressMs - held;
}

}  // namespace mebuki
