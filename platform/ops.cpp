#include "platform/ops.h"

#include <cstdio>

#include "platform/float_text.h"

namespace mebuki {

namespace {

std::string Num(float v) { return ShortestFloatText(v); }

std::string Str(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string Bool(bool b) { return b ? "true" : "false"; }

struct Writer {
  std::string operator()(const LineOp& o) const {
    return "{\"op\":\"line\",\"x1\":" + Num(o.x1) + ",\"y1\":" + Num(o.y1) + ",\"x2\":" + Num(o.x2) +
           ",\"y2\":" + Num(o.y2) + ",\"colour\":" + std::to_string(o.colour) + ",\"mode\":" + std::to_string(o.mode) +
           ",\"fill\":" + std::to_string(o.fill) + ",\"style\":" + std::to_string(o.style) + ",\"pen\":" + Num(o.pen) +
           "}";
  }
  std::string operator()(const CircleOp& o) const {
    return "{\"op\":\"circle\",\"x\":" + Num(o.x) + ",\"y\":" + Num(o.y) + ",\"r\":" + Num(o.r) +
           ",\"colour\":" + std::to_string(o.colour) + ",\"pen\":" + Num(o.pen) + "}";
  }
  std::string operator()(const ConnectOp& o) const {
    std::string pts;
    for (const auto& p : o.points) pts += (pts.empty() ? "[" : ",[") + Num(p.x) + "," + Num(p.y) + "]";
    return "{\"op\":\"connect\",\"points\":[" + pts + "],\"colour\":" + std::to_string(o.colour) +
           ",\"fill\":" + (o.fill ? std::to_string(*o.fill) : "null") + ",\"pen\":" + Num(o.pen) + "}";
  }
  std::string operator()(const SymbolOp& o) const {
    return "{\"op\":\"symbol\",\"x\":" + Num(o.x) + ",\"y\":" + Num(o.y) + ",\"text\":" + Str(o.text) +
           ",\"h\":" + Num(o.h) + ",\"v\":" + Num(o.v) + ",\"colour\":" + std::to_string(o.colour) +
           ",\"face\":" + Str(o.font.face) + ",\"size\":" + Num(o.font.size) + ",\"bold\":" + Bool(o.font.bold) +
           ",\"italic\":" + Bool(o.font.italic) + "}";
  }
  std::string operator()(const ClsOp&) const { return "{\"op\":\"cls\"}"; }
  std::string operator()(const WaitOp&) const { return "{\"op\":\"wait\"}"; }
  std::string operator()(const KeyOp& o) const { return "{\"op\":\"key\",\"key\":" + Str(o.key) + "}"; }
  std::string operator()(const ClickOp& o) const {
    return "{\"op\":\"click\",\"x\":" + Num(o.x) + ",\"y\":" + Num(o.y) + "}";
  }
};

}  // namespace

std::string ToJson(const Op& op) { return std::visit(Writer{}, op); }

}  // namespace mebuki
