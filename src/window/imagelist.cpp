#include "window/imagelist.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

QImage art::render(const QString &resource, QSize size)
{
    QImage image(size, QImage::Format_RGB888); // 24-bit, no alpha
    image.fill(Qt::black);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

ImageList::ImageList()
{
    for (int i = 0; i < Count; ++i) {
        pictures_[static_cast<std::size_t>(i)] =
            QPixmap::fromImage(art::render(QStringLiteral(":/art/face%1.svg").arg(i), QSize(Size, Size)));
    }
}

QPixmap ImageList::picture(int position) const
{
    if (position < 1 || position > Count)
        return {};
    return pictures_[static_cast<std::size_t>(position - 1)];
}
