#include "print/a4_pages.h"

#include <QFontMetricsF>
#include <QPdfWriter>

#include "print/a4_pdf.h"
#include "print/fonts.h"

namespace restomer {

A4Pages::A4Pages(QPdfWriter& writer) : writer_(writer), painter_(&writer) {
  // Lines a printer draws solid: a pen of zero width is a device's thinnest
  // line, pale or broken on paper.
  painter_.setPen(QPen(Qt::black, points(kPdfLinePoints)));
}

bool A4Pages::paint(const std::function<void()>& layout) {
  if (!painter_.isActive()) return false;
  for (const bool painting : {false, true}) {
    painting_ = painting;
    pages_ = page_;
    page_ = 0;
    y_ = 0;
    layout();
  }
  return painter_.end();
}

void A4Pages::startPage(const std::function<void()>& head) {
  if (page_ > 0 && painting_) writer_.newPage();
  ++page_;
  y_ = 0;
  head_ = head;
  if (painting_) drawPageNumber();
  if (head_) head_();
}

bool A4Pages::fits(double height) const { return y_ + height <= bottom(); }

void A4Pages::fit(double height) {
  if (!fits(height)) startPage(std::function<void()>(head_));
}

double A4Pages::text(const QString& text, const QFont& font, bool draw, double indent) {
  const QRectF area(indent, y_, width() - indent, writer_.height());
  painter_.setFont(font);
  const QRectF used = painter_.boundingRect(area, Qt::TextWordWrap, text);
  if (draw && painting_) painter_.drawText(area, Qt::TextWordWrap, text);
  return advance(used.height(), draw);
}

double A4Pages::advance(double height, bool draw) {
  if (draw) y_ += height;
  return height;
}

double A4Pages::width() const { return writer_.width(); }
double A4Pages::mm(double millimetres) const { return millimetres * kPdfResolutionDpi / 25.4; }
double A4Pages::points(double points) const { return points * kPdfResolutionDpi / 72; }

double A4Pages::bottom() const {
  return writer_.height() - QFontMetricsF(windowFont(), &writer_).lineSpacing() - mm(2);
}

void A4Pages::drawPageNumber() {
  const QFont font = windowFont();
  painter_.setFont(font);
  const QFontMetricsF metrics(font, &writer_);
  painter_.drawText(
      QRectF(0, writer_.height() - metrics.lineSpacing(), width(), metrics.lineSpacing()),
      Qt::AlignRight | Qt::AlignBottom, QStringLiteral("стр. %1 от %2").arg(page_).arg(pages_));
}

}  // namespace restomer
