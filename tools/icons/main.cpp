// facereel-icons SVG TARGET [SIZE]: draws the program's icon into an icon file
// at build time. TARGET ends in .png (SIZE pixels, 32 unless given), .ico or
// .iconset.
#include "iconfiles.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3 || arguments.size() > 4) {
        std::fprintf(stderr, "usage: facereel-icons SVG TARGET.png|TARGET.ico|TARGET.iconset [SIZE]\n");
        return 2;
    }
    bool whole = true;
    const int size = arguments.size() == 4 ? arguments[3].toInt(&whole) : 32;
    const QString problem = whole ? iconfiles::write(arguments[1], arguments[2], size)
                                  : QStringLiteral("the size %1 is not a whole number").arg(arguments[3]);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "facereel-icons: %s\n", qPrintable(problem));
        return 1;
    }
    return 0;
}
