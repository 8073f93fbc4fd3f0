#include "window/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QTranslator>
#include <limits>
#include <optional>

#include "form/task_generator.h"

namespace {

// Qt's own texts of the command-line parser, in Bulgarian. Debian ships no
// Bulgarian translation of them.
class BulgarianParserTexts : public QTranslator {
 public:
  bool isEmpty() const override { return false; }

  QString translate(const char* context, const char* sourceText, const char* = nullptr,
                    int = -1) const override {
    static const QHash<QByteArrayView, QString> texts = {
        {"Displays help on commandline options.", QStringLiteral("Показва тази помощ.")},
        {"Displays help including Qt specific options.",
         QStringLiteral("Показва помощта заедно с опциите на Qt.")},
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

QString currencyNames() {
  QStringList names;
  for (const restomer::Currency* currency : restomer::Currencies()) {
    names << QString::fromUtf8(currency->name);
  }
  return names.join(QStringLiteral(" или "));
}

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
  for (const restomer::Level& level : restomer::Levels()) {
    levels << QString::fromStdString(restomer::LevelText(level, restomer::kLev.unit));
  }
  return levels.join(QLatin1Char(' '));
}

// The value of a whole-number option from `least` to `most`, or nothing with
// `error` saying what was wrong.
std::optional<std::uint64_t> numberOption(const QCommandLineParser& parser,
                                          const QCommandLineOption& option, std::uint64_t least,
                                          std::uint64_t most, QString& error) {
  const QString text = parser.value(option);
  bool isNumber = false;
  const std::uint64_t value = text.toULongLong(&isNumber);
  if (isNumber && text.front().isDigit() && value >= least && value <= most) return value;
  error = QStringLiteral("Стойността на --%1 „%2“ не е цяло число от %3 до %4.")
              .arg(option.names().constFirst(), text)
              .arg(least)
              .arg(most);
  return std::nullopt;
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
  const QCommandLineOption helpOption = parser.addHelpOption();
  const QCommandLineOption versionOption = parser.addVersionOption();
  const QCommandLineOption currencyOption(
      QStringLiteral("currency"),
      QStringLiteral("Банкнотите и монетите: %1 (по подразбиране lev).").arg(currencyNames()),
      QStringLiteral("валута"), QStringLiteral("lev"));
  parser.addOption(currencyOption);
  const QCommandLineOption practiceOption(
      QStringLiteral("practice"),
      QStringLiteral("Упражнение: програмата дава покупка, ученикът пише рестото и отбелязва "
                     "банкнотите и монетите, „Въведи“ проверява."));
  parser.addOption(practiceOption);
  const QCommandLineOption seedOption(
      QStringLiteral("seed"),
      QStringLiteral("Начало на поредицата задачи: с едно и също число задачите са едни и същи."),
      QStringLiteral("число"));
  parser.addOption(seedOption);
  const QCommandLineOption levelOption(
      QStringLiteral("level"),
      QStringLiteral("Трудност на задачите, от 1 до 5 (по подразбиране %1). %2")
          .arg(restomer::kDefaultLevel)
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
  const QCommandLineOption worksheetOption(
      QStringLiteral("worksheet"),
      QStringLiteral("Записва работен лист с задачите и ключ с отговорите в този PDF файл, "
                     "без прозорец."),
      QStringLiteral("файл.pdf"));
  parser.addOption(worksheetOption);

  CommandLine commandLine;
  if (!parser.parse(arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    commandLine.error =
        unknown.isEmpty() ? parser.errorText() : unknownOptionsError(unknown, arguments);
    return commandLine;
  }
  // Printed by the program itself, in UTF-8 on every system: Qt would show
  // them in a message box on Windows.
  if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
    commandLine.output = parser.helpText();
    return commandLine;
  }
  if (parser.isSet(versionOption)) {
    commandLine.output = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion());
    return commandLine;
  }
  if (!parser.positionalArguments().isEmpty()) {
    commandLine.error =
        QStringLiteral("Излишен аргумент „%1“.").arg(parser.positionalArguments().constFirst());
    return commandLine;
  }
  const QString currency = parser.value(currencyOption);
  commandLine.currency = restomer::FindCurrency(currency.toStdString());
  if (commandLine.currency == nullptr) {
    commandLine.error =
        QStringLiteral("Непозната валута „%1“: може да бъде %2.").arg(currency, currencyNames());
    return commandLine;
  }
  commandLine.practice = parser.isSet(practiceOption);
  commandLine.worksheet = parser.value(worksheetOption);
  commandLine.results = parser.value(resultsOption);
  commandLine.name = parser.value(nameOption);
  if (commandLine.practice && parser.isSet(worksheetOption)) {
    commandLine.error = QStringLiteral("--worksheet и --practice не вървят заедно.");
    return commandLine;
  }
  const bool tasksAreSet = commandLine.practice || parser.isSet(worksheetOption);
  for (const QCommandLineOption* option :
       {&seedOption, &levelOption, &tasksOption, &resultsOption, &nameOption}) {
    const bool forPractice = option == &resultsOption || option == &nameOption;
    if (parser.isSet(*option) && !(forPractice ? commandLine.practice : tasksAreSet)) {
      commandLine.error = QStringLiteral("--%1 е само за %2.")
                              .arg(option->names().constFirst(),
                                   forPractice ? QStringLiteral("упражнението: добавете --practice")
                                               : QStringLiteral("упражнението (--practice) и "
                                                                "работния лист (--worksheet)"));
      return commandLine;
    }
  }
  if (parser.isSet(seedOption)) {
    const std::optional<std::uint64_t> seed = numberOption(
        parser, seedOption, 0, std::numeric_limits<std::uint64_t>::max(), commandLine.error);
    if (!seed) return commandLine;
    commandLine.seed = seed;
  }
  if (parser.isSet(levelOption)) {
    const auto level = numberOption(parser, levelOption, 1, 5, commandLine.error);
    if (!level) return commandLine;
    commandLine.level = static_cast<int>(*level);
  }
  if (parser.isSet(tasksOption)) {
    const auto tasks = numberOption(parser, tasksOption, 1, kMostTasks, commandLine.error);
    if (!tasks) return commandLine;
    commandLine.tasks = static_cast<int>(*tasks);
  }
  if (parser.isSet(resultsOption) && commandLine.results.isEmpty()) {
    commandLine.error = QStringLiteral("--results иска име на файл.");
  }
  return commandLine;
}
