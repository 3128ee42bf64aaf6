// The window as designed: every control's place, text, colours and focus.
#include "formstate.h"
#include "window/caretrest.h"
#include "window/design.h"

#include <QAccessible>
#include <QFontInfo>
#include <QStyleHints>
#include <QTest>

class TestDesign : public QObject
{
    Q_OBJECT

private slots:
    void controlsAsDesigned()
    {
        struct Row {
            const char *name;
            QRect place; // pixels; captions keep their corner and fit their text
            QString text;
            bool visible, sizedToText;
        };
        const Row rows[] = {
            {"Output(0)", {32, 56, 73, 73}, "", true, false},
            {"Output(1)", {120, 56, 73, 73}, "", true, false},
            {"Output(2)", {208, 56, 73, 73}, "", true, false},
            {"Output(3)", {296, 56, 73, 73}, "", true, false},
            {"Label1", {24, 160, 35, 13}, "Money:", true, true},
            {"Money", {104, 160, 113, 17}, "1000", true, false},
            {"Label3", {224, 160, 6, 13}, "\u00a5", true, true},
            {"Label4", {24, 184, 19, 13}, "Bet:", true, true},
            {"Bet", {104, 184, 113, 19}, "0", true, false},
            {"Label5", {24, 208, 44, 13}, "Winnings", true, true},
            {"Winnings", {104, 208, 113, 17}, "0", true, false},
            {"Controller", {256, 160, 113, 33}, "&Spin", true, false},
            {"Comment", {32, 232, 337, 49}, "", true, false},
            {"Secret", {256, 200, 113, 25}, "Turn off cheat", false, false},
        };
        Game g;
        QList<QWidget *> placed;
        for (const Row &r : rows) {
            auto *control = g.w.findChild<QWidget *>(r.name);
            QVERIFY2(control, r.name);
            QCOMPARE(control->pos(), r.place.topLeft());
            QCOMPARE(control->size(), r.sizedToText ? control->sizeHint() : r.place.size());
            QCOMPARE(control->isVisibleTo(&g.w), r.visible);
            QCOMPARE(control->property("text").toString(), r.text);
            for (const QWidget *other : placed) // no two controls overlap
                QVERIFY2(!other->geometry().intersects(control->geometry()), r.name);
            placed << control;
        }
        QCOMPARE(placed.size(), qsizetype(design::controls.size()));
    }

    void windowAndStartState()
    {
        Game g;
        QCOMPARE(g.w.windowTitle(), QStringLiteral("Facereel"));
        QCOMPARE(g.w.geometry(), QRect(180, 138, 400, 300)); // the client area, not the frame
        QCOMPARE(g.w.minimumSize(), g.w.maximumSize());
        QCOMPARE(g.w.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
        QCOMPARE(g.w.font().pointSize(), 8);
        const QList<int> intervals{50, 50, 50, 50, 1000};
        QCOMPARE(QList<int>({g.w.Timer1->interval(), g.w.Timer2->interval(), g.w.Timer3->interval(),
                             g.w.Timer4->interval(), g.w.Timer5->interval()}),
                 intervals);
        QCOMPARE(stateOf(g.w).join(' '), QStringLiteral("Money=1000 Bet=0 Winnings=0 Comment= Controller=&Spin "
                                                        "enabled=1 locked=0 Secret=0 Timer1=0 Timer2=0 Timer3=0 "
                                                        "Timer4=0 Timer5=0 Output(0)= Output(1)= Output(2)= "
                                                        "Output(3)="));
        QCOMPARE(countersOf(g.w) << g.w.LoopIndex << g.w.Cheat, QList<int>({0, 0, 0, 0, 0, 0, 0, 0}));
        QVERIFY(g.p.boxes.isEmpty()); // opens without a message
        for (int position = 1; position <= 4; ++position) {
            const QImage face = g.w.Images.picture(position).toImage();
            QCOMPARE(face.size(), QSize(73, 73));
            QVERIFY(!face.hasAlphaChannel());
            for (int other = 1; other < position; ++other)
                QVERIFY(face != g.w.Images.picture(other).toImage());
        }
        QVERIFY(g.w.Images.picture(0).isNull() && g.w.Images.picture(5).isNull());
    }

    void looks()
    {
        Game g;
        QCOMPARE(g.w.Comment->font().pointSizeF(), 27.75);
        QVERIFY(QFontInfo(g.w.Comment->font()).italic()); // a script face was found, or at least an italic
        g.w.Secret->show();
        for (QPushButton *button : {g.w.Controller, g.w.Secret}) { // pink over the whole face
            const QImage face = button->grab().toImage();
            QCOMPARE(face.pixelColor(face.width() / 2, 3), QColor(255, 128, 255));
            QCOMPARE(face.pixelColor(4, face.height() / 2), QColor(255, 128, 255));
        }
    }

    void focusAndKeys()
    {
        Game g;
        g.w.show();
        QVERIFY(QTest::qWaitForWindowActive(&g.w));
        QCOMPARE(QApplication::focusWidget(), g.w.Bet);
        QList<QWidget *> order; // Bet, Controller, then Secret only while it is shown
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget();
            if (i == 1)
                g.w.Secret->show();
        }
        QCOMPARE(order, QList<QWidget *>({g.w.Controller, g.w.Bet, g.w.Controller}));
        QTest::keyClick(g.w.Controller, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), g.w.Secret);

