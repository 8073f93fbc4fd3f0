// The informatics window as a class uses it: a coin system typed, an amount
// explained with both ways of paying it, and the table stepped row by row.
#include "widgets/informatics_window.h"

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/overview.h"
#include "core/results_reader.h"
#include "io/results_file.h"
#include "widgets/informatics_practice_window.h"
#include "widgets/practice_launcher.h"

namespace restomer {
namespace {

QString shownTexts(const QWidget& window) {
  QStringList texts;
  for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
  return texts.join(u'\n');
}

QPushButton* button(const QWidget& window, const QString& text) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

TEST(InformaticsWindow, ExplainsTypedCoinsAndStepsTheTable) {
  InformaticsWindow window(RegionalSettings{","});
  window.show();
  int named = 0;  // every control a screen reader reaches has a name
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (control->focusPolicy() == Qt::NoFocus || !control->isVisible() ||
        qobject_cast<QAbstractScrollArea*>(control->parentWidget())) {
      continue;
    }
    const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
    EXPECT_FALSE(spoken->text(QAccessible::Name).isEmpty()) << control->metaObject()->className();
    ++named;
  }
  EXPECT_GE(named, 9);
  EXPECT_TRUE(shownTexts(window).contains("Доказано: алчният начин винаги дава най-малко бройки"))
      << "the lev, chosen at start";

  const QList<QLineEdit*> edits = window.findChildren<QLineEdit*>();
  QLineEdit* coins = edits[0];
  QLineEdit* amount = edits[1];
  coins->selectAll();
  QTest::keyClicks(coins, "1 5 12");
  EXPECT_EQ(window.findChild<QComboBox*>()->currentText(), "свои монети");
  QTest::keyClicks(amount, "15");
  QTest::keyClick(amount, Qt::Key_Return);
  EXPECT_TRUE(shownTexts(window).contains("най-малката сума, при която греши, е 15."));
  EXPECT_TRUE(shownTexts(window).contains("дава 1 бройка повече"));
  const QList<QPlainTextEdit*> ways = window.findChildren<QPlainTextEdit*>();
  ASSERT_EQ(ways.size(), 2);
  EXPECT_EQ(ways[0]->toPlainText(),
            "Към сумата: 0 добавям: 3*1\nКъм сумата: 3 добавям: 1*12\n"
            "Натрупаната сума е равна на 15\n4 бройки.");
  EXPECT_EQ(ways[1]->toPlainText(),
            "Към сумата: 0 добавям: 3*5\nНатрупаната сума е равна на 15\n3 бройки.");

  QPushButton* step = button(window, "С&тъпка");
  ASSERT_NE(step, nullptr);
  auto* table = window.findChild<QTableWidget*>();
  for (int row = 0; row <= 15; ++row) {
    ASSERT_TRUE(step->isEnabled()) << row;
    QTest::mouseClick(step, Qt::LeftButton);
    ASSERT_EQ(table->rowCount(), row + 1);
  }
  EXPECT_FALSE(step->isEnabled());
  EXPECT_EQ(table->item(12, 1)->text(), "1");
  EXPECT_EQ(table->item(15, 1)->text() + " " + table->item(15, 2)->text(), "3 5");
  QStringList path;
  for (int row = 0; row < table->rowCount(); ++row) {
    if (table->item(row, 0)->font().bold()) path << table->item(row, 0)->text();
  }
  EXPECT_EQ(path.join(' '), "0 5 10 15");
  EXPECT_TRUE(shownTexts(window).contains("Пътят назад в таблицата: 15 → 10 → 5 → 0."));

  // A lesson's coins: a named system by its name, others as the class's own.
  window.setCoins({60, 48, 24, 12, 6, 2, 1});
  EXPECT_EQ(window.findChild<QComboBox*>()->currentText(), "старите британски пенита");
  window.setCoins({7, 3});
  EXPECT_EQ(window.findChild<QComboBox*>()->currentText(), "свои монети");
  EXPECT_EQ(coins->text(), "7 3");
  EXPECT_TRUE(shownTexts(window).contains("Не могат да се платят сумите 1, 2, 4, 5, 8 и 11."));

  coins->setText("4 4");
  QTest::keyClick(coins, Qt::Key_Return);
  EXPECT_TRUE(shownTexts(window).contains("Монетата 4 е дадена два пъти."));
  EXPECT_EQ(table->rowCount(), 0);
}

}  // namespace
}  // namespace restomer

