// Export of finished pages: a host over the headless canvas that keeps every
// completed page, either as one page of an A4 landscape PDF (vector, fonts
// embedded, with a footer and an outline by section) or as a PNG file per page.
#pragma once

#include <cairo.h>

#include <memory>
#include <string>

#include "platform/headless_host.h"
#include "platform/hosts.h"
#include "platform/output_file.h"

namespace mebuki {

class ExportHost : public PageExporter {
 public:
  // target: "FILE.pdf" for a PDF, otherwise a directory for PNG files.
  // dateTime ("YYYY-MM-DDTHH:MM:SS") is written as the PDF's creation date.
  // Whether the target can be written is known at once (ok, error).
  ExportHost(HeadlessHost& inner, std::string target, const std::string& dateTime);
  ~ExportHost() override;  // a PDF not finished is not left behind
  bool ok() const override { return error_.empty(); }
  // Why the export failed: the system's reason, as "Permission denied".
  const std::string& error() const override { return error_; }
  // Completes the PDF; false when any page could not be written.
  bool Finish() override;
  int pages() const { return pages_; }

  void Line(const LineOp& op) override { inner_.Line(op); }
  void Circle(const CircleOp& op) override { inner_.Circle(op); }
  void Connect(const ConnectOp& op) override { inner_.Connect(op); }
  void Symbol(const SymbolOp& op) override { inner_.Symbol(op); }
  void Cls() override { inner_.Cls(); }
  std::string Inkey() override { return inner_.Inkey(); }
  void Wait() override { inner_.Wait(); }
  void Show() override { inner_.Show(); }
  std::string Time() override { return inner_.Time(); }
  void NumberEntry(bool reading) override { inner_.NumberEntry(reading); }
  bool WritePng(const std::string& path) override { return inner_.WritePng(path); }
  void PageComplete(const PageLabel& label) override;

 private:
  void PdfPage(const PageLabel& label);
  void Fail(const std::string& reason);

  HeadlessHost& inner_;
  std::string target_;
  bool pdf_;
  std::string error_;
  std::unique_ptr<OutputFile> pdfFile_;
  int pages_ = 0;
  cairo_surface_t* surface_ = nullptr;
  int sectionOutline_ = 0;
  int lastSection_ = -1;
};

}  // namespace mebuki
