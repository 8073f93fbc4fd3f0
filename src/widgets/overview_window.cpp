#include "widgets/overview_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "io/results_sources.h"
#include "print/report.h"
#include "print/slips.h"
#include "widgets/chart_view.h"
#include "widgets/filter_bar.h"

namespace restomer {
namespace {

// How often the file is looked at: a row any computer appends shows within
// this and the time it takes to read.
constexpr int kPollMs = 2'000;
// The files watched for changes at most: each costs the system a handle.
constexpr qsizetype kMostWatched = 256;

// The cell as the table shows it, and its value for sorting.
QStandardItem* itemOf(const QVariant& cell, ReportTable::Kind kind) {
  auto* item = new QStandardItem(cellText(cell, kind));
  item->setData(cell, Qt::UserRole);
  item->setEditable(false);
  if (kind != ReportTable::Kind::kText && kind != ReportTable::Kind::kTime) {
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  return item;
}

void fill(QStandardItemModel* model, const ReportTable& table) {
  model->clear();
  model->setHorizontalHeaderLabels(table.headers);
  for (const QVariantList& row : table.rows) {
    QList<QStandardItem*> items;
    for (qsizetype column = 0; column < row.size(); ++column) {
      items << itemOf(row[column], table.kinds[column]);
    }
    model->appendRow(items);
  }
}

QTableView* tableView(QAbstractItemModel* model, const QString& name) {
  auto* view = new QTableView;
  view->setModel(model);
  // Headings wrap at their spaces, so that a class's twelve columns fit.
  view->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter) |
                                                Qt::Alignment(Qt::TextWordWrap));
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setAlternatingRowColors(true);
  view->verticalHeader()->hide();
  view->setAccessibleName(name);
  return view;
}

// Each column as wide as its cells and its heading's widest word, the
// header as high as its wrapped headings.
void fitColumns(QTableView* view) {
  QHeaderView* header = view->horizontalHeader();
  const QFontMetrics metrics(header->font());
  const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
  int lines = 1;
  for (int column = 0; column < view->model()->columnCount(); ++column) {
    const QString heading = view->model()->headerData(column, Qt::Horizontal).toString();
    int word = 0;
    for (const QString& part : heading.split(u' ')) {
      word = std::max(word, metrics.horizontalAdvance(part));
    }
    const int width =
        std::max(static_cast<QAbstractItemView*>(view)->sizeHintForColumn(column), word + margin);
    header->resizeSection(column, width);
    lines = std::max(
        lines, metrics.boundingRect(QRect(0, 0, width - margin, 10'000), Qt::TextWordWrap, heading)
                       .height() /
                   metrics.lineSpacing());
  }
  header->setFixedHeight(lines * metrics.lineSpacing() + margin);
}

// The numbers of a chart, as wide as they are.
QTableView* numbersView(QAbstractItemModel* numbers, const QString& name) {
  QTableView* view = tableView(numbers, name);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return view;
}

QWidget* chartWithNumbers(ChartView* chart, QStandardItemModel* numbers, const QString& name) {
  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->addWidget(chart);
  splitter->addWidget(numbersView(numbers, name));
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 1);
  return splitter;
}

void showChart(ChartView* view, QStandardItemModel* numbers, const Chart& chart) {
  view->setChart(chart);
  fill(numbers, chartTable(chart));
}

// "5а — Restomer: резултати": the window names the first file or folder.
QString titleOf(const QStringList& paths) {
  const QString first = paths.isEmpty() ? QString() : QFileInfo(paths.front()).fileName();
  return QStringLiteral("%1%2 — Restomer: резултати")
      .arg(first, paths.size() > 1 ? QStringLiteral(" и още %1").arg(paths.size() - 1) : QString());
}

}  // namespace

OverviewWindow::OverviewWindow(const QStringList& paths, QWidget* parent)
    : QWidget(parent), paths_(paths) {
  setWindowTitle(titleOf(paths));
  createControls();
  reload();
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &OverviewWindow::reloadIfChanged);
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, &OverviewWindow::reloadIfChanged);
  poll_.start();
  resize(1000, 620);
}

