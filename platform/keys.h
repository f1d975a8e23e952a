// Keys as Inkey returns them: one character each.
//
// Printable keys give their character; full-width digits and signs that arrive
// through an input method count as their half-width forms. Enter (either) gives
// code 13, Backspace 8, Delete and Escape 12 (the clear key). Keys without a
// character give the control codes below, all of which number entry ignores, so
// they still end a pause. A modifier alone is no key.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mebuki::keys {

inline constexpr char kEnter = 13;
inline constexpr char kBackspace = 8;
inline constexpr char kClear = 12;
inline constexpr char kHome = 1;
inline constexpr char kEnd = 2;
inline constexpr char kPageUp = 3;
inline constexpr char kPageDown = 4;
inline constexpr char kInsert = 5;
inline constexpr char kTab = 9;
inline constexpr char kF1 = 14;  // F1-F12 are 14-25
inline constexpr char kRight = 28;
inline constexpr char kLeft = 29;
inline constexpr char kUp = 30;
inline constexpr char kDown = 31;

// Maps text typed through the keyboard or an input method to a key: full-width
// "０"-"９", "－", "．", "／" become their half-width forms; other single
// characters pass unchanged; empty or multi-character text gives nothing.
std::optional<std::string> FromTypedText(std::string_view utf8);

// Decodes a --keys argument: "\n" and "\r" are Enter, "\b" Backspace, "\f" the
// clear key, "\\" a backslash; every other character is itself.
std::string DecodeScript(std::string_view arg);

}  // namespace mebuki::keys
