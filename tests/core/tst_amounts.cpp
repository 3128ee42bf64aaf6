#include "core/amounts.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>

using amounts::NumberFormat;
Q_DECLARE_METATYPE(amounts::NumberFormat)

namespace {

const NumberFormat dot{u'.', u','};
const NumberFormat comma{u',', u'.'};
const NumberFormat nbsp{u',', QChar(0x00A0)};
const NumberFormat sameChar{u'.', u'.'};
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double epsilon = std::numeric_limits<double>::epsilon();
constexpr double nothing = std::numeric_limits<double>::quiet_NaN(); // "no strict value" in the tables

// Amounts must match to the bit, sign of zero included; 17 digits show every double.
QString exact(double value)
{
    return QString::number(value, 'g', 17);
}

QString repeated(const char *piece, int times)
{
    return QString::fromLatin1(piece).repeated(times);
}

} // namespace

class TestAmounts : public QObject
{
    Q_OBJECT

private slots:
    void fromLocale()
    {
        const NumberFormat german = NumberFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(german.decimal, QChar(u','));
        QCOMPARE(german.group, QChar(u'.'));
        const NumberFormat english = NumberFormat::fromLocale(QLocale::c());
        QCOMPARE(english.decimal, QChar(u'.'));
    }

    void leadingValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks") << " \t\r\n " << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("currency first") << "\u00A5100" << 0.0;
        QTest::newRow("whole") << "990" << 990.0;
        QTest::newRow("blanks anywhere") << " 1 2\t3\n4\r5 " << 12345.0;
        QTest::newRow("blank after sign") << "- 5" << -5.0;
        QTest::newRow("plus") << "+5" << 5.0;
        QTest::newRow("minus zero") << "-0" << -0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("point last") << "5." << 5.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("second point ends") << "1.5.3" << 1.5;
        QTest::newRow("group ends") << "1,000" << 1.0;
        QTest::newRow("trailing junk") << "12abc" << 12.0;
        QTest::newRow("E") << "2.5E+2x" << 250.0;
        QTest::newRow("e") << "1e3" << 1000.0;
        QTest::newRow("D") << "1D3" << 1000.0;
        QTest::newRow("d negative") << "1d-3" << 0.001;
        QTest::newRow("blanks in exponent") << "1 E - 2" << 0.01;
        QTest::newRow("dangling E") << "1E" << 1.0;
        QTest::newRow("dangling sign") << "7E+" << 7.0;
        QTest::newRow("letter after E") << "1Ex5" << 1.0;
        QTest::newRow("exponent without mantissa") << "E5" << 0.0;
        QTest::newRow("overflow") << "1E309" << inf;
        QTest::newRow("negative overflow") << "-1E309" << -inf;
        QTest::newRow("underflow") << "1E-400" << 0.0;
        QTest::newRow("smallest subnormal") << "4.9E-324" << std::numeric_limits<double>::denorm_min();
        QTest::newRow("largest") << "1.7976931348623157E308" << std::numeric_limits<double>::max();
        QTest::newRow("past largest") << "1.7976931348623159E308" << inf;
        QTest::newRow("tie to even") << "9007199254740993" << 9007199254740992.0;
        QTest::newRow("halfway to even") << "1.00000000000000011102230246251565404236316680908203125" << 1.0;
        QTest::newRow("past halfway") << "1.00000000000000011102230246251565404236316680908203126" << 1.0 + epsilon;
        QTest::newRow("tenth") << "0.1" << 0.1;
        QTest::newRow("leading zeros") << "000.000125" << 0.000125;
    }

    void leadingValue()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(exact(amounts::leadingValue(text)), exact(expected));
    }

    void strictValue_data()
    {
        QTest::addColumn<NumberFormat>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty") << dot << "" << nothing;
        QTest::newRow("blanks") << dot << " \t " << nothing;
        QTest::newRow("blanks around") << dot << " \t12 \t" << 12.0;
        QTest::newRow("blank inside") << dot << "1 2" << nothing;
        QTest::newRow("line feed") << dot << "12\n" << nothing;
        QTest::newRow("plus") << dot << "+5" << 5.0;
        QTest::newRow("minus") << dot << "-5" << -5.0;
        QTest::newRow("minus zero") << dot << "-0" << -0.0;
        QTest::newRow("blank after sign") << dot << "- 5" << nothing;
        QTest::newRow("two signs") << dot << "+-5" << nothing;
        QTest::newRow("sign alone") << dot << "-" << nothing;
        QTest::newRow("point first") << dot << ".5" << 0.5;
        QTest::newRow("point last") << dot << "5." << 5.0;
        QTest::newRow("point alone") << dot << "." << nothing;
        QTest::newRow("two points") << dot << "1.2.3" << nothing;
        QTest::newRow("grouped") << dot << "12,345,678.5" << 12345678.5;
        QTest::newRow("short group") << dot << "1,00" << nothing;
        QTest::newRow("long group") << dot << "1,0000" << nothing;
        QTest::newRow("long first group") << dot << "1000,000" << nothing;
        QTest::newRow("comma slip for a half") << dot << "0,5" << nothing;
        QTest::newRow("two groups") << dot << "1,000,000" << 1e6;
        QTest::newRow("group first") << dot << ",100" << nothing;
        QTest::newRow("group after sign") << dot << "-,100" << nothing;
        QTest::newRow("group last") << dot << "100," << nothing;
        QTest::newRow("group doubled") << dot << "1,,000" << nothing;
        QTest::newRow("group before point") << dot << "1,.5" << nothing;
        QTest::newRow("group in fraction") << dot << "0.5,5" << nothing;
        QTest::newRow("E") << dot << "1E3" << 1000.0;
        QTest::newRow("e plus") << dot << "1e+3" << 1000.0;
        QTest::newRow("D") << dot << "2.5D2" << 250.0;
        QTest::newRow("d minus") << dot << "1d-3" << 0.001;
        QTest::newRow("grouped exponent form") << dot << "1,000E3" << 1e6;
        QTest::newRow("dangling E") << dot << "1E" << nothing;
        QTest::newRow("dangling sign") << dot << "1E+" << nothing;
        QTest::newRow("fractional exponent") << dot << "1E3.5" << nothing;
        QTest::newRow("exponent alone") << dot << "E3" << nothing;
        QTest::newRow("overflow") << dot << "1E309" << nothing;
        QTest::newRow("negative overflow") << dot << "-1E309" << nothing;
        QTest::newRow("largest") << dot << "1.7976931348623157E308" << std::numeric_limits<double>::max();
        QTest::newRow("underflow") << dot << "1E-400" << 0.0;
        QTest::newRow("letters") << dot << "abc" << nothing;
        QTest::newRow("trailing junk") << dot << "12abc" << nothing;
        QTest::newRow("currency") << dot << "\u00A5100" << nothing;
        QTest::newRow("comma decimal") << comma << "0,5" << 0.5;
        QTest::newRow("comma grouped") << comma << "1.000.000,25" << 1000000.25;
        QTest::newRow("comma point slip") << comma << "1.5" << nothing;
        QTest::newRow("comma two decimals") << comma << "1,2,3" << nothing;
        QTest::newRow("comma exponent") << comma << "1,5E-07" << 1.5e-7;
        QTest::newRow("nbsp grouped") << nbsp << "1\u00A0000,5" << 1000.5;
        QTest::newRow("nbsp plain space") << nbsp << "1 000" << nothing;
        QTest::newRow("nbsp trailing") << nbsp << "1000\u00A0" << nothing;
        QTest::newRow("same char is decimal") << sameChar << "1.000" << 1.0;
        QTest::newRow("same char twice") << sameChar << "1.000.5" << nothing;
    }

    void strictValue()
    {
        QFETCH(NumberFormat, format);
        QFETCH(QString, text);
        QFETCH(double, expected);
        const std::optional<double> value = amounts::strictValue(text, format);
        QCOMPARE(value.has_value(), !std::isnan(expected));
        QCOMPARE(amounts::isNumeric(text, format), !std::isnan(expected));
        if (value)
            QCOMPARE(exact(*value), exact(expected));
    }

    void amountValue_data()
    {
        QTest::addColumn<NumberFormat>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("comma decimal survives") << comma << "999,5" << 999.5;
        QTest::newRow("dot grouped") << dot << "1,000" << 1000.0;
        QTest::newRow("leading fallback") << dot << "12abc" << 12.0;
        QTest::newRow("overflow falls back") << dot << "1E309" << inf;
        QTest::newRow("comma dangling E") << comma << "2,5E" << 2.0;
    }

    void amountValue()
    {
        QFETCH(NumberFormat, format);
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(exact(amounts::amountValue(text, format)), exact(expected));
    }

    void generalText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<NumberFormat>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("thousand") << 1000.0 << dot << "1000";
        QTest::newRow("half") << 999.5 << dot << "999.5";
        QTest::newRow("comma half") << 999.5 << comma << "999,5";
        QTest::newRow("zero") << 0.0 << dot << "0";
        QTest::newRow("minus zero") << -0.0 << dot << "0";
        QTest::newRow("negative") << -1234.5 << comma << "-1234,5";
        QTest::newRow("twelve and a half") << 12.5 << dot << "12.5";
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << dot << "0.3";
        QTest::newRow("third") << 1.0 / 3 << dot << "0.333333333333333";
        QTest::newRow("two thirds") << 2.0 / 3 << dot << "0.666666666666667";
        QTest::newRow("15 nines") << 999999999999999.0 << dot << "999999999999999";
        QTest::newRow("1E14") << 1e14 << dot << "100000000000000";
        QTest::newRow("1E15") << 1e15 << dot << "1E+15";
        QTest::newRow("rounds up to 1E15") << 999999999999999.6 << dot << "1E+15";
        QTest::newRow("tie goes up") << 123456789012344.5 << dot << "123456789012345";
        QTest::newRow("negative tie away from zero") << -4523296433204985.0 << dot << "-4.52329643320499E+15";
        QTest::newRow("18 digits") << 123456789012345678.0 << dot << "1.23456789012346E+17";
        QTest::newRow("0.0001") << 0.0001 << dot << "0.0001";
        QTest::newRow("small plain") << 0.000123456789012345678 << dot << "0.000123456789012346";
        QTest::newRow("0.00001") << 0.00001 << dot << "1E-05";
        QTest::newRow("comma exponent") << 1.5e-7 << comma << "1,5E-07";
        QTest::newRow("1E300") << 1e300 << dot << "1E+300";
        QTest::newRow("-2.5E-300") << -2.5e-300 << dot << "-2.5E-300";
        QTest::newRow("subnormal") << std::numeric_limits<double>::denorm_min() << dot << "4.94065645841247E-324";
    }

    void generalText()
    {
        QFETCH(double, value);
        QFETCH(NumberFormat, format);
        QFETCH(QString, expected);
        QCOMPARE(amounts::generalText(value, format), expected);
    }

    // What the game writes, it reads back as the value rounded to 15 digits,
    // and writing that again gives the same text.
    void roundTrip()
    {
        QRandomGenerator random(20240611);
        for (int i = 0; i < 20000; ++i) {
            const double sign = random.bounded(2) ? -1.0 : 1.0;
            double value = 0;
            if (i % 4 == 0)
                value = sign * random.bounded(10000000) / 100.0; // money with cents
            else if (i % 4 == 1) // quarters near 1E15, where exact ties at the 16th digit are common
                value = sign * std::floor(random.generateDouble() * 0x1p53) / 4;
            else
                value = sign * (1 + 9 * random.generateDouble()) * std::pow(10.0, random.bounded(-300, 301));
            bool ok = false;
            const double rounded = QString::number(value, 'g', 15).toDouble(&ok);
            QVERIFY(ok);
            const QByteArray what = exact(value).toLatin1();
            const QString dotText = amounts::generalText(value, dot);
            QVERIFY2(amounts::isNumeric(dotText, dot), what);
            QVERIFY2(amounts::leadingValue(dotText) == rounded, what);
            QVERIFY2(amounts::generalText(rounded, dot) == dotText, what);
            const QString commaText = amounts::generalText(value, comma);
            QVERIFY2(amounts::amountValue(commaText, comma) == rounded, what);
        }
    }

    void longText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("leading");
        QTest::addColumn<double>("strict");
        const int size = 1000000;
        const QString tie = QStringLiteral("9007199254740993.");
        const QString zeros = QString(size - tie.size() - 1, u'0');
        QTest::newRow("far digit breaks tie") << tie + zeros + u'1' << 9007199254740994.0 << 9007199254740994.0;
        QTest::newRow("zeros keep tie") << tie + zeros + u'0' << 9007199254740992.0 << 9007199254740992.0;
        QTest::newRow("huge integer") << repeated("1234567890", size / 10) << inf << nothing;
        const QString fraction = QStringLiteral("0.") + QString(size - 20, u'0') + u'1';
        QTest::newRow("exponent undoes zeros") << fraction + QStringLiteral("E%1").arg(size - 20 + 1 + 4) << 1e4 << 1e4;
        QTest::newRow("tiny fraction") << fraction << 0.0 << 0.0;
        QTest::newRow("blanks") << QString(size, u' ') << 0.0 << nothing;
        QTest::newRow("blanks then digit") << QString(size - 1, u' ') + u'7' << 7.0 << 7.0;
        QTest::newRow("exponent zeros") << QStringLiteral("1E") + QString(size - 3, u'0') + u'5' << 1e5 << 1e5;
        QTest::newRow("exponent nines") << QStringLiteral("1E") + QString(size - 2, u'9') << inf << nothing;
        QTest::newRow("negative exponent nines") << QStringLiteral("1E-") + QString(size - 3, u'9') << 0.0 << 0.0;
        QTest::newRow("long grouping") << u'1' + repeated(",000", size / 4 - 1) << 1.0 << nothing;
    }

    void longText()
    {
        QFETCH(QString, text);
        QFETCH(double, leading);
        QFETCH(double, strict);
        QCOMPARE(exact(amounts::leadingValue(text)), exact(leading));
        const std::optional<double> value = amounts::strictValue(text, dot);
        QCOMPARE(value.has_value(), !std::isnan(strict));
        if (value)
            QCOMPARE(exact(*value), exact(strict));
    }
};

QTEST_GUILESS_MAIN(TestAmounts)
#include "tst_amounts.moc"
