// Tells a screen reader how a round ended, and of a fresh start. Orca speaks
// an object of the notification role when it is shown, whether or not it has
// the focus, so the line is set as the name of an empty child and the child
// shown anew.
#pragma once

#include <QWidget>

class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    // "Double! Winnings 50. Money 1040.": the texts as the window shows them.
    void tell(const QString &outcome, const QString &winnings, const QString &money);
    void say(const QString &line);
};
