// The game's one window. Its controls hold the game's state as texts; the
// handlers are named after their control and event and live beside the part
// of the game they play (round/, extras/).
#pragma once

#include "core/amounts.h"
#include "core/hiddenrules.h"
#include "window/clicklabel.h"
#include "window/imagelist.h"
#include "window/reelpicture.h"

#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>

namespace design {
struct Control;
}
class Announcer;
class Platform;

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(Platform &platform, QWidget *parent = nullptr);

    // The controls, as designed.
    std::array<ReelPicture *, 4> Output{};
    ClickLabel *Label1 = nullptr;
    ClickLabel *Money = nullptr;
    ClickLabel *Label3 = nullptr;
    ClickLabel *Label4 = nullptr;
    QLineEdit *Bet = nullptr;
    ClickLabel *Label5 = nullptr;
    ClickLabel *Winnings = nullptr;
    ClickLabel *Comment = nullptr;
    QPushButton *Controller = nullptr;
    QPushButton *Secret = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;
    QTimer *Timer4 = nullptr;
    QTimer *Timer5 = nullptr;
    ImageList Images;

    // Window-level variables, in their order of declaration.
    quint8 LoopIndex = 0; // the stop tick's loop index
    hidden::StepCounters Steps;
    qint16 Cheat = 0; // -1 on, 0 off

    // Puts face k on reel i: the picture at position k + 1, then the tag text.
    void PutFace(int reel, int face);

public slots:
    void Form_Load();
    void Controller_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Output_Click(int index);
    void Money_Click();
    void Winnings_Click();
    void Secret_Click();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *create(const design::Control &control);
    void wire();

    void ReelTick(int reel);
    bool Settle();
    void CheckBankruptcy();
    void AboutBox();
    void MessageChain();
    void Bonus();

    // Amount texts: read back exactly, written as general number texts.
    double amountOf(const QString &text) const;
    QString textOf(double amount) const;

    Platform &platform_;
    Announcer *announcer_ = nullptr; // speaks each round's end to a screen reader
    amounts::NumberFormat format_;
    QPixmap background_;
};
