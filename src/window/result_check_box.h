// A denomination box. In the demonstration it shows a result: it takes focus
// and reports its state to screen readers, but a click or Space does not
// change it. In practice the learner ticks it.
#ifndef RESTOMER_WINDOW_RESULT_CHECK_BOX_H_
#define RESTOMER_WINDOW_RESULT_CHECK_BOX_H_

#include <QCheckBox>

class ResultCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  using QCheckBox::QCheckBox;

  void setTickable(bool tickable) { tickable_ = tickable; }

 protected:
  void nextCheckState() override {
    if (tickable_) QCheckBox::nextCheckState();
  }

 private:
  bool tickable_ = false;
};

#endif  // RESTOMER_WINDOW_RESULT_CHECK_BOX_H_
