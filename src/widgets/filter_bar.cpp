#include "widgets/filter_bar.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>

#include "io/date_text.h"
#include "io/results_report.h"

namespace restomer {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// Fills `box` with "всички" and the values, each with its text, keeping
// the value chosen when it is still there.
void fillChoice(QComboBox* box, const QList<std::pair<QString, QVariant>>& values) {
  const QVariant chosen = box->currentData();
  box->clear();
  box->addItem(QStringLiteral("всички"), QVariant());
  for (const auto& [shown, value] : values) box->addItem(shown, value);
  box->setCurrentIndex(std::max(0, box->findData(chosen)));
}

// The texts of a list of names, each its own value.
QList<std::pair<QString, QVariant>> named(const std::vector<std::string>& names) {
  QList<std::pair<QString, QVariant>> values;
  for (const std::string& name : names) values.append({text(name), text(name)});
  return values;
}

}  // namespace

FilterBar::FilterBar(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  classes_ = addChoice(QStringLiteral("&Клас:"), QStringLiteral("Клас"));
  lessons_ = addChoice(QStringLiteral("&Урок:"), QStringLiteral("Урок"));
  firstDay_ = addDay(QStringLiteral("О&т:"), QStringLiteral("От дата"));
  lastDay_ = addDay(QStringLiteral("&До:"), QStringLiteral("До дата"));
  levels_ = addChoice(QStringLiteral("&Ниво:"), QStringLiteral("Ниво"));
  currencies_ = addChoice(QStringLiteral("&Валута:"), QStringLiteral("Валута"));
  kinds_ = addChoice(QStringLiteral("Ви&д:"), QStringLiteral("Вид упражнение"));
  lessons_->setMinimumContentsLength(12);
  lessons_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  layout->addStretch();
}

void FilterBar::addLabelled(const QString& label, QWidget* field, const QString& accessibleName) {
  field->setAccessibleName(accessibleName);
  auto* shown = new QLabel(label);
  shown->setBuddy(field);
  layout()->addWidget(shown);
  layout()->addWidget(field);
}

void FilterBar::tellChanged() {
  if (!filling_) emit changed();
}

QComboBox* FilterBar::addChoice(const QString& label, const QString& accessibleName) {
  auto* box = new QComboBox;
  addLabelled(label, box, accessibleName);
  connect(box, &QComboBox::currentIndexChanged, this, &FilterBar::tellChanged);
  return box;
}

QDateEdit* FilterBar::addDay(const QString& label, const QString& accessibleName) {
  auto* day = new QDateEdit;
  day->setCalendarPopup(true);
  day->setDisplayFormat(QLatin1String(kDayFormat));
  addLabelled(label, day, accessibleName);
  connect(day, &QDateEdit::dateChanged, this, &FilterBar::tellChanged);
  return day;
}

void FilterBar::setChoices(const FilterChoices& choices) {
  filling_ = true;
  fillChoice(classes_, named(choices.classes));
  fillChoice(lessons_, named(choices.lessons));
  QList<std::pair<QString, QVariant>> levels, currencies, kinds;
  for (int level : choices.levels) levels.append({QString::number(level), level});
  for (const std::string& name : choices.currencies) {
    currencies.append({currencyName(name), text(name)});
  }
  fillChoice(levels_, levels);
  fillChoice(currencies_, currencies);
  for (TaskKind kind : choices.kinds) {
    kinds.append({QString::fromUtf8(NameOf(kind).label), static_cast<int>(kind)});
  }
  fillChoice(kinds_, kinds);
  // Days chosen inside the rows' days stay; the others follow the rows.
  const bool allDays = filter().first_day.empty() && filter().last_day.empty();
  for (QDateEdit* day : {firstDay_, lastDay_}) {
    day->setDateRange(dayOfIso(choices.first_day), dayOfIso(choices.last_day));
  }
  if (allDays) {
    firstDay_->setDate(dayOfIso(choices.first_day));
    lastDay_->setDate(dayOfIso(choices.last_day));
  }
  choices_ = choices;
  filling_ = false;
}

RowFilter FilterBar::filter() const {
  RowFilter filter;
  filter.class_name = classes_->currentData().toString().toStdString();
  filter.lesson = lessons_->currentData().toString().toStdString();
  filter.level = levels_->currentData().toInt();
  if (const QVariant currency = currencies_->currentData(); currency.isValid()) {
    filter.currency = currency.toString().toStdString();
  }
  if (const QVariant kind = kinds_->currentData(); kind.isValid()) {
    filter.kind = static_cast<TaskKind>(kind.toInt());
  }
  const std::string first = isoDay(firstDay_->date());
  const std::string last = isoDay(lastDay_->date());
  if (!choices_.first_day.empty() && first > choices_.first_day) filter.first_day = first;
  if (!choices_.last_day.empty() && last < choices_.last_day) filter.last_day = last;
  return filter;
}

}  // namespace restomer