        g.w.Bet->setFocus(); // Enter and Escape press nothing; Alt+S presses the button
        QTest::keyClick(g.w.Bet, Qt::Key_Return);
        QTest::keyClick(g.w.Bet, Qt::Key_Escape);
        QVERIFY(g.p.boxes.isEmpty());
        QTest::keyClick(g.w.windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(g.p.prompts(), QStringList{"Bet something greedy!"}); // the button animates its click
    }

    void caretRestsWhenIdleAndWakesOnInput()
    {
        Game g;
        g.w.show();
        QVERIFY(QTest::qWaitForWindowActive(&g.w));
        QStyleHints *hints = QGuiApplication::styleHints();
        const int blinking = hints->cursorFlashTime();
        QVERIFY(blinking > 0);
        CaretRest rest(50);
        QTRY_COMPARE(hints->cursorFlashTime(), 0);
        g.w.Bet->clear();
        QTest::keyClick(g.w.Bet, Qt::Key_5);
        QCOMPARE(hints->cursorFlashTime(), blinking);
        QCOMPARE(g.w.Bet->text(), QStringLiteral("5")); // the key still reaches the box
        QTRY_COMPARE(hints->cursorFlashTime(), 0);
        QTest::mouseClick(g.w.Money, Qt::LeftButton);
        QCOMPARE(hints->cursorFlashTime(), blinking);
    }

    void screenReadersHearTheGame()
    {
        Game g;
        const QStringList said{"Face 0 (jackpot)", "Face 1", "Face 2", "Face 3"};
        for (int i = 0; i < 4; ++i) {
            QAccessibleInterface *reel = QAccessible::queryAccessibleInterface(g.w.Output[i]);
            QCOMPARE(reel->text(QAccessible::Name), QStringLiteral("Reel %1").arg(i + 1));
            QCOMPARE(reel->text(QAccessible::Description), QString());
            g.w.PutFace(i, 3 - i);
            QCOMPARE(reel->text(QAccessible::Description), said[3 - i]);
            QCOMPARE(g.w.Output[i]->picture().cacheKey(), g.w.Images.picture(4 - i).cacheKey());
        }
        const QList<std::pair<QWidget *, QWidget *>> pairs{
            {g.w.Money, g.w.Label1}, {g.w.Bet, g.w.Label4}, {g.w.Winnings, g.w.Label5}};
        for (const auto &[box, caption] : pairs) {
            const auto relations = QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label);
            QVERIFY2(!relations.isEmpty() && relations.first().first->object() == caption,
                     qPrintable(box->objectName()));
        }
    }
};

QTEST_MAIN(TestDesign)
#include "tst_design.moc"
