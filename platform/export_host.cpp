#include "platform/export_host.h"

#include <cairo-pdf.h>

#include <cstdio>
#include <filesystem>

namespace mebuki {

namespace {

// A4 landscape in PDF points, with room for the footer.
constexpr double kPageWidth = 842, kPageHeight = 595, kMargin = 24, kFooter = 16;

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

ExportHost::ExportHost(HeadlessHost& inner, std::string target, const std::string& dateTime)
    : inner_(inner), target_(std::move(target)), pdf_(EndsWith(target_, ".pdf")) {
  if (pdf_) {
    surface_ = cairo_pdf_surface_create(target_.c_str(), kPageWidth, kPageHeight);
    ok_ = cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS;
    if (ok_) {
      cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_CREATE_DATE, dateTime.c_str());
      cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_TITLE, "Mebuki");
    }
  } else {
    std::error_code ec;
    std::filesystem::create_directories(target_, ec);
    ok_ = std::filesystem::is_directory(target_);
  }
}

ExportHost::~ExportHost() {
  if (surface_) {
    cairo_surface_finish(surface_);
    cairo_surface_destroy(surface_);
  }
}

void ExportHost::PageComplete(const PageLabel& label) {
  if (!ok_) return;
  ++pages_;
  if (pdf_) {
    PdfPage(label);
    return;
  }
  char name[64];
  std::snprintf(name, sizeof name, "%s-s%d-p%02d.png", label.program.c_str(), label.sectionNumber, label.pageNumber);
  ok_ = inner_.canvas().WritePng((std::filesystem::path(target_) / name).string());
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
