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
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "io/waiting_rows.h"
#include "print/report.h"

namespace restomer {
namespace {

// How often the file is looked at: a row any computer appends shows within
// this and the time it takes to read.
constexpr int kPollMs = 2'000;

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

}  // namespace

OverviewWindow::OverviewWindow(const QString& path, QWidget* parent)
    : QWidget(parent), path_(path) {
  setWindowTitle(QStringLiteral("%1 — Restomer: резултати").arg(QFileInfo(path).fileName()));
  createControls();
  reload();
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &OverviewWindow::reloadIfChanged);
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, &OverviewWindow::reloadIfChanged);
  poll_.start();
  resize(900, 560);
}

void OverviewWindow::createControls() {
  status_ = new QLabel;
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  tabs_ = new QTabWidget;
  for (const ReportTable& table : ResultsReport().tables()) {
    auto* model = new QStandardItemModel(this);
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(model);
    sorted->setSortRole(Qt::UserRole);
    auto* view = new QTableView;
    view->setModel(sorted);
    view->setSortingEnabled(true);
    view->sortByColumn(-1, Qt::AscendingOrder);  // the file's order until a header is clicked
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->setAccessibleName(table.title);
    tabs_->addTab(view, table.title);
    models_.push_back(model);
    views_.push_back(view);
  }

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
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copy);
  buttons->addStretch();
  buttons->addWidget(pdf);
  buttons->addWidget(excel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);
}

// The rows waiting beside the file come and go with it.
QString OverviewWindow::filesRead() const {
  QString files;
  for (const QString& path : QStringList{path_} + waitingFilesBeside(path_)) {
    const QFileInfo file(path);
    files += QStringLiteral("%1 %2 %3\n")
                 .arg(path)
                 .arg(file.size())
                 .arg(file.lastModified().toMSecsSinceEpoch());
  }
  return files;
}

void OverviewWindow::reloadIfChanged() {
  if (filesRead() != filesRead_) reload();
}

void OverviewWindow::reload() {
  const QFileInfo file(path_);
  filesRead_ = filesRead();
  // A watched file that is replaced is no longer watched.
  if (!watcher_.files().contains(path_)) watcher_.addPath(path_);
  QString error;
  ResultsReport report = loadResults(path_, error);
  if (!error.isEmpty()) {
    status_->setText(error);
    return;
  }
  report_ = std::move(report);
  const std::vector<ReportTable> tables = report_.tables();
  for (std::size_t k = 0; k < tables.size(); ++k) {
    fill(models_[k], tables[k]);
    views_[k]->resizeColumnsToContents();
  }
  QString status = QStringLiteral("%1: %2 реда, прочетени в %3.")
                       .arg(QDir::toNativeSeparators(file.absoluteFilePath()))
                       .arg(report_.read.rows.size())
                       .arg(report_.taken.toString(QStringLiteral("HH:mm:ss")));
  for (const QString& note : {report_.waitingBeside(), report_.unreadable()}) {
    if (!note.isEmpty()) status += QLatin1Char(' ') + note;
  }
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
  auto* view = new QTableView;
  view->setModel(model);
  view->setAccessibleName(table.title);
  view->setAlternatingRowColors(true);
  view->verticalHeader()->hide();
  view->resizeColumnsToContents();
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(close, &QDialogButtonBox::rejected, page, &QDialog::reject);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(summary);
  layout->addWidget(view);
  layout->addWidget(close);
  page->resize(820, 420);
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

void OverviewWindow::exportReport(const QString& extension, const QString& filter) {
  const QFileInfo results(path_);
  const QString suggested =
      results.dir().filePath(results.completeBaseName() + QLatin1Char('.') + extension);
  const QString path =
      QFileDialog::getSaveFileName(this, QStringLiteral("Запиши отчета"), suggested, filter);
  if (path.isEmpty()) return;
  if (const QString error = writeReport(path, report_); !error.isEmpty()) {
    QMessageBox::warning(this, windowTitle(), error);
  } else {
    QMessageBox::information(
        this, windowTitle(),
        QStringLiteral("Отчетът е записан в „%1“.").arg(QDir::toNativeSeparators(path)));
  }
}

}  // namespace restomer
