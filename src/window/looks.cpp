#include "window/looks.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace {

void setColours(QWidget *w, const QColor &text, const QColor &background, bool opaque)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    if (opaque) {
        p.setColor(QPalette::Window, background);
        p.setColor(QPalette::Base, background);
    }
    w->setPalette(p);
    w->setAutoFillBackground(opaque);
}

QFont scriptFont()
{
    // Where the designed face is missing, a script face stands in; failing
    // that, the matcher falls back to any italic face.
    QFont::insertSubstitutions(
        QStringLiteral("Monotype Corsiva"),
        {QStringLiteral("Z003"), QStringLiteral("URW Chancery L"), QStringLiteral("TeX Gyre Chorus")});
    QFont font(QStringLiteral("Monotype Corsiva"));
    font.setPointSizeF(27.75);
    font.setItalic(true);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::Cursive);
    return font;
}

QString pinkButtonSheet()
{
    const QColor pink(design::buttonRed, design::buttonGreen, design::buttonBlue);
    return QStringLiteral("QPushButton { background-color: %1; color: palette(button-text);"
                          " border: 1px solid %2; border-radius: 2px; }"
                          "QPushButton:focus { border: 2px solid %3; }"
                          "QPushButton:pressed { background-color: %2; }"
                          "QPushButton:disabled { color: %3; }")
        .arg(pink.name(), pink.darker(140).name(), pink.darker(250).name());
}

} // namespace

void looks::applyWindowFont(QWidget *window)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    window->setFont(font);
}

void looks::apply(QWidget *control, design::Look look)
{
    auto *label = qobject_cast<QLabel *>(control);
    switch (look) {
    case design::Look::Reel: break;
    case design::Look::Caption: setColours(control, Qt::white, {}, false); break;
    case design::Look::Amount:
        setColours(control, Qt::white, Qt::black, true);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        break;
    case design::Look::Yen: {
        const QColor face = control->palette().color(QPalette::Button);
        setColours(control, Qt::white, face, true);
        break;
    }
    case design::Look::BetBox: {
        setColours(control, Qt::white, Qt::black, true);
        auto *edit = qobject_cast<QLineEdit *>(control);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter); // lines up with the amounts
        break;
    }
    case design::Look::Script:
        setColours(control, Qt::white, {}, false);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(scriptFont());
        break;
    case design::Look::PinkButton: control->setStyleSheet(pinkButtonSheet()); break;
    }
}
