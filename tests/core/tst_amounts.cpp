// The four conversions between amount texts and numbers, at their edges.
#include "core/amounts.h"

#include <QLocale>
#include <QSysInfo>
#include <QTest>

#include <cmath>
#include <limits>

namespace {
const bool OnWindows = QSysInfo::productType() == "windows"; // Wine too
const amounts::NumberFormat Dot{u'.', u','}, Comma{u',', u'.'}, Same{u'.', u'.'};
constexpr double Inf = std::numeric_limits<double>::infinity(), None = std::numeric_limits<double>::quiet_NaN();

QString exact(double value) // to the bit, the sign of zero included
{
    return std::isnan(value) ? "none" : QString::number(value, 'g', 17) + (std::signbit(value) ? "-" : "");
}
struct Reading {
    QString text;
    double leading, strict;
    amounts::NumberFormat format = Dot;
};
struct Writing {
    double value;
    QString text;
    amounts::NumberFormat format = Dot;
};
} // namespace
Q_DECLARE_METATYPE(Reading)
Q_DECLARE_METATYPE(Writing)

class TestAmounts : public QObject
{
    Q_OBJECT

private slots:
    void reading_data()
    {
        const QString tie = "9007199254740993." + QString(100000, u'0');
        QTest::addColumn<Reading>("r");
        QTest::newRow("empty") << Reading{"", 0, None};
        QTest::newRow("yen first") << Reading{"\u00A5100", 0, None};
        QTest::newRow("blanks inside") << Reading{" 1 2\t3\n4\r5 ", 12345, None};
        QTest::newRow("minus zero") << Reading{"-0", -0.0, -0.0};
        QTest::newRow("leading point") << Reading{".5", 0.5, 0.5};
        QTest::newRow("two points") << Reading{"1.5.3", 1.5, None};
        QTest::newRow("zeros after the point") << Reading{"-0.025", -0.025, -0.025};
        QTest::newRow("grouped") << Reading{"12,345,678.5", 12, 12345678.5};
        QTest::newRow("short group") << Reading{"1,00", 1, None};
        QTest::newRow("comma slip") << Reading{"0,5", 0, None};
        QTest::newRow("grouped exponent") << Reading{"1,000E3", 1, 1e6};
        QTest::newRow("exponent, junk") << Reading{"2.5E+2x", 250, None};
        QTest::newRow("D exponent") << Reading{"1d-3", 0.001, 0.001};
        QTest::newRow("too large") << Reading{"1E309", Inf, None};
        QTest::newRow("largest") << Reading{"1.7976931348623157E308", 1.7976931348623157E308, 1.7976931348623157E308};
        QTest::newRow("far digit breaks tie") << Reading{tie + '1', 9007199254740994.0, 9007199254740994.0};
        // One character for both separators: a text read two ways as two numbers is none.
        QTest::newRow("one for both, a fraction") << Reading{"1.5", 1.5, 1.5, Same};
        QTest::newRow("one for both, one or 1000") << Reading{"1.000", 1, None, Same};
        QTest::newRow("one for both, grouped fraction") << Reading{"1.000.5", 1, 1000.5, Same};
    }
    void reading()
    {
        QFETCH(Reading, r);
        QCOMPARE(exact(amounts::leadingValue(r.text)), exact(r.leading));
        QCOMPARE(exact(amounts::strictValue(r.text, r.format).value_or(None)), exact(r.strict));
        QCOMPARE(exact(amounts::amountValue(r.text, r.format)), exact(std::isnan(r.strict) ? r.leading : r.strict));
    }

    // The locale, the format it gives (decimal, group, the last group's and the other groups' sizes) and how
    // a grouped and a fractional bet read there ("text=value"). Where the locale is variables, the player's
    // format with them set: on Linux LC_ALL over LC_NUMERIC over LANG.
    void locales_data()
    {
        QTest::addColumn<QStringList>("r");
        QTest::newRow("C") << QStringList{"C", ".,33", "1,000=1000", "2.5=2.5", "2,5=none"};
        QTest::newRow("en_US") << QStringList{"en_US", ".,33", "1,000,000.25=1000000.25", "1.000=1"};
        QTest::newRow("de_DE") << QStringList{"de_DE", ",.33", "1.000.000,25=1000000.25", "2,5=2.5", "2.5=none"};
        QTest::newRow("fr_FR, an ordinary space is no group")
            << QStringList{"fr_FR", ",\u202F33", "1\u202F000,5=1000.5", "1 000=none", "1000=1000"};
        QTest::newRow("pl_PL") << QStringList{"pl_PL", ",\u00A033", "1\u00A0000=1000"};
        QTest::newRow("de_CH") << QStringList{"de_CH", ".\u201933", "1\u2019000=1000", "1'000=none"};
        QTest::newRow("en_IN, lakh") << QStringList{"en_IN", ".,32", "1,00,000=100000", "12,34,567.5=1234567.5",
                                                    "100,000=none"};
        QTest::newRow("LC_NUMERIC over LANG")
            << QStringList{"LC_ALL= LC_NUMERIC=en_IN.UTF-8 LANG=de_DE.UTF-8", ".,32", "1,00,000=100000"};
        QTest::newRow("LC_ALL over both") << QStringList{"LC_ALL=de_DE LC_NUMERIC=en_US LANG=en_US", ",.33", "2,5=2.5"};
    }
    void locales()
    {
        QFETCH(QStringList, r);
        if (OnWindows && r[0].contains('='))
            QSKIP("Windows takes the player's own settings, not these variables");
        for (const QString &variable : r[0].split(' ', Qt::SkipEmptyParts))
            qputenv(qPrintable(variable.section('=', 0, 0)), variable.section('=', 1).toUtf8());
        const auto f =
            r[0].contains('=') ? amounts::NumberFormat::system() : amounts::NumberFormat::fromLocale(QLocale(r[0]));
        QCOMPARE(QString(f.decimal) + f.group + QString::number(f.lastGroup) + QString::number(f.otherGroups), r[1]);
        for (const QString &read : r.mid(2)) {
            const QString value = read.section('=', -1);
            QCOMPARE(exact(amounts::strictValue(read.section('=', 0, -2), f).value_or(None)),
                     exact(value == "none" ? None : value.toDouble()));
        }
        QCOMPARE(amounts::amountValue(amounts::generalText(-999.5, f), f), -999.5); // written and read back
    }

    void writing_data()
    {
        QTest::addColumn<Writing>("r");
        QTest::newRow("whole") << Writing{1000.0, "1000"};
        QTest::newRow("half") << Writing{999.5, "999.5"};
        QTest::newRow("one digit before the point") << Writing{7.25, "7.25"};
        QTest::newRow("two thirds") << Writing{2.0 / 3, "0.666666666666667"};
        QTest::newRow("smallest plain") << Writing{0.0001, "0.0001"};
        QTest::newRow("16 digits") << Writing{1e15, "1E+15"};
        QTest::newRow("rounds to 16") << Writing{999999999999999.6, "1E+15"};
        QTest::newRow("big") << Writing{123456789012345678.0, "1.23456789012346E+17"};
        QTest::newRow("comma exponent") << Writing{1.5e-7, "1,5E-07", Comma};
    }
    void writing()
    {
        QFETCH(Writing, r);
        QCOMPARE(amounts::generalText(r.value, r.format), r.text);
        const double rounded = QString::number(r.value, 'g', 15).toDouble(); // and it reads back
        QCOMPARE(exact(amounts::amountValue(r.text, r.format)), exact(rounded == 0 ? 0.0 : rounded));
    }
};

QTEST_GUILESS_MAIN(TestAmounts)
#include "tst_amounts.moc"
