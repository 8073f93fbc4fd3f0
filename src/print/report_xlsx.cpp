#include <xlsxwriter.h>

#include <QDir>
#include <algorithm>
#include <functional>

#include "io/c_numbers.h"
#include "io/date_text.h"
#include "io/draft_file.h"
#include "print/chart.h"
#include "print/report_formats.h"

namespace restomer {
namespace {

// Excel's widths are in characters.
constexpr double kMostColumnWidth = 60;
// The rows a column's width is fitted to: in a file of many rows the later
// ones are like these, and measuring every cell costs more than writing it.
constexpr qsizetype kRowsMeasured = 1'000;

// The workbook is the same file whatever the settings of the computer that
// wrote it: its numbers are numbers, which Excel shows in its own notation,
// and the few numbers inside its texts ("0,02 лв.: липсва") and its column
// widths are in the Bulgarian notation.
QLocale notation() { return QLocale(QLocale::Bulgarian, QLocale::Bulgaria); }

struct Formats {
  lxw_format* heading;
  lxw_format* amount;
  lxw_format* share;
  lxw_format* time;
};

// A cell by its column's kind: numbers as numbers, times as dates, and text
// as text, which no spreadsheet runs as a formula, whatever it starts with.
void writeCell(lxw_worksheet* sheet, int row, int column, const QVariant& cell,
               ReportTable::Kind kind, const Formats& formats) {
  const auto r = static_cast<lxw_row_t>(row);
  const auto c = static_cast<lxw_col_t>(column);
  switch (kind) {
    case ReportTable::Kind::kWhole:
    case ReportTable::Kind::kAmount:
    case ReportTable::Kind::kShare:
      if (cell.typeId() == QMetaType::QString) break;  // an empty cell
      worksheet_write_number(sheet, r, c, cell.toDouble(),
                             kind == ReportTable::Kind::kAmount  ? formats.amount
                             : kind == ReportTable::Kind::kShare ? formats.share
                                                                 : nullptr);
      return;
    case ReportTable::Kind::kTime:
      if (cell.typeId() != QMetaType::QDateTime) break;
      {
        // The time of the computer the row was written on, as it was.
        const QDateTime local =
            cell.toDateTime().toOffsetFromUtc(cell.toDateTime().offsetFromUtc());
        lxw_datetime time = {local.date().year(),   local.date().month(),
                             local.date().day(),    local.time().hour(),
                             local.time().minute(), static_cast<double>(local.time().second())};
        worksheet_write_datetime(sheet, r, c, &time, formats.time);
      }
      return;
    case ReportTable::Kind::kText:
      break;
  }
  const QByteArray text = cell.toString().toUtf8();
  if (!text.isEmpty()) worksheet_write_string(sheet, r, c, text.constData(), nullptr);
}

// A sheet of `table`'s headers and kinds with `count` rows, which
// `rowAt` makes one at a time: in constant-memory mode each row goes to the
// file as the next begins, so the sheet is never held whole.
lxw_worksheet* writeSheet(lxw_workbook* book, const ReportTable& table, qsizetype count,
                          const std::function<QVariantList(qsizetype)>& rowAt,
                          const Formats& formats) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, table.title.toUtf8().constData());
  const QLocale locale = notation();
  QList<double> widths;
  for (qsizetype k = 0; k < table.headers.size(); ++k) {
    worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(k),
                           table.headers[k].toUtf8().constData(), formats.heading);
    widths << table.headers[k].size() + 2;
  }
  for (qsizetype row = 0; row < count; ++row) {
    const QVariantList cells = rowAt(row);
    for (qsizetype k = 0; k < table.headers.size(); ++k) {
      writeCell(sheet, static_cast<int>(row + 1), static_cast<int>(k), cells[k], table.kinds[k],
                formats);
      if (row < kRowsMeasured) {
        widths[k] = std::max(widths[k], cellText(cells[k], table.kinds[k], locale).size() + 2.0);
      }
    }
  }
  for (qsizetype k = 0; k < widths.size(); ++k) {
    worksheet_set_column(sheet, static_cast<lxw_col_t>(k), static_cast<lxw_col_t>(k),
                         std::min(widths[k], kMostColumnWidth), nullptr);
  }
  worksheet_freeze_panes(sheet, 1, 0);
  if (count > 0) {
    worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(count),
                         static_cast<lxw_col_t>(table.headers.size() - 1));
  }
  return sheet;
}

lxw_worksheet* writeSheet(lxw_workbook* book, const ReportTable& table, const Formats& formats) {
  return writeSheet(
      book, table, table.rows.size(), [&table](qsizetype row) { return table.rows[row]; }, formats);
}

