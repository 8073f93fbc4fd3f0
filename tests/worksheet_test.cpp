// The worksheet as a reader of the PDF sees it: the tasks practice sets for
// the seed, in order, and the key with every count-up line; a head and a
// number on every page; lines a printer draws solid; fonts embedded.
#include "print/worksheet.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <clocale>
#include <functional>
#include <vector>

#include "core/button_actions.h"
#include "core/coin_wording.h"
#include "core/count_up.h"
#include "core/informatics_tasks.h"
#include "core/picture_wording.h"
#include "core/practice.h"
#include "locale_support.h"
#include "print/informatics_worksheet.h"
#include "print/picture_worksheet.h"

namespace restomer {
namespace {

// The text in reading order: each line expected is found after the last.
struct InOrder {
  const QString& text;
  qsizetype at = 0;
  void operator()(const std::string& line) {
    const qsizetype found = text.indexOf(QString::fromStdString(line), at);
    EXPECT_GE(found, 0) << line << " after character " << at;
    if (found >= 0) at = found + 1;
  }
};

// Writes a sheet with the C library's numbers in the Bulgarian way, as a
// pupil's desktop sets them, and expects it written.
void writeUnderBulgarianNumbers(const std::function<QString()>& write) {
  const std::string missing = restomer::testing::MissingLocale("bg_BG.UTF-8");
  ASSERT_TRUE(missing.empty()) << missing;
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "bg_BG.UTF-8");
  const QString written = write();
  std::setlocale(LC_NUMERIC, before.c_str());
  ASSERT_EQ(written, "");
}

QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(60'000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(Worksheet, HoldsPracticesTasksAndTheirCountUp) {
#ifdef Q_OS_WIN
  GTEST_SKIP() << "the sheet is read back with poppler's tools, which run on Linux";
#endif
  for (const restomer::Currency* currency : restomer::Currencies()) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("лист.pdf"));
    WorksheetOptions options;
    options.currency = currency;
    options.level = restomer::FindLevel(3);
    options.tasks = 12;
    options.seed = 2026;
    options.date = QDate(2026, 12, 8);
    ASSERT_EQ(writeWorksheet(path, options), "");

    const QString text = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    InOrder expectNext{text};
    const std::string unit(currency->unit);
    restomer::Practice practice(restomer::PracticeOptions(2026, *options.level), *currency, {});
    std::vector<restomer::FormContent> answers;
    for (int k = 1; k <= options.tasks; ++k) {
      restomer::FormContent form = restomer::StartUpContent(*currency);
      practice.SetNextTask(form);
      expectNext(std::to_string(k) + ". Клиентът купува за " + form.Text3[0].Text + unit +
                 " и дава " + form.Text3[1].Text + unit);
      restomer::Command1Click(form, restomer::kEnterButton, {}, *currency);
      answers.push_back(form);
    }
    expectNext("Restomer — ключ с отговорите");
    for (const restomer::FormContent& answer : answers) {
      expectNext(": ресто " + answer.Text3[restomer::kChangeBox].Text);
      for (const QString& line :
           QString::fromStdString(answer.Text1[0].Text).split("\r\n", Qt::SkipEmptyParts)) {
        expectNext(line.toStdString());
      }
    }
    // Every page can be matched to its pupil and put in order: its head and
    // its number; every page of the key says it is the key.
    const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 3);
    for (qsizetype k = 0; k < pages.size(); ++k) {
      for (const QString& head : {QStringLiteral("Restomer — "), QStringLiteral("Валута: "),
                                  QStringLiteral("Начално число: 2026."), QStringLiteral("Име:"),
                                  QStringLiteral("стр. %1 от %2").arg(k + 1).arg(pages.size())}) {
        EXPECT_TRUE(pages[k].contains(head)) << "page " << k + 1 << ": " << head.toStdString();
      }
    }
    EXPECT_TRUE(pages.back().contains("ключ с отговорите"));
    // Every line at least 0.5 pt wide: the width of each pen times the
    // page's scale, from the drawing itself.
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    int widths = 0;
    for (qsizetype at = 0; (at = bytes.indexOf("stream\n", at)) >= 0; at += 7) {
      if (at > 0 && bytes[at - 1] == 'd') continue;  // "endstream"
      const qsizetype end = bytes.indexOf("endstream", at);
      // qUncompress wants the size ahead of zlib's data; a generous guess grows.
      const QByteArray drawing =
          qUncompress(QByteArray("\x00\x10\x00\x00", 4) + bytes.mid(at + 7, end - at - 7));
      const QRegularExpressionMatch scale =
          QRegularExpression(QStringLiteral("([\\d.]+) 0 0 -?[\\d.]+ [\\d.]+ [\\d.]+ cm"))
              .match(QString::fromLatin1(drawing));
      if (!scale.hasMatch()) continue;
      QRegularExpressionMatchIterator pens = QRegularExpression(QStringLiteral("([\\d.]+) w\\b"))
                                                 .globalMatch(QString::fromLatin1(drawing));
      while (pens.hasNext()) {
        ++widths;
        EXPECT_GE(pens.next().captured(1).toDouble() * scale.captured(1).toDouble(), 0.5);
      }
    }
    EXPECT_GT(widths, 0);
    // Every font embedded: the "emb" column of pdffonts says "yes".
    const QStringList fonts =
        run(QStringLiteral("pdffonts"), {path}).split('\n', Qt::SkipEmptyParts);
    ASSERT_GT(fonts.size(), 2);
    const qsizetype embedded = fonts[0].indexOf(QStringLiteral("emb"));
    for (const QString& font : fonts.mid(2)) {
      EXPECT_EQ(font.mid(embedded, 3), "yes") << font.toStdString();
    }
  }
}

