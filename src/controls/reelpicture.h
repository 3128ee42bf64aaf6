// One reel: a picture box that stretches its picture and carries a tag text,
// the face index every rule reads. Screen readers hear the face it shows.
#pragma once

#include "controls/clicklabel.h"

#include <QPixmap>
#include <QString>

class ReelPicture : public ClickLabel
{
    Q_OBJECT

public:
    explicit ReelPicture(int index, QWidget *parent = nullptr);

    int index() const { return index_; }
    QString tag() const { return tag_; }
    void setTag(const QString &tag);
    void setPicture(const QPixmap &picture);
    // While it spins, a reel describes itself once as spinning, not each face
    // it flickers through: a screen reader would be asked about every one.
    void setSpinning(bool spinning);

    // What a screen reader says for a tag text: "" for a blank reel.
    static QString describe(const QString &tag);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int index_;
    QString tag_;
    bool spinning_ = false;
};
