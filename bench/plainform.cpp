// The fair reference for the game's start: the same window built plainly.
// Every control of the design table at its place with its text and look (the
// window font, the comment line's script font, the bet box, the pink buttons),
// the reels as empty framed boxes, and no art: no background, icon or faces.
#include "window/design.h"
#include "window/looks.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                                | Qt::WindowCloseButtonHint);
    const auto px = [](int left, int top, int width, int height) {
        using design::pixels;
        return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
    };
    const auto &w = design::window;
    window.setWindowTitle(QString::fromUtf8(w.title.data(), static_cast<qsizetype>(w.title.size())));
    looks::applyWindowFont(&window);
    window.setGeometry(px(w.left, w.top, w.width, w.height));
    window.setFixedSize(window.size());

    std::vector<std::pair<int, QWidget *>> focusable;
    QLineEdit *bet = nullptr;
    for (const design::Control &c : design::controls) {
        const QString text = QString::fromUtf8(c.text.data(), static_cast<qsizetype>(c.text.size()));
        QWidget *control = nullptr;
        switch (c.kind) {
        case design::Kind::PictureBox: {
            auto *box = new QLabel(&window);
            box->setFrameStyle(QFrame::Box | QFrame::Plain);
            control = box;
            break;
        }
        case design::Kind::Label: control = new QLabel(text, &window); break;
        case design::Kind::TextBox: control = bet = new QLineEdit(text, &window); break;
        case design::Kind::PushButton: control = new QPushButton(text, &window); break;
        }
        control->setGeometry(px(c.left, c.top, c.width, c.height));
        looks::apply(control, c.look);
        if (c.look == design::Look::Caption || c.look == design::Look::Yen)
            control->resize(control->sizeHint());
        control->setVisible(c.visible);
        if (control->focusPolicy() != Qt::NoFocus)
            focusable.emplace_back(c.tabIndex, control);
    }
    std::sort(focusable.begin(), focusable.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    bet->setFocus();
    window.show();
    return QApplication::exec();
}
