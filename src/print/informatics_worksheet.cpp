#include "print/informatics_worksheet.h"

#include <QPdfWriter>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/coin_wording.h"
#include "io/date_text.h"
#include "print/a4_pdf.h"
#include "print/fonts.h"
#include "print/report_painter.h"

namespace restomer {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// "4: ____   3: ____   1: ____", or "да / не".
QString answerSpace(const InformaticsTask& task) {
  if (task.question == InformaticsTask::Question::kIsGreedyFewest) {
    return QStringLiteral("Отговор:   да   /   не");
  }
  QStringList blanks;
  for (std::int64_t coin : task.coins) blanks << QStringLiteral("%1: ______").arg(coin);
  return blanks.join(QStringLiteral("      "));
}

// The table of the fewest for the amounts 0 to the task's, a column each:
// how many pieces, and the last coin of the fewest way.
ReportTable fewestTable(const InformaticsTask& task) {
  const FewestTable table = FewestUpTo(task.coins, task.amount);
  ReportTable shown{QStringLiteral("Таблицата на най-малко бройки"),
                    {QStringLiteral("Сума")},
                    {ReportTable::Kind::kText},
                    {{QStringLiteral("Бройки")}, {QStringLiteral("Последна")}}};
  for (std::int64_t amount = 0; amount <= task.amount; ++amount) {
    const auto at = static_cast<std::size_t>(amount);
    shown.headers << QString::number(amount);
    shown.kinds << ReportTable::Kind::kText;
    shown.rows[0] << (table.fewest[at] < 0 ? QStringLiteral("—")
                                           : QString::number(table.fewest[at]));
    shown.rows[1] << (table.last[at] == 0 ? QString() : QString::number(table.last[at]));
  }
  return shown;
}

// Every page starts with the sheet's head: its title, the level, the seed
// and the date, and a line for the name.
std::function<void()> headOf(A4Pages& pages, const QString& title, const QString& about) {
  return [&pages, title, about] {
    QFont font = windowFont();
    font.setPointSize(kTitlePoints);
    pages.text(title, font);
    pages.text(about, windowFont());
    pages.text(QStringLiteral("Име: ______________________________"), windowFont());
    pages.gap(4);
  };
}

void layOut(ReportPainter& painter, A4Pages& pages, const InformaticsSheetOptions& options,
            const std::vector<InformaticsTask>& tasks) {
  const QString about = QStringLiteral("Ниво %1: %2. Начално число: %3. Дата: %4.")
                            .arg(options.level->number)
                            .arg(QString::fromUtf8(options.level->description))
                            .arg(options.seed)
                            .arg(dayText(options.date));
  pages.startPage(headOf(pages, QStringLiteral("Restomer — информатика: работен лист"), about));
  for (std::size_t k = 0; k < tasks.size(); ++k) {
    painter.paragraph(text(InformaticsTaskText(static_cast<int>(k + 1), tasks[k])), painter.font());
    painter.paragraph(answerSpace(tasks[k]), painter.font());
    pages.gap(4);  // room to work it out
  }
  pages.startPage(
      headOf(pages, QStringLiteral("Restomer — информатика: ключ с отговорите"), about));
  for (std::size_t k = 0; k < tasks.size(); ++k) {
    const InformaticsTask& task = tasks[k];
    QStringList lines =
        text(AmountAnswer(task.coins, task.amount)).split(u'\n', Qt::SkipEmptyParts);
    lines.removeFirst();  // the coins, said in the task
    if (task.question == InformaticsTask::Question::kIsGreedyFewest) {
      lines << (GreedyIsFewest(task) ? QStringLiteral("Отговор: да.")
                                     : QStringLiteral("Отговор: не."));
    }
    painter.paragraph(text(InformaticsTaskText(static_cast<int>(k + 1), task)), painter.font());
    for (const QString& line : lines) painter.paragraph(line, painter.font());
    if (task.amount <= kTableInKeyUpTo) painter.table(fewestTable(task));
  }
}

}  // namespace

InformaticsSheetOptions informaticsSheetOptionsOf(const Lesson& lesson) {
  InformaticsSheetOptions options;
  options.level = FindInformaticsLevel(lesson.level);
  if (options.level == nullptr) options.level = FindInformaticsLevel(1);
  options.tasks = lesson.tasks > 0 ? lesson.tasks : kWorksheetTasks;
  options.seed = lesson.seed.value_or(NewSeed());
  options.coins = lesson.coins;
  options.date = QDate::currentDate();
  return options;
}

QString writeInformaticsWorksheet(const QString& path, const InformaticsSheetOptions& options) {
  InformaticsTasks draw(options.seed, *options.level, options.coins);
  std::vector<InformaticsTask> tasks;
  for (int k = 0; k < options.tasks; ++k) tasks.push_back(draw.Next());
  return writeA4Pdf(path, QStringLiteral("Restomer — информатика: работен лист"),
                    QStringLiteral("Работният лист"), [&](QPdfWriter& writer) {
                      A4Pages pages(writer);
                      ReportPainter painter(pages);
                      return pages.paint([&] { layOut(painter, pages, options, tasks); });
                    });
}

}  // namespace restomer
