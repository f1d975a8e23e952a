// The one answer to every run-time error: a line on a blank window, until the
// window is closed.
#include "platform/text.h"
#include "shell/draw.h"
#include "shell/shell.h"

namespace mebuki {

// Locations are 100 x section + page (0 at the menus); codes are those of
// shell/state.h. Both are written with their leading blank, as numbers are.
void ShowErrorScreen(State& s, const RuntimeError& error) {
  s.Measuring = 0;
  Cls(s);
  const std::string message = NumberText(static_cast<float>(s.Location)) + "," +
                              NumberText(static_cast<float>(error.code)) +
                              "エラーが発生しました。マウスで×をクリックして下さい。";
  // The message is in the light cream of the menu items, unreadable on white:
  // it stands on the menu panel's navy instead, in its own place.
  float width = 0;
  for (const std::string& ch : Characters(message)) width += (ByteLength(ch) == 1 ? 0.5f : 1.0f) * s.Font.size;
  FilledBox(s, 288 - 16, 432 - 8, 288 + width + 16, 432 + s.Font.size + 8, 10, 10);
  Symbol(s, 288, 432, message, 1, 1, 13);
  s.host->IdleUntilClosed();
  // Without a window to close, the run ends here, with a status of its own.
  throw EndOfRun{3};
}

}  // namespace mebuki