// The informatics sheet under the Bulgarian settings a pupil's desktop has:
// the level's tasks for the seed in order, then the key with both ways of
// paying each amount and the answer to each question about greedy, and
// the head and number on every page.
TEST(Worksheet, InformaticsTasksAndTheirKey) {
#ifdef Q_OS_WIN
  GTEST_SKIP() << "the sheet is read back with poppler's tools, which run on Linux";
#endif
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("информатика.pdf"));
  InformaticsSheetOptions options;
  options.level = FindInformaticsLevel(3);
  options.tasks = 8;
  options.seed = 2026;
  options.date = QDate(2026, 12, 9);
  ASSERT_NO_FATAL_FAILURE(
      writeUnderBulgarianNumbers([&] { return writeInformaticsWorksheet(path, options); }));

  const QString text = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  InOrder expectNext{text};
  InformaticsTasks tasks(2026, *options.level);
  std::vector<InformaticsTask> drawn;
  for (int k = 1; k <= options.tasks; ++k) {
    drawn.push_back(tasks.Next());
    expectNext(std::to_string(k) + ". Монети: ");
    expectNext("Сума: " + std::to_string(drawn.back().amount) + ".");
  }
  expectNext("ключ с отговорите");
  for (const InformaticsTask& task : drawn) {
    const QStringList lines = QString::fromStdString(AmountAnswer(task.coins, task.amount))
                                  .split('\n', Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(1)) expectNext(line.toStdString());
    if (task.question == InformaticsTask::Question::kIsGreedyFewest) {
      expectNext(GreedyIsFewest(task) ? "Отговор: да." : "Отговор: не.");
    }
  }
  const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
  ASSERT_GE(pages.size(), 2);
  for (qsizetype k = 0; k < pages.size(); ++k) {
    for (const QString& head :
         {QStringLiteral("Restomer — информатика"), QStringLiteral("Ниво 3: "),
          QStringLiteral("Начално число: 2026."), QStringLiteral("Име:"),
          QStringLiteral("стр. %1 от %2").arg(k + 1).arg(pages.size())}) {
      EXPECT_TRUE(pages[k].contains(head)) << "page " << k + 1 << ": " << head.toStdString();
    }
  }
}

// The sheet with pictures under the Bulgarian settings: each task's story
// in order with its amounts as a Bulgarian reads them, then the key with
// every step of each count-up; the head and number on every page.
TEST(Worksheet, PictureTasksAndTheirKey) {
#ifdef Q_OS_WIN
  GTEST_SKIP() << "the sheet is read back with poppler's tools, which run on Linux";
#endif
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("картинки.pdf"));
  PictureSheetOptions options;
  options.currency = &kEuro;
  options.level = FindPictureLevel(6);
  options.tasks = 7;
  options.seed = 2026;
  options.settings = {",", "\u00a0", 3, "-", true};
  options.date = QDate(2026, 12, 11);
  ASSERT_NO_FATAL_FAILURE(
      writeUnderBulgarianNumbers([&] { return writePictureWorksheet(path, options); }));

  const QString text = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  // pdftotext leaves the spaces out of some short lines: compared without.
  static const QRegularExpression kBlanks(QStringLiteral("[\\s\u00a0]"));
  const QString squeezed = QString(text).remove(kBlanks);
  InOrder inOrder{squeezed};
  const auto expectNext = [&inOrder](const std::string& line) {
    inOrder(QString::fromStdString(line).remove(kBlanks).toStdString());
  };
  const PictureWording wording(kEuro, options.settings);
  PictureTasks drawn(2026, *options.level, kEuro);
  for (int k = 1; k <= options.tasks; ++k) {
    expectNext(std::to_string(k) + ". " + wording.Story(drawn.Next()));
  }
  expectNext("ключ");
  PictureTasks again(2026, *options.level, kEuro);
  for (int k = 1; k <= options.tasks; ++k) {
    const PictureTask task = again.Next();
    expectNext(std::to_string(k) + ". " + wording.Story(task));
    const Payment fewest =
        *Greedy(DenominationsOf(kEuro), task.purchase.paid - task.purchase.price);
    for (const CountUpStep& step : CountUpOf(fewest, task.purchase.price)) {
      expectNext(wording.StepLine(step));
    }
  }
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\d,\\d\\d €"))))
      << "amounts in the Bulgarian notation";
  const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
  ASSERT_GE(pages.size(), 3);
  for (qsizetype k = 0; k < pages.size(); ++k) {
    for (const QString& head :
         {QStringLiteral("Restomer — "), QStringLiteral("Начално число: 2026."),
          QStringLiteral("стр. %1 от %2").arg(k + 1).arg(pages.size())}) {
      EXPECT_TRUE(pages[k].contains(head)) << "page " << k + 1 << ": " << head.toStdString();
    }
  }
}

}  // namespace
}  // namespace restomer
