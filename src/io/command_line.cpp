#include "io/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QTranslator>
#include <limits>
#include <optional>

#include "core/task_generator.h"
#include "io/lesson_file.h"

namespace restomer {
namespace {

// Qt's own texts of the command-line parser, in Bulgarian. Debian ships no
// Bulgarian translation of them.
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

// The levels in words, for the help: "Ниво 1: ресто под 1 лв., само монети. …"
QString levelDescriptions() {
  QStringList levels;
  for (const Level& level : Levels()) {
    levels << QString::fromStdString(LevelText(level, kLev.unit));
  }
  return levels.join(QLatin1Char(' '));
}

// The value of a whole-number option from `least` to `most`, or nothing with
// `error` saying what was wrong.
std::optional<std::uint64_t> numberOption(const QCommandLineParser& parser,
                                          const QCommandLineOption& option, std::uint64_t least,
                                          std::uint64_t most, QString& error) {
  const QString text = parser.value(option);
  const auto value = WholeNumberIn(text.toStdString(), least, most);
  if (value) return value;
  error = QStringLiteral("Стойността на --%1 „%2“ не е цяло число от %3 до %4.")
              .arg(option.names().constFirst(), text)
              .arg(least)
              .arg(most);
  return std::nullopt;
}

bool isLessonFile(const QString& argument) {
  return QFileInfo(argument).suffix().compare(QLatin1String(kLessonSuffix), Qt::CaseInsensitive) ==
         0;
}

// Whether a window was asked for, read from the words alone: a command line
// that could not be parsed still says whether it wanted a worksheet.
bool asksForWindow(const QStringList& arguments) {
  for (const QString& argument : arguments.mid(1)) {
    const QString option = argument.section(QLatin1Char('='), 0, 0);
    if (option == QLatin1String("--worksheet") || option == QLatin1String("-worksheet")) {
      return false;
    }
  }
  return true;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
  BulgarianParserTexts bulgarian;
  QCoreApplication::installTranslator(&bulgarian);
  struct Uninstall {
    QTranslator* translator;
    ~Uninstall() { QCoreApplication::removeTranslator(translator); }
  } uninstall{&bulgarian};

  QCommandLineParser parser;
  // "-practice" is "--practice", as "-platform" is Qt's option.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  passOverQtOptions(parser);
  parser.setApplicationDescription(QStringLiteral(
      "Показва рестото с най-малко банкноти и монети и как продавачът го отброява."));
  parser.addPositionalArgument(
      QStringLiteral("урок.%1").arg(QLatin1String(kLessonSuffix)),
      QStringLiteral("Урок, записан от прозореца на учителя: отваря упражнението с неговите "
                     "настройки."),
      QStringLiteral("[урок.%1 | резултати.csv]").arg(QLatin1String(kLessonSuffix)));
  // Not Qt's own help option, which adds --help-all for options the program
  // does not list.
  const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                      QStringLiteral("Показва тази помощ."));
  parser.addOption(helpOption);
  const QCommandLineOption versionOption = parser.addVersionOption();
  const QCommandLineOption currencyOption(
      QStringLiteral("currency"),
      QStringLiteral("Банкнотите и монетите: %1 (по подразбиране lev).")
          .arg(QString::fromStdString(CurrencyNames())),
      QStringLiteral("валута"), QStringLiteral("lev"));
  parser.addOption(currencyOption);
  const QCommandLineOption practiceOption(
      QStringLiteral("practice"),
      QStringLiteral("Упражнение: програмата дава покупка, ученикът пише рестото и отбелязва "
                     "банкнотите и монетите, „Въведи“ проверява."));
  parser.addOption(practiceOption);
  const QCommandLineOption teacherOption(
      QStringLiteral("teacher"),
      QStringLiteral("Прозорецът на учителя: настройва урок, записва го във файл, пробва го и "
                     "пише работен лист."));
  parser.addOption(teacherOption);
  const QCommandLineOption seedOption(
      QStringLiteral("seed"),
      QStringLiteral("Начално число на задачите: с едно и също число всички компютри дават едни и "
                     "същи задачи."),
      QStringLiteral("число"));
  parser.addOption(seedOption);
  const QCommandLineOption levelOption(
      QStringLiteral("level"),
      QStringLiteral("Трудност на задачите, от %1 до %2 (по подразбиране %3). %4")
          .arg(LowestLevel())
          .arg(HighestLevel())
          .arg(kDefaultLevel)
          .arg(levelDescriptions()),
      QStringLiteral("ниво"));
  parser.addOption(levelOption);
  const QCommandLineOption tasksOption(
      QStringLiteral("tasks"),
      QStringLiteral("Кръг от толкова задачи (от 1 до %1), после обобщение; в работен лист — "
                     "броят задачи (по подразбиране %2).")
          .arg(kMostTasks)
          .arg(kWorksheetTasks),
      QStringLiteral("брой"));
  parser.addOption(tasksOption);
  const QCommandLineOption resultsOption(
      QStringLiteral("results"),
      QStringLiteral("Добавя ред за всяка проверена или пропусната задача към този CSV файл."),
      QStringLiteral("файл"));
  parser.addOption(resultsOption);
  const QCommandLineOption nameOption(QStringLiteral("name"),
                                      QStringLiteral("Името на ученика във файла с резултатите."),
                                      QStringLiteral("име"));
  parser.addOption(nameOption);
  const QCommandLineOption askNameOption(
      QStringLiteral("ask-name"),
      QStringLiteral("Упражнението пита ученика за името му, преди първата задача."));
  parser.addOption(askNameOption);
  const QCommandLineOption overviewOption(
      QStringLiteral("overview"),
      QStringLiteral("Прозорец с обзор на файла с резултати: ученици, задачи и най-честите "
                     "грешки. Следи файла, докато учениците упражняват."),
      QStringLiteral("резултати.csv"));
  parser.addOption(overviewOption);
  const QCommandLineOption reportOption(
      QStringLiteral("report"),
      QStringLiteral("Записва обзора на файла с резултати, даден след опциите, като PDF или "
                     "Excel (.xlsx), без прозорец."),
      QStringLiteral("отчет.pdf|.xlsx"));
  parser.addOption(reportOption);
  const QCommandLineOption worksheetOption(
      QStringLiteral("worksheet"),
      QStringLiteral("Записва работен лист със задачите и ключ с отговорите в този PDF файл, "
                     "без прозорец."),
      QStringLiteral("файл.pdf"));
  parser.addOption(worksheetOption);

