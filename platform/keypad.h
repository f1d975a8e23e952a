// The on-screen keypad: large buttons for the thirteen characters of number
// entry, the clear key and Enter, shown while a number is read and the last
// input was a click or a touch, so that a tablet or a whiteboard with no
// keyboard can answer every prompt.
//
// Each button sends its key (platform/keys.h) exactly as if it had been typed,
// so the echo, the value and the trace are those of the typed entry. The keypad
// is the host's own: it is drawn on the shown pixels only, never into the kept
// picture. Where the window's shape leaves a margin beside or below the
// 1440 x 900 picture wide enough for large buttons, the keypad lives there and
// covers nothing of the lesson; otherwise it is a panel over the picture's
// lower right corner, under the entry, until the number is entered.
//
// Plain geometry, in device pixels, so that every host lays it out alike.
#pragma once

#include <string_view>
#include <vector>

namespace mebuki {

struct KeypadRect {
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // half-open
  bool Contains(float x, float y) const { return x >= x0 && x < x1 && y >= y0 && y < y1; }
  bool Overlaps(const KeypadRect& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

struct KeypadButton {
  KeypadRect rect;
  char key;                // the key it sends
  std::string_view label;  // UTF-8
  bool primary;            // Enter: drawn in the accent colour
};

struct Keypad {
  bool overlay = false;  // over the picture (false: in the margin beside or below it)
  KeypadRect panel;      // the whole keypad, buttons and their frame
  std::vector<KeypadButton> buttons;

  // The button under a device point, or nullptr.
  const KeypadButton* ButtonAt(float x, float y) const;
};

// Where the 1440 x 900 picture lies on a surface of width x height pixels:
// scaled uniformly to fit and centred, as the canvas draws it.
KeypadRect PictureArea(int width, int height);

// The keypad for a surface of width x height device pixels. `unit` is the
// device pixels of one CSS pixel or point (1 in the window, devicePixelRatio
// in a browser): the smallest button that counts as large is measured in it.
Keypad LayOutKeypad(int width, int height, float unit = 1);

}  // namespace mebuki
