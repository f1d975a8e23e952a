// Prints the on-screen keypad of a window of the given size, for the
// real-window tests: "overlay" or "margin", the panel, then one line per button
// with the key it sends (as a decimal code) and the centre of the button.
//   keypad_probe WIDTH HEIGHT
#include <cstdio>
#include <cstdlib>

#include "platform/keypad.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const mebuki::Keypad pad = mebuki::LayOutKeypad(std::atoi(argv[1]), std::atoi(argv[2]));
  std::printf("%s %d %d %d %d\n", pad.overlay ? "overlay" : "margin", static_cast<int>(pad.panel.x0),
              static_cast<int>(pad.panel.y0), static_cast<int>(pad.panel.x1), static_cast<int>(pad.panel.y1));
  for (const mebuki::KeypadButton& b : pad.buttons) {
    std::printf("%d %d %d\n", b.key, static_cast<int>((b.rect.x0 + b.rect.x1) / 2),
                static_cast<int>((b.rect.y0 + b.rect.y1) / 2));
  }
  return 0;
}
