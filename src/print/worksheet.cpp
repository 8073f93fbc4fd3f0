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
#include "io/regional_settings.h"
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
constexpr int kResolutionDpi = kPdfResolutionDpi;

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

// Lays blocks out from the top of a page down, starting a new page where a
// block does not fit, so that no task is split. Every page starts with the
// sheet's head (its title, the lesson, a line for the name) and ends with
// "стр. N от M". A first pass paints nothing and counts the pages; each
// block is measured with `draw` false before it is drawn.
class Sheet {
 public:
  Sheet(QPdfWriter& writer, const WorksheetOptions& options)
      : writer_(writer), painter_(&writer), options_(options) {
    // Lines a printer draws solid: a pen of zero width is a device's
    // thinnest line, pale or broken on paper.
    painter_.setPen(QPen(Qt::black, points(kPdfLinePoints)));
  }

  bool isActive() const { return painter_.isActive(); }
  bool finish() { return painter_.end(); }
  int pages() const { return page_; }

  // Starts over from the first page; with `painting` false nothing is drawn.
  void restart(bool painting, int pages) {
    painting_ = painting;
    pages_ = pages;
    page_ = 0;
    y_ = 0;
  }

  double mm(double millimetres) const { return millimetres * kResolutionDpi / 25.4; }
  double points(double points) const { return points * kResolutionDpi / 72; }

  // A new page with its head, under `title`.
  void startPage(const QString& title) {
    if (page_ > 0 && painting_) writer_.newPage();
    ++page_;
    y_ = 0;
    title_ = title;
    if (painting_) drawPageNumber();
    text(title, titleFont(), true);
    text(QStringLiteral("Валута: %1. %2 Начално число: %3. Дата: %4.")
             .arg(QString::fromUtf8(options_.currency->bulgarian_name))
             .arg(QString::fromStdString(LevelText(*options_.level, options_.currency->unit)))
             .arg(options_.seed)
             .arg(options_.date.toString(QStringLiteral("dd.MM.yyyy"))),
         windowFont(), true);
    gap(3, true);
    answerLine(QStringLiteral("Име:"), windowFont(), true);
    gap(kTaskGapMm, true);
  }

  // Makes room for a block `height` high.
  void fit(double height) {
    if (y_ + height > bottom()) startPage(title_);
  }

  double text(const QString& text, const QFont& font, bool draw, double indent = 0) {
    const QRectF area(indent, y_, writer_.width() - indent, writer_.height());
    painter_.setFont(font);
    const QRectF used = painter_.boundingRect(area, Qt::TextWordWrap, text);
    if (draw && painting_) painter_.drawText(area, Qt::TextWordWrap, text);
    return advance(used.height(), draw);
  }

  // "Ресто: ____": a label and a line to write on.
  double answerLine(const QString& label, const QFont& font, bool draw) {
    const QFontMetricsF metrics(font, &writer_);
    if (draw && painting_) {
      painter_.setFont(font);
      painter_.drawText(QPointF(0, y_ + metrics.ascent()), label);
      const double x = metrics.horizontalAdvance(label + QLatin1Char(' '));
      const double baseline = y_ + metrics.ascent() + metrics.descent() / 2;
      painter_.drawLine(QPointF(x, baseline), QPointF(x + mm(kAnswerLineMm), baseline));
    }
    return advance(metrics.lineSpacing(), draw);
  }

  // The denomination boxes in the window's order, each with its caption,
  // in as many rows as the page's width needs; ticked where `ticked` says.
  double boxes(const SheetTask& task, const QFont& font, bool withTicks, bool draw) {
    const QFontMetricsF metrics(font, &writer_);
    const double box = mm(kBoxMm);
    const double rowHeight = std::max(box, metrics.height()) + mm(1.5);
    painter_.setFont(font);
    double x = 0;
    double top = y_;
    for (qsizetype k = 0; k < task.captions.size(); ++k) {
      const double width = box + mm(kCaptionGapMm) + metrics.horizontalAdvance(task.captions[k]);
      if (x > 0 && x + width > writer_.width()) {
        x = 0;
        top += rowHeight;
      }
      if (draw && painting_) {
        const QRectF square(x, top + (metrics.height() - box) / 2, box, box);
        painter_.drawRect(square);
        if (withTicks && task.ticked[k]) drawTick(square);
        painter_.drawText(QPointF(x + box + mm(kCaptionGapMm), top + metrics.ascent()),
                          task.captions[k]);
      }
      x += width + mm(kPieceGapMm);
    }
    return advance(top + rowHeight - y_, draw);
  }

  double gap(double millimetres, bool draw) { return advance(mm(millimetres), draw); }

 private:
  // Where blocks end: above the page number.
  double bottom() const {
    return writer_.height() - QFontMetricsF(windowFont(), &writer_).lineSpacing() - mm(2);
  }

  void drawPageNumber() {
    const QFont font = windowFont();
    painter_.setFont(font);
    const QFontMetricsF metrics(font, &writer_);
    painter_.drawText(
        QRectF(0, writer_.height() - metrics.lineSpacing(), writer_.width(), metrics.lineSpacing()),
        Qt::AlignRight | Qt::AlignBottom, QStringLiteral("стр. %1 от %2").arg(page_).arg(pages_));
  }

  void drawTick(const QRectF& square) {
    QPainterPath tick;
    tick.moveTo(square.left() + square.width() * 0.15, square.top() + square.height() * 0.55);
    tick.lineTo(square.left() + square.width() * 0.4, square.bottom() - square.height() * 0.15);
    tick.lineTo(square.right() - square.width() * 0.1, square.top() + square.height() * 0.1);
    const QPen pen = painter_.pen();
    painter_.setPen(QPen(Qt::black, mm(0.4)));
    painter_.drawPath(tick);
    painter_.setPen(pen);
  }

  double advance(double height, bool draw) {
    if (draw) y_ += height;
    return height;
  }

  QPdfWriter& writer_;
  QPainter painter_;
  const WorksheetOptions& options_;
  bool painting_ = false;
  int pages_ = 0;
  int page_ = 0;
  QString title_;
  double y_ = 0;
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
                      Sheet sheet(writer, options);
                      if (!sheet.isActive()) return false;
                      sheet.restart(false, 0);
                      layOut(sheet, tasks);
                      sheet.restart(true, sheet.pages());
                      layOut(sheet, tasks);
                      return sheet.finish();
                    });
}

}  // namespace restomer
