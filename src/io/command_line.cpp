#include "io/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTranslator>
#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

#include "core/task_generator.h"
#include "io/lesson_file.h"

namespace restomer {
namespace {

// The command-line parser's texts in the program's own Bulgarian words,
// which its help and messages have always used; installed after Qt's
// Bulgarian translation, which words them otherwise, they win over it.
class BulgarianParserTexts : public QTranslator {
 public:
  bool isEmpty() const override { return false; }

  QString translate(const char* context, const char* sourceText, const char* = nullptr,
                    int = -1) const override {
    static const QHash<QByteArrayView, QString> texts = {
        {"Displays version information.", QStringLiteral("Показва версията.")},
        {"Usage: %1", QStringLiteral("Употреба: %1")},
        {"[options]", QStringLiteral("[опции]")},
        {"Options:", QStringLiteral("Опции:")},
        {"Arguments:", QStringLiteral("Аргументи:")},
        {"Unknown option '%1'.", QStringLiteral("Непозната опция „%1“.")},
        {"Unknown options: %1.", QStringLiteral("Непознати опции: %1.")},
        {"Missing value after '%1'.", QStringLiteral("Липсва стойност след „%1“.")},
        {"Unexpected value after '%1'.", QStringLiteral("Неочаквана стойност след „%1“.")},
    };
    if (QByteArrayView(context) != "QCommandLineParser") return {};
    return texts.value(QByteArrayView(sourceText));
  }
};

// The options QApplication takes for itself (-platform, -style …), so that
// the parser passes them over: it reads the command line before the
// application object that removes them exists.
void passOverQtOptions(QCommandLineParser& parser) {
  static const char* const kWithValue[] = {"platform",      "platformpluginpath",
                                           "platformtheme", "plugin",
                                           "qmljsdebugger", "qwindowgeometry",
                                           "qwindowicon",   "qwindowtitle",
                                           "session",       "display",
                                           "geometry",      "title",
                                           "icon",          "style",
                                           "stylesheet",    "dialogs"};
  static const char* const kWithoutValue[] = {"reverse", "widgetcount", "nograb",
                                              "dograb",  "visual",      "sync"};
  for (const char* name : kWithValue) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kWithoutValue) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

// "Непозната опция „--bogus“.": the options as they were written, dashes
// and all.
QString unknownOptionsError(const QStringList& names, const QStringList& arguments) {
  QStringList written;
  for (const QString& name : names) {
    QString shown = QStringLiteral("--") + name;
    for (const QString& argument : arguments.mid(1)) {
      const QString option = argument.section(QLatin1Char('='), 0, 0);
      if (option.startsWith(QLatin1Char('-')) &&
          option.mid(option.startsWith(QStringLiteral("--")) ? 2 : 1) == name) {
        shown = option;
        break;
      }
    }
    written << QStringLiteral("„%1“").arg(shown);
  }
  if (written.size() == 1) return QStringLiteral("Непозната опция %1.").arg(written.front());
  return QStringLiteral("Непознати опции: %1.").arg(written.join(QStringLiteral(", ")));
}

// The levels in words, for the help: "Ниво 1: ресто под 1 лв., само монети. …",
// the first `count` of them.
QString levelDescriptions(TaskKind kind, std::size_t count) {
  QStringList levels;
  for (const LevelChoice& level : LevelChoices(kind, kLev.unit)) {
    if (static_cast<std::size_t>(levels.size()) == count) break;
    levels << QString::fromStdString(level.text);
  }
  return levels.join(QLatin1Char(' '));
}

// The value of a whole-number option from `least` to `most`, or what is
// wrong with it.
QString setNumber(const char* name, const QString& text, FieldRange range,
                  const std::function<void(std::uint64_t)>& set) {
  const auto value = WholeNumberIn(text.toStdString(), range);
  if (value) {
    set(*value);
    return {};
  }
  return QStringLiteral("Стойността на --%1 „%2“ не е цяло число от %3 до %4.")
      .arg(QLatin1String(name), text)
      .arg(range.least)
      .arg(range.most);
}

QString setFile(const char* name, const QString& path, const std::function<void()>& set) {
  if (path.isEmpty()) return QStringLiteral("--%1 иска име на файл.").arg(QLatin1String(name));
  set();
  return {};
}

// Every option of the program, in the order the help lists them after -h
// and -v: what it is called, the name of its value (none for a switch), its
// help, the mode it asks for, the modes it makes sense in (any when none are
// named), and what it does to the command line.
struct OptionRow {
  const char* name;
  const char* value;
  QString (*help)();
  std::optional<Mode> asks;
  std::vector<Mode> belongs;
  QString (*set)(const QString& value, CommandLine& commandLine);
};

QString setNothing(const QString&, CommandLine&) { return {}; }

// Where the tasks' options make sense.
const std::vector<Mode> kTaskModes = {Mode::kPractice, Mode::kWorksheet, Mode::kTeacher};

const std::vector<OptionRow> kOptionRows = {
    {"currency",
     "валута",
     [] {
       return QStringLiteral("Банкнотите и монетите: %1 (по подразбиране lev).")
           .arg(QString::fromStdString(CurrencyNames()));
     },
     std::nullopt,
     {},
     [](const QString& value, CommandLine& commandLine) {
       const Currency* currency = FindCurrency(value.toStdString());
       if (currency == nullptr) {
         return QStringLiteral("Непозната валута „%1“: може да бъде %2.")
             .arg(value, QString::fromStdString(CurrencyNames()));
       }
       commandLine.lesson.currency = currency;
       return QString();
     }},
    {"practice",
     nullptr,
     [] {
       return QStringLiteral(
           "Упражнение: програмата дава покупка, ученикът пише рестото и отбелязва "
           "банкнотите и монетите, „Въведи“ проверява.");
     },
     Mode::kPractice,
     {Mode::kPractice},
     setNothing},
    {"pictures", nullptr,
     [] {
       return QStringLiteral(
           "С картинки, за най-малките: ученикът връща рестото, като слага монети и банкноти "
           "на тезгяха; с --worksheet — работен лист с картинки.");
     },
     std::nullopt, kTaskModes, setNothing},
    {"teacher",
     nullptr,
     [] {
       return QStringLiteral(
           "Прозорецът на учителя: настройва урок, записва го във файл, пробва го и пише "
           "работен лист.");
     },
     Mode::kTeacher,
     {Mode::kTeacher},
     setNothing},
    {"seed", "число",
     [] {
       return QStringLiteral(
           "Начално число на задачите: с едно и също число всички компютри дават едни и "
           "същи задачи.");
     },
     std::nullopt, kTaskModes,
     [](const QString& value, CommandLine& commandLine) {
       return setNumber("seed", value, SeedRange(),
                        [&](std::uint64_t seed) { commandLine.lesson.seed = seed; });
     }},
    {"level", "ниво",
     [] {
       // With pictures, the youngest pupils' levels come before the others.
       const auto pictures = static_cast<int>(LevelRange(TaskKind::kPictures).most);
       const int youngest = pictures - HighestLevel();
       return QStringLiteral(
                  "Трудност на задачите, от %1 до %2 (по подразбиране %3). %4 С --pictures — от "
                  "1 до %5: %6 Нива %7 до %5: нивата от 1 до %2.")
           .arg(LowestLevel())
           .arg(HighestLevel())
           .arg(kDefaultLevel)
           .arg(levelDescriptions(TaskKind::kPurchases, Levels().size()))
           .arg(pictures)
           .arg(levelDescriptions(TaskKind::kPictures, static_cast<std::size_t>(youngest)))
           .arg(youngest + 1);
     },
     std::nullopt, kTaskModes,
     [](const QString& value, CommandLine& commandLine) {
       // The kind is known before the options are set: each has its levels.
       return setNumber(
           "level", value, LevelRange(commandLine.lesson.kind),
           [&](std::uint64_t level) { commandLine.lesson.level = static_cast<int>(level); });
     }},
    {"tasks", "брой",
     [] {
       return QStringLiteral(
                  "Кръг от толкова задачи (от 1 до %1; 0 — без кръгове), после обобщение; в "
                  "работен лист — броят задачи (по подразбиране %2).")
           .arg(TasksRange().most)
           .arg(kWorksheetTasks);
     },
     std::nullopt, kTaskModes,
     [](const QString& value, CommandLine& commandLine) {
       return setNumber("tasks", value, TasksRange(), [&](std::uint64_t tasks) {
         commandLine.lesson.tasks = static_cast<int>(tasks);
       });
     }},
    {"results",
     "файл",
     [] {
       return QStringLiteral(
           "Добавя ред за всяка проверена или пропусната задача към този CSV файл.");
     },
     std::nullopt,
     {Mode::kPractice, Mode::kTeacher},
     [](const QString& value, CommandLine& commandLine) {
       return setFile("results", value, [&] { commandLine.lesson.results = value.toStdString(); });
     }},
    {"name",
     "име",
     [] { return QStringLiteral("Името на ученика във файла с резултатите."); },
     std::nullopt,
     {Mode::kPractice},
     [](const QString& value, CommandLine& commandLine) {
       commandLine.lesson.name = value.toStdString();
       return QString();
     }},
    {"ask-name",
     nullptr,
     [] { return QStringLiteral("Упражнението пита ученика за името му, преди първата задача."); },
     std::nullopt,
     {Mode::kPractice, Mode::kTeacher},
     [](const QString&, CommandLine& commandLine) {
       commandLine.lesson.ask_name = true;
       return QString();
     }},
    {"overview",
     "резултати.csv",
     [] {
       return QStringLiteral(
           "Прозорец с обзор на файловете с резултати, дадени тук и след опциите, и на "
           "папките с тях (папка на клас, в нея папка на урок): ученици, задачи, уроци и "
           "най-честите грешки. Следи файловете, докато учениците упражняват.");
     },
     Mode::kOverview,
     {Mode::kOverview},
     [](const QString& value, CommandLine& commandLine) {
       return setFile("overview", value, [&] { commandLine.resultsPaths = {value}; });
     }},
    {"report",
     "отчет.pdf|.xlsx",
     [] {
       return QStringLiteral(
           "Записва обзора на файловете и папките с резултати, дадени след опциите, като PDF "
           "или Excel (.xlsx), без прозорец.");
     },
     Mode::kReport,
     {Mode::kReport},
     [](const QString& value, CommandLine& commandLine) {
       return setFile("report", value, [&] { commandLine.report = value; });
     }},
    {"per-pupil",
     nullptr,
     [] {
       return QStringLiteral(
           "С --report: по една страница A4 за всеки ученик (PDF), за папката му или за "
           "родителите: уроците, верните във всеки урок и какво да упражнява.");
     },
     std::nullopt,
     {Mode::kReport},
     [](const QString&, CommandLine& commandLine) {
       commandLine.perPupil = true;
       return QString();
     }},
    {"informatics",
     nullptr,
     [] {
       return QStringLiteral(
           "Информатика: дава ли алчният начин винаги най-малко бройки? Прозорец, който сравнява "
           "двата начина за всякакви монети; с --practice или --level — упражнение по нива, с "
           "--worksheet — работен лист с такива задачи.");
     },
     Mode::kInformatics,
     {Mode::kInformatics, Mode::kWorksheet, Mode::kPractice},
     [](const QString&, CommandLine& commandLine) {
       commandLine.informatics = true;
       return QString();
     }},
    {"coins",
     "монети",
     [] {
       return QStringLiteral(
                  "Информатика: стойностите на монетите, цели числа в една единица (\"4 3 1\", "
                  "до %1 монети). Казва дали алчният начин винаги дава най-малко бройки, а с "
                  "--amount — как двата начина плащат сумата.")
           .arg(kMostCoins);
     },
     Mode::kCoins,
     {Mode::kCoins},
     [](const QString& value, CommandLine& commandLine) {
       CoinsRead read = ReadCoins(value.toStdString());
       if (!read.error.empty()) return QString::fromStdString(read.error);
       commandLine.coins = std::move(read.coins);
       return QString();
     }},
    {"amount",
     "сума",
     [] {
       return QStringLiteral("Сумата, в единицата на монетите, от 0 до %1.").arg(kLargestAmount);
     },
     std::nullopt,
     {Mode::kCoins},
     [](const QString& value, CommandLine& commandLine) {
       return setNumber("amount", value, FieldRange{0, kLargestAmount}, [&](std::uint64_t amount) {
         commandLine.amount = static_cast<std::int64_t>(amount);
       });
     }},
    {"worksheet",
     "файл.pdf",
     [] {
       return QStringLiteral(
           "Записва работен лист със задачите и ключ с отговорите в този PDF файл, без "
           "прозорец.");
     },
     Mode::kWorksheet,
     {Mode::kWorksheet},
     [](const QString& value, CommandLine& commandLine) {
       return setFile("worksheet", value, [&] { commandLine.worksheet = value; });
     }},
};

bool isLessonFile(const QString& argument) {
  return QFileInfo(argument).suffix().compare(QLatin1String(kLessonSuffix), Qt::CaseInsensitive) ==
         0;
}

// Whether a window was asked for, read from the words alone: a command line
// that could not be parsed still says whether it wanted a worksheet.
bool asksForWindow(const QStringList& arguments) {
  for (const QString& argument : arguments.mid(1)) {
    const QString option = argument.section(QLatin1Char('='), 0, 0);
    if (option.endsWith(QLatin1String("-worksheet")) || option.endsWith(QLatin1String("-coins"))) {
      return false;
    }
  }
  return true;
}

// The parser of the program's options, the table's and -h and -v.
class OptionParser {
 public:
  OptionParser() {
    // "-practice" is "--practice", as "-platform" is Qt's option.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    passOverQtOptions(parser_);
    parser_.setApplicationDescription(QStringLiteral(
        "Показва рестото с най-малко банкноти и монети и как продавачът го отброява."));
    parser_.addPositionalArgument(
        QStringLiteral("урок.%1").arg(QLatin1String(kLessonSuffix)),
        QStringLiteral("Урок, записан от прозореца на учителя: отваря упражнението с неговите "
                       "настройки."),
        QStringLiteral("[урок.%1 | резултати.csv]").arg(QLatin1String(kLessonSuffix)));
    // Not Qt's own help option, which adds --help-all for options the
    // program does not list.
    parser_.addOption(
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Показва тази помощ.")});
    parser_.addVersionOption();
    for (const OptionRow& row : kOptionRows) {
      const QString name = QString::fromLatin1(row.name);
      parser_.addOption(row.value
                            ? QCommandLineOption(name, row.help(), QString::fromUtf8(row.value))
                            : QCommandLineOption(name, row.help()));
    }
  }

  QCommandLineParser& parser() { return parser_; }
  bool isSet(const OptionRow& row) const { return parser_.isSet(QString::fromLatin1(row.name)); }
  bool isSet(const char* name) const { return parser_.isSet(QString::fromLatin1(name)); }
  QString value(const OptionRow& row) const { return parser_.value(QString::fromLatin1(row.name)); }
  bool helpIsSet() const { return isSet("help"); }
  bool versionIsSet() const { return isSet("version"); }

 private:
  QCommandLineParser parser_;
};

// Help or the version, printed by the program itself, in UTF-8 on every
// system: Qt would show them in a message box on Windows.
bool printsSomething(OptionParser& options, CommandLine& commandLine) {
  if (options.helpIsSet()) {
    commandLine.output = options.parser().helpText();
  } else if (options.versionIsSet()) {
    commandLine.output = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion());
  } else {
    return false;
  }
  commandLine.mode = Mode::kPrint;
  return true;
}

// A lesson given to the overview or the report stands for its results file.
QString readLessonResults(const QString lessonFile, QString& resultsFile) {
  Lesson lesson;
  if (QString error = readLessonFile(lessonFile, lesson); !error.isEmpty()) return error;
  if (lesson.results.empty()) {
    return QStringLiteral("Урокът „%1“ няма файл с резултати.")
        .arg(QDir::toNativeSeparators(lessonFile));
  }
  resultsFile = QString::fromStdString(lesson.results);
  return {};
}

QString misplacedOption(const OptionParser& options, Mode mode);

// The overview and the report read results files and folders, or a
// lesson's results file: nothing else goes with them.
void readResultsMode(const OptionParser& options, const QStringList& positional,
                     CommandLine& commandLine) {
  const bool report = options.isSet("report");
  commandLine.mode = report ? Mode::kReport : Mode::kOverview;
  for (const OptionRow& row : kOptionRows) {
    if (row.asks == commandLine.mode) commandLine.error = row.set(options.value(row), commandLine);
  }
  if (options.isSet("per-pupil")) {
    commandLine.error = report ? QString() : misplacedOption(options, commandLine.mode);
    commandLine.perPupil = report;
  }
  if (!commandLine.error.isEmpty()) return;
  if (report) {
    commandLine.windowWasMeant = false;
    if (positional.isEmpty()) {
      commandLine.error = QStringLiteral(
          "--report иска файл с резултати: restomer --report=отчет.pdf резултати.csv");
      return;
    }
  }
  commandLine.resultsPaths += positional;
  for (QString& path : commandLine.resultsPaths) {
    if (!isLessonFile(path)) continue;
    commandLine.error = readLessonResults(path, path);
    if (!commandLine.error.isEmpty()) return;
  }
}

// The options that ask for practice beside --informatics.
const char* const kPracticeOptions[] = {"level", "seed", "tasks", "results", "name", "ask-name"};

// The mode the options and a lesson file ask for, or an error where they
// ask for two.
void decideLessonMode(const OptionParser& options, CommandLine& commandLine) {
  const bool worksheet = options.isSet("worksheet");
  const bool teacher = options.isSet("teacher");
  const bool informatics = options.isSet("informatics");
  const bool pictures = options.isSet("pictures");
  // Informatics with practice's own options is informatics practice.
  const bool informaticsTasks =
      informatics && !worksheet &&
      std::any_of(std::begin(kPracticeOptions), std::end(kPracticeOptions),
                  [&options](const char* name) { return options.isSet(name); });
  const bool practice =
      options.isSet("practice") || informaticsTasks ||
      ((pictures || !commandLine.lessonFile.isEmpty()) && !worksheet && !teacher && !informatics);
  if (practice && worksheet) {
    commandLine.error = QStringLiteral("--worksheet и --practice не вървят заедно.");
  } else if (teacher && (practice || worksheet)) {
    commandLine.error = QStringLiteral("--teacher не върви с --practice и --worksheet.");
  } else if (informatics && teacher) {
    commandLine.error = QStringLiteral("--informatics не върви с --teacher.");
  } else if (informatics && pictures) {
    commandLine.error = QStringLiteral("--informatics не върви с --pictures.");
  }
  commandLine.mode = worksheet     ? Mode::kWorksheet
                     : teacher     ? Mode::kTeacher
                     : practice    ? Mode::kPractice
                     : informatics ? Mode::kInformatics
                                   : Mode::kDemonstration;
}

// An option set where it makes no sense: the tasks' options wherever there
// are tasks, the results file and asking the name in practice and in the
// teacher's window, the pupil's name in practice alone.
QString misplacedOption(const OptionParser& options, Mode mode) {
  for (const OptionRow& row : kOptionRows) {
    if (!options.isSet(row) || row.belongs.empty() ||
        std::find(row.belongs.begin(), row.belongs.end(), mode) != row.belongs.end()) {
      continue;
    }
    const auto belongs = [&row](Mode mode) {
      return std::find(row.belongs.begin(), row.belongs.end(), mode) != row.belongs.end();
    };
    if (belongs(Mode::kCoins)) return QStringLiteral("--%1 върви само с --coins.").arg(row.name);
    if (belongs(Mode::kReport)) return QStringLiteral("--%1 върви само с --report.").arg(row.name);
    const bool forTasks = belongs(Mode::kWorksheet);
    return QStringLiteral("--%1 е само за %2.")
        .arg(QLatin1String(row.name),
             forTasks ? QStringLiteral("упражнението (--practice) и работния лист (--worksheet)")
                      : QStringLiteral("упражнението: добавете --practice"));
  }
  return {};
}

// The lesson: a lesson file's, or a new one in the teacher's window, then
// the options', which win.
QString readLesson(const OptionParser& options, CommandLine& commandLine) {
  if (commandLine.lessonFile.isEmpty() && commandLine.mode == Mode::kTeacher) {
    commandLine.lesson = NewLesson();
  }
  if (!commandLine.lessonFile.isEmpty()) {
    if (QString error = readLessonFile(commandLine.lessonFile, commandLine.lesson);
        !error.isEmpty()) {
      return error;
    }
    commandLine.lesson.title = QFileInfo(commandLine.lessonFile).completeBaseName().toStdString();
  }
  if (options.isSet("informatics")) commandLine.lesson.kind = TaskKind::kInformatics;
  if (options.isSet("pictures")) commandLine.lesson.kind = TaskKind::kPictures;
  for (const OptionRow& row : kOptionRows) {
    if (!options.isSet(row)) continue;
    if (QString error = row.set(options.value(row), commandLine); !error.isEmpty()) return error;
  }
  return {};
}

// The coin system, and the amount when one is given: nothing else goes
// with them.
void readCoinsMode(const OptionParser& options, const QStringList& positional,
                   CommandLine& commandLine) {
  commandLine.mode = Mode::kCoins;
  commandLine.windowWasMeant = false;
  for (const OptionRow& row : kOptionRows) {
    if (!options.isSet(row)) continue;
    if (row.belongs != std::vector<Mode>{Mode::kCoins}) {
      commandLine.error = QStringLiteral("--coins не върви с --%1.").arg(row.name);
    } else {
      commandLine.error = row.set(options.value(row), commandLine);
    }
    if (!commandLine.error.isEmpty()) return;
  }
  if (!positional.isEmpty()) {
    commandLine.error = QStringLiteral("Излишен аргумент „%1“.").arg(positional.constFirst());
  }
}

// Everything but help, version, the overview and the report: a lesson's.
void readLessonMode(const OptionParser& options, QStringList positional, CommandLine& commandLine) {
  if (!positional.isEmpty() && isLessonFile(positional.front())) {
    commandLine.lessonFile = positional.takeFirst();
  }
  if (!positional.isEmpty()) {
    commandLine.error = QStringLiteral("Излишен аргумент „%1“.").arg(positional.constFirst());
    return;
  }
  decideLessonMode(options, commandLine);
  if (commandLine.error.isEmpty()) commandLine.error = misplacedOption(options, commandLine.mode);
  if (commandLine.error.isEmpty()) commandLine.error = readLesson(options, commandLine);
  // A lesson of a coin system opens the informatics window unless practice
  // is asked for by name.
  if (commandLine.mode == Mode::kPractice && !options.isSet("practice") &&
      !commandLine.lesson.coins.empty() && !options.isSet("informatics")) {
    commandLine.mode = Mode::kInformatics;
  }
  // Practice of a lesson of a coin system is informatics practice.
  if (commandLine.mode == Mode::kPractice && !commandLine.lesson.coins.empty()) {
    commandLine.informatics = true;
  }
}

}  // namespace

QStringList commandLineOptionNames() {
  QStringList names;
  for (const OptionRow& row : kOptionRows) names << QString::fromLatin1(row.name);
  return names;
}

CommandLine parseCommandLine(const QStringList& arguments) {
  BulgarianParserTexts bulgarian;
  QCoreApplication::installTranslator(&bulgarian);
  struct Uninstall {
    QTranslator* translator;
    ~Uninstall() { QCoreApplication::removeTranslator(translator); }
  } uninstall{&bulgarian};

  OptionParser options;
  CommandLine commandLine;
  commandLine.windowWasMeant = asksForWindow(arguments);
  if (!options.parser().parse(arguments)) {
    const QStringList unknown = options.parser().unknownOptionNames();
    commandLine.error =
        unknown.isEmpty() ? options.parser().errorText() : unknownOptionsError(unknown, arguments);
    return commandLine;
  }
  if (printsSomething(options, commandLine)) return commandLine;
  const QStringList positional = options.parser().positionalArguments();
  if (options.isSet("coins")) {
    readCoinsMode(options, positional, commandLine);
  } else if (options.isSet("overview") || options.isSet("report")) {
    readResultsMode(options, positional, commandLine);
  } else {
    readLessonMode(options, positional, commandLine);
  }
  return commandLine;
}

}  // namespace restomer
