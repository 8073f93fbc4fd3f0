#include "io/results_report.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#include "core/currency.h"
#include "core/pieces.h"
#include "core/practice_wording.h"
#include "core/results_columns.h"
#include "io/date_text.h"
#include "io/regional_settings.h"
#include "io/results_rows.h"
#include "io/system_reason.h"
#include "io/waiting_rows.h"

namespace restomer {
namespace {

using Kind = ReportTable::Kind;

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

double amount(std::int64_t hundredths) { return static_cast<double>(hundredths) / 100; }

QString levels(const std::set<int>& numbers) {
  QStringList list;
  for (int number : numbers) list << QString::number(number);
  return list.join(QStringLiteral(", "));
}

// "3 от 10, 5 от 10": the rounds a pupil left before their end.
QString roundsText(const std::vector<RoundProgress>& rounds) {
  QStringList list;
  for (const RoundProgress& round : rounds) {
    list << QStringLiteral("%1 от %2").arg(round.done).arg(round.size);
  }
  return list.join(QStringLiteral(", "));
}

using Id = ResultsColumnId;

// A column's heading as the column table has it.
QString heading(Id id) { return text(std::string(ResultsColumnOf(id).heading)); }

QVariant timeOf(const std::string& iso) {
  const QDateTime time = timeOfIso(iso);
  return time.isValid() ? QVariant(time) : QVariant(text(iso));
}

// "0,02 лв.: липсва".
QString mistakeText(const MistakeLine& line, const QLocale& notation) {
  if (line.kind == MistakeLine::Kind::kWrongChange) {
    return QStringLiteral("грешно ресто");
  }
  return denominationText(line.currency, line.caption, notation) +
         (line.kind == MistakeLine::Kind::kMissing ? QStringLiteral(": липсва")
                                                   : QStringLiteral(": не е нужна"));
}

// "Мария 3, Елица 2".
QString pupilsText(const std::vector<std::pair<std::string, int>>& pupils) {
  QStringList list;
  for (const auto& [pupil, count] : pupils) list << text(pupil) + u' ' + QString::number(count);
  return list.join(QStringLiteral(", "));
}

// "да: 3 от последните 10 верни", "да: липсва 0,02 лв. в 4 задачи", or empty.
QString helpText(const PupilLine& pupil, const QLocale& notation) {
  const HelpNeeded help = NeedsHelp(pupil);
  switch (help.why) {
    case HelpNeeded::Why::kFewRight:
      return QStringLiteral("да: %1 от последните %2 верни").arg(help.right).arg(help.of);
    case HelpNeeded::Why::kSameCoinMissed:
      return QStringLiteral("да: липсва %1 в %2")
          .arg(denominationText(pupil.most_missed_currency, pupil.most_missed, notation),
               text(TasksInWords(pupil.most_missed_tasks)));
    case HelpNeeded::Why::kNone:
      break;
  }
  return {};
}

// "↑ 40 % → 80 %": the share right in the first lesson and in the last,
// the arrow saying which way it went; empty for fewer than two lessons.
QString trendText(const std::vector<LessonShare>& lessons) {
  if (lessons.size() < 2) return {};
  const double first = lessons.front().ShareRight(), last = lessons.back().ShareRight();
  const QString arrow = last > first   ? QStringLiteral("↑ ")
                        : last < first ? QStringLiteral("↓ ")
                                       : QString();
  return QStringLiteral("%1%2 → %3")
      .arg(arrow, cellText(first, Kind::kShare), cellText(last, Kind::kShare));
}

// A table of how the class or a pupil did lesson by lesson.
ReportTable lessonsTable(const QString& title, const std::vector<LessonShare>& lessons) {
  ReportTable table{title,
                    {QStringLiteral("Урок"), QStringLiteral("Начало"), QStringLiteral("Задачи"),
                     QStringLiteral("Верни"), QStringLiteral("Верни, дял")},
                    {Kind::kText, Kind::kTime, Kind::kWhole, Kind::kWhole, Kind::kShare},
                    {}};
  for (const LessonShare& lesson : lessons) {
    table.rows.append({text(lesson.lesson), timeOf(lesson.began), lesson.tasks, lesson.right,
                       lesson.ShareRight()});
  }
  return table;
}

Kind reportKind(CellKind kind) {
  switch (kind) {
    case CellKind::kWhole:
      return Kind::kWhole;
    case CellKind::kAmount:
      return Kind::kAmount;
    case CellKind::kTime:
      return Kind::kTime;
    case CellKind::kText:
    case CellKind::kCurrency:
      break;
  }
  return Kind::kText;
}

// A field of the results file as a typed cell: numbers as numbers, times as
// times, a currency by its Bulgarian name.
QVariant cellOf(CellKind kind, const std::string& field) {
  switch (kind) {
    case CellKind::kWhole:
      return text(field).toInt();
    case CellKind::kAmount:
      return text(field).toDouble();  // "4.57": the C notation, whatever the locale
    case CellKind::kTime:
      return timeOf(field);
    case CellKind::kCurrency:
      return currencyName(field);
    case CellKind::kText:
      break;
  }
  return text(field);
}

}  // namespace

QString currencyName(const std::string& name) {
  if (name.empty()) return QStringLiteral("информатика");
  const Currency* currency = FindCurrency(name);
  return currency ? QString::fromUtf8(currency->bulgarian_name) : text(name);
}

QString denominationText(const std::string& currencyName, const std::string& caption,
                         const QLocale& notation) {
  const Currency* currency = FindCurrency(currencyName);
  return currency
             ? text(PracticeWording(*currency, regionalSettingsOf(notation)).Denomination(caption))
             : text(caption);
}

std::vector<ReportTable> ResultsReport::tables(const QLocale& notation) const {
  std::vector<ReportTable> tables;
  ReportTable pupils{
      QStringLiteral("Ученици"),
      {QStringLiteral("Ученик"), QStringLiteral("Задачи"), QStringLiteral("Верни"),
       QStringLiteral("Грешни"), QStringLiteral("Пропуснати"), QStringLiteral("Верни, дял"),
       QStringLiteral("Незавършен кръг"), QStringLiteral("Нива"),
       QStringLiteral("Последен отговор"), QStringLiteral("Уроци"), QStringLiteral("Развитие"),
       QStringLiteral("Има нужда от помощ")},
      {Kind::kText, Kind::kWhole, Kind::kWhole, Kind::kWhole, Kind::kWhole, Kind::kShare,
       Kind::kText, Kind::kText, Kind::kTime, Kind::kWhole, Kind::kText, Kind::kText},
      {}};
  for (const PupilLine& pupil : overview.pupils) {
    pupils.rows.append({text(pupil.pupil), pupil.tasks, pupil.right, pupil.wrong, pupil.skipped,
                        pupil.ShareRight(), roundsText(pupil.unfinished), levels(pupil.levels),
                        timeOf(pupil.last_time), static_cast<int>(pupil.lessons.size()),
                        trendText(pupil.lessons), helpText(pupil, notation)});
  }
  tables.push_back(pupils);

  ReportTable tasks{
      QStringLiteral("Задачи"),
      {heading(Id::kCurrency), heading(Id::kLevel), heading(Id::kSeed), heading(Id::kRound),
       heading(Id::kTask), heading(Id::kPrice), heading(Id::kPaid), QStringLiteral("Отговорили"),
       QStringLiteral("Верни"), QStringLiteral("Най-честа грешка"), QStringLiteral("Пъти")},
      {Kind::kText, Kind::kWhole, Kind::kText, Kind::kWhole, Kind::kWhole, Kind::kAmount,
       Kind::kAmount, Kind::kWhole, Kind::kWhole, Kind::kText, Kind::kWhole},
      {}};
  for (const TaskLine& task : overview.tasks) {
    tasks.rows.append(
        {currencyName(task.currency), task.level, text(task.seed), task.round, task.task,
         amount(task.price), amount(task.paid), task.answered, task.right, text(task.common_wrong),
         task.common_wrong_count > 0 ? QVariant(task.common_wrong_count) : QVariant(QString())});
  }
  tables.push_back(tasks);

  ReportTable mistakes{
      QStringLiteral("Грешки"),
      {QStringLiteral("Грешка"), QStringLiteral("Пъти"), QStringLiteral("Ученици")},
      {Kind::kText, Kind::kWhole, Kind::kText},
      {}};
  for (const MistakeLine& line : overview.mistakes) {
    mistakes.rows.append({mistakeText(line, notation), line.count, pupilsText(line.pupils)});
  }
  tables.push_back(mistakes);
  tables.push_back(lessonsTable(QStringLiteral("Уроци"), overview.lessons));
  return tables;
}

ReportTable ResultsReport::pupilTable(std::size_t pupil) const {
  const PupilLine& line = overview.pupils.at(pupil);
  ReportTable table{
      QStringLiteral("Задачите на %1").arg(text(line.pupil)),
      {heading(Id::kTime), heading(Id::kLesson), heading(Id::kLevel), heading(Id::kPrice),
       heading(Id::kPaid), heading(Id::kTyped), heading(Id::kChange), QStringLiteral("Липсват"),
       QStringLiteral("Не са нужни"), heading(Id::kOutcome)},
      {Kind::kTime, Kind::kText, Kind::kWhole, Kind::kAmount, Kind::kAmount, Kind::kText,
       Kind::kAmount, Kind::kText, Kind::kText, Kind::kText},
      {}};
  const QLocale locale;
  std::vector<std::size_t> inTime = line.rows;
  std::stable_sort(inTime.begin(), inTime.end(),
                   [this](std::size_t a, std::size_t b) { return rows[a].time < rows[b].time; });
  for (std::size_t index : inTime) {
    const ResultRow& row = rows[index];
    const PieceMistakes coins = ComparePieces(row.ticked, row.pieces);
    const auto named = [&](const std::vector<std::string>& captions) {
      QStringList list;
      for (const std::string& caption : captions) {
        list << denominationText(row.currency, caption, locale);
      }
      return list.join(QStringLiteral(", "));
    };
    table.rows.append({timeOf(row.time), text(row.lesson), row.level, amount(row.price),
                       amount(row.paid), text(row.typed), amount(row.change), named(coins.missing),
                       named(coins.unneeded), QString::fromUtf8(OutcomeText(row.outcome))});
  }
  return table;
}

ReportTable ResultsReport::pupilLessons(std::size_t pupil) const {
  const PupilLine& line = overview.pupils.at(pupil);
  return lessonsTable(QStringLiteral("Уроците на %1").arg(text(line.pupil)), line.lessons);
}

QString ResultsReport::pupilSummary(std::size_t pupil) const {
  const PupilLine& line = overview.pupils.at(pupil);
  QString summary = QStringLiteral("%1: %2, %3 верни.")
                        .arg(text(line.pupil), text(TasksInWords(line.tasks)),
                             cellText(line.ShareRight(), Kind::kShare));
  if (line.most_missed_tasks > 0) {
    summary += QStringLiteral(" Най-често липсва %1 (в %2).")
                   .arg(denominationText(line.most_missed_currency, line.most_missed, QLocale()),
                        text(TasksInWords(line.most_missed_tasks)));
  }
  const QString help = helpText(line, QLocale());
  if (!help.isEmpty()) summary += QStringLiteral(" Има нужда от помощ: %1.").arg(help.mid(4));
  return summary;
}

ReportTable ResultsReport::everyRowTable() {
  ReportTable rows{QStringLiteral("Всички редове"), {}, {}, {}};
  for (const ResultsColumn& column : ResultsColumns()) {
    rows.headers << text(std::string(column.heading));
    rows.kinds << reportKind(column.kind);
  }
  return rows;
}

QVariantList ResultsReport::rowCells(const ResultRow& row) {
  QVariantList cells;
  for (const ResultsColumn& column : ResultsColumns()) {
    cells << cellOf(column.kind, column.write(row));
  }
  return cells;
}

namespace {

// "Редове, които не могат да бъдат прочетени: 2 (редове 7, 12).", with the
// file's name before it where several were read.
QString unreadableIn(const UnreadableLines& file, bool named) {
  QStringList lines;
  for (int line : file.lines) {
    if (lines.size() == 20) {
      lines << QStringLiteral("…");
      break;
    }
    lines << QString::number(line);
  }
  const QString what = file.headerKnown
                           ? QStringLiteral("Редове, които не могат да бъдат прочетени")
                           : QStringLiteral("Заглавният ред не е на файл с резултати; редове");
  return QStringLiteral("%1%2: %3 (%4 %5).")
      .arg(named ? QStringLiteral("„%1“: ").arg(QDir::toNativeSeparators(file.file)) : QString(),
           what)
      .arg(file.lines.size())
      .arg(file.lines.size() == 1 ? QStringLiteral("ред") : QStringLiteral("редове"),
           lines.join(QStringLiteral(", ")));
}

}  // namespace

QString ResultsReport::unreadable() const {
  QStringList notes;
  for (const UnreadableLines& file : unreadableLines) {
    notes << unreadableIn(file, files.size() > 1);
  }
  return notes.join(QLatin1Char(' '));
}

QString ResultsReport::waitingBeside() const {
  if (waiting == 0) return {};
  return QStringLiteral(
             "Броят се и %1, които чакат до файла: компютрите им не са могли да пишат "
             "в него. Следващото упражнение с файла ги добавя към него.")
      .arg(waiting == 1 ? QStringLiteral("1 ред") : QStringLiteral("%1 реда").arg(waiting));
}

QString ResultsReport::sources() const {
  QStringList named;
  for (const QString& path : paths) {
    named << QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
  }
  return named.join(QStringLiteral(", "));
}

QString ResultsReport::passedOverNote() const {
  if (passedOver.isEmpty()) return {};
  constexpr qsizetype kNamed = 5;
  QString note = (passedOver.size() == 1
                      ? QStringLiteral("Не е прочетен 1 файл: ")
                      : QStringLiteral("Не са прочетени %1 файла: ").arg(passedOver.size())) +
                 passedOver.mid(0, kNamed).join(QLatin1Char(' '));
  if (passedOver.size() > kNamed) {
    note += QStringLiteral(" И още %1.").arg(passedOver.size() - kNamed);
  }
  return note;
}

QStringList ResultsReport::notes() const {
  QStringList notes;
  for (const QString& note : {shown(), waitingBeside(), passedOverNote(), unreadable()}) {
    if (!note.isEmpty()) notes << note;
  }
  return notes;
}

std::vector<std::size_t> ResultsReport::rowsShown() const {
  std::vector<std::size_t> taken;
  taken.reserve(overview.rows);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (filter.Takes(rows[i])) taken.push_back(i);
  }
  return taken;
}

