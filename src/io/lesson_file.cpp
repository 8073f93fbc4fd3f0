#include "io/lesson_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <limits>
#include <optional>
#include <type_traits>

#include "io/draft_file.h"
#include "io/system_reason.h"

namespace restomer {
namespace {

const QString kGroup = QStringLiteral("Lesson");

// A value as the file holds it. QSettings reads an unquoted "a, b" as a
// list and drops the blanks around the comma: no text to trust, so `text`
// stays empty and the value is refused.
bool textOf(const QVariant& value, QString& text) {
  if (value.typeId() == QMetaType::QStringList) {
    text = value.toStringList().join(QLatin1Char(','));
    return false;
  }
  text = value.toString();
  return true;
}

QString notInRange(FieldRange range) {
  return QStringLiteral("трябва да е цяло число от %1 до %2").arg(range.least).arg(range.most);
}

// "purchases, pictures или informatics".
QString kindKeys() {
  QStringList keys;
  for (const TaskKindName& name : TaskKindNames()) keys << QString::fromUtf8(name.key);
  const QString last = keys.takeLast();
  return keys.join(QStringLiteral(", ")) + QStringLiteral(" или ") + last;
}

// The lesson's yes-or-no settings, by their keys.
struct Switch {
  const char* key;
  bool Lesson::*value;
};
constexpr Switch kSwitches[] = {
    {"AskName", &Lesson::ask_name},
    {"FewestPieces", &Lesson::fewest_pieces},
    {"ReadAloud", &Lesson::read_aloud},
    {"AmountsInWords", &Lesson::amounts_in_words},
};

bool* switchOf(const QString& key, Lesson& lesson) {
  for (const Switch& entry : kSwitches) {
    if (key == QLatin1String(entry.key)) return &(lesson.*entry.value);
  }
  return nullptr;
}

// Reads one key's value into `lesson`; an empty string, or what is wrong
// with the value.
QString readKey(const QString& key, const QString& value, const QString& folder, Lesson& lesson) {
  const std::string text = value.trimmed().toStdString();
  // Reads a whole number in `range` into `into`.
  const auto wholeNumber = [&text](FieldRange range, auto& into) {
    const std::optional<std::uint64_t> number = WholeNumberIn(text, range);
    if (!number) return notInRange(range);
    into = static_cast<std::remove_reference_t<decltype(into)>>(*number);
    return QString();
  };
  if (key == QLatin1String("Currency")) {
    const Currency* currency = FindCurrency(text);
    if (currency == nullptr)
      return QStringLiteral("валутата може да бъде %1")
          .arg(QString::fromStdString(CurrencyNames()));
    lesson.currency = currency;
  } else if (key == QLatin1String("Level")) {
    // Its range is checked once the kind is known: each kind has its levels.
    const std::optional<std::uint64_t> level =
        WholeNumberIn(text, 0, std::numeric_limits<int>::max());
    if (!level) return notInRange(LevelRange(lesson.kind));
    lesson.level = static_cast<int>(*level);
  } else if (key == QLatin1String("Tasks")) {
    return wholeNumber(TasksRange(), lesson.tasks);
  } else if (key == QLatin1String("Seed")) {
    return wholeNumber(SeedRange(), lesson.seed);
  } else if (key == QLatin1String("Results")) {
    if (value.trimmed().isEmpty()) return QStringLiteral("липсва името на файла");
    QString missing;
    const QString results = resultsBesideLesson(folder, value.trimmed(), missing);
    if (results.isEmpty()) return QStringLiteral("папката „%1“ не съществува").arg(missing);
    lesson.results = results.toStdString();
  } else if (key == QLatin1String("Coins")) {
    CoinsRead read = ReadCoins(text);
    // Worded to stand inside the sentence, as a system's reason is.
    if (!read.error.empty()) return systemReason(QString::fromStdString(read.error));
    lesson.coins = std::move(read.coins);
    lesson.kind = TaskKind::kInformatics;
  } else if (key == QLatin1String("Kind")) {
    const std::optional<TaskKind> kind = TaskKindOfKey(text);
    if (!kind) return QStringLiteral("видът може да бъде %1").arg(kindKeys());
    lesson.kind = *kind;
  } else if (const auto switched = switchOf(key, lesson)) {
    const QString answer = value.trimmed().toLower();
    if (answer != QLatin1String("true") && answer != QLatin1String("false")) {
      return QStringLiteral("трябва да е true или false");
    }
    *switched = answer == QLatin1String("true");
  }
  return {};
}

}  // namespace

QString readLessonFile(const QString& path, Lesson& lesson) {
  const QString shown = QDir::toNativeSeparators(path);
  // QSettings takes a missing or unreadable file for an empty one, and
  // does not list a group without keys: the "[Lesson]" line marks a lesson.
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return QStringLiteral("Урокът „%1“ не може да бъде прочетен: %2.")
        .arg(shown, systemReason(file.errorString()));
  }
  bool hasGroup = false;
  while (!file.atEnd() && !hasGroup) {
    hasGroup = file.readLine().trimmed() == QByteArray("[Lesson]");
  }
  file.close();
  QSettings settings(path, QSettings::IniFormat);
  if (settings.status() != QSettings::NoError || !hasGroup) {
    return QStringLiteral("„%1“ не е урок на Restomer: в него няма група [%2].").arg(shown, kGroup);
  }
  settings.beginGroup(kGroup);
  Lesson read = lesson;
  const QString folder = QFileInfo(path).absolutePath();
  for (const QString& key : settings.childKeys()) {
    QString value;
    const QString error = textOf(settings.value(key), value)
                              ? readKey(key, value, folder, read)
                              : QStringLiteral("стойност със запетая се пише в кавички");
    if (!error.isEmpty()) {
      return QStringLiteral("Урокът „%1“: %2=%3 — %4.").arg(shown, key, value, error);
    }
  }
  if (!read.coins.empty() && read.kind != TaskKind::kInformatics) {
    return QStringLiteral("Урокът „%1“: Kind=%2 — урок с монети (Coins=) е по информатика.")
        .arg(shown, QString::fromUtf8(NameOf(read.kind).key));
  }
  const FieldRange levels = LevelRange(read.kind);
  if (!levels.Holds(static_cast<std::uint64_t>(read.level))) {
    return QStringLiteral("Урокът „%1“: Level=%2 — %3.")
        .arg(shown)
        .arg(read.level)
        .arg(notInRange(levels));
  }
  lesson = read;
  return {};
}

