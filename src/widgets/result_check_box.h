// A denomination box. In the demonstration it shows a result: it takes focus
// and reports its state to screen readers, but a click, Space or a screen
// reader's toggle action does not change it. In practice the learner ticks it.
#ifndef RESTOMER_WIDGETS_RESULT_CHECK_BOX_H_
#define RESTOMER_WIDGETS_RESULT_CHECK_BOX_H_

#include <QCheckBox>

namespace restomer {

class ResultCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  explicit ResultCheckBox(QWidget* parent = nullptr) : QCheckBox(parent) {
    // An assistive technology's toggle action calls toggle() directly,
    // past nextCheckState(): put the result back.
    connect(this, &QCheckBox::toggled, this, [this](bool ticked) {
      if (!tickable_ && ticked != shown_) setChecked(shown_);
    });
  }

  void setTickable(bool tickable) { tickable_ = tickable; }

  // Shows the result: whether the denomination is ticked.
  void showTick(bool ticked) {
    shown_ = ticked;
    setChecked(ticked);
  }

 protected:
  void nextCheckState() override {
    if (tickable_) QCheckBox::nextCheckState();
  }

 private:
  bool tickable_ = false;
  bool shown_ = false;
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_RESULT_CHECK_BOX_H_
