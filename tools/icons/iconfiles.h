// The program's icon as the desktops want it as files: PNG pictures for an
// icon theme, an .ico for a Windows program file, an .iconset folder from
// which macOS's iconutil makes an .icns.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace iconfiles {

// The SVG drawn on size x size pixels; what it leaves uncovered stays transparent.
QImage render(const QString &svg, int size);

// The sizes that go into an .ico, and the file: one PNG-compressed entry each.
QList<int> icoSizes();
QByteArray ico(const QList<QImage> &pictures);

// The file names and pixel sizes of a macOS .iconset folder.
QList<std::pair<QString, int>> iconSet();

// Writes the file (or folder) that target names by its ending: .png (size
// pixels), .ico or .iconset. An empty result means done, else it says why not.
QString write(const QString &svg, const QString &target, int size);

} // namespace iconfiles
