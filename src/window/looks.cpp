#include "window/looks.h"

#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// WCAG 2 relative luminance.
double luminance(const QColor &c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Where a fixed colour meets the theme's: the wanted text colour if it reads
// (4.5:1), else black or white, whichever reads better.
QColor readable(const QColor &wanted, const QColor &background)
{
    if (contrast(wanted, background) >= 4.5)
        return wanted;
    return contrast(Qt::black, background) >= contrast(Qt::white, background) ? Qt::black : Qt::white;
}

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
    // Where the designed face is missing, a script face stands in: first the
    // one the game brings where it brings one (Windows), else the system's;
    // failing all, the matcher falls back to any italic face. Added once:
    // each addition makes Qt read the system's fonts again.
    static const int brought = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/script.otf"));
    QStringList standIns{QStringLiteral("Z003"), QStringLiteral("URW Chancery L"), QStringLiteral("TeX Gyre Chorus")};
    if (brought >= 0)
        standIns = QFontDatabase::applicationFontFamilies(brought) + standIns;
    QFont::insertSubstitutions(QStringLiteral("Monotype Corsiva"), standIns);
    QFont font(QStringLiteral("Monotype Corsiva"));
    font.setPointSizeF(27.75);
    font.setItalic(true);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::Cursive);
    return font;
}

QString pinkButtonSheet(const QColor &buttonText)
{
    const QColor pink(design::buttonRed, design::buttonGreen, design::buttonBlue);
    return QStringLiteral("QPushButton { background-color: %1; color: %4;"
                          " border: 1px solid %2; border-radius: 2px; }"
                          "QPushButton:focus { border: 2px solid %3; }"
                          "QPushButton:pressed { background-color: %2; }"
                          "QPushButton:disabled { color: %3; }")
        .arg(pink.name(), pink.darker(140).name(), pink.darker(250).name(), readable(buttonText, pink).name());
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
        setColours(control, readable(Qt::white, face), face, true);
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
    case design::Look::PinkButton:
        control->setStyleSheet(pinkButtonSheet(control->palette().color(QPalette::ButtonText)));
        break;
    }
}
