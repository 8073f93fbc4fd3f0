// A round of practice in the real window, with the mouse and the keyboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>

#include "core/button_actions.h"
#include "core/practice.h"
#include "widgets/demonstration_window.h"
#include "widgets/practice_session.h"
#include "widgets/round_summary_dialog.h"
#include "window_test_support.h"

namespace restomer {
namespace {

using restomer::kChangeBox;
using restomer::kClearButton;
using restomer::kEnterButton;
using restomer::kPaidBox;
using restomer::kPriceBox;

constexpr std::uint64_t kSeed = 7;

class PracticeWindowTest : public ::restomer::testing::WindowTest {
 protected:
  PracticeWindowTest() : WindowTest(restomer::kEuro, kSeed) {}

  // What the demonstration answers for the amounts on screen.
  restomer::FormContent rightAnswer() const {
    restomer::FormContent form = restomer::StartUpContent(restomer::kEuro);
    form.Text3[kPriceBox].Text = window_.text3(kPriceBox)->text().toStdString();
    form.Text3[kPaidBox].Text = window_.text3(kPaidBox)->text().toStdString();
    restomer::Command1Click(form, kEnterButton, {}, restomer::kEuro);
    return form;
  }

  void expectTask(const restomer::PracticeTask& task) {
    EXPECT_EQ(qRound64(window_.text3(kPriceBox)->text().toDouble() * 100), task.price);
    EXPECT_EQ(qRound64(window_.text3(kPaidBox)->text().toDouble() * 100), task.paid);
    EXPECT_EQ(window_.text3(kChangeBox)->text(), "");
    EXPECT_TRUE(ticked().isEmpty());
    EXPECT_TRUE(trace().startsWith("Клиентът купува за " + window_.text3(kPriceBox)->text() +
                                   " € и дава " + window_.text3(kPaidBox)->text() + " €.\n"));
  }
};

TEST_F(PracticeWindowTest, ARoundWithMouseAndKeyboard) {
  restomer::TaskGenerator tasks(kSeed);
  expectTask(tasks.Next());
  EXPECT_EQ(QApplication::focusWidget(), window_.text3(kChangeBox));

  // The right answer: the change typed, the pieces ticked with the mouse,
  // the last one with Space.
  const restomer::FormContent right = rightAnswer();
  type(kChangeBox, QString::fromStdString(right.Text3[kChangeBox].Text));
  std::vector<int> needed;
  for (int k = 0; k < window_.check1Count(); ++k) {
    if (right.Check1[k].Value == 1) needed.push_back(k);
  }
  ASSERT_FALSE(needed.empty());
  for (std::size_t k = 0; k + 1 < needed.size(); ++k) {
    QTest::mouseClick(window_.check1(needed[k]), Qt::LeftButton);
  }
  window_.check1(needed.back())->setFocus();
  QTest::keyClick(window_.check1(needed.back()), Qt::Key_Space);
  click(kEnterButton);
  const QString count_up = QString::fromStdString(right.Text1[0].Text).replace("\r\n", "\n");
  EXPECT_EQ(trace(), "Вярно!\nВерни отговори: 1 от 1\n" + count_up);
  EXPECT_EQ(QApplication::focusWidget(), window_.text3(kChangeBox));

  // "Чисти": the seed's next task. A wrong change, and Enter in the change box.
  click(kClearButton);
  expectTask(tasks.Next());
  type(kChangeBox, "0.01");
  QTest::keyClick(window_.text3(kChangeBox), Qt::Key_Return);
  const restomer::FormContent second = rightAnswer();
  EXPECT_TRUE(trace().startsWith("Рестото не е „0.01“, а " +
                                 QString::fromStdString(second.Text3[kChangeBox].Text) + " €.\n"));
  EXPECT_TRUE(trace().contains("\nВерни отговори: 1 от 2\nКъм сумата: "));
  EXPECT_EQ(window_.text3(kChangeBox)->text().toStdString(), second.Text3[kChangeBox].Text);
  EXPECT_EQ(ticked().size(), std::count_if(second.Check1.begin(), second.Check1.end(),
                                           [](const auto& box) { return box.Value == 1; }));
}

// A teacher's own purchase: typing makes it a new task at once, and Enter in
// the amount boxes checks nothing. After a check with three mistakes the
// verdict and the score are in view without scrolling.
TEST_F(PracticeWindowTest, ATeachersTaskAndTheVerdictInView) {
  type(kChangeBox, "7");
  QTest::mouseClick(window_.check1(0), Qt::LeftButton);
  type(kPriceBox, "3.27");
  type(kPaidBox, "500");
  EXPECT_EQ(window_.text3(kChangeBox)->text(), "");
  EXPECT_TRUE(ticked().isEmpty());
  EXPECT_TRUE(trace().startsWith("Клиентът купува за 3.27 € и дава 500.00 €.\n"));
  QTest::keyClick(window_.text3(kPaidBox), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), window_.text3(kChangeBox));
  EXPECT_TRUE(trace().startsWith("Клиентът купува за 3.27 €"));

