#include <QPdfWriter>

#include "io/date_text.h"
#include "print/a4_pdf.h"
#include "print/report_formats.h"
#include "print/report_painter.h"

namespace restomer {

QString writePdfReport(const QString& path, const ResultsReport& report) {
  return writeA4Pdf(
      path, QStringLiteral("Restomer — резултати"), QStringLiteral("Отчетът"),
      [&report](QPdfWriter& writer) {
        // A class over its lessons has more columns than a portrait page.
        writer.setPageOrientation(QPageLayout::Landscape);
        A4Pages pages(writer);
        ReportPainter painter(pages);
        const std::vector<ReportTable> tables = report.tables();
        return pages.paint([&] {
          pages.startPage();
          painter.title(QStringLiteral("Restomer — резултати"), kTitlePoints);
          painter.paragraph(QStringLiteral("Прочетено: %1, на %2. Редове: %3.")
                                .arg(report.sources(), timeText(report.taken))
                                .arg(report.rows.size()),
                            painter.font());
          for (const QString& note : report.notes()) {
            if (!note.isEmpty()) painter.paragraph(note, painter.font());
          }
          for (const ReportTable& table : tables) painter.table(table);
          pages.startPage();
          painter.chart(mistakesChart(report));
          painter.chart(lessonsChart(QStringLiteral("Верни по уроци"), report.overview.lessons));
        });
      });
}

}  // namespace restomer