  CommandLine commandLine;
  commandLine.windowWasMeant = asksForWindow(arguments);
  if (!parser.parse(arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    commandLine.error =
        unknown.isEmpty() ? parser.errorText() : unknownOptionsError(unknown, arguments);
    return commandLine;
  }
  // Printed by the program itself, in UTF-8 on every system: Qt would show
  // them in a message box on Windows.
  if (parser.isSet(helpOption)) {
    commandLine.mode = Mode::kPrint;
    commandLine.output = parser.helpText();
    return commandLine;
  }
  if (parser.isSet(versionOption)) {
    commandLine.mode = Mode::kPrint;
    commandLine.output = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion());
    return commandLine;
  }
  QStringList positional = parser.positionalArguments();
  for (const QCommandLineOption* option : {&overviewOption, &reportOption}) {
    if (parser.isSet(*option) && parser.value(*option).isEmpty()) {
      commandLine.error =
          QStringLiteral("--%1 иска име на файл.").arg(option->names().constFirst());
      return commandLine;
    }
  }
  if (parser.isSet(overviewOption) || parser.isSet(reportOption)) {
    // Nothing else goes with them: they read a results file, not a lesson.
    if (parser.isSet(reportOption)) {
      commandLine.mode = Mode::kReport;
      commandLine.windowWasMeant = false;
      commandLine.report = parser.value(reportOption);
      if (positional.isEmpty()) {
        commandLine.error = QStringLiteral(
            "--report иска файл с резултати: restomer --report=отчет.pdf резултати.csv");
        return commandLine;
      }
      commandLine.resultsFile = positional.takeFirst();
    } else {
      commandLine.mode = Mode::kOverview;
      commandLine.resultsFile = parser.value(overviewOption);
    }
    if (!positional.isEmpty()) {
      commandLine.error = QStringLiteral("Излишен аргумент „%1“.").arg(positional.constFirst());
    }
    return commandLine;
  }
  if (!positional.isEmpty() && isLessonFile(positional.front())) {
    commandLine.lessonFile = positional.takeFirst();
  }
  if (!positional.isEmpty()) {
    commandLine.error = QStringLiteral("Излишен аргумент „%1“.").arg(positional.constFirst());
    return commandLine;
  }

