#include "print/piece_drawing.h"

#include <QFont>
#include <QPainterPath>
#include <QRadialGradient>
#include <string_view>

namespace restomer {
namespace {

// The metals, as the real coins show them.
const QColor kCopper(0xc8, 0x7a, 0x4a);
const QColor kGold(0xd9, 0xb4, 0x4a);
const QColor kSilver(0xc9, 0xcd, 0xd2);

// One piece: its value, its size in millimetres (a coin's diameter; a
// banknote's real width and height), and its colours: a coin's metal and,
// for a two-tone coin, its centre's; a banknote's main colour.
struct PieceLook {
  std::int64_t value;
  double width_mm;
  double height_mm;
  QColor main;
  QColor centre;  // invalid: one metal
};

const PieceLook kLevLooks[] = {
    {1, 16.0, 0, kGold, {}},
    {2, 18.0, 0, kGold, {}},
    {5, 20.0, 0, kGold, {}},
    {10, 18.5, 0, kSilver, {}},
    {20, 20.5, 0, kSilver, {}},
    {50, 22.5, 0, kSilver, {}},
    {100, 24.5, 0, kGold, kSilver},
    {200, 26.5, 0, kSilver, kGold},
    {500, 119, 65, QColor(0xc0, 0x4a, 0x4a), {}},
    {1000, 125, 67, QColor(0xc8, 0x84, 0x3c), {}},
    {2000, 131, 70, QColor(0x4a, 0x74, 0xb8), {}},
    {5000, 137, 72, QColor(0xd0, 0xa8, 0x38), {}},
    {10000, 143, 75, QColor(0x5a, 0x9a, 0x5a), {}},
};

const PieceLook kEuroLooks[] = {
    {1, 16.25, 0, kCopper, {}},
    {2, 18.75, 0, kCopper, {}},
    {5, 21.25, 0, kCopper, {}},
    {10, 19.75, 0, kGold, {}},
    {20, 22.25, 0, kGold, {}},
    {50, 24.25, 0, kGold, {}},
    {100, 23.25, 0, kGold, kSilver},
    {200, 25.75, 0, kSilver, kGold},
    {500, 120, 62, QColor(0x9a, 0x9a, 0x9a), {}},
    {1000, 127, 67, QColor(0xc8, 0x50, 0x50), {}},
    {2000, 133, 72, QColor(0x4a, 0x70, 0xc0), {}},
    {5000, 140, 77, QColor(0xe0, 0x8a, 0x30), {}},
    {10000, 147, 77, QColor(0x4a, 0xa0, 0x60), {}},
    {20000, 153, 77, QColor(0xc8, 0xa0, 0x50), {}},
    {50000, 160, 82, QColor(0x8a, 0x5a, 0xa8), {}},
};

// Banknotes are drawn at this part of their real size.
constexpr double kBanknoteScale = 0.5;

// The look of a denomination; nullptr for a value that is none.
const PieceLook* lookOf(const Currency& currency, std::int64_t value) {
  const std::span<const PieceLook> looks =
      currency.name == kEuro.name ? std::span<const PieceLook>(kEuroLooks) : kLevLooks;
  for (const PieceLook& look : looks) {
    if (look.value == value) return &look;
  }
  return nullptr;
}

// The figures and the unit a piece shows: "50" and "ст.", "10" and "лв.".
QString figures(std::int64_t value) {
  return QString::number(value % 100 == 0 ? value / 100 : value);
}
QString unitOf(const Currency& currency, std::int64_t value) {
  const bool euro = currency.name == kEuro.name;
  if (value % 100 != 0) return euro ? QStringLiteral("цент") : QStringLiteral("ст.");
  return euro ? QStringLiteral("евро") : QStringLiteral("лв.");
}

// The value in large figures above its unit, centred in `rect`.
void paintValue(QPainter& painter, const QRectF& rect, const QString& figures, const QString& unit,
                const QColor& ink) {
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(std::max(1, static_cast<int>(rect.height() * 0.46)));
  painter.setFont(font);
  painter.setPen(ink);
  const QRectF top(rect.left(), rect.top(), rect.width(), rect.height() * 0.62);
  painter.drawText(top, Qt::AlignHCenter | Qt::AlignBottom, figures);
  // A unit too small to read is left out: the piece's name says it.
  const int unitSize = static_cast<int>(rect.height() * 0.22);
  if (unitSize < 6) return;
  font.setBold(false);
  font.setPixelSize(unitSize);
  painter.setFont(font);
  painter.drawText(QRectF(rect.left(), top.bottom(), rect.width(), rect.height() - top.height()),
                   Qt::AlignHCenter | Qt::AlignTop, unit);
}

void paintCoin(QPainter& painter, const QRectF& rect, const PieceLook& look, const QString& figures,
               const QString& unit) {
  const QPointF centre = rect.center();
  const double radius = std::min(rect.width(), rect.height()) / 2;
  const auto disc = [&](double r, const QColor& metal) {
    QRadialGradient shine(centre - QPointF(r / 3, r / 3), r * 1.6);
    shine.setColorAt(0, metal.lighter(135));
    shine.setColorAt(1, metal.darker(115));
    painter.setBrush(shine);
    painter.setPen(QPen(metal.darker(150), std::max(1.0, r / 18)));
    painter.drawEllipse(centre, r, r);
  };
  disc(radius, look.main);
  if (look.centre.isValid()) disc(radius * 0.7, look.centre);
  const double inner = radius * 0.8;
  paintValue(painter, QRectF(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner), figures,
             unit, QColor(0x30, 0x24, 0x18));
}

void paintBanknote(QPainter& painter, const QRectF& rect, const PieceLook& look,
                   const QString& figures, const QString& unit) {
  const double corner = rect.height() * 0.06;
  painter.setPen(QPen(look.main.darker(160), std::max(1.0, rect.height() / 60)));
  painter.setBrush(look.main.lighter(150));
  painter.drawRoundedRect(rect, corner, corner);
  // A band of the note's colour, and a plain panel for the value.
  painter.setPen(Qt::NoPen);
  painter.setBrush(look.main);
  painter.drawRect(QRectF(rect.left() + rect.width() * 0.04, rect.top() + rect.height() * 0.12,
                          rect.width() * 0.28, rect.height() * 0.76));
  painter.setBrush(QColor(255, 255, 255, 200));
  const QRectF panel(rect.left() + rect.width() * 0.38, rect.top() + rect.height() * 0.1,
                     rect.width() * 0.58, rect.height() * 0.8);
  painter.drawRoundedRect(panel, corner, corner);
  paintValue(painter, panel, figures, unit, look.main.darker(220));
}

}  // namespace

QSizeF pieceSizeMm(const Currency& currency, std::int64_t value) {
  const PieceLook* look = lookOf(currency, value);
  if (look == nullptr) return {};
  if (look->height_mm == 0) return {look->width_mm, look->width_mm};
  return {look->width_mm * kBanknoteScale, look->height_mm * kBanknoteScale};
}

void paintPiece(QPainter& painter, const QRectF& rect, const Currency& currency,
                std::int64_t value) {
  const PieceLook* look = lookOf(currency, value);
  if (look == nullptr) return;
  const QSizeF size = pieceSizeMm(currency, value).scaled(rect.size(), Qt::KeepAspectRatio);
  const QRectF fitted(rect.center() - QPointF(size.width() / 2, size.height() / 2), size);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  if (look->height_mm == 0) {
    paintCoin(painter, fitted, *look, figures(value), unitOf(currency, value));
  } else {
    paintBanknote(painter, fitted, *look, figures(value), unitOf(currency, value));
  }
  painter.restore();
}

}  // namespace restomer
