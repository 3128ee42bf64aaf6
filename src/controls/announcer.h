// Tells a screen reader how a round ended, and of a fresh start, without the
// focus moving. The line is set as the name of an empty child of the window,
// where a screen reader walking the window finds the last one too; how it is
// spoken at once is the platform's part (announcer_shown.cpp,
// announcer_windows.cpp).
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
