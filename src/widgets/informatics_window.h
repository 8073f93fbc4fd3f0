// The informatics window: is the greedy way always the fewest pieces? For
// a coin system (a named one or the class's own) it says whether greedy
// always gives the fewest, and for an amount it shows greedy's count-up
// beside the fewest pieces' and the table that finds the fewest, a row at a
// time.
#ifndef RESTOMER_WIDGETS_INFORMATICS_WINDOW_H_
#define RESTOMER_WIDGETS_INFORMATICS_WINDOW_H_

#include <QWidget>
#include <optional>

#include "core/coin_system.h"
#include "core/coin_wording.h"
#include "core/conversions.h"

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace restomer {

class InformaticsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit InformaticsWindow(const RegionalSettings& settings, QWidget* parent = nullptr);

  // Shows `coins`: the named system they are, or the class's own.
  void setCoins(const Coins& coins);
  // "Обясни": the coin system's verdict, both ways of paying the amount,
  // and the table up to it, empty for "Стъпка" to fill.
  void explain();
  // "Стъпка": the table's next row; the path back is marked once it is full.
  void step();

 private:
  void createControls();
  QFormLayout* createForm();
  QGroupBox* createTable();
  void chooseOwnCoins();
  void chooseSystem(int index);
  void showPayments(std::int64_t amount);
  void markPathBack();
  CoinUnit unit() const;

  RegionalSettings settings_;
  QComboBox* systems_ = nullptr;
  QLineEdit* coins_ = nullptr;
  QLabel* amountLabel_ = nullptr;
  QLineEdit* amount_ = nullptr;
  QLabel* systemVerdict_ = nullptr;
  QPlainTextEdit* greedy_ = nullptr;
  QPlainTextEdit* fewest_ = nullptr;
  QLabel* amountVerdict_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* step_ = nullptr;

  Coins shown_;  // the coins explained
  std::int64_t amountShown_ = 0;
  std::optional<FewestTable> fewestTable_;
  std::vector<std::int64_t> rows_;  // the amounts the table shows, in order
  int filled_ = 0;                  // of them, the rows filled
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_INFORMATICS_WINDOW_H_
