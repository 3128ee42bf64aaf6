#include "window/reelpicture.h"

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
    setAccessibleDescription(describe(tag));
}

void ReelPicture::setPicture(const QPixmap &picture)
{
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
