#include "print/worksheet.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <string>
#include <vector>

#include "core/amount_text.h"
#include "core/change_breakdown.h"
#include "core/form_content.h"
#include "core/practice_wording.h"
#include "io/date_text.h"
#include "io/regional_settings.h"
#include "print/a4_pages.h"
#include "print/a4_pdf.h"
#include "print/fonts.h"

namespace restomer {
namespace {

// The layout, in millimetres: margins a printer keeps, and the spacing of
// the denomination boxes and of the tasks.
constexpr double kBoxMm = 3.5;
constexpr double kCaptionGapMm = 1.5;  // between a box and its caption
constexpr double kPieceGapMm = 3;      // between one denomination and the next
constexpr double kAnswerLineMm = 35;   // the line to write the change on
constexpr double kTaskGapMm = 7;
constexpr int kTitlePoints = 16;

// A task as the sheet shows it and as the window answers it.
struct SheetTask {
  int number;
  QString purchase;  // "Клиентът купува за 50,43 лв. и дава 55,00 лв."
  QString answer;    // "50,43 лв. → 55,00 лв.: ресто 4,57 лв."
  QStringList captions;
  std::vector<bool> ticked;
  QStringList countUp;
};

// The seed's tasks in practice's order, each answered by the change logic
// itself and worded as practice words them, so that the sheet and the window
// cannot disagree.
std::vector<SheetTask> tasksOf(const WorksheetOptions& options) {
  TaskGenerator generator(options.seed, *options.level);
  const PracticeWording wording(*options.currency, options.settings);
  std::vector<SheetTask> tasks;
  for (int number = 1; number <= options.tasks; ++number) {
    const PracticeTask task = generator.Next();
    FormContent form = StartUpContent(*options.currency);
    form.Text3[kPriceBox].Text = AmountText(task.price);
    form.Text3[kPaidBox].Text = AmountText(task.paid);
    const std::vector<Piece> pieces = BreakDownChange(form, options.settings, *options.currency);
    SheetTask sheet{
        number,
        QString::fromStdString(wording.PurchaseSentence(task.price, task.paid)),
        QString::fromStdString(wording.Amount(task.price) + " → " + wording.Amount(task.paid) +
                               ": ресто " + wording.Amount(task.paid - task.price)),
        {},
        {},
        {}};
    for (const std::string& line :
         CountUpLines(form, pieces, options.settings, *options.currency)) {
      sheet.countUp << QString::fromStdString(line);
    }
    for (const CheckBox& box : form.Check1) {
      sheet.captions << QString::fromStdString(box.Caption);
      sheet.ticked.push_back(box.Value == 1);
    }
    tasks.push_back(std::move(sheet));
  }
  return tasks;
}

QFont titleFont() {
  QFont font = windowFont();
  font.setPointSize(kTitlePoints);
  return font;
}

// A worksheet's pages: every page starts with the sheet's head (its title,
// the lesson, a line for the name); tasks are never split across pages.
class Sheet {
 public:
  Sheet(A4Pages& pages, const WorksheetOptions& options) : pages_(pages), options_(options) {}

  // A new page under `title`.
  void startPage(const QString& title) {
    pages_.startPage([this, title] {
      text(title, titleFont(), true);
      text(QStringLiteral("Валута: %1. %2 Начално число: %3. Дата: %4.")
               .arg(QString::fromUtf8(options_.currency->bulgarian_name))
               .arg(QString::fromStdString(LevelText(*options_.level, options_.currency->unit)))
               .arg(options_.seed)
               .arg(dayText(options_.date)),
           windowFont(), true);
      gap(3, true);
      answerLine(QStringLiteral("Име:"), windowFont(), true);
      gap(kTaskGapMm, true);
    });
  }

  void fit(double height) { pages_.fit(height); }
  double mm(double millimetres) const { return pages_.mm(millimetres); }
  double text(const QString& text, const QFont& font, bool draw, double indent = 0) {
    return pages_.text(text, font, draw, indent);
  }
  double gap(double millimetres, bool draw) { return pages_.gap(millimetres, draw); }

  // "Ресто: ____": a label and a line to write on.
  double answerLine(const QString& label, const QFont& font, bool draw) {
    const QFontMetricsF metrics(font, &pages_.writer());
    if (draw && pages_.painting()) {
      QPainter& painter = pages_.painter();
      painter.setFont(font);
      painter.drawText(QPointF(0, pages_.y() + metrics.ascent()), label);
      const double x = metrics.horizontalAdvance(label + QLatin1Char(' '));
      const double baseline = pages_.y() + metrics.ascent() + metrics.descent() / 2;
      painter.drawLine(QPointF(x, baseline), QPointF(x + mm(kAnswerLineMm), baseline));
    }
    return pages_.advance(metrics.lineSpacing(), draw);
  }

