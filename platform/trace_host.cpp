#include "platform/trace_host.h"

namespace mebuki {

TraceHost::TraceHost(Host& inner, const std::string& path) : inner_(inner), out_(path) {}

void TraceHost::Write(const Op& op) {
  out_.Write(ToJson(op) + '\n');
  unflushed_ = true;
}

void TraceHost::Line(const LineOp& op) {
  Write(op);
  inner_.Line(op);
}
void TraceHost::Circle(const CircleOp& op) {
  Write(op);
  inner_.Circle(op);
}
void TraceHost::Connect(const ConnectOp& op) {
  Write(op);
  inner_.Connect(op);
}
void TraceHost::Symbol(const SymbolOp& op) {
  Write(op);
  inner_.Symbol(op);
}
void TraceHost::Cls() {
  Write(ClsOp{});
  inner_.Cls();
}
std::string TraceHost::Inkey() {
  // Whatever was drawn is in the file before the program waits, so that a
  // test watching the trace sees each step as it is shown.
  if (unflushed_) {
    out_.Flush();
    unflushed_ = false;
  }
  std::string key = inner_.Inkey();
  if (!key.empty()) Write(KeyOp{key});
  return key;
}
std::optional<Point> TraceHost::TakeClick() {
  std::optional<Point> click = inner_.TakeClick();
  if (click) Write(ClickOp{click->x, click->y});
  return click;
}
void TraceHost::Wait() {
  Write(WaitOp{});
  inner_.Wait();
}
void TraceHost::IdleUntilClosed() {
  out_.Flush();
  inner_.IdleUntilClosed();
}

}  // namespace mebuki