void OverviewWindow::createControls() {
  status_ = new QLabel;
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  filterBar_ = new FilterBar;
  connect(filterBar_, &FilterBar::changed, this, &OverviewWindow::showFiltered);
  tabs_ = new QTabWidget;
  for (const ReportTable& table : ResultsReport().tables()) {
    auto* model = new QStandardItemModel(this);
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(model);
    sorted->setSortRole(Qt::UserRole);
    QTableView* view = tableView(sorted, table.title);
    view->setSortingEnabled(true);
    view->sortByColumn(-1, Qt::AscendingOrder);  // the file's order until a header is clicked
    tabs_->addTab(view, table.title);
    models_.push_back(model);
    views_.push_back(view);
  }
  tabs_->addTab(createCharts(), QStringLiteral("Графики"));

  views_.front()->setToolTip(
      QStringLiteral("Enter или двойно щракване отваря задачите на ученика."));
  connect(views_.front(), &QTableView::activated, this, [this](const QModelIndex& index) {
    const auto* sorted = static_cast<const QSortFilterProxyModel*>(index.model());
    showPupil(sorted->mapToSource(index).row());
  });

  auto* copy = new QPushButton(QStringLiteral("&Копирай"));
  copy->setToolTip(
      QStringLiteral("Копира показаната таблица; поставя се в колони във всяка "
                     "програма за таблици."));
  connect(copy, &QPushButton::clicked, this,
          [this] { QApplication::clipboard()->setText(shownTable()); });
  auto* pdf = new QPushButton(QStringLiteral("&PDF…"));
  connect(pdf, &QPushButton::clicked, this,
          [this] { exportReport(QStringLiteral("pdf"), QStringLiteral("PDF (*.pdf)")); });
  auto* excel = new QPushButton(QStringLiteral("&Excel…"));
  connect(excel, &QPushButton::clicked, this,
          [this] { exportReport(QStringLiteral("xlsx"), QStringLiteral("Excel (*.xlsx)")); });
  auto* slips = new QPushButton(QStringLiteral("&Листчета…"));
  slips->setToolTip(
      QStringLiteral("По една страница за всеки показан ученик, за папката му или за "
                     "родителите: уроците, верните и какво да упражнява."));
  connect(slips, &QPushButton::clicked, this, [this] {
    exportReport(QStringLiteral("pdf"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("листчета"));
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copy);
  buttons->addStretch();
  for (QPushButton* button : {pdf, excel, slips}) buttons->addWidget(button);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_);
  layout->addWidget(filterBar_);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);
}

QWidget* OverviewWindow::createCharts() {
  mistakesChart_ = new ChartView;
  lessonsChart_ = new ChartView;
  mistakesNumbers_ = new QStandardItemModel(this);
  lessonsNumbers_ = new QStandardItemModel(this);
  auto* charts = new QSplitter(Qt::Horizontal);
  charts->addWidget(chartWithNumbers(mistakesChart_, mistakesNumbers_,
                                     QStringLiteral("Грешки по монети и банкноти, числата")));
  charts->addWidget(
      chartWithNumbers(lessonsChart_, lessonsNumbers_, QStringLiteral("Верни по уроци, числата")));
  return charts;
}

void OverviewWindow::reloadIfChanged() {
  if (resultsState(paths_) != filesRead_) reload();
}

void OverviewWindow::reload() {
  filesRead_ = resultsState(paths_);
  QString error;
  ResultsReport report = loadResults(paths_, error);
  // A watched file that is replaced is no longer watched; new files in a
  // folder, and the files of a school's folder, are found by the poll.
  const QStringList unwatched =
      paths_ + (report.files.size() <= kMostWatched ? report.files : QStringList());
  for (const QString& path : unwatched) {
    if (!watcher_.files().contains(path) && !watcher_.directories().contains(path)) {
      watcher_.addPath(path);
    }
  }
  if (!error.isEmpty()) {
    status_->setText(error);
    return;
  }
  report_ = std::move(report);
  filterBar_->setChoices(ChoicesOf(report_.rows));
  showFiltered();
}

