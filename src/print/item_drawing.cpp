#include "print/item_drawing.h"

#include <QPainterPath>
#include <QPolygonF>
#include <utility>

namespace restomer {
namespace {

// Each picture is drawn on a 100 × 100 square.
using Drawing = void (*)(QPainter&);

void outline(QPainter& p, const QColor& fill) {
  p.setPen(QPen(fill.darker(170), 2.5));
  p.setBrush(fill);
}

void apple(QPainter& p) {
  outline(p, QColor(0xd8, 0x30, 0x30));
  p.drawEllipse(QRectF(18, 28, 64, 62));
  outline(p, QColor(0x6a, 0x44, 0x20));
  p.drawRect(QRectF(47, 14, 6, 18));
  outline(p, QColor(0x4c, 0xa0, 0x3c));
  p.drawEllipse(QRectF(54, 14, 24, 12));
}

void pencil(QPainter& p) {
  p.translate(50, 50);
  p.rotate(-35);
  outline(p, QColor(0xf2, 0xc0, 0x30));
  p.drawRect(QRectF(-34, -8, 56, 16));
  outline(p, QColor(0xf0, 0xd0, 0xa0));
  p.drawPolygon(QPolygonF({{22, -8}, {40, 0}, {22, 8}}));
  outline(p, QColor(0x40, 0x40, 0x40));
  p.drawPolygon(QPolygonF({{34, -3}, {40, 0}, {34, 3}}));
  outline(p, QColor(0xe8, 0x90, 0xa0));
  p.drawRect(QRectF(-44, -8, 10, 16));
}

void book(QPainter& p) {
  outline(p, QColor(0xf4, 0xf0, 0xe0));
  p.drawRect(QRectF(26, 20, 54, 66));
  outline(p, QColor(0x3a, 0x60, 0xb0));
  p.drawRect(QRectF(20, 16, 54, 66));
  outline(p, QColor(0xf4, 0xe0, 0x80));
  p.drawRect(QRectF(32, 30, 30, 10));
}

// A beach ball: six coloured wedges.
void ball(QPainter& p) {
  const QRectF disc(16, 16, 68, 68);
  const QColor colours[] = {QColor(0xe0, 0x40, 0x40), QColor(0xf8, 0xf8, 0xf0),
                            QColor(0x30, 0x80, 0xd8), QColor(0xf4, 0xd0, 0x30)};
  p.setPen(Qt::NoPen);
  for (int wedge = 0; wedge < 6; ++wedge) {
    p.setBrush(colours[wedge % 4]);
    p.drawPie(disc, wedge * 60 * 16, 60 * 16);
  }
  p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(disc);
  p.setBrush(QColor(0xf8, 0xf8, 0xf0));
  p.drawEllipse(QRectF(43, 43, 14, 14));
}

void notebook(QPainter& p) {
  outline(p, QColor(0x60, 0xb0, 0x90));
  p.drawRect(QRectF(24, 14, 56, 74));
  outline(p, QColor(0xff, 0xff, 0xff));
  p.drawRect(QRectF(36, 28, 36, 16));
  p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2));
  for (int y = 20; y < 88; y += 10) p.drawLine(QLineF(20, y, 28, y));
}

void banana(QPainter& p) {
  QPainterPath path;
  path.moveTo(18, 40);
  path.cubicTo(30, 92, 78, 90, 88, 52);
  path.cubicTo(72, 72, 40, 70, 18, 40);
  outline(p, QColor(0xf4, 0xd8, 0x40));
  p.drawPath(path);
}

void iceCream(QPainter& p) {
  outline(p, QColor(0xd8, 0xa0, 0x60));
  p.drawPolygon(QPolygonF({{30, 48}, {70, 48}, {50, 94}}));
  outline(p, QColor(0xf4, 0xb0, 0xc8));
  p.drawEllipse(QRectF(28, 14, 44, 40));
}

void balloon(QPainter& p) {
  p.setPen(QPen(QColor(0x60, 0x60, 0x60), 2));
  p.drawLine(QLineF(50, 74, 46, 96));
  outline(p, QColor(0xe0, 0x50, 0x90));
  p.drawEllipse(QRectF(26, 8, 48, 62));
  p.drawPolygon(QPolygonF({{46, 76}, {50, 68}, {54, 76}}));
}

void cup(QPainter& p) {
  outline(p, QColor(0x50, 0x90, 0xd0));
  p.drawEllipse(QRectF(60, 38, 26, 28));
  outline(p, QColor(0xff, 0xff, 0xff));
  p.drawEllipse(QRectF(66, 44, 14, 16));
  outline(p, QColor(0x50, 0x90, 0xd0));
  p.drawPolygon(QPolygonF({{20, 26}, {70, 26}, {64, 84}, {26, 84}}));
}

void pear(QPainter& p) {
  outline(p, QColor(0xb8, 0xcc, 0x40));
  QPainterPath path;
  path.addEllipse(QRectF(22, 44, 56, 48));
  path.addEllipse(QRectF(34, 18, 32, 38));
  p.drawPath(path.simplified());
  outline(p, QColor(0x6a, 0x44, 0x20));
  p.drawRect(QRectF(48, 6, 5, 14));
}

void eraser(QPainter& p) {
  p.translate(50, 50);
  p.rotate(-20);
  outline(p, QColor(0xf0, 0x98, 0xa8));
  p.drawRoundedRect(QRectF(-38, -16, 76, 32), 6, 6);
  outline(p, QColor(0x40, 0x70, 0xc0));
  p.drawRect(QRectF(6, -16, 32, 32));
}

void car(QPainter& p) {
  outline(p, QColor(0xe0, 0x40, 0x30));
  p.drawPolygon(
      QPolygonF({{30, 40}, {64, 40}, {76, 54}, {90, 56}, {90, 74}, {10, 74}, {10, 56}, {22, 54}}));
  outline(p, QColor(0xc8, 0xe4, 0xf4));
  p.drawRect(QRectF(34, 45, 12, 9));
  p.drawRect(QRectF(50, 45, 12, 9));
  outline(p, QColor(0x30, 0x30, 0x30));
  p.drawEllipse(QRectF(18, 64, 18, 18));
  p.drawEllipse(QRectF(64, 64, 18, 18));
}

const std::pair<std::string_view, Drawing> kDrawings[] = {
    {"apple", apple},       {"pencil", pencil}, {"book", book},          {"ball", ball},
    {"notebook", notebook}, {"banana", banana}, {"ice_cream", iceCream}, {"balloon", balloon},
    {"cup", cup},           {"pear", pear},     {"eraser", eraser},      {"car", car},
};

}  // namespace

bool paintItem(QPainter& painter, const QRectF& rect, std::string_view key) {
  for (const auto& [name, drawing] : kDrawings) {
    if (name != key) continue;
    const double side = std::min(rect.width(), rect.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.center() - QPointF(side / 2, side / 2));
    painter.scale(side / 100, side / 100);
    drawing(painter);
    painter.restore();
    return true;
  }
  return false;
}

}  // namespace restomer
