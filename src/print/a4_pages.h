// Pages laid out from the top down, for worksheets and reports alike: blocks
// are measured before they are drawn, a block that does not fit starts a
// new page with its head, and every page ends with "стр. N от M". The
// layout runs twice: once painting nothing, to count the pages, then
// painting them.
#ifndef RESTOMER_PRINT_A4_PAGES_H_
#define RESTOMER_PRINT_A4_PAGES_H_

#include <QPainter>
#include <QString>
#include <functional>

class QFont;
class QPdfWriter;

namespace restomer {

class A4Pages {
 public:
  explicit A4Pages(QPdfWriter& writer);

  // Runs `layout` to count the pages, then again to paint them; true when
  // the pages could be painted.
  bool paint(const std::function<void()>& layout);

  // A new page, whose head `head` draws; a page a block breaks onto gets
  // the same head.
  void startPage(const std::function<void()>& head = {});
  // Whether a block `height` high fits on the page; fit() starts a new page
  // where it does not.
  bool fits(double height) const;
  void fit(double height);

  // Each returns the height it takes; with `draw` false it only measures.
  double text(const QString& text, const QFont& font, bool draw = true, double indent = 0);
  double gap(double millimetres, bool draw = true) { return advance(mm(millimetres), draw); }
  double advance(double height, bool draw = true);

  // For what a page draws itself: only while painting() is true.
  QPainter& painter() { return painter_; }
  bool painting() const { return painting_; }
  QPdfWriter& writer() const { return writer_; }
  double width() const;
  double y() const { return y_; }
  double mm(double millimetres) const;
  double points(double points) const;

 private:
  // Where blocks end: above the page number.
  double bottom() const;
  void drawPageNumber();

  QPdfWriter& writer_;
  QPainter painter_;
  std::function<void()> head_;
  bool painting_ = false;
  int pages_ = 0;
  int page_ = 0;
  double y_ = 0;
};

}  // namespace restomer

#endif  // RESTOMER_PRINT_A4_PAGES_H_
