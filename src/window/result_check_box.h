// A check box that shows a result: it takes focus and reports its state to
// screen readers, but a click or Space does not change it.
#ifndef RESTOMER_WINDOW_RESULT_CHECK_BOX_H_
#define RESTOMER_WINDOW_RESULT_CHECK_BOX_H_

#include <QCheckBox>

class ResultCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override {}
};

#endif  // RESTOMER_WINDOW_RESULT_CHECK_BOX_H_