void ResultsReport::setFilter(const RowFilter& newFilter) {
  filter = newFilter;
  overview = Summarize(rows, filter);
}

QString ResultsReport::shown() const {
  if (filter.TakesAll()) return {};
  QStringList what;
  if (!filter.class_name.empty()) what << QStringLiteral("клас „%1“").arg(text(filter.class_name));
  if (!filter.lesson.empty()) what << QStringLiteral("урок „%1“").arg(text(filter.lesson));
  if (!filter.first_day.empty()) what << QStringLiteral("от %1").arg(dayText(filter.first_day));
  if (!filter.last_day.empty()) what << QStringLiteral("до %1").arg(dayText(filter.last_day));
  if (filter.level != 0) what << QStringLiteral("ниво %1").arg(filter.level);
  if (filter.currency) what << currencyName(*filter.currency);
  if (filter.kind) what << QString::fromUtf8(NameOf(*filter.kind).label);
  return QStringLiteral("Показани са %1 от %2 реда: %3.")
      .arg(overview.rows)
      .arg(rows.size())
      .arg(what.join(QStringLiteral(", ")));
}

namespace {

// "урок-1, 12.10.2026": the lesson of a row written before rows named
// theirs, by its file's folder and its day.
std::string lessonOfOldRow(const QString& folder, const std::string& time) {
  return QStringLiteral("%1, %2").arg(folder, dayText(time)).toStdString();
}

// Adds the rows of one results file and of the files waiting beside it to
// `once`; the reason it cannot be read, or an empty string.
QString readResultsFile(const ResultsSource& source, RowsOnce& once, ResultsReport& report) {
  QString reason;
  std::optional<ResultsRead> read = readResultsRows(source.file, reason);
  if (!read) {
    return QStringLiteral("Файлът с резултатите „%1“ не може да бъде прочетен: %2.")
        .arg(QDir::toNativeSeparators(source.file), reason);
  }
  if (!read->unreadable_lines.empty()) {
    report.unreadableLines.push_back(
        {source.file, std::move(read->unreadable_lines), read->header_known});
  }
  const SharedText className = source.className.toStdString();
  const QString folder = QFileInfo(source.file).absoluteDir().dirName();
  std::map<std::string, SharedText> oldLessons;  // by the time, which the rows share
  const auto ofThisFile = [&](std::vector<ResultRow> rows) {
    for (ResultRow& row : rows) {
      row.class_name = className;
      if (!row.lesson.empty()) continue;
      auto [lesson, added] = oldLessons.try_emplace(row.time);
      if (added) lesson->second = lessonOfOldRow(folder, row.time);
      row.lesson = lesson->second;
    }
    return rows;
  };
  once.AddAll(ofThisFile(std::move(read->rows)));
  // The file holds each row once; a row may be both in it and beside it
  // while a merge is cut short.
  for (const QString& waiting : waitingFilesBeside(source.file)) {
    report.waiting += static_cast<int>(once.AddAll(ofThisFile(readWaitingRows(waiting))));
  }
  report.files << source.file;
  return {};
}

}  // namespace

