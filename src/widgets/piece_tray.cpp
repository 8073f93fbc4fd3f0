#include "widgets/piece_tray.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMimeData>

#include "widgets/piece_button.h"

namespace restomer {

PieceTray::PieceTray(const QString& empty, int columns, QWidget* parent)
    : QFrame(parent), grid_(new QGridLayout(this)), empty_(new QLabel(empty)), columns_(columns) {
  setAcceptDrops(true);
  setFrameShape(QFrame::StyledPanel);
  setBackgroundRole(QPalette::AlternateBase);
  setAutoFillBackground(true);
  empty_->setAlignment(Qt::AlignCenter);
  empty_->setEnabled(false);
  grid_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  grid_->addWidget(empty_, 0, 0);
}

void PieceTray::show(std::vector<PieceButton*> pieces) {
  // A piece may be the one whose click asked for this.
  for (PieceButton* piece : pieces_) {
    piece->hide();
    piece->deleteLater();
  }
  pieces_ = std::move(pieces);
  empty_->setVisible(pieces_.empty());
  for (std::size_t i = 0; i < pieces_.size(); ++i) {
    const int at = static_cast<int>(i);
    grid_->addWidget(pieces_[i], at / columns_, at % columns_, Qt::AlignCenter);
  }
}

void PieceTray::dragEnterEvent(QDragEnterEvent* event) {
  if (PieceButton::valueOf(event->mimeData())) event->acceptProposedAction();
}

void PieceTray::dropEvent(QDropEvent* event) {
  const std::optional<std::int64_t> value = PieceButton::valueOf(event->mimeData());
  if (!value) return;
  event->acceptProposedAction();
  emit dropped(*value);
}

}  // namespace restomer
