#include "platform/help_text.h"

#include <array>

namespace mebuki {

namespace {

constexpr std::array<HelpLine, 8> kLines = {{
    {"数字　Enter", "番号を選ぶ・数を入れる（3/4 は 0.75）"},
    {"Backspace　Delete　Esc", "入力をすべて消す"},
    {"何かキー　クリック", "「何かキーを押して下さい。」で次へ"},
    {"PageUp　←　ホイールを上へ", "ひとつ前の段階にもどる"},
    {"クリック　タッチ", "メニューの項目を選ぶ"},
    {"F11　Alt+Enter", "全画面表示にする・もどす"},
    {"スライド用リモコン", "「次へ」で進む・「前へ」でもどる"},
    {"F1", "この説明を出す"},
}};

constexpr HelpText kHelp{"操作のしかた", kLines, "何かキーを押すかクリックすると閉じます。"};

}  // namespace

const HelpText& Help() { return kHelp; }

}  // namespace mebuki
