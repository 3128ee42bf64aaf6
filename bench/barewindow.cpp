// The reference floor: a bare Qt Widgets window of the game's client size,
// title and place, and nothing else. Launch time and memory are read against
// it (and against bench/plainform.cpp, the game's window without art). With
//   --reels    four 73 x 73 labels at the reels' places, each given another
//              picture by its own 50 ms timer: the least four reels at 50 ms
//              cost.
#include "window/design.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    using design::pixels;
    const auto &w = design::window;
    QWidget window(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                                | Qt::WindowCloseButtonHint);
    window.setWindowTitle(QString::fromUtf8(w.title.data(), static_cast<qsizetype>(w.title.size())));
    window.setGeometry(pixels(w.left), pixels(w.top), pixels(w.width), pixels(w.height));
    window.setFixedSize(window.size());

    std::array<QPixmap, 4> pictures;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        pictures[i] = QPixmap(73, 73);
        pictures[i].fill(QColor::fromHsv(static_cast<int>(i) * 90, 200, 220));
    }
    std::array<QTimer, 4> timers;
    if (argc > 1 && std::strcmp(argv[1], "--reels") == 0) {
        for (std::size_t i = 0; i < timers.size(); ++i) {
            const design::Control &c = design::controls.at(i); // Output(0) .. Output(3)
            auto *reel = new QLabel(&window);
            reel->setGeometry(pixels(c.left), pixels(c.top), pixels(c.width), pixels(c.height));
            reel->setAttribute(Qt::WA_OpaquePaintEvent);
            timers[i].setInterval(50);
            QObject::connect(&timers[i], &QTimer::timeout, reel, [reel, &pictures, turn = i]() mutable {
                reel->setPixmap(pictures[++turn % pictures.size()]);
            });
            timers[i].start();
        }
    }
    window.show();
    return QApplication::exec();
}
