#include "print/slips.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <set>

#include "core/practice_wording.h"
#include "print/a4_pdf.h"
#include "print/report_painter.h"

namespace restomer {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// "Клас: 5а. Уроци: 3, от 05.10.2026 до 02.11.2026. Задачи: 30, верни 22 (73 %)."
QString aboutPupil(const ResultsReport& report, const PupilLine& pupil) {
  std::set<std::string> classes;
  for (std::size_t row : pupil.rows) classes.insert(report.rows[row].class_name);
  QStringList names;
  for (const std::string& name : classes) names << text(name);
  QString about = QStringLiteral("Клас: %1.").arg(names.join(QStringLiteral(", ")));
  if (!pupil.lessons.empty()) {
    about += QStringLiteral(" Уроци: %1, от %2 до %3.")
                 .arg(pupil.lessons.size())
                 .arg(dayText(pupil.lessons.front().began), dayText(pupil.lessons.back().began));
  }
  return about + QStringLiteral(" Задачи: %1, верни %2 (%3).")
                     .arg(pupil.tasks)
                     .arg(pupil.right)
                     .arg(cellText(pupil.ShareRight(), ReportTable::Kind::kShare));
}

}  // namespace

QStringList practiseNext(const PupilLine& pupil) {
  QStringList advice;
  if (pupil.most_missed_tasks > 0) {
    const QString coin = denominationText(pupil.most_missed_currency, pupil.most_missed);
    // "лв." ends the sentence itself.
    advice << QStringLiteral(
                  "Най-често пропуска %1 (в %2). Като брои рестото, нека не забравя %1%3")
                  .arg(coin, text(TasksInWords(pupil.most_missed_tasks)),
                       coin.endsWith(u'.') ? QString() : QStringLiteral("."));
  } else {
    advice << QStringLiteral("Не пропуска монети и банкноти, когато връща ресто.");
  }
  const int next = LevelToTry(pupil);
  if (next > pupil.last_level) {
    advice << QStringLiteral("Справя се добре на ниво %1: нека опита ниво %2.")
                  .arg(pupil.last_level)
                  .arg(next);
  } else if (next < pupil.last_level) {
    advice << QStringLiteral("Нека се върне на ниво %1, докато решава вярно поне 8 от 10 задачи.")
                  .arg(next);
  } else {
    advice << QStringLiteral("Нека упражнява още на ниво %1.").arg(next);
  }
  return advice;
}

QString writeSlips(const QString& path, const ResultsReport& report) {
  if (QFileInfo(path).suffix().toLower() != QLatin1String("pdf")) {
    return QStringLiteral("Листчетата „%1“ трябва да са .pdf.").arg(QDir::toNativeSeparators(path));
  }
  return writeA4Pdf(
      path, QStringLiteral("Restomer — листчета за учениците"), QStringLiteral("Листчетата"),
      [&report](QPdfWriter& writer) {
        A4Pages pages(writer);
        ReportPainter painter(pages);
        return pages.paint([&] {
          for (std::size_t k = 0; k < report.overview.pupils.size(); ++k) {
            const PupilLine& pupil = report.overview.pupils[k];
            pages.startPage();
            painter.title(QStringLiteral("Как се справя %1 с рестото").arg(text(pupil.pupil)),
                          kTitlePoints);
            painter.paragraph(aboutPupil(report, pupil), painter.font());
            painter.chart(lessonsChart(QStringLiteral("Верни по уроци"), pupil.lessons));
            painter.title(QStringLiteral("Какво да упражнява"), kTitlePoints - 3);
            for (const QString& advice : practiseNext(pupil)) {
              painter.paragraph(advice, painter.font());
            }
          }
          if (report.overview.pupils.empty()) {
            pages.startPage();
            painter.paragraph(QStringLiteral("Няма ученици."), painter.font());
          }
        });
      });
}

}  // namespace restomer
