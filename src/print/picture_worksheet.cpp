#include "print/picture_worksheet.h"

#include <QPdfWriter>
#include <algorithm>
#include <functional>
#include <vector>

#include "core/count_up.h"
#include "core/picture_practice.h"
#include "core/picture_wording.h"
#include "io/date_text.h"
#include "io/regional_settings.h"
#include "print/a4_pages.h"
#include "print/a4_pdf.h"
#include "print/fonts.h"
#include "print/item_drawing.h"
#include "print/piece_drawing.h"
#include "print/report_painter.h"

namespace restomer {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// On paper the pieces are drawn at 80 % of their drawing size: a 1-cent
// coin is 13 mm across, a 500-euro note 64 mm wide.
constexpr double kPaperScale = 0.8;
constexpr double kPieceGapMm = 3;
constexpr double kItemMm = 22;
const QString kTitle = QStringLiteral("Restomer — работен лист с картинки");

// The pieces a pupil may circle for a change: every denomination up to it,
// as many as the change could take (the largest up to nine times, the
// others up to twice, which is as often as the fewest ever takes them).
std::vector<std::int64_t> pieceChoices(const Currency& currency, std::int64_t change) {
  std::vector<std::int64_t> pieces;
  bool largest = true;
  for (std::int64_t value : currency.hundredths) {
    if (value > change) continue;
    const std::int64_t copies = std::min<std::int64_t>(change / value, largest ? 9 : 2);
    pieces.insert(pieces.end(), copies, value);
    largest = false;
  }
  return pieces;
}

// Which of `choices` the fewest pieces are: the first copies of each value.
std::vector<bool> circled(const std::vector<std::int64_t>& choices, const Payment& fewest) {
  std::vector<bool> marks(choices.size());
  for (const auto& [value, count] : fewest.counts) {
    std::int64_t left = count;
    for (std::size_t k = 0; k < choices.size() && left > 0; ++k) {
      if (choices[k] == value) marks[k] = true, --left;
    }
  }
  return marks;
}

class SheetLayout {
 public:
  SheetLayout(A4Pages& pages, const PictureSheetOptions& options)
      : pages_(pages), options_(options), wording_(*options.currency, options.settings) {}

  void layOut(const std::vector<PictureTask>& tasks) {
    const QString about = QStringLiteral("%1 Начално число: %2. Дата: %3.")
                              .arg(text(LevelText(*options_.level, options_.currency->unit)))
                              .arg(options_.seed)
                              .arg(dayText(options_.date));
    pages_.startPage(head(kTitle, about, true));
    for (std::size_t k = 0; k < tasks.size(); ++k) task(static_cast<int>(k + 1), tasks[k], false);
    pages_.startPage(
        head(QStringLiteral("Restomer — ключ към работния лист с картинки"), about, false));
    for (std::size_t k = 0; k < tasks.size(); ++k) task(static_cast<int>(k + 1), tasks[k], true);
  }

 private:
  std::function<void()> head(const QString& title, const QString& about, bool name) {
    return [this, title, about, name] {
      QFont font = windowFont();
      font.setPointSize(kTitlePoints);
      pages_.text(title, font);
      pages_.text(about, windowFont());
      pages_.text(text(PictureWording::PaperInstruction(options_.fewest)), windowFont());
      if (name) pages_.text(QStringLiteral("Име: ______________________________"), windowFont());
      pages_.gap(4);
    };
  }

