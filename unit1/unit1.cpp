// The menu of mebuki1: one table of sections and pages drives the main menu,
// the section loops and the tests.
#include "unit1/unit1.h"

#include "unit1/sections.h"

namespace mebuki::unit1 {

const Unit& Unit1() {
  static const Unit unit{
      1,
      "Mebuki1",
      {
          {"1　導入、範囲", " ①P214　②P216　③範囲　④終了", 4, "", false, 1760, Section1Pages()},
          {"2　度数分布表、ヒストグラム",
           " ①度数分布表　②累積度数　③ヒストグラム　④話しあって　⑤P220　⑥度数分布多角形　⑦終了", 7,
           "度数分布表やヒストグラムに整理して、データの傾向や特徴を調べよう。", false, 1760, Section2Pages()},
          {"3　代表値、結論をまとめよう",
           " ①代表値　②平均値　③中央値　④最頻値,階級値　⑤問５　⑥話しあおう　⑦結論を　⑧終了", 8,
           "データを代表する値について考えよう。", false, 1760, Section3Pages()},
          {"4　相対度数", " ①P224　②相対度数　③累積相対度数　④問7,8　⑤問9　⑥まとめ　⑦終了", 7,
           "度数の合計が異なる2つの度数分布表を比べよう。", false, 1760, Section4Pages()},
      }};
  return unit;
}

}  // namespace mebuki::unit1
