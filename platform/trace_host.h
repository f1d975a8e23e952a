// Wraps a host and writes every call to a JSON-lines trace, in call order. The
// trace takes its name when the run ends (see platform/output_file.h); while it
// runs, it is NAME.part.
#pragma once

#include <string>

#include "platform/host.h"
#include "platform/output_file.h"

namespace mebuki {

class TraceHost : public Host {
 public:
  TraceHost(Host& inner, const std::string& path);
  bool ok() const { return out_.ok(); }
  const std::string& error() const { return out_.error(); }
  // Completes the file; false when any of it could not be written.
  bool Commit() { return out_.Commit(); }

  void Line(const LineOp& op) override;
  void Circle(const CircleOp& op) override;
  void Connect(const ConnectOp& op) override;
  void Symbol(const SymbolOp& op) override;
  void Cls() override;
  std::string Inkey() override;
  std::optional<Point> TakeClick() override;
  void Wait() override;
  void Show() override { inner_.Show(); }
  std::optional<double> TakeKeyToShownMs() override { return inner_.TakeKeyToShownMs(); }
  std::string Time() override { return inner_.Time(); }
  void NumberEntry(bool reading) override { inner_.NumberEntry(reading); }  // not traced
  void MaximizeWindow() override { inner_.MaximizeWindow(); }
  void IdleUntilClosed() override;
  bool WritePng(const std::string& path) override { return inner_.WritePng(path); }
  void PageComplete(const PageLabel& label) override { inner_.PageComplete(label); }

 private:
  void Write(const Op& op);
  Host& inner_;
  OutputFile out_;
  bool unflushed_ = false;
};

}  // namespace mebuki
