// The picture list: the four face pictures, handed out by 1-based position.
// Each picture is 73 x 73 logical pixels, drawn from its vector source with as
// many device pixels as the screen has, so a 200 % screen gets 146 x 146.
#pragma once

#include <QImage>
#include <QPixmap>

#include <array>

class ImageList
{
public:
    static constexpr int Count = 4;
    static constexpr int Size = 73; // logical pixels, each side

    // Drawn for the sharpest screen there is.
    ImageList();
    explicit ImageList(qreal ratio);

    // Position 1..Count; any other position gives an empty picture.
    QPixmap picture(int position) const;

private:
    // Drawn on first use: the reels show no face until the first Spin, so
    // start-up need not draw any.
    qreal ratio_;
    mutable std::array<QPixmap, Count> pictures_;
};

namespace art {
// Renders an SVG resource at the given size into an opaque 24-bit picture,
// black where it draws nothing (and all black if it cannot be read); with
// alpha into 32-bit ARGB, transparent there instead.
QImage render(const QString &resource, QSize size, bool alpha = false);

// How many device pixels size logical pixels take at a device pixel ratio:
// rounded up, and never fewer than size.
QSize deviceSize(QSize size, qreal ratio);

// The picture as the build drew it for a device pixel ratio, beside name.svg:
// name@1x.rgb32 or name@1x.argb32 (raw pixels, QImage::Format_RGB32 or
// Format_ARGB32, kept in the program's read-only data) or name@1x.png, and
// the same with @2x, @1.5x and so on. Null where the build drew none.
QImage drawn(const QString &resource, QSize size, qreal ratio);

// Renders it for a device pixel ratio: size logical pixels on enough device
// pixels, the picture's own ratio chosen so it still spans exactly size. The
// build's drawing where there is one; where the SVG cannot be read (no SVG
// plugin) the 200 % drawing scaled.
QImage render(const QString &resource, QSize size, qreal ratio, bool alpha = false);

// The picture in at most 256 colours: its own most frequent ones, each pixel
// the nearest of them, so gradients keep their tones and gain no dither noise.
// Where the picture is wholly transparent it stays so, in one colour.
QImage indexed(const QImage &picture);

// The highest device pixel ratio among the screens, 1 without any.
qreal screenRatio();
} // namespace art