  // The denomination boxes in the window's order, each with its caption,
  // in as many rows as the page's width needs; ticked where `ticked` says.
  double boxes(const SheetTask& task, const QFont& font, bool withTicks, bool draw) {
    const QFontMetricsF metrics(font, &pages_.writer());
    const double box = mm(kBoxMm);
    const double rowHeight = std::max(box, metrics.height()) + mm(1.5);
    QPainter& painter = pages_.painter();
    painter.setFont(font);
    double x = 0;
    double top = pages_.y();
    for (qsizetype k = 0; k < task.captions.size(); ++k) {
      const double width = box + mm(kCaptionGapMm) + metrics.horizontalAdvance(task.captions[k]);
      if (x > 0 && x + width > pages_.width()) {
        x = 0;
        top += rowHeight;
      }
      if (draw && pages_.painting()) {
        const QRectF square(x, top + (metrics.height() - box) / 2, box, box);
        painter.drawRect(square);
        if (withTicks && task.ticked[k]) drawTick(square);
        painter.drawText(QPointF(x + box + mm(kCaptionGapMm), top + metrics.ascent()),
                         task.captions[k]);
      }
      x += width + mm(kPieceGapMm);
    }
    return pages_.advance(top + rowHeight - pages_.y(), draw);
  }

 private:
  void drawTick(const QRectF& square) {
    QPainterPath tick;
    tick.moveTo(square.left() + square.width() * 0.15, square.top() + square.height() * 0.55);
    tick.lineTo(square.left() + square.width() * 0.4, square.bottom() - square.height() * 0.15);
    tick.lineTo(square.right() - square.width() * 0.1, square.top() + square.height() * 0.1);
    QPainter& painter = pages_.painter();
    const QPen pen = painter.pen();
    painter.setPen(QPen(Qt::black, mm(0.4)));
    painter.drawPath(tick);
    painter.setPen(pen);
  }

  A4Pages& pages_;
  const WorksheetOptions& options_;
};

// One task for the pupil: the purchase, a line for the change, the boxes.
double drawTask(Sheet& sheet, const SheetTask& task, bool draw) {
  const QFont font = windowFont();
  return sheet.text(QStringLiteral("%1. %2").arg(task.number).arg(task.purchase), font, draw) +
         sheet.answerLine(QStringLiteral("Ресто:"), font, draw) + sheet.gap(1, draw) +
         sheet.boxes(task, font, false, draw) + sheet.gap(kTaskGapMm, draw);
}

// One task of the key: the change, the pieces ticked, the count-up.
double drawAnswer(Sheet& sheet, const SheetTask& task, bool draw) {
  const QFont font = windowFont();
  double height =
      sheet.text(QStringLiteral("%1. %2").arg(task.number).arg(task.answer), font, draw) +
      sheet.gap(1, draw) + sheet.boxes(task, font, true, draw);
  for (const QString& line : task.countUp) height += sheet.text(line, font, draw, sheet.mm(5));
  return height + sheet.gap(kTaskGapMm, draw);
}

// The tasks, then the key from a new page.
void layOut(Sheet& sheet, const std::vector<SheetTask>& tasks) {
  sheet.startPage(QStringLiteral("Restomer — работен лист"));
  for (const SheetTask& task : tasks) {
    sheet.fit(drawTask(sheet, task, false));
    drawTask(sheet, task, true);
  }
  sheet.startPage(QStringLiteral("Restomer — ключ с отговорите"));
  for (const SheetTask& task : tasks) {
    sheet.fit(drawAnswer(sheet, task, false));
    drawAnswer(sheet, task, true);
  }
}

}  // namespace

WorksheetOptions worksheetOptionsOf(const Lesson& lesson) {
  WorksheetOptions options;
  options.currency = lesson.currency;
  options.level = FindLevel(lesson.level);
  options.tasks = lesson.tasks > 0 ? lesson.tasks : kWorksheetTasks;
  options.seed = lesson.seed.value_or(NewSeed());
  options.settings = regionalSettingsOf(QLocale::system());
  options.date = QDate::currentDate();
  return options;
}

QString writeWorksheet(const QString& path, const WorksheetOptions& options) {
  const std::vector<SheetTask> tasks = tasksOf(options);
  return writeA4Pdf(path, QStringLiteral("Restomer — работен лист"),
                    QStringLiteral("Работният лист"), [&](QPdfWriter& writer) {
                      A4Pages pages(writer);
                      Sheet sheet(pages, options);
                      return pages.paint([&] { layOut(sheet, tasks); });
                    });
}

}  // namespace restomer
