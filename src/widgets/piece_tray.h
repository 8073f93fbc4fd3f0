// Where pieces lie: the counter the pupil puts the change on. Pieces are
// dropped on it, and each lies there as a button that takes it back.
#ifndef RESTOMER_WIDGETS_PIECE_TRAY_H_
#define RESTOMER_WIDGETS_PIECE_TRAY_H_

#include <QFrame>
#include <cstdint>
#include <vector>

class QGridLayout;
class QLabel;

namespace restomer {

class PieceButton;

class PieceTray : public QFrame {
  Q_OBJECT

 public:
  // `empty`: what the tray says while nothing lies on it.
  explicit PieceTray(const QString& empty, int columns, QWidget* parent = nullptr);

  // Lays out `pieces` (which the tray takes), in order.
  void show(std::vector<PieceButton*> pieces);
  const std::vector<PieceButton*>& pieces() const { return pieces_; }

 signals:
  void dropped(std::int64_t value);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QGridLayout* grid_;
  QLabel* empty_;
  int columns_;
  std::vector<PieceButton*> pieces_;
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_PIECE_TRAY_H_
