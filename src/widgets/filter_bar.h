// The bar above the overview's tables that narrows the rows they count: a
// class, a lesson, the days, a level and a currency, each "всички" at
// first.
#ifndef RESTOMER_WIDGETS_FILTER_BAR_H_
#define RESTOMER_WIDGETS_FILTER_BAR_H_

#include <QWidget>

#include "core/row_filter.h"

class QComboBox;
class QDateEdit;

namespace restomer {

class FilterBar : public QWidget {
  Q_OBJECT

 public:
  explicit FilterBar(QWidget* parent = nullptr);

  // The values the rows hold; what is chosen stays chosen while the rows
  // still hold it.
  void setChoices(const FilterChoices& choices);
  RowFilter filter() const;

  QComboBox* classes() const { return classes_; }
  QComboBox* lessons() const { return lessons_; }
  QComboBox* levels() const { return levels_; }
  QComboBox* currencies() const { return currencies_; }
  QComboBox* kinds() const { return kinds_; }

 signals:
  void changed();

 private:
  void addLabelled(const QString& label, QWidget* field, const QString& accessibleName);
  void tellChanged();
  QComboBox* addChoice(const QString& label, const QString& accessibleName);
  QDateEdit* addDay(const QString& label, const QString& accessibleName);

  QComboBox* classes_ = nullptr;
  QComboBox* lessons_ = nullptr;
  QComboBox* levels_ = nullptr;
  QComboBox* currencies_ = nullptr;
  QComboBox* kinds_ = nullptr;
  QDateEdit* firstDay_ = nullptr;
  QDateEdit* lastDay_ = nullptr;
  FilterChoices choices_;
  bool filling_ = false;  // no change is sent while the choices are put in
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_FILTER_BAR_H_
