// Export of finished pages: a host over the headless canvas that keeps every
// completed page, either as one page of an A4 landscape PDF (vector, fonts
// embedded, with a footer and an outline by section) or as a PNG file per page.
#pragma once

#include <cairo.h>

#include <string>

#include "platform/headless_host.h"
#include "platform/hosts.h"

namespace mebuki {

class ExportHost : public PageExporter {
 public:
  // target: "FILE.pdf" for a PDF, otherwise a directory for PNG files.
  // dateTime ("YYYY-MM-DDTHH:MM:SS") is written as the PDF's creation date.
  ExportHost(HeadlessHost& inner, std::string target, const std::string& dateTime);
  ~ExportHost() override;
  bool ok() const override { return ok_; }
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
  bool WritePng(const std::string& path) override { return inner_.WritePng(path); }
  void PageComplete(const PageLabel& label) override;

 private:
  void PdfPage(const PageLabel& label);

  HeadlessHost& inner_;
  std::string target_;
  bool pdf_;
  bool ok_ = true;
  int pages_ = 0;
  cairo_surface_t* surface_ = nullptr;
  int sectionOutline_ = 0;
  int lastSection_ = -1;
};

}  // namespace mebuki