  type(kChangeBox, "496,37");  // a decimal comma, though the window writes "."
  QTest::mouseClick(window_.check1(0), Qt::LeftButton);  // 500: not needed
  click(kEnterButton);
  const QStringList lines = trace().split('\n');
  ASSERT_EQ(lines.mid(0, 3),
            (QStringList{"Рестото не е „496,37“, а 496.73 €.", "Не е нужна: 500 €.",
                         "Липсват: 200 €; 50 €; 20 €; 5 €; 1 €; 0.50 €; 0.20 €; 0.02 €; 0.01 €."}));
  EXPECT_EQ(lines[3], "Верни отговори: 0 от 1");
  // The score line's bottom lies inside the trace box's visible area.
  QPlainTextEdit* box = window_.text1();
  QTextCursor cursor(box->document()->findBlockByNumber(3));
  cursor.movePosition(QTextCursor::EndOfBlock);
  EXPECT_LE(box->cursorRect(cursor).bottom(), box->viewport()->height());
  EXPECT_EQ(box->verticalScrollBar()->value(), 0);
}

// Return and Enter click a focused button. After a round of ten its summary
// is in view, the first task and the last alike, and "Нов кръг" (Return)
// starts the next round.
TEST(PracticeRound, EnterClicksAndTheSummaryIsInView) {
  DemonstrationWindow window(restomer::RegionalSettings{}, restomer::kLev);
  PracticeSession practice(window, restomer::PracticeOptions(7, *restomer::FindLevel(2), 10),
                           restomer::kLev, restomer::RegionalSettings{});
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  for (int k = 0; k < 10; ++k) {
    for (int button : {kEnterButton, kClearButton}) {
      if (k == 9 && button == kClearButton) break;
      window.command1(button)->setFocus();
      QTest::keyClick(window.command1(button), k % 2 ? Qt::Key_Enter : Qt::Key_Return);
    }
  }
  RoundSummaryDialog* summary = nullptr;
  for (QWidget* shown : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<RoundSummaryDialog*>(shown)) summary = dialog;
  }
  ASSERT_NE(summary, nullptr);
  EXPECT_TRUE(QTest::qWaitFor([summary] { return summary->isVisible(); }));
  QTableWidget* table = summary->table();
  ASSERT_EQ(table->rowCount(), 10);
  for (int row : {0, 9}) {
    EXPECT_TRUE(table->viewport()->rect().contains(table->visualItemRect(table->item(row, 3))))
        << "row " << row;
  }
  EXPECT_TRUE(table->item(9, 3)->text().startsWith("1\u00a0×\u00a0"))
      << table->item(9, 3)->text().toStdString();
  QTest::keyClick(summary, Qt::Key_Return);
  EXPECT_TRUE(window.text1()->toPlainText().endsWith("Задача 1 от 10\n"));
}

}  // namespace
}  // namespace restomer
