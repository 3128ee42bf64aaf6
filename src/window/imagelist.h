// The picture list: the four face pictures, handed out by 1-based position.
#pragma once

#include <QPixmap>

#include <array>

class ImageList
{
public:
    static constexpr int Count = 4;
    static constexpr int Size = 73; // pixels, each side

    ImageList();

    // Position 1..Count; any other position gives an empty picture.
    QPixmap picture(int position) const;

private:
    std::array<QPixmap, Count> pictures_;
};

namespace art {
// Renders an SVG resource at the given size into an opaque 24-bit picture.
QImage render(const QString &resource, QSize size);
} // namespace art
