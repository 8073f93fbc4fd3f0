#include "widgets/piece_button.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <optional>

#include "print/piece_drawing.h"

namespace restomer {
namespace {

const QString kPieceType = QStringLiteral("application/x-restomer-piece");
// The drawing's millimetres as shown on screen: the smallest coin, 16 mm
// in the hand, is 9.6 mm across at 100 %.
constexpr double kScreenScale = 0.6;

}  // namespace

PieceButton::PieceButton(const Currency& currency, std::int64_t value, const QString& name,
                         double scale, QWidget* parent)
    : QAbstractButton(parent), currency_(currency), value_(value), scale_(scale) {
  setAccessibleName(name);
  setToolTip(name);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize PieceButton::sizeHint() const {
  const double pixelsPerMm = logicalDpiX() / 25.4 * kScreenScale * scale_;
  const QSizeF mm = pieceSizeMm(currency_, value_);
  // Room around it for the focus frame.
  return QSize(qRound(mm.width() * pixelsPerMm) + 6, qRound(mm.height() * pixelsPerMm) + 6);
}

QMimeData* PieceButton::mimeDataOf(std::int64_t value) {
  auto* data = new QMimeData;
  data->setData(kPieceType, QByteArray::number(static_cast<qlonglong>(value)));
  return data;
}

std::optional<std::int64_t> PieceButton::valueOf(const QMimeData* data) {
  if (data == nullptr || !data->hasFormat(kPieceType)) return std::nullopt;
  bool ok = false;
  const qlonglong value = data->data(kPieceType).toLongLong(&ok);
  return ok ? std::optional<std::int64_t>(value) : std::nullopt;
}

void PieceButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRectF area = QRectF(rect()).adjusted(3, 3, -3, -3);
  if (isDown()) painter.translate(1, 1);
  paintPiece(painter, area, currency_, value_);
  if (hasFocus()) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
  }
}

void PieceButton::mousePressEvent(QMouseEvent* event) {
  pressedAt_ = event->position().toPoint();
  draggable_ = true;
  QAbstractButton::mousePressEvent(event);
}

// Dragged far enough, the piece travels as a drag instead of a click.
void PieceButton::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton) || !draggable_ ||
      (event->position().toPoint() - pressedAt_).manhattanLength() <
          QApplication::startDragDistance()) {
    QAbstractButton::mouseMoveEvent(event);
    return;
  }
  draggable_ = false;
  setDown(false);
  auto* drag = new QDrag(this);
  drag->setMimeData(mimeDataOf(value_));
  drag->setPixmap(grab());
  drag->setHotSpot(pressedAt_);
  drag->exec(Qt::CopyAction);
}

}  // namespace restomer
