#include "iconfiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QtEndian>

QImage iconfiles::render(const QString &svg, int size)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid() || size <= 0)
        return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QList<int> iconfiles::icoSizes()
{
    return {16, 24, 32, 48, 64, 256};
}

QByteArray iconfiles::ico(const QList<QImage> &pictures)
{
    // Header, one 16-byte entry per picture, then the PNG data; all little-endian.
    QByteArray header(6 + 16 * pictures.size(), '\0');
    QByteArray data;
    auto put16 = [&header](int at, quint16 value) { qToLittleEndian(value, header.data() + at); };
    auto put32 = [&header](int at, quint32 value) { qToLittleEndian(value, header.data() + at); };
    put16(2, 1); // an icon, not a cursor
    put16(4, static_cast<quint16>(pictures.size()));
    for (int i = 0; i < pictures.size(); ++i) {
        const QImage &picture = pictures[i];
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        const int entry = 6 + 16 * i;
        header[entry] = static_cast<char>(picture.width() >= 256 ? 0 : picture.width()); // 0 means 256
        header[entry + 1] = static_cast<char>(picture.height() >= 256 ? 0 : picture.height());
        put16(entry + 4, 1);  // colour planes
        put16(entry + 6, 32); // bits per pixel
        put32(entry + 8, static_cast<quint32>(png.size()));
        put32(entry + 12, static_cast<quint32>(header.size() + data.size()));
        data += png;
    }
    return header + data;
}

QList<std::pair<QString, int>> iconfiles::iconSet()
{
    QList<std::pair<QString, int>> files;
    for (const int size : {16, 32, 128, 256, 512}) {
        files.append({QStringLiteral("icon_%1x%1.png").arg(size), size});
        files.append({QStringLiteral("icon_%1x%1@2x.png").arg(size), 2 * size});
    }
    return files;
}

QString iconfiles::write(const QString &svg, const QString &target, int size)
{
    if (render(svg, 1).isNull())
        return QStringLiteral("cannot read the SVG picture %1").arg(svg);

    if (target.endsWith(QLatin1String(".png"))) {
        if (size <= 0)
            return QStringLiteral("the size must be a whole number of pixels above 0");
        return render(svg, size).save(target, "PNG") ? QString() : QStringLiteral("cannot write %1").arg(target);
    }
    if (target.endsWith(QLatin1String(".ico"))) {
        QList<QImage> pictures;
        for (const int each : icoSizes())
            pictures.append(render(svg, each));
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(ico(pictures)) < 0 || !file.commit())
            return QStringLiteral("cannot write %1").arg(target);
        return {};
    }
    if (target.endsWith(QLatin1String(".iconset"))) {
        const QDir folder(target);
        if (!folder.mkpath(QStringLiteral(".")))
            return QStringLiteral("cannot make the folder %1").arg(target);
        for (const auto &[name, pixels] : iconSet()) {
            if (!render(svg, pixels).save(folder.filePath(name), "PNG"))
                return QStringLiteral("cannot write %1").arg(folder.filePath(name));
        }
        return {};
    }
    return QStringLiteral("%1 ends in neither .png, .ico nor .iconset").arg(target);
}
