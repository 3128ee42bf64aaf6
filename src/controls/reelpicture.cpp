#include "controls/reelpicture.h"

#include <QPainter>
#include <QPixmapCache>

ReelPicture::ReelPicture(int index, QWidget *parent)
    : ClickLabel(parent)
    , index_(index)
{
    setScaledContents(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAccessibleName(QStringLiteral("Reel %1").arg(index + 1));
    setAccessibleDescription(QString());
}

void ReelPicture::setTag(const QString &tag)
{
    tag_ = tag;
    if (!spinning_)
        setAccessibleDescription(describe(tag));
}

void ReelPicture::setSpinning(bool spinning)
{
    spinning_ = spinning;
    setAccessibleDescription(spinning ? QStringLiteral("Spinning") : describe(tag_));
}

void ReelPicture::setPicture(const QPixmap &picture)
{
    // A face covers the whole box inside its frame: nothing behind it need be
    // painted first, which keeps a tick's repaint to the reel itself.
    setAttribute(Qt::WA_OpaquePaintEvent, !picture.isNull());
    setPixmap(picture);
}

QString ReelPicture::describe(const QString &tag)
{
    if (tag.isEmpty())
        return {};
    if (tag == u"0")
        return QStringLiteral("Face 0 (jackpot)");
    return QStringLiteral("Face %1").arg(tag);
}

void ReelPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QPixmap picture = pixmap();
    if (picture.isNull())
        return;
    // Stretched once per face and size, not on every tick: the four faces take
    // turns on the reel twenty times a second.
    const QRect inside = contentsRect();
    const qreal ratio = devicePixelRatio();
    const QSize size = inside.size() * ratio;
    const QString key = QStringLiteral("reel:%1:%2x%3").arg(picture.cacheKey()).arg(size.width()).arg(size.height());
    QPixmap stretched;
    if (!QPixmapCache::find(key, &stretched)) {
        stretched = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        stretched.setDevicePixelRatio(ratio);
        QPixmapCache::insert(key, stretched);
    }
    painter.drawPixmap(inside.topLeft(), stretched);
}
