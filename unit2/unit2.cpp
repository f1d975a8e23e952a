// The menu of mebuki2: one table of sections and pages drives the main menu,
// the section loops and the tests.
#include "unit2/unit2.h"

#include "unit2/sections.h"

namespace mebuki::unit2 {

const Unit& Unit2() {
  static const Unit unit{
      2,
      "Mebuki2",
      {
          {"1　グラフや分布のようすの読みとり", " ①P229話しあおう　②ひろげよう　③ヒストグラムで　④終了", 4,
           "グラフやデータの分布のようすを読みとろう。", false, 1760, Section1Pages()},
          {"2　度数分布表での平均値", " ①平均値　②問１　③練習　④終了", 4, "度数分布表から平均値を求めよう。",
           false, 1760, Section2Pages()},
          {"3　確率の意味", "①P233　②確率の意味　③話しあおう　④問２　⑤終了", 5,
           "ことがらの起こりやすさを割合で表そう。", true, 1600, Section3Pages()},
          {"4　データをもとにした確率", "①P236ひろげよう　②問4　③問5　④終了", 4,
           "実験をおこなうことができないことがらの確率を考えよう。", true, 1600, Section4Pages()},
          {"5　学びをたしかめよう", "P238(学びをたしかめよう)の解答　①～③→解答　 ④→終了", 4, "", false, 1760,
           Section5Pages()},
          {"6　学びを身につけよう", "P239(学びを身につけよう)の解答　①,②→解答　　　　③→終了", 3, "", false,
           1760, Section6Pages()},
      }};
  return unit;
}

}  // namespace mebuki::unit2