  const bool worksheet = parser.isSet(worksheetOption);
  const bool teacher = parser.isSet(teacherOption);
  const bool practice =
      parser.isSet(practiceOption) || (!commandLine.lessonFile.isEmpty() && !worksheet && !teacher);
  if (practice && worksheet) {
    commandLine.error = QStringLiteral("--worksheet и --practice не вървят заедно.");
    return commandLine;
  }
  if (teacher && (practice || worksheet)) {
    commandLine.error = QStringLiteral("--teacher не върви с --practice и --worksheet.");
    return commandLine;
  }
  commandLine.mode = worksheet  ? Mode::kWorksheet
                     : teacher  ? Mode::kTeacher
                     : practice ? Mode::kPractice
                                : Mode::kDemonstration;

  // Where each lesson option makes sense: the tasks' options wherever there
  // are tasks, the results file and asking the name in practice and in the
  // teacher's window, the pupil's name in practice alone.
  const bool tasks = commandLine.mode != Mode::kDemonstration;
  const QString forTasks =
      QStringLiteral("упражнението (--practice) и работния лист (--worksheet)");
  const QString forPractice = QStringLiteral("упражнението: добавете --practice");
  const struct {
    const QCommandLineOption& option;
    bool allowed;
    const QString& where;
  } places[] = {{seedOption, tasks, forTasks},
                {levelOption, tasks, forTasks},
                {tasksOption, tasks, forTasks},
                {resultsOption, practice || teacher, forPractice},
                {askNameOption, practice || teacher, forPractice},
                {nameOption, practice, forPractice}};
  for (const auto& place : places) {
    if (parser.isSet(place.option) && !place.allowed) {
      commandLine.error =
          QStringLiteral("--%1 е само за %2.").arg(place.option.names().constFirst(), place.where);
      return commandLine;
    }
  }

  Lesson& lesson = commandLine.lesson;
  if (!commandLine.lessonFile.isEmpty()) {
    commandLine.error = readLessonFile(commandLine.lessonFile, lesson);
    if (!commandLine.error.isEmpty()) return commandLine;
  }
  if (parser.isSet(currencyOption)) {
    const QString currency = parser.value(currencyOption);
    lesson.currency = FindCurrency(currency.toStdString());
    if (lesson.currency == nullptr) {
      commandLine.error = QStringLiteral("Непозната валута „%1“: може да бъде %2.")
                              .arg(currency, QString::fromStdString(CurrencyNames()));
      return commandLine;
    }
  }
  if (parser.isSet(seedOption)) {
    lesson.seed = numberOption(parser, seedOption, 0, std::numeric_limits<std::uint64_t>::max(),
                               commandLine.error);
    if (!lesson.seed) return commandLine;
  }
  if (parser.isSet(levelOption)) {
    const auto level =
        numberOption(parser, levelOption, LowestLevel(), HighestLevel(), commandLine.error);
    if (!level) return commandLine;
    lesson.level = static_cast<int>(*level);
  }
  if (parser.isSet(tasksOption)) {
    const auto tasks = numberOption(parser, tasksOption, 1, kMostTasks, commandLine.error);
    if (!tasks) return commandLine;
    lesson.tasks = static_cast<int>(*tasks);
  }
  for (const QCommandLineOption* option : {&resultsOption, &worksheetOption}) {
    if (parser.isSet(*option) && parser.value(*option).isEmpty()) {
      commandLine.error =
          QStringLiteral("--%1 иска име на файл.").arg(option->names().constFirst());
      return commandLine;
    }
  }
  if (parser.isSet(resultsOption)) lesson.results = parser.value(resultsOption).toStdString();
  if (parser.isSet(nameOption)) lesson.name = parser.value(nameOption).toStdString();
  if (parser.isSet(askNameOption)) lesson.ask_name = true;
  commandLine.worksheet = parser.value(worksheetOption);
  return commandLine;
}

}  // namespace restomer