namespace restomer {
namespace {

// Practice of a level: the fewest typed with the keyboard is right, a wrong
// answer about greedy is explained with both ways, the round ends with its
// score, and each answer is a row the overview reads back with its coins.
TEST(InformaticsPractice, ChecksExplainsAndWritesRows) {
  QTemporaryDir dir;
  const QString results = dir.filePath(QStringLiteral("резултати.csv"));
  Lesson lesson;
  lesson.level = 2;
  lesson.tasks = 2;
  lesson.seed = 7;
  lesson.results = results.toStdString();
  lesson.name = "Ива";
  QString error;
  lesson.kind = TaskKind::kInformatics;
  auto* practice = qobject_cast<InformaticsPracticeWindow*>(openPractice(lesson, true, error));
  ASSERT_NE(practice, nullptr) << error.toStdString();
  const InformaticsTask first = practice->task();
  ASSERT_EQ(first.question, InformaticsTask::Question::kFewest);
  const Payment fewest = *FewestUpTo(first.coins, first.amount).PaymentOf(first.amount);
  for (std::size_t k = 0; k < first.coins.size(); ++k) {
    for (const auto& [value, count] : fewest.counts) {
      if (value != first.coins[k]) continue;
      practice->counts()[k]->selectAll();
      QTest::keyClicks(practice->counts()[k], QString::number(count));
    }
  }
  QTest::mouseClick(practice->checkButton(), Qt::LeftButton);
  EXPECT_TRUE(practice->explanation()->toPlainText().startsWith("Вярно.\nАлчният начин: "))
      << practice->explanation()->toPlainText().toStdString();
  EXPECT_FALSE(practice->checkButton()->isEnabled()) << "one answer a task";

  practice->nextTask();
  const InformaticsTask second = practice->task();
  ASSERT_EQ(second.question, InformaticsTask::Question::kIsGreedyFewest);
  (GreedyIsFewest(second) ? practice->no() : practice->yes())->setChecked(true);
  practice->checkAnswer();
  const QString shown = practice->explanation()->toPlainText();
  EXPECT_TRUE(shown.startsWith("Не е вярно.\n")) << shown.toStdString();
  EXPECT_TRUE(shown.contains("Най-малко бройки: ")) << shown.toStdString();
  EXPECT_TRUE(shown.endsWith("Кръгът свърши: 1 от 2 верни.\n")) << shown.toStdString();
  practice->close();

  QFile file(results);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const ResultsRead read = ReadResults(std::string_view(bytes.constData(), bytes.size()));
  ASSERT_EQ(read.rows.size(), 2u);
  EXPECT_EQ(read.rows[0].coins, CoinsText(first.coins));
  EXPECT_EQ(read.rows[0].paid, first.amount);
  EXPECT_EQ(read.rows[0].currency, "");
  EXPECT_EQ(read.rows[1].typed, GreedyIsFewest(second) ? "не" : "да");
  const Overview overview = Summarize(read.rows);
  ASSERT_EQ(overview.pupils.size(), 1u);
  EXPECT_EQ(overview.pupils[0].right, 1);
  for (const MistakeLine& line : overview.mistakes) {
    EXPECT_NE(line.kind, MistakeLine::Kind::kWrongChange) << "no change is typed";
  }
}

// Informatics practice keeps its results as every practice does: a task
// left with "Следваща" is a skipped row, rows that cannot be written wait
// and the window says so, and closing it records the open task and warns.
TEST(InformaticsPractice, SkipsWaitsAndWarnsLikeEveryPractice) {
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir dir;
  const QString results = dir.filePath(QStringLiteral("резултати.csv"));
  Lesson lesson;
  lesson.kind = TaskKind::kInformatics;
  lesson.seed = 3;
  lesson.results = results.toStdString();
  QString error;
  auto* practice = qobject_cast<InformaticsPracticeWindow*>(openPractice(lesson, true, error));
  ASSERT_NE(practice, nullptr) << error.toStdString();
  practice->nextTask();  // the first task, skipped
  EXPECT_TRUE(practice->notice()->isHidden());

  ASSERT_TRUE(QDir().mkdir(results + ".away"));
  ASSERT_TRUE(QFile::rename(results, results + ".away/r.csv"));
  ASSERT_TRUE(QDir().mkdir(results));  // a folder in its place: rows wait
  practice->nextTask();
  EXPECT_TRUE(practice->notice()->isVisible());
  EXPECT_TRUE(practice->notice()->text().startsWith("Резултатите от 1 задача чакат"))
      << practice->notice()->text().toStdString();
  practice->close();
  bool warned = false;
  for (QWidget* shown : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(shown)) {
      warned = box->text().contains("Резултатите от 2 задачи не можаха да бъдат записани");
      box->close();
    }
  }
  EXPECT_TRUE(warned);

  ASSERT_TRUE(QDir().rmdir(results));
  ASSERT_TRUE(QFile::rename(results + ".away/r.csv", results));
  ResultsFile next(results, {});
  ASSERT_EQ(next.open(), "");  // the rows that waited are written
  QFile file(results);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const ResultsRead read = ReadResults(std::string_view(bytes.constData(), bytes.size()));
  ASSERT_EQ(read.rows.size(), 3u);
  for (const ResultRow& row : read.rows) {
    EXPECT_EQ(row.outcome, TaskRecord::Outcome::kSkipped);
    EXPECT_FALSE(row.coins.empty());
  }
}

}  // namespace
}  // namespace restomer