QString resultsBesideLesson(const QString& folder, const QString& results, QString& missingFolder) {
  const QFileInfo file(QDir(folder), results);
  if (!file.absoluteDir().exists()) {
    missingFolder = QDir::toNativeSeparators(file.absolutePath());
    return {};
  }
  return QDir::toNativeSeparators(file.absoluteFilePath());
}

// The results file as the lesson at `path` keeps it: relative to the
// lesson's folder when it lies in that folder or below.
QString resultsAsWritten(const QString& path, const std::string& results) {
  const QDir folder = QFileInfo(path).absoluteDir();
  const QString absolute = QDir::fromNativeSeparators(QString::fromStdString(results));
  const QString relative = folder.relativeFilePath(absolute);
  if (relative.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(relative)) return absolute;
  return relative;
}

QString writeLessonFile(const QString& path, const Lesson& lesson) {
  // QSettings writes the INI text, which is then put in place whole.
  const QString reason =
      saveThroughDraft(path, QStringLiteral("lesson.ini"), [&](const QString& draft) {
        QSettings settings(draft, QSettings::IniFormat);
        settings.beginGroup(kGroup);
        settings.setValue(QStringLiteral("Currency"), QString::fromUtf8(lesson.currency->name));
        settings.setValue(QStringLiteral("Level"), lesson.level);
        settings.setValue(QStringLiteral("Tasks"), lesson.tasks);
        if (lesson.seed) settings.setValue(QStringLiteral("Seed"), QString::number(*lesson.seed));
        if (!lesson.results.empty()) {
          settings.setValue(QStringLiteral("Results"), resultsAsWritten(path, lesson.results));
        }
        // A lesson of a coin system is informatics, whatever kind it was given.
        const TaskKind kind = lesson.coins.empty() ? lesson.kind : TaskKind::kInformatics;
        settings.setValue(QStringLiteral("Kind"), QString::fromUtf8(NameOf(kind).key));
        for (const Switch& entry : kSwitches) {
          // The pictures' settings only where they count.
          if (entry.value == &Lesson::ask_name || kind == TaskKind::kPictures) {
            settings.setValue(QLatin1String(entry.key), lesson.*entry.value);
          }
        }
        if (!lesson.coins.empty()) {
          settings.setValue(QStringLiteral("Coins"),
                            QString::fromStdString(CoinsText(lesson.coins)));
        }
        settings.endGroup();
        settings.sync();
        return settings.status() == QSettings::NoError
                   ? QString()
                   : QStringLiteral("временният файл не може да бъде записан");
      });
  if (reason.isEmpty()) return {};
  return QStringLiteral("Урокът „%1“ не може да бъде записан: %2.")
      .arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace restomer
