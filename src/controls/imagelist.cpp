#include "controls/imagelist.h"

#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QList>
#include <QResource>

#include <algorithm>
#include <cmath>

QImage art::render(const QString &resource, QSize size, bool alpha)
{
    // Through Qt's SVG image-format plugin, loaded only when a picture is
    // drawn here: the usual densities come ready-made (see below).
    QImageReader reader(resource);
    reader.setScaledSize(size);
    if (!alpha)
        reader.setBackgroundColor(Qt::black);
    const auto format = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB888; // 24-bit, no alpha
    QImage image = reader.read().convertToFormat(format);
    if (image.size() != size) { // unreadable: as an empty drawing
        image = QImage(size, format);
        image.fill(alpha ? Qt::transparent : Qt::black);
    }
    return image;
}

QSize art::deviceSize(QSize size, qreal ratio)
{
    if (!(ratio >= 1.0) || !std::isfinite(ratio))
        ratio = 1.0;
    // A fraction of a pixel more is sharper than one less.
    const auto up = [ratio](int length) { return static_cast<int>(std::ceil(length * ratio - 1e-9)); };
    return {up(size.width()), up(size.height())};
}

QImage art::drawn(const QString &resource, QSize size, qreal ratio)
{
    if (!(ratio >= 1.0) || !std::isfinite(ratio))
        ratio = 1.0;
    if (!resource.endsWith(QLatin1String(".svg")))
        return {};
    const QSize device = deviceSize(size, ratio);
    const QString name = resource.chopped(4) + QStringLiteral("@%1x.").arg(ratio); // name@1x., name@1.5x. ...
    // Raw pixels are used where they lie, without decoding or a copy.
    QImage image;
    for (const auto format : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
        const QResource raw(name
                            + (format == QImage::Format_RGB32 ? QStringLiteral("rgb32") : QStringLiteral("argb32")));
        if (raw.isValid() && raw.compressionAlgorithm() == QResource::NoCompression
            && raw.size() == qint64(device.width()) * device.height() * 4)
            image = QImage(raw.data(), device.width(), device.height(), format);
    }
    if (image.isNull() && QResource(name + QStringLiteral("png")).isValid())
        image.load(name + QStringLiteral("png"), "PNG");
    if (image.size() != device)
        return {};
    image.setDevicePixelRatio(static_cast<qreal>(device.width()) / size.width());
    return image;
}

QImage art::render(const QString &resource, QSize size, qreal ratio, bool alpha)
{
    QImage image = drawn(resource, size, ratio);
    if (!image.isNull())
        return image;
    const QSize device = deviceSize(size, ratio);
    // Without an SVG renderer (on Windows) the build's sharpest drawing, scaled.
    const QImage sharpest = QImageReader(resource).canRead() ? QImage() : drawn(resource, size, 2.0);
    image = sharpest.isNull() ? render(resource, device, alpha)
                              : sharpest.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(static_cast<qreal>(device.width()) / size.width());
    return image;
}

QImage art::indexed(const QImage &picture)
{
    QImage rgb = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(rgb.scanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                row[x] = 0; // whatever colour it had, nothing shows
            ++counts[row[x]];
        }
    }
    QList<QRgb> colours = counts.keys();
    std::sort(colours.begin(), colours.end(), [&counts](QRgb a, QRgb b) {
        const int more = counts.value(a) - counts.value(b);
        return more != 0 ? more > 0 : a < b; // ties in a fixed order
    });
    colours.resize(std::min<qsizetype>(colours.size(), 256));
    QImage image = rgb.convertToFormat(QImage::Format_Indexed8, colours);
    image.setDevicePixelRatio(picture.devicePixelRatio());
    return image;
}

qreal art::screenRatio()
{
    return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
}

ImageList::ImageList()
    : ImageList(art::screenRatio())
{
}

ImageList::ImageList(qreal ratio)
    : ratio_(ratio)
{
}

QPixmap ImageList::picture(int position) const
{
    if (position < 1 || position > Count)
        return {};
    QPixmap &picture = pictures_[static_cast<std::size_t>(position - 1)];
    if (picture.isNull()) {
        picture = QPixmap::fromImage(
            art::render(QStringLiteral(":/art/face%1.svg").arg(position - 1), QSize(Size, Size), ratio_));
    }
    return picture;
}
