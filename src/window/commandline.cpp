#include "window/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

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
        std::fprintf(stderr, "facereel: %s\nTry 'facereel --help'.\n", qPrintable(problem));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("Facereel %s\n", FACEREEL_VERSION);
        return 0;
    }
    return -1; // only "--": nothing asked
}
