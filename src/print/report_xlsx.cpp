#include <xlsxwriter.h>

#include <QDir>
#include <algorithm>

#include "io/c_numbers.h"
#include "io/draft_file.h"
#include "print/report_formats.h"

namespace restomer {
namespace {

// Excel's widths are in characters.
constexpr double kMostColumnWidth = 60;

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

void writeTable(lxw_workbook* book, const ReportTable& table, const Formats& formats) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, table.title.toUtf8().constData());
  QList<double> widths;
  for (qsizetype k = 0; k < table.headers.size(); ++k) {
    worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(k),
                           table.headers[k].toUtf8().constData(), formats.heading);
    widths << table.headers[k].size() + 2;
  }
  for (qsizetype row = 0; row < table.rows.size(); ++row) {
    for (qsizetype k = 0; k < table.headers.size(); ++k) {
      writeCell(sheet, static_cast<int>(row + 1), static_cast<int>(k), table.rows[row][k],
                table.kinds[k], formats);
      widths[k] = std::max(widths[k], cellText(table.rows[row][k], table.kinds[k]).size() + 2.0);
    }
  }
  for (qsizetype k = 0; k < widths.size(); ++k) {
    worksheet_set_column(sheet, static_cast<lxw_col_t>(k), static_cast<lxw_col_t>(k),
                         std::min(widths[k], kMostColumnWidth), nullptr);
  }
  worksheet_freeze_panes(sheet, 1, 0);
  if (!table.rows.isEmpty()) {
    worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(table.rows.size()),
                         static_cast<lxw_col_t>(table.headers.size() - 1));
  }
}

}  // namespace

QString writeXlsxReport(const QString& path, const ResultsReport& report) {
  const QString reason =
      saveThroughDraft(path, QStringLiteral("report.xlsx"), [&](const QString& draft) {
        const CNumbers numbers;  // libxlsxwriter writes the numbers of its XML with printf
        lxw_workbook* book = workbook_new(QDir::toNativeSeparators(draft).toUtf8().constData());
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
        for (const ReportTable& table : report.tables(true)) writeTable(book, table, formats);
        const lxw_error error = workbook_close(book);
        return error == LXW_NO_ERROR ? QString() : QString::fromUtf8(lxw_strerror(error));
      });
  if (reason.isEmpty()) return {};
  return QStringLiteral("Отчетът „%1“ не може да бъде записан: %2.")
      .arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace restomer
