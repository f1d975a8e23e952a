#include "platform/export_host.h"

#include <cairo-pdf.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace mebuki {

namespace {

// A4 landscape in PDF points, with room for the footer.
constexpr double kPageWidth = 842, kPageHeight = 595, kMargin = 24, kFooter = 16;

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

cairo_status_t WriteToFile(void* file, const unsigned char* data, unsigned int length) {
  return static_cast<OutputFile*>(file)->Write(reinterpret_cast<const char*>(data), length)
             ? CAIRO_STATUS_SUCCESS
             : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

ExportHost::ExportHost(HeadlessHost& inner, std::string target, const std::string& dateTime)
    : inner_(inner), target_(std::move(target)), pdf_(EndsWith(target_, ".pdf")) {
  if (pdf_) {
    pdfFile_ = std::make_unique<OutputFile>(target_);
    if (!pdfFile_->ok()) {
      Fail(pdfFile_->error());
      return;
    }
    surface_ = cairo_pdf_surface_create_for_stream(WriteToFile, pdfFile_.get(), kPageWidth, kPageHeight);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
      Fail(cairo_status_to_string(cairo_surface_status(surface_)));
      return;
    }
    cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_CREATE_DATE, dateTime.c_str());
    cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_TITLE, "Mebuki");
  } else {
    std::error_code ec;
    std::filesystem::create_directories(target_, ec);
    if (!std::filesystem::is_directory(target_)) {
      Fail(ec ? ec.message() : std::strerror(ENOTDIR));
      return;
    }
    // A folder that cannot take a file fails now, not after the first page.
    OutputFile probe((std::filesystem::path(target_) / ".mebuki-export").string());
    if (!probe.ok()) Fail(probe.error());
  }
}

ExportHost::~ExportHost() {
  if (surface_) cairo_surface_destroy(surface_);
}

void ExportHost::Fail(const std::string& reason) {
  if (error_.empty()) error_ = reason;
}

bool ExportHost::Finish() {
  if (surface_) {
    cairo_surface_finish(surface_);
    if (ok() && !pdfFile_->ok()) Fail(pdfFile_->error());
    if (ok() && cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
      Fail(cairo_status_to_string(cairo_surface_status(surface_)));
    }
    if (ok() && !pdfFile_->Commit()) Fail(pdfFile_->error());
  }
  return ok();
}

void ExportHost::PageComplete(const PageLabel& label) {
  if (pdfFile_ && !pdfFile_->ok()) Fail(pdfFile_->error());
  if (!ok()) return;
  ++pages_;
  if (pdf_) {
    PdfPage(label);
    return;
  }
  char name[64];
  std::snprintf(name, sizeof name, "%s-s%d-p%02d.png", label.program.c_str(), label.sectionNumber, label.pageNumber);
  OutputFile page((std::filesystem::path(target_) / name).string());
  errno = 0;
  if (page.ok() && !inner_.canvas().WritePng(page.writingPath())) page.Fail(errno);
  if (!page.Commit()) Fail(page.error());
}

void ExportHost::PdfPage(const PageLabel& label) {
  cairo_t* cr = cairo_create(surface_);
  const double scale =
      std::min((kPageWidth - 2 * kMargin) / kLogicalWidth, (kPageHeight - 2 * kMargin - kFooter) / kLogicalHeight);
  const double left = (kPageWidth - kLogicalWidth * scale) / 2;

  cairo_save(cr);
  cairo_translate(cr, left, kMargin);
  cairo_scale(cr, scale, scale);
  cairo_rectangle(cr, 0, 0, kLogicalWidth, kLogicalHeight);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
  inner_.canvas().ReplayOnto(cr, scale);
  cairo_restore(cr);

  // A thin frame shows where the screen ends, and the footer names the page.
  cairo_set_line_width(cr, 0.5);
  cairo_set_source_rgb(cr, 0.6, 0.6, 0.6);
  cairo_rectangle(cr, left, kMargin, kLogicalWidth * scale, kLogicalHeight * scale);
  cairo_stroke(cr);
  const std::string footer = label.program + "   " + label.section + "   " + label.page;
  cairo_select_font_face(cr, "BIZ UDGothic", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 9);
  cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
  cairo_move_to(cr, left, kMargin + kLogicalHeight * scale + kFooter);
  cairo_show_text(cr, footer.c_str());
  cairo_show_page(cr);
  cairo_destroy(cr);

  const std::string link = "page=" + std::to_string(pages_);
  if (label.sectionNumber != lastSection_) {
    lastSection_ = label.sectionNumber;
    sectionOutline_ = cairo_pdf_surface_add_outline(surface_, CAIRO_PDF_OUTLINE_ROOT, label.section.c_str(),
                                                    link.c_str(), CAIRO_PDF_OUTLINE_FLAG_OPEN);
  }
  cairo_pdf_surface_add_outline(surface_, sectionOutline_, label.page.c_str(), link.c_str(),
                                static_cast<cairo_pdf_outline_flags_t>(0));
}

}  // namespace mebuki
