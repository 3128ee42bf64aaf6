#include "window/commandline.h"

#include "window/textout.h"

#include <QCommandLineParser>
#include <QCoreApplication>

int commandline::handle(int argc, char *argv[])
{
    if (argc < 2)
        return -1; // a plain start builds nothing more than the game needs
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Facereel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FACEREEL_VERSION));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // -style is one unknown option
    parser.setApplicationDescription(QStringLiteral("A four-reel slot machine of faces. Play money only."));
    // Not addHelpOption(): its --help-all lists Qt's options, which the game refuses.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help."));
    parser.addOption(help);
    parser.addVersionOption();
    QString problem;
    if (!parser.parse(QCoreApplication::arguments()))
        problem = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        problem = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    if (!problem.isEmpty()) {
        textout::show(QStringLiteral("facereel: %1\nTry 'facereel --help'.\n").arg(problem), textout::Kind::Problem);
        return 2;
    }
    if (parser.isSet(help)) {
        textout::show(parser.helpText(), textout::Kind::Answer);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        textout::show(QStringLiteral("Facereel " FACEREEL_VERSION "\n"), textout::Kind::Answer);
        return 0;
    }
    return -1; // only "--": nothing asked
}
