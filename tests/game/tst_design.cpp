// The window as designed: every control's place, text, colours and focus.
#include "scriptedplatform.h"
#include "window/design.h"
#include "window/form1.h"

#include <QAccessible>
#include <QFontInfo>
#include <QTest>

class TestDesign : public QObject
{
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void window();
    void startState();
    void colours();
    void focusAndKeys();
    void reelsSpeak();
    void captionsLabelTheirBoxes();
};

void TestDesign::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("sizedToText");

    // Twips at 15 to the pixel; captions keep their place and fit their text.
    QTest::newRow("Output(0)") << "Output(0)" << QRect(32, 56, 73, 73) << "" << true << false;
    QTest::newRow("Output(1)") << "Output(1)" << QRect(120, 56, 73, 73) << "" << true << false;
    QTest::newRow("Output(2)") << "Output(2)" << QRect(208, 56, 73, 73) << "" << true << false;
    QTest::newRow("Output(3)") << "Output(3)" << QRect(296, 56, 73, 73) << "" << true << false;
    QTest::newRow("Label1") << "Label1" << QRect(24, 160, 35, 13) << "Money:" << true << true;
    QTest::newRow("Money") << "Money" << QRect(104, 160, 113, 17) << "1000" << true << false;
    QTest::newRow("Label3") << "Label3" << QRect(224, 160, 6, 13) << "\u00a5" << true << true;
    QTest::newRow("Label4") << "Label4" << QRect(24, 184, 19, 13) << "Bet:" << true << true;
    QTest::newRow("Bet") << "Bet" << QRect(104, 184, 113, 19) << "0" << true << false;
    QTest::newRow("Label5") << "Label5" << QRect(24, 208, 44, 13) << "Winnings" << true << true;
    QTest::newRow("Winnings") << "Winnings" << QRect(104, 208, 113, 17) << "0" << true << false;
    QTest::newRow("Controller") << "Controller" << QRect(256, 160, 113, 33) << "&Spin" << true << false;
    QTest::newRow("Comment") << "Comment" << QRect(32, 232, 337, 49) << "" << true << false;
    QTest::newRow("Secret") << "Secret" << QRect(256, 200, 113, 25) << "Turn off cheat" << false << false;
}

void TestDesign::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, visible);
    QFETCH(bool, sizedToText);

    ScriptedPlatform platform;
    Form1 w(platform);
    auto *control = w.findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->pos(), geometry.topLeft());
    if (sizedToText)
        QCOMPARE(control->size(), control->sizeHint());
    else
        QCOMPARE(control->size(), geometry.size());
    QCOMPARE(control->isVisibleTo(&w), visible);
    QCOMPARE(control->property("text").toString(), text);

    // No control overlaps another.
    for (const design::Control &c : design::controls) {
        const QString other = c.index < 0 ? QString::fromUtf8(c.name.data(), qsizetype(c.name.size()))
                                          : QStringLiteral("Output(%1)").arg(c.index);
        if (other == name)
            continue;
        auto *o = w.findChild<QWidget *>(other);
        QVERIFY2(!o->geometry().intersects(control->geometry()), qPrintable(other + " overlaps " + name));
    }
}

void TestDesign::window()
{
    ScriptedPlatform platform;
    Form1 w(platform);
    QCOMPARE(w.windowTitle(), QStringLiteral("Facereel"));
    QCOMPARE(w.geometry(), QRect(180, 138, 400, 300)); // the client area, not the frame
    QCOMPARE(w.minimumSize(), QSize(400, 300));
    QCOMPARE(w.maximumSize(), QSize(400, 300));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    QCOMPARE(w.font().pointSize(), 8);

    const QList<std::pair<QTimer *, int>> timers{
        {w.Timer1, 50}, {w.Timer2, 50}, {w.Timer3, 50}, {w.Timer4, 50}, {w.Timer5, 1000}};
    for (const auto &[timer, interval] : timers) {
        QCOMPARE(timer->interval(), interval);
        QVERIFY(!timer->isActive());
    }
}

