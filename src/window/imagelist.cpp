#include "window/imagelist.h"

#include <QGuiApplication>
#include <QHash>
#include <QList>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

QImage art::render(const QString &resource, QSize size)
{
    QImage image(size, QImage::Format_RGB888); // 24-bit, no alpha
    image.fill(Qt::black);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter);
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

QImage art::render(const QString &resource, QSize size, qreal ratio)
{
    const QSize device = deviceSize(size, ratio);
    QImage image = render(resource, device);
    image.setDevicePixelRatio(static_cast<qreal>(device.width()) / size.width());
    return image;
}

QImage art::indexed(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[row[x]];
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