ResultsReport loadResults(const QStringList& paths, QString& error) {
  ResultsReport report;
  report.paths = paths;
  report.taken = QDateTime::currentDateTime();
  ResultsSources sources = findResultsFiles(paths);
  report.passedOver = std::move(sources.passedOver);
  RowsOnce once;
  error.clear();
  for (const ResultsSource& source : sources.files) {
    const QString why = readResultsFile(source, once, report);
    if (why.isEmpty()) continue;
    // A file named is the teacher's to mend; one found in a folder is
    // passed over like a file that holds no results.
    if (paths.contains(source.file)) {
      error = why;
      return report;
    }
    report.passedOver << why;
  }
  report.rows = std::move(once.rows());
  report.overview = Summarize(report.rows);
  return report;
}

QString cellText(const QVariant& cell, ReportTable::Kind kind, const QLocale& locale) {
  switch (kind) {
    case Kind::kAmount:
      return cell.typeId() == QMetaType::Double ? locale.toString(cell.toDouble(), 'f', 2)
                                                : cell.toString();
    case Kind::kShare:
      return locale.toString(cell.toDouble() * 100, 'f', 0) + QStringLiteral(" %");
    case Kind::kTime:
      return cell.typeId() == QMetaType::QDateTime ? timeText(cell.toDateTime()) : cell.toString();
    case Kind::kText:
    case Kind::kWhole:
      return cell.toString();
  }
  return {};
}

QString tabSeparated(const QStringList& headers, const QList<QStringList>& rows) {
  // A tab or a line end inside a cell would break the columns, and a cell
  // a spreadsheet takes for a formula is kept from being one, as in the
  // results file.
  const auto clean = [](QStringList cells) {
    for (QString& cell : cells) {
      cell.replace(QLatin1Char('\t'), QLatin1Char(' '))
          .replace(QLatin1Char('\n'), QLatin1Char(' '));
      cell = QString::fromStdString(Defused(cell.toStdString()));
    }
    return cells.join(QLatin1Char('\t'));
  };
  QString text = clean(headers) + QLatin1Char('\n');
  for (const QStringList& row : rows) text += clean(row) + QLatin1Char('\n');
  return text;
}

}  // namespace restomer
