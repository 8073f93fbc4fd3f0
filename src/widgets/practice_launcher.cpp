#include "widgets/practice_launcher.h"

#include <QLocale>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "core/results_row.h"
#include "io/regional_settings.h"
#include "io/user_account.h"
#include "widgets/demonstration_window.h"
#include "widgets/informatics_practice_window.h"
#include "widgets/picture_practice_window.h"
#include "widgets/practice_session.h"
#include "widgets/pupil_name.h"

namespace restomer {
namespace {

// The practice window of the lesson's kind, and how it opens its results
// file.
struct PracticeWindow {
  std::unique_ptr<QWidget> window;
  std::function<QString(const QString&, ResultsContext)> writeResultsTo;
};

PracticeWindow purchasesWindow(const Lesson& lesson, std::uint64_t seed) {
  const RegionalSettings settings = regionalSettingsOf(QLocale::system());
  auto window = std::make_unique<DemonstrationWindow>(settings, *lesson.currency);
  auto* session =
      new PracticeSession(*window, PracticeOptions(seed, *FindLevel(lesson.level), lesson.tasks),
                          *lesson.currency, settings);
  return {std::move(window), [session](const QString& path, ResultsContext context) {
            return session->writeResultsTo(path, std::move(context));
          }};
}

// A window of its own kind, which keeps its results itself.
template <typename Window>
PracticeWindow windowOfKind(const Lesson& lesson, std::uint64_t seed) {
  auto window = std::make_unique<Window>(lesson, seed);
  Window* shown = window.get();
  return {std::move(window), [shown](const QString& path, ResultsContext context) {
            return shown->writeResultsTo(path, std::move(context));
          }};
}

PracticeWindow windowFor(const Lesson& lesson, std::uint64_t seed) {
  switch (lesson.kind) {
    case TaskKind::kInformatics:
      return windowOfKind<InformaticsPracticeWindow>(lesson, seed);
    case TaskKind::kPictures:
      return windowOfKind<PicturePracticeWindow>(lesson, seed);
    case TaskKind::kPurchases:
      break;
  }
  return purchasesWindow(lesson, seed);
}

}  // namespace

QWidget* openPractice(const Lesson& lesson, bool writeResults, QString& error,
                      QWidget* nameParent) {
  std::string name = lesson.name;
  if (lesson.ask_name) {
    const std::optional<QString> asked = askPupilName(nameParent);
    if (!asked) return nullptr;
    name = asked->toStdString();
  }
  const std::uint64_t seed = lesson.seed.value_or(NewSeed());
  const bool informatics = lesson.kind == TaskKind::kInformatics;
  PracticeWindow practice = windowFor(lesson, seed);
  if (writeResults && !lesson.results.empty()) {
    ResultsContext context(loginName(), name, informatics ? nullptr : lesson.currency, lesson.level,
                           seed);
    context.lesson = lesson.title;
    error = practice.writeResultsTo(QString::fromStdString(lesson.results), std::move(context));
    if (!error.isEmpty()) return nullptr;
  }
  if (auto* window = qobject_cast<DemonstrationWindow*>(practice.window.get())) {
    window->showPupilName(QString::fromStdString(name));
  }
  practice.window->setAttribute(Qt::WA_DeleteOnClose);
  practice.window->show();
  return practice.window.release();
}

}  // namespace restomer
