// A banknote or coin as a button: drawn as the print layer draws it, named
// for screen readers ("монета 50 евроцента"), pressed by mouse, touch,
// Space or Enter, and dragged to where pieces are dropped.
#ifndef RESTOMER_WIDGETS_PIECE_BUTTON_H_
#define RESTOMER_WIDGETS_PIECE_BUTTON_H_

#include <QAbstractButton>
#include <QPoint>
#include <cstdint>

#include "core/currency.h"

class QMimeData;

namespace restomer {

class PieceButton : public QAbstractButton {
  Q_OBJECT

 public:
  // `scale`: the part of the piece's drawing size it is shown at.
  PieceButton(const Currency& currency, std::int64_t value, const QString& name, double scale = 1.0,
              QWidget* parent = nullptr);

  std::int64_t value() const { return value_; }
  QSize sizeHint() const override;

  // What a dragged piece carries, and the piece it carries, if any.
  static QMimeData* mimeDataOf(std::int64_t value);
  static std::optional<std::int64_t> valueOf(const QMimeData* data);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  const Currency& currency_;
  std::int64_t value_;
  double scale_;
  QPoint pressedAt_;
  bool draggable_ = true;
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_PIECE_BUTTON_H_
