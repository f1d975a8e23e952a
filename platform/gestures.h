// Gestures of one pointer on the picture: a finger on a touch screen or a
// whiteboard, or the mouse with its left button held. A short still press is a
// tap (a click at the point pressed); a quick stroke sideways is a swipe (to
// the right steps back, to the left goes on, as the pages of a book turn); a
// press held still is a long press. Anything else (a stroke up or down, a
// wander) is nothing, so that a hand resting on the board does not turn pages.
//
// Points in picture units, times in milliseconds of any steady clock. Plain
// C++, so that every host reads gestures alike.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/ops.h"

namespace mebuki {

enum class Gesture { kNone, kTap, kSwipeLeft, kSwipeRight, kLongPress };

class GestureReader {
 public:
  static constexpr std::uint32_t kLongPressMs = 600;
  static constexpr float kStill = 24;        // a finger's wobble, in picture units
  static constexpr float kSwipeLength = 150; // the least sideways stroke that turns a page

  void Down(Point at, std::uint32_t ms);
  // kLongPress when the press had been held still long enough before it moved.
  Gesture Move(Point to, std::uint32_t ms);
  // The gesture the release completes: kTap (its point is Start()), a swipe,
  // a long press not yet reported, or kNone (after a long press, or a stroke
  // that is no gesture).
  Gesture Up(Point at, std::uint32_t ms);
  // kLongPress once, as soon as the press has been held still long enough.
  Gesture Poll(std::uint32_t ms);
  // Drops a press in progress (the window lost it, say).
  void Cancel() { pressed_ = false; }

  bool Pressed() const { return pressed_; }
  Point Start() const { return start_; }
  // Milliseconds until a long press falls due; nothing when none can.
  std::optional<std::uint32_t> UntilLongPress(std::uint32_t ms) const;

 private:
  bool Still() const { return !moved_; }
  bool pressed_ = false;
  bool moved_ = false;     // left the still circle at some time
  bool longDone_ = false;  // the long press was reported
  Point start_;
  std::uint32_t since_ = 0;
};

}  // namespace mebuki
