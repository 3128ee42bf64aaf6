// The four conversions between amount texts and numbers.
#include "core/amounts.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>

using amounts::NumberFormat;

namespace {

const NumberFormat dot{u'.', u','};
const NumberFormat comma{u',', u'.'};
const NumberFormat nbsp{u',', QChar(0x00A0)};
const NumberFormat sameChar{u'.', u'.'};
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double none = std::numeric_limits<double>::quiet_NaN(); // no strict value
constexpr double largest = std::numeric_limits<double>::max();

// Amounts must match to the bit, sign of zero included; 17 digits show every double.
QString exact(double value)
{
    return std::isnan(value) ? QStringLiteral("none") : QString::number(value, 'g', 17);
}

QString exact(std::optional<double> value)
{
    return exact(value.value_or(none));
}

} // namespace

class TestAmounts : public QObject
{
    Q_OBJECT

private slots:
    void fromLocale()
    {
        const NumberFormat german = NumberFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(QString(german.decimal) + german.group, QStringLiteral(",."));
        QCOMPARE(NumberFormat::fromLocale(QLocale::c()).decimal, QChar(u'.'));
    }

    void readingTexts()
    {
        struct Row {
            QString text;
            NumberFormat format;
            double leading, strict;
        };
        const Row rows[] = {
            {"", dot, 0, none},
            {" \t\r\n ", dot, 0, none},
            {"abc", dot, 0, none},
            {"\u00A5100", dot, 0, none}, // a currency sign ends the number
            {" 1 2\t3\n4\r5 ", dot, 12345, none},
            {" \t12 \t", dot, 12, 12},
            {"12\n", dot, 12, none},
            {"- 5", dot, -5, none},
            {"+5", dot, 5, 5},
            {"-0", dot, -0.0, -0.0},
            {"+-5", dot, 0, none},
            {"-", dot, 0, none},
            {".5", dot, 0.5, 0.5},
            {"5.", dot, 5, 5},
            {".", dot, 0, none},
            {"1.5.3", dot, 1.5, none},
            {"12abc", dot, 12, none},
            {"12,345,678.5", dot, 12, 12345678.5},
            {"1,000,000", dot, 1, 1e6},
            {"1,00", dot, 1, none}, // groups hold three digits
            {"1,00,000", dot, 1, none},
            {"1000,000", dot, 1000, none},
            {"0,5", dot, 0, none}, // a slip for a half, not five
            {",100", dot, 0, none},
            {"100,", dot, 100, none},
            {"1,,000", dot, 1, none},
            {"0.5,5", dot, 0.5, none},
            {"1,000E3", dot, 1, 1e6},
            {"2.5E+2x", dot, 250, none},
            {"1e3", dot, 1000, 1000},
            {"2.5D2", dot, 250, 250},
            {"1d-3", dot, 0.001, 0.001},
            {"1 E - 2", dot, 0.01, none},
            {"1E", dot, 1, none},
            {"7E+", dot, 7, none},
            {"1E3.5", dot, 1000, none},
            {"E5", dot, 0, none},
            {"1E309", dot, inf, none},
            {"-1E309", dot, -inf, none},
            {"1E-400", dot, 0, 0},
            {"4.9E-324", dot, std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::denorm_min()},
            {"1.7976931348623157E308", dot, largest, largest},
            {"1.7976931348623159E308", dot, inf, none},
            {"9007199254740993", dot, 9007199254740992.0, 9007199254740992.0}, // ties to even
            {"1.00000000000000011102230246251565404236316680908203126", dot, 1 + 2.220446049250313e-16,
             1 + 2.220446049250313e-16},
            {"0,5", comma, 0, 0.5},
            {"1.000.000,25", comma, 1, 1000000.25},
            {"1.5", comma, 1.5, none},
            {"1,2,3", comma, 1, none},
            {"1,5E-07", comma, 1, 1.5e-7},
            {"1\u00A0000,5", nbsp, 1, 1000.5},
            {"1 000", nbsp, 1000, none},
            {"1.000", sameChar, 1, 1}, // one character cannot be both: it is the decimal
            {"1.000.5", sameChar, 1, none},
        };
        for (const Row &r : rows) {
            const QByteArray what = r.text.toUtf8();
            QVERIFY2(exact(amounts::leadingValue(r.text)) == exact(r.leading), what);
            QVERIFY2(exact(amounts::strictValue(r.text, r.format)) == exact(r.strict), what);
            QVERIFY2(amounts::isNumeric(r.text, r.format) == !std::isnan(r.strict), what);
            // The game reads back its own texts strictly, else by their leading number.
            QVERIFY2(exact(amounts::amountValue(r.text, r.format))
                         == exact(std::isnan(r.strict) ? r.leading : r.strict),
                     what);
        }
    }

