// facereel-art SVG TARGET WIDTH HEIGHT RATIO [indexed]: draws one of the
// game's pictures at build time exactly as the game draws it at that device
// pixel ratio (in 256 colours with "indexed"), so the game need not at start.
// TARGET.png is a PNG; TARGET.rgb32 the raw pixels of QImage::Format_RGB32,
// rows without padding, in this machine's byte order; TARGET.argb32 those of
// Format_ARGB32, transparent where the SVG draws nothing.
#include "controls/imagelist.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QStringList>

#include <cstdio>

namespace {

QString draw(const QStringList &arguments)
{
    if (arguments.size() < 6 || arguments.size() > 7 || (arguments.size() == 7 && arguments[6] != u"indexed"))
        return QStringLiteral(
            "usage: facereel-art SVG TARGET.png|TARGET.rgb32|TARGET.argb32 WIDTH HEIGHT RATIO [indexed]");
    bool wide = false, high = false, scaled = false;
    const QSize size(arguments[3].toInt(&wide), arguments[4].toInt(&high));
    const double ratio = arguments[5].toDouble(&scaled);
    if (!wide || !high || !scaled || size.isEmpty() || !(ratio >= 1.0 && ratio <= 16.0))
        return QStringLiteral("the size must be whole pixels above 0 and the ratio between 1 and 16");
    if (!QImageReader(arguments[1]).canRead())
        return QStringLiteral("cannot read the SVG picture %1").arg(arguments[1]);
    const bool alpha = arguments[2].endsWith(QLatin1String(".argb32"));
    QImage picture = art::render(arguments[1], art::deviceSize(size, ratio), alpha);
    if (arguments.size() == 7)
        picture = art::indexed(picture);
    bool written = false;
    if (alpha || arguments[2].endsWith(QLatin1String(".rgb32"))) {
        // rows of 4-byte pixels: never padded
        picture = picture.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        QFile raw(arguments[2]);
        written = raw.open(QIODevice::WriteOnly)
            && raw.write(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes())
                == picture.sizeInBytes();
    } else {
        written = picture.save(arguments[2], "PNG");
    }
    return written ? QString() : QStringLiteral("cannot write %1").arg(arguments[2]);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString problem = draw(QCoreApplication::arguments());
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "facereel-art: %s\n", qPrintable(problem));
        return problem.startsWith(QLatin1String("usage")) ? 2 : 1;
    }
    return 0;
}