  // A task: its picture and story, the pieces to circle, and in the key
  // the fewest circled with the count-up below.
  void task(int number, const PictureTask& task, bool key) {
    const Payment fewest =
        *Greedy(DenominationsOf(*options_.currency), task.purchase.paid - task.purchase.price);
    const std::vector<std::int64_t> choices =
        pieceChoices(*options_.currency, task.purchase.paid - task.purchase.price);
    const std::vector<bool> marks = key ? circled(choices, fewest) : std::vector<bool>();
    const auto block = [&](bool draw) {
      double height = story(number, task, draw);
      height += pieces(choices, marks, draw);
      if (key) {
        for (const CountUpStep& step : CountUpOf(fewest, task.purchase.price)) {
          height += pages_.text(text(wording_.StepLine(step)), windowFont(), draw, pages_.mm(4));
        }
        height += pages_.text(text(ClosingLine(wording_.Amount(task.purchase.paid))), windowFont(),
                              draw, pages_.mm(4));
      }
      return height + pages_.gap(5, draw);
    };
    pages_.fit(block(false));
    block(true);
  }

  double story(int number, const PictureTask& task, bool draw) {
    const double side = pages_.mm(kItemMm);
    if (draw && pages_.painting()) {
      paintItem(pages_.painter(), QRectF(0, pages_.y(), side, side), task.item->key);
    }
    QFont font = windowFont();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    const double said = pages_.text(QStringLiteral("%1. ").arg(number) + text(wording_.Story(task)),
                                    font, draw, side + pages_.mm(4));
    return said + pages_.advance(std::max(0.0, side - said), draw);
  }

  // The pieces in rows as wide as the page; those marked circled.
  double pieces(const std::vector<std::int64_t>& values, const std::vector<bool>& marks,
                bool draw) {
    const double gap = pages_.mm(kPieceGapMm);
    double x = 0, rowHeight = 0, height = 0;
    const double top = pages_.y();
    for (std::size_t k = 0; k < values.size(); ++k) {
      const QSizeF mm = pieceSizeMm(*options_.currency, values[k]) * kPaperScale;
      const QSizeF size(pages_.mm(mm.width()), pages_.mm(mm.height()));
      if (x > 0 && x + size.width() > pages_.width()) {
        height += rowHeight + gap;
        x = rowHeight = 0;
      }
      if (draw && pages_.painting()) {
        const QRectF at(QPointF(x, top + height + gap), size);
        paintPiece(pages_.painter(), at, *options_.currency, values[k]);
        if (!marks.empty() && marks[k]) circle(at);
      }
      x += size.width() + gap;
      rowHeight = std::max(rowHeight, size.height());
    }
    height += rowHeight + 2 * gap;
    return pages_.advance(height, draw);
  }

  void circle(const QRectF& piece) {
    QPainter& painter = pages_.painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xc0, 0x10, 0x10), pages_.mm(0.6)));
    painter.setBrush(Qt::NoBrush);
    const double out = pages_.mm(1.2);
    painter.drawEllipse(piece.adjusted(-out, -out, out, out));
    painter.restore();
  }

  A4Pages& pages_;
  const PictureSheetOptions& options_;
  PictureWording wording_;
};

}  // namespace

PictureSheetOptions pictureSheetOptionsOf(const Lesson& lesson) {
  PictureSheetOptions options;
  options.currency = lesson.currency;
  options.level = FindPictureLevel(lesson.level);
  if (options.level == nullptr) options.level = &PictureLevels().front();
  options.tasks = lesson.tasks > 0 ? lesson.tasks : kWorksheetTasks;
  options.seed = lesson.seed.value_or(NewSeed());
  options.fewest = lesson.fewest_pieces;
  options.settings = regionalSettingsOf(QLocale::system());
  options.date = QDate::currentDate();
  return options;
}

QString writePictureWorksheet(const QString& path, const PictureSheetOptions& options) {
  PictureTasks draw(options.seed, *options.level, *options.currency);
  std::vector<PictureTask> tasks;
  for (int k = 0; k < options.tasks; ++k) tasks.push_back(draw.Next());
  return writeA4Pdf(path, kTitle, QStringLiteral("Работният лист"), [&](QPdfWriter& writer) {
    A4Pages pages(writer);
    SheetLayout layout(pages, options);
    return pages.paint([&] { layout.layOut(tasks); });
  });
}

}  // namespace restomer