void OverviewWindow::showFiltered() {
  report_.setFilter(filterBar_->filter());
  const std::vector<ReportTable> tables = report_.tables();
  for (std::size_t k = 0; k < tables.size(); ++k) {
    fill(models_[k], tables[k]);
    fitColumns(views_[k]);
  }
  showChart(mistakesChart_, mistakesNumbers_, mistakesChart(report_));
  showChart(lessonsChart_, lessonsNumbers_,
            lessonsChart(QStringLiteral("Верни по уроци"), report_.overview.lessons));
  QString status = QStringLiteral("%1: %2 реда, прочетени в %3.")
                       .arg(report_.sources())
                       .arg(report_.rows.size())
                       .arg(report_.taken.toString(QStringLiteral("HH:mm:ss")));
  for (const QString& note : report_.notes()) status += QLatin1Char(' ') + note;
  status_->setText(status);
}

QWidget* OverviewWindow::showPupil(int pupil) {
  if (pupil < 0 || static_cast<std::size_t>(pupil) >= report_.overview.pupils.size()) {
    return nullptr;
  }
  const ReportTable table = report_.pupilTable(static_cast<std::size_t>(pupil));
  auto* page = new QDialog(this);
  page->setAttribute(Qt::WA_DeleteOnClose);
  page->setWindowTitle(QStringLiteral("%1 — Restomer").arg(table.title));
  auto* summary = new QLabel(report_.pupilSummary(static_cast<std::size_t>(pupil)));
  summary->setWordWrap(true);
  summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* model = new QStandardItemModel(page);
  fill(model, table);
  QTableView* view = tableView(model, table.title);
  fitColumns(view);
  const ReportTable lessons = report_.pupilLessons(static_cast<std::size_t>(pupil));
  auto* chart = new ChartView;
  auto* numbers = new QStandardItemModel(page);
  showChart(chart, numbers, lessonsChart(lessons.title, report_.overview.pupils[pupil].lessons));
  auto* byLesson = new QSplitter(Qt::Horizontal);
  byLesson->addWidget(chart);
  byLesson->addWidget(numbersView(numbers, lessons.title));
  auto* parts = new QSplitter(Qt::Vertical);
  parts->addWidget(view);
  parts->addWidget(byLesson);
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(close, &QDialogButtonBox::rejected, page, &QDialog::reject);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(summary);
  layout->addWidget(parts);
  layout->addWidget(close);
  page->resize(860, 600);
  page->show();
  return page;
}

QString OverviewWindow::shownTable() const {
  const QAbstractItemModel* model = views_.at(tabs_->currentIndex())->model();
  QStringList headers;
  for (int column = 0; column < model->columnCount(); ++column) {
    headers << model->headerData(column, Qt::Horizontal).toString();
  }
  QList<QStringList> rows;
  for (int row = 0; row < model->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < model->columnCount(); ++column) {
      cells << model->index(row, column).data().toString();
    }
    rows << cells;
  }
  return tabSeparated(headers, rows);
}

void OverviewWindow::exportReport(const QString& extension, const QString& filter,
                                  const QString& slips) {
  // Beside the first file or in the first folder, named after it.
  const QFileInfo first(paths_.value(0));
  const QString name = slips.isEmpty() ? first.completeBaseName() : slips;
  const QString suggested = (first.isDir() ? QDir(first.absoluteFilePath()) : first.dir())
                                .filePath(name + QLatin1Char('.') + extension);
  const QString path =
      QFileDialog::getSaveFileName(this, QStringLiteral("Запиши отчета"), suggested, filter);
  if (path.isEmpty()) return;
  const QString error = slips.isEmpty() ? writeReport(path, report_) : writeSlips(path, report_);
  if (!error.isEmpty()) {
    QMessageBox::warning(this, windowTitle(), error);
  } else {
    QMessageBox::information(this, windowTitle(),
                             (slips.isEmpty() ? QStringLiteral("Отчетът е записан в „%1“.")
                                              : QStringLiteral("Листчетата са записани в „%1“."))
                                 .arg(QDir::toNativeSeparators(path)));
  }
}

}  // namespace restomer
