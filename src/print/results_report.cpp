#include "print/results_report.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include "core/currency.h"
#include "core/pieces.h"
#include "core/practice_wording.h"
#include "core/results_columns.h"
#include "io/regional_settings.h"
#include "io/system_reason.h"
#include "io/waiting_rows.h"

namespace restomer {
namespace {

using Kind = ReportTable::Kind;

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

double amount(std::int64_t hundredths) { return static_cast<double>(hundredths) / 100; }

// "лев", "евро": the currency as the tables name it.
QString currencyName(const std::string& name) {
  const Currency* currency = FindCurrency(name);
  return currency ? QString::fromUtf8(currency->bulgarian_name) : text(name);
}

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

QVariant timeOf(const std::string& iso) {
  const QDateTime time = QDateTime::fromString(text(iso), Qt::ISODate);
  return time.isValid() ? QVariant(time) : QVariant(text(iso));
}

// "0,02 лв.": the denomination as practice names it.
QString denominationText(const std::string& currencyName, const std::string& caption,
                         const QLocale& notation) {
  const Currency* currency = FindCurrency(currencyName);
  return currency
             ? text(PracticeWording(*currency, regionalSettingsOf(notation)).Denomination(caption))
             : text(caption);
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

std::vector<ReportTable> ResultsReport::tables(const QLocale& notation) const {
  std::vector<ReportTable> tables;
  ReportTable pupils{
      QStringLiteral("Ученици"),
      {QStringLiteral("Ученик"), QStringLiteral("Задачи"), QStringLiteral("Верни"),
       QStringLiteral("Грешни"), QStringLiteral("Пропуснати"), QStringLiteral("Верни, дял"),
       QStringLiteral("Незавършен кръг"), QStringLiteral("Нива"),
       QStringLiteral("Последен отговор"), QStringLiteral("Има нужда от помощ")},
      {Kind::kText, Kind::kWhole, Kind::kWhole, Kind::kWhole, Kind::kWhole, Kind::kShare,
       Kind::kText, Kind::kText, Kind::kTime, Kind::kText},
      {}};
  for (const PupilLine& pupil : overview.pupils) {
    pupils.rows.append({text(pupil.pupil), pupil.tasks, pupil.right, pupil.wrong, pupil.skipped,
                        pupil.ShareRight(), roundsText(pupil.unfinished), levels(pupil.levels),
                        timeOf(pupil.last_time), helpText(pupil, notation)});
  }
  tables.push_back(pupils);

  ReportTable tasks{
      QStringLiteral("Задачи"),
      {QStringLiteral("Валута"), QStringLiteral("Ниво"), QStringLiteral("Начално число"),
       QStringLiteral("Кръг"), QStringLiteral("Задача"), QStringLiteral("Цена"),
       QStringLiteral("Платено"), QStringLiteral("Отговорили"), QStringLiteral("Верни"),
       QStringLiteral("Най-честа грешка"), QStringLiteral("Пъти")},
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
  return tables;
}

ReportTable ResultsReport::pupilTable(std::size_t pupil) const {
  const PupilLine& line = overview.pupils.at(pupil);
  ReportTable table{
      QStringLiteral("Задачите на %1").arg(text(line.pupil)),
      {QStringLiteral("Време"), QStringLiteral("Ниво"), QStringLiteral("Цена"),
       QStringLiteral("Платено"), QStringLiteral("Написано ресто"), QStringLiteral("Ресто"),
       QStringLiteral("Липсват"), QStringLiteral("Не са нужни"), QStringLiteral("Оценка")},
      {Kind::kTime, Kind::kWhole, Kind::kAmount, Kind::kAmount, Kind::kText, Kind::kAmount,
       Kind::kText, Kind::kText, Kind::kText},
      {}};
  const QLocale locale;
  for (std::size_t index : line.rows) {
    const ResultRow& row = read.rows[index];
    const PieceMistakes coins = ComparePieces(row.ticked, row.pieces);
    const auto named = [&](const std::vector<std::string>& captions) {
      QStringList list;
      for (const std::string& caption : captions) {
        list << denominationText(row.currency, caption, locale);
      }
      return list.join(QStringLiteral(", "));
    };
    table.rows.append({timeOf(row.time), row.level, amount(row.price), amount(row.paid),
                       text(row.typed), amount(row.change), named(coins.missing),
                       named(coins.unneeded), QString::fromUtf8(OutcomeText(row.outcome))});
  }
  return table;
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

QString ResultsReport::unreadable() const {
  if (read.unreadable_lines.empty()) return {};
  QStringList lines;
  for (int line : read.unreadable_lines) {
    if (lines.size() == 20) {
      lines << QStringLiteral("…");
      break;
    }
    lines << QString::number(line);
  }
  const QString what = read.header_known
                           ? QStringLiteral("Редове, които не могат да бъдат прочетени")
                           : QStringLiteral("Заглавният ред не е на файл с резултати; редове");
  return QStringLiteral("%1: %2 (%3 %4).")
      .arg(what)
      .arg(read.unreadable_lines.size())
      .arg(read.unreadable_lines.size() == 1 ? QStringLiteral("ред") : QStringLiteral("редове"),
           lines.join(QStringLiteral(", ")));
}

QString ResultsReport::waitingBeside() const {
  if (waiting == 0) return {};
  return QStringLiteral(
             "Броят се и %1, които чакат до файла: компютрите им не са могли да пишат "
             "в него. Следващото упражнение с файла ги добавя към него.")
      .arg(waiting == 1 ? QStringLiteral("1 ред") : QStringLiteral("%1 реда").arg(waiting));
}

QString notResultsFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray header = file.readLine(64 * 1024);
  if (header.isEmpty() ||
      ReadResults(std::string_view(header.constData(), header.size())).header_known) {
    return {};
  }
  return QStringLiteral("„%1“ не е нито файл с резултати, нито урок.")
      .arg(QDir::toNativeSeparators(path));
}

ResultsReport loadResults(const QString& path, QString& error) {
  ResultsReport report;
  report.file = path;
  report.taken = QDateTime::currentDateTime();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("Файлът с резултатите „%1“ не може да бъде прочетен: %2.")
                .arg(QDir::toNativeSeparators(path), systemReason(file.errorString()));
    return report;
  }
  {
    const QByteArray bytes = file.readAll();
    report.read = ReadResults(std::string_view(bytes.constData(), bytes.size()));
  }
  // The file holds each row once; a row may be both in it and beside it
  // while a merge is cut short.
  if (const QStringList waitingFiles = waitingFilesBeside(path); !waitingFiles.isEmpty()) {
    RowsOnce once;
    for (ResultRow& row : report.read.rows) once.Add(std::move(row));
    for (const QString& waiting : waitingFiles) {
      for (ResultRow& row : readWaitingRows(waiting)) report.waiting += once.Add(std::move(row));
    }
    report.read.rows = std::move(once.rows());
  }
  report.overview = Summarize(report.read.rows);
  error.clear();
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
      return cell.typeId() == QMetaType::QDateTime
                 ? cell.toDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"))
                 : cell.toString();
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
