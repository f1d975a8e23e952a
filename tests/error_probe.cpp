// A program whose only page reads past the end of a table, to show the error
// screen in a real window.
#include "shell/page.h"
#include "shell/program.h"

namespace {

void FaultyPage(mebuki::Page& p) { p.s.DataValues(81) = 1; }

}  // namespace

int main(int argc, char** argv) {
  static const mebuki::Unit unit{1, "Mebuki1", {{"1　テスト", " ①ページ　②終了", 2, "", false, 1760, {{&FaultyPage}}}}};
  return mebuki::RunProgram(argc, argv, unit);
}