// Excel's own chart of the sheet's first column against `values`, for its
// `count` rows, to the right of the table from column `at`.
void insertChart(lxw_workbook* book, lxw_worksheet* sheet, const QString& sheetName,
                 const Chart& chart, qsizetype count, lxw_col_t values, lxw_col_t at) {
  if (count == 0) return;
  lxw_chart* excel = workbook_add_chart(
      book, chart.kind == Chart::Kind::kBars ? LXW_CHART_COLUMN : LXW_CHART_LINE);
  lxw_chart_series* series = chart_add_series(excel, nullptr, nullptr);
  const QByteArray name = sheetName.toUtf8();
  const auto last = static_cast<lxw_row_t>(count);
  chart_series_set_categories(series, name.constData(), 1, 0, last, 0);
  chart_series_set_values(series, name.constData(), 1, values, last, values);
  if (chart.kind == Chart::Kind::kLine)
    chart_series_set_marker_type(series, LXW_CHART_MARKER_CIRCLE);
  const QByteArray title = chart.title.toUtf8();
  chart_title_set_name(excel, title.constData());
  chart_legend_set_position(excel, LXW_CHART_LEGEND_NONE);
  if (chart.shares) {
    chart_axis_set_min(excel->y_axis, 0);
    chart_axis_set_max(excel->y_axis, 1);
    chart_axis_set_num_format(excel->y_axis, "0%");
  }
  worksheet_insert_chart(sheet, 1, at, excel);
}

// What the workbook shows: the files read, when, the filter and the notes
// the window shows above its tables.
ReportTable aboutTable(const ResultsReport& report) {
  ReportTable about{QStringLiteral("Отчет"),
                    {QStringLiteral("Какво"), QStringLiteral("")},
                    {ReportTable::Kind::kText, ReportTable::Kind::kText},
                    {{QStringLiteral("Прочетено"), report.sources()},
                     {QStringLiteral("На"), timeText(report.taken)},
                     {QStringLiteral("Редове"), QString::number(report.overview.rows)}}};
  for (const QString& note : report.notes()) about.rows.append({QStringLiteral("Бележка"), note});
  return about;
}

void writeSheets(lxw_workbook* book, const ResultsReport& report, const Formats& formats) {
  const std::vector<ReportTable> tables = report.tables(notation());
  std::vector<lxw_worksheet*> sheets;
  for (const ReportTable& table : tables) sheets.push_back(writeSheet(book, table, formats));
  // The share right lesson by lesson, beside the lessons' table, the last.
  const ReportTable& lessons = tables.back();
  const Chart byLesson = lessonsChart(QStringLiteral("Верни по уроци"), report.overview.lessons);
  insertChart(book, sheets.back(), lessons.title, byLesson, lessons.rows.size(),
              static_cast<lxw_col_t>(lessons.headers.indexOf(byLesson.valueHeading)),
              static_cast<lxw_col_t>(lessons.headers.size() + 1));
  const Chart byCoin = mistakesChart(report, notation());
  ReportTable coins = chartTable(byCoin);
  coins.title = QStringLiteral("Грешки по монети");  // a sheet's name has no colon
  insertChart(book, writeSheet(book, coins, formats), coins.title, byCoin, coins.rows.size(), 1, 3);
  const std::vector<std::size_t> taken = report.rowsShown();
  writeSheet(
      book, ResultsReport::everyRowTable(), static_cast<qsizetype>(taken.size()),
      [&](qsizetype row) { return ResultsReport::rowCells(report.rows[taken[row]]); }, formats);
  writeSheet(book, aboutTable(report), formats);
}

}  // namespace

QString writeXlsxReport(const QString& path, const ResultsReport& report) {
  const QString reason =
      saveThroughDraft(path, QStringLiteral("report.xlsx"), [&](const QString& draft) {
        const CNumbers numbers;  // libxlsxwriter writes the numbers of its XML with printf
        const QByteArray temporary = QDir::toNativeSeparators(QDir::tempPath()).toUtf8();
        lxw_workbook_options options = {};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = const_cast<char*>(temporary.constData());
        lxw_workbook* book =
            workbook_new_opt(QDir::toNativeSeparators(draft).toUtf8().constData(), &options);
        if (book == nullptr) return QStringLiteral("временният файл не може да бъде създаден");
        Formats formats{workbook_add_format(book), workbook_add_format(book),
                        workbook_add_format(book), workbook_add_format(book)};
        format_set_bold(formats.heading);
        format_set_num_format(formats.amount, "0.00");
        format_set_num_format(formats.share, "0%");
        format_set_num_format(formats.time, "yyyy-mm-dd hh:mm:ss");
        lxw_doc_properties properties = {};
        properties.title = const_cast<char*>("Restomer — резултати");
        workbook_set_properties(book, &properties);
        writeSheets(book, report, formats);
        const lxw_error error = workbook_close(book);
        return error == LXW_NO_ERROR ? QString() : QString::fromUtf8(lxw_strerror(error));
      });
  if (reason.isEmpty()) return {};
  return QStringLiteral("Отчетът „%1“ не може да бъде записан: %2.")
      .arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace restomer
