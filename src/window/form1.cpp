#include "window/form1.h"

#include "controls/announcer.h"
#include "window/design.h"
#include "window/looks.h"

#include <QIcon>
#include <QPainter>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect pixelRect(int left, int top, int width, int height)
{
    using design::pixels;
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

bool sizedToText(design::Look look)
{
    return look == design::Look::Caption || look == design::Look::Yen;
}

QIcon iconPicture()
{
    // 32 x 32 in 256 colours, transparent around the tile as the theme's
    // icon, and a sharper copy for a high-density screen; at 100 % and 200 %
    // the build has reduced the colours already.
    const auto picture = [](qreal ratio) {
        const QString svg = QStringLiteral(":/art/icon.svg");
        const QImage drawn = art::drawn(svg, QSize(32, 32), ratio);
        return QPixmap::fromImage(drawn.isNull() ? art::indexed(art::render(svg, QSize(32, 32), ratio, true)) : drawn);
    };
    QIcon icon(picture(1.0));
    if (art::screenRatio() > 1.0)
        icon.addPixmap(picture(art::screenRatio()));
    return icon;
}

constexpr QSize backgroundSize(400, 300); // fills the client area

QPixmap backgroundPicture(qreal ratio)
{
    return QPixmap::fromImage(art::render(QStringLiteral(":/art/background.svg"), backgroundSize, ratio));
}

} // namespace

Form1::Form1(Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
    , extras_(ui, platform)
    , round_(ui, platform, extras_)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(utf8(design::window.title));
    setWindowIcon(iconPicture());
    looks::applyWindowFont(this);
    background_ = backgroundPicture(devicePixelRatio());

    const QRect client =
        pixelRect(design::window.left, design::window.top, design::window.width, design::window.height);
    setGeometry(client);
    setFixedSize(client.size());

    std::vector<std::pair<int, QWidget *>> focusable;
    for (const design::Control &c : design::controls) {
        QWidget *w = create(c);
        w->setObjectName(c.index < 0 ? utf8(c.name) : QStringLiteral("%1(%2)").arg(utf8(c.name)).arg(c.index));
        w->setGeometry(pixelRect(c.left, c.top, c.width, c.height));
        looks::apply(w, c.look);
        if (sizedToText(c.look))
            w->resize(w->sizeHint());
        w->setVisible(c.visible);
        if (w->focusPolicy() != Qt::NoFocus)
            focusable.emplace_back(c.tabIndex, w);
    }
    std::sort(focusable.begin(), focusable.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(focusable[i - 1].second, focusable[i].second);

    QTimer **members[] = {&ui.Timer1, &ui.Timer2, &ui.Timer3, &ui.Timer4, &ui.Timer5};
    for (std::size_t i = 0; i < design::timers.size(); ++i) {
        auto *t = new QTimer(this);
        t->setObjectName(utf8(design::timers[i].name));
        t->setInterval(design::timers[i].interval);
        *members[i] = t;
    }
    ui.Timer5->setTimerType(Qt::PreciseTimer); // the stop wait is a promise to the player

    // Screen readers announce each amount with the caption beside it.
    ui.Label1->setBuddy(ui.Money);
    ui.Label4->setBuddy(ui.Bet);
    ui.Label5->setBuddy(ui.Winnings);
    ui.Bet->setAccessibleName(QStringLiteral("Bet"));

    ui.Voice = new Announcer(this);
    wire();
    ui.Bet->setFocus();
    Form_Load();
}

QWidget *Form1::create(const design::Control &c)
{
    const QString text = utf8(c.text);
    switch (c.kind) {
    case design::Kind::PictureBox:
        return ui.Output.at(static_cast<std::size_t>(c.index)) = new ReelPicture(c.index, this);
    case design::Kind::TextBox:
        ui.Bet = new QLineEdit(text, this);
        ui.Bet->setMaxLength(std::numeric_limits<int>::max()); // no length limit
        return ui.Bet;
    case design::Kind::PushButton: {
        auto *button = new QPushButton(text, this);
        button->setAutoDefault(false); // Enter in the bet box presses nothing
        (c.name == "Controller" ? ui.Controller : ui.Secret) = button;
        return button;
    }
    case design::Kind::Label: break;
    }
    ClickLabel **labels[] = {&ui.Label1, &ui.Money, &ui.Label3, &ui.Label4, &ui.Label5, &ui.Winnings, &ui.Comment};
    const char *names[] = {"Label1", "Money", "Label3", "Label4", "Label5", "Winnings", "Comment"};
    auto *label = new ClickLabel(text, this);
    label->setTextFormat(Qt::PlainText); // texts are the game's state, never markup
    for (std::size_t i = 0; i < std::size(names); ++i) {
        if (c.name == names[i])
            *labels[i] = label;
    }
    return label;
}

void Form1::wire()
{
    for (ReelPicture *reel : ui.Output)
        connect(reel, &ClickLabel::clicked, this, [this, reel] { extras_.Output_Click(reel->index()); });
    connect(ui.Money, &ClickLabel::clicked, this, [this] { extras_.Money_Click(); });
    connect(ui.Winnings, &ClickLabel::clicked, this, [this] { extras_.Winnings_Click(); });
    connect(ui.Secret, &QPushButton::clicked, this, [this] { extras_.Secret_Click(); });
    connect(ui.Controller, &QPushButton::clicked, this, [this] { round_.Controller_Click(); });
    connect(ui.Timer1, &QTimer::timeout, this, [this] { round_.Timer1_Timer(); });
    connect(ui.Timer2, &QTimer::timeout, this, [this] { round_.Timer2_Timer(); });
    connect(ui.Timer3, &QTimer::timeout, this, [this] { round_.Timer3_Timer(); });
    connect(ui.Timer4, &QTimer::timeout, this, [this] { round_.Timer4_Timer(); });
    connect(ui.Timer5, &QTimer::timeout, this, [this] { round_.Timer5_Timer(); });
}

void Form1::Form_Load()
{
    extras_.FullReset();
}

void Form1::paintEvent(QPaintEvent *)
{
    // Drawn again from its source when the window meets a screen of another density.
    if (background_.size() != art::deviceSize(backgroundSize, devicePixelRatio()))
        background_ = backgroundPicture(devicePixelRatio());
    QPainter painter(this);
    painter.drawPixmap(rect(), background_);
}