    void writingNumbers()
    {
        const std::tuple<double, NumberFormat, QString> rows[] = {
            {1000, dot, "1000"},
            {999.5, dot, "999.5"},
            {999.5, comma, "999,5"},
            {-0.0, dot, "0"},
            {-1234.5, comma, "-1234,5"},
            {0.1 + 0.2, dot, "0.3"},
            {2.0 / 3, dot, "0.666666666666667"},
            {999999999999999.0, dot, "999999999999999"},
            {1e15, dot, "1E+15"}, // 15 plain digits cannot show it
            {999999999999999.6, dot, "1E+15"},
            {123456789012344.5, dot, "123456789012345"},
            {123456789012345678.0, dot, "1.23456789012346E+17"},
            {0.0001, dot, "0.0001"},
            {0.000123456789012345678, dot, "0.000123456789012346"},
            {0.00001, dot, "1E-05"},
            {1.5e-7, comma, "1,5E-07"},
            {-2.5e-300, dot, "-2.5E-300"},
            {std::numeric_limits<double>::denorm_min(), dot, "4.94065645841247E-324"},
        };
        for (const auto &[value, format, text] : rows)
            QCOMPARE(amounts::generalText(value, format), text);
    }

    // What the game writes it reads back as the value rounded to 15 digits,
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
            const double rounded = QString::number(value, 'g', 15).toDouble();
            const QByteArray what = exact(value).toLatin1();
            const QString dotText = amounts::generalText(value, dot);
            QVERIFY2(amounts::isNumeric(dotText, dot) && amounts::leadingValue(dotText) == rounded, what);
            QVERIFY2(amounts::generalText(rounded, dot) == dotText, what);
            QVERIFY2(amounts::amountValue(amounts::generalText(value, comma), comma) == rounded, what);
        }
    }

    // A million characters are read whole, with no digit lost to a short buffer.
    void longTexts()
    {
        const int size = 1000000;
        const QString tie = QStringLiteral("9007199254740993.") + QString(size - 18, u'0');
        const QString fraction = QStringLiteral("0.") + QString(size - 20, u'0') + u'1';
        const std::tuple<QString, double, double> rows[] = {
            {tie + u'1', 9007199254740994.0, 9007199254740994.0}, // a far digit breaks the tie
            {tie + u'0', 9007199254740992.0, 9007199254740992.0},
            {QStringLiteral("1234567890").repeated(size / 10), inf, none},
            {fraction + QStringLiteral("E%1").arg(size - 20 + 1 + 4), 1e4, 1e4},
            {fraction, 0, 0},
            {QString(size - 1, u' ') + u'7', 7, 7},
            {QStringLiteral("1E") + QString(size - 3, u'0') + u'5', 1e5, 1e5},
            {QStringLiteral("1E") + QString(size - 2, u'9'), inf, none},
            {QStringLiteral("1E-") + QString(size - 3, u'9'), 0, 0},
        };
        for (const auto &[text, leading, strict] : rows) {
            QCOMPARE(exact(amounts::leadingValue(text)), exact(leading));
            QCOMPARE(exact(amounts::strictValue(text, dot)), exact(strict));
        }
    }
};

QTEST_GUILESS_MAIN(TestAmounts)
#include "tst_amounts.moc"