void TestDesign::startState()
{
    ScriptedPlatform platform;
    Form1 w(platform);
    for (const ReelPicture *reel : w.Output) {
        QVERIFY(reel->tag().isEmpty());
        QVERIFY(reel->picture().isNull());
    }
    QCOMPARE(w.LoopIndex, quint8(0));
    QCOMPARE(w.Steps, hidden::StepCounters{});
    QCOMPARE(w.Cheat, qint16(0));
    QVERIFY(!w.Bet->isReadOnly());
    QVERIFY(w.Controller->isEnabled());
    QVERIFY(platform.boxes.isEmpty()); // opens without a message
    for (int position = 1; position <= 4; ++position) {
        const QImage face = w.Images.picture(position).toImage();
        QCOMPARE(face.size(), QSize(73, 73));
        QVERIFY(!face.hasAlphaChannel());
        for (int other = 1; other < position; ++other)
            QVERIFY(face != w.Images.picture(other).toImage());
    }
    QVERIFY(w.Images.picture(0).isNull());
    QVERIFY(w.Images.picture(5).isNull());
}

void TestDesign::colours()
{
    ScriptedPlatform platform;
    Form1 w(platform);
    for (ClickLabel *caption : {w.Label1, w.Label4, w.Label5, w.Comment})
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(Qt::white));
    for (QLabel *amount : {w.Money, w.Winnings}) {
        QCOMPARE(amount->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(amount->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(amount->autoFillBackground());
        QVERIFY(amount->alignment() & Qt::AlignRight);
        QCOMPARE(amount->frameShape(), QFrame::Box);
    }
    QCOMPARE(w.Bet->palette().color(QPalette::Text), QColor(Qt::white));
    QCOMPARE(w.Bet->palette().color(QPalette::Base), QColor(Qt::black));
    QVERIFY(w.Label3->autoFillBackground());
    QVERIFY(w.Comment->alignment() & Qt::AlignHCenter);
    QVERIFY(w.Comment->font().italic());
    QCOMPARE(w.Comment->font().pointSizeF(), 27.75);
    QVERIFY(QFontInfo(w.Comment->font()).italic());

    // The pink face is painted over the whole button.
    w.Secret->show();
    for (QPushButton *button : {w.Controller, w.Secret}) {
        const QImage face = button->grab().toImage();
        QCOMPARE(face.pixelColor(face.width() / 2, 3), QColor(255, 128, 255));
        QCOMPARE(face.pixelColor(4, face.height() / 2), QColor(255, 128, 255));
    }
}

void TestDesign::focusAndKeys()
{
    ScriptedPlatform platform;
    Form1 w(platform);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.Bet);

    // Tab order Bet, Controller, then Secret only while it is shown.
    QTest::keyClick(w.Bet, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Controller);
    QTest::keyClick(w.Controller, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Bet);
    w.Secret->show();
    QTest::keyClick(w.Bet, Qt::Key_Tab);
    QTest::keyClick(w.Controller, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Secret);
    w.Secret->hide();

    // Enter and Escape in the bet box press nothing; Alt+S presses the button.
    w.Bet->setFocus();
    QTest::keyClick(w.Bet, Qt::Key_Return);
    QTest::keyClick(w.Bet, Qt::Key_Escape);
    QVERIFY(platform.boxes.isEmpty());
    QTest::keyClick(w.windowHandle(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(platform.prompts(), QStringList{"Bet something greedy!"}); // the button animates its click
}

void TestDesign::reelsSpeak()
{
    ScriptedPlatform platform;
    Form1 w(platform);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(w.Output[i]->accessibleName(), QStringLiteral("Reel %1").arg(i + 1));
        QCOMPARE(w.Output[i]->accessibleDescription(), QString());
    }
    const QStringList said{"Face 0 (jackpot)", "Face 1", "Face 2", "Face 3"};
    QAccessibleInterface *reel = QAccessible::queryAccessibleInterface(w.Output[2]);
    QCOMPARE(reel->text(QAccessible::Name), QStringLiteral("Reel 3"));
    for (int face = 0; face < 4; ++face) {
        w.PutFace(2, face);
        QCOMPARE(reel->text(QAccessible::Description), said[face]);
        QCOMPARE(w.Output[2]->tag(), QString::number(face));
        QCOMPARE(w.Output[2]->picture().toImage(), w.Images.picture(face + 1).toImage());
    }
}

void TestDesign::captionsLabelTheirBoxes()
{
    ScriptedPlatform platform;
    Form1 w(platform);
    const QList<std::pair<QWidget *, QWidget *>> pairs{
        {w.Money, w.Label1}, {w.Bet, w.Label4}, {w.Winnings, w.Label5}};
    for (const auto &[box, caption] : pairs) {
        const auto relations = QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label);
        QVERIFY2(!relations.isEmpty(), qPrintable(box->objectName()));
        QCOMPARE(relations.first().first->object(), caption);
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(w.Money)->text(QAccessible::Name), QStringLiteral("1000"));
}

QTEST_MAIN(TestDesign)
#include "tst_design.moc"
