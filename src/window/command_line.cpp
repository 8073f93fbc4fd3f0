#include "window/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QTranslator>
#include <limits>

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
                                           "geometry",      "name",
                                           "title",         "icon",
                                           "style",         "stylesheet",
                                           "dialogs"};
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
  parser.addHelpOption();
  parser.addVersionOption();
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
      QStringLiteral("Начало на поредицата задачи в упражнението: с едно и също число задачите "
                     "са едни и същи."),
      QStringLiteral("число"));
  parser.addOption(seedOption);

  CommandLine commandLine;
  if (!parser.parse(arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    commandLine.error =
        unknown.isEmpty() ? parser.errorText() : unknownOptionsError(unknown, arguments);
    return commandLine;
  }
  parser.process(arguments);  // prints help or version and ends the program when asked
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
  if (parser.isSet(seedOption)) {
    const QString seed = parser.value(seedOption);
    bool isNumber = false;
    commandLine.seed = seed.toULongLong(&isNumber);
    if (!isNumber || !seed.front().isDigit()) {
      commandLine.error = QStringLiteral("Стойността на --seed „%1“ не е цяло число от 0 до %2.")
                              .arg(seed)
                              .arg(std::numeric_limits<std::uint64_t>::max());
    } else if (!commandLine.practice) {
      commandLine.error = QStringLiteral("--seed е само за упражнението: добавете --practice.");
    }
  }
  return commandLine;
}
