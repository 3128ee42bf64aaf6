#include "oracle.h"

#include <QStringList>

#include <cmath>
#include <cstdlib>
#include <string>

namespace oracle {

namespace {

bool allDigits(QStringView text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

bool isSign(QChar c)
{
    return c == u'+' || c == u'-';
}

} // namespace

std::optional<double> strictValue(const QString &text, const amounts::NumberFormat &format)
{
    QStringView body(text);
    while (!body.isEmpty() && (body.front() == u' ' || body.front() == u'\t'))
        body = body.sliced(1);
    while (!body.isEmpty() && (body.back() == u' ' || body.back() == u'\t'))
        body.chop(1);

    std::string normal;
    if (!body.isEmpty() && isSign(body.front())) {
        normal += char(body.front().unicode());
        body = body.sliced(1);
    }

    QStringView mantissa = body;
    std::string exponent;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (c == u'E' || c == u'e' || c == u'D' || c == u'd') {
            mantissa = body.first(i);
            QStringView digits = body.sliced(i + 1);
            exponent = "e";
            if (!digits.isEmpty() && isSign(digits.front())) {
                exponent += char(digits.front().unicode());
                digits = digits.sliced(1);
            }
            if (digits.isEmpty() || !allDigits(digits))
                return std::nullopt;
            exponent += digits.toString().toStdString();
            break;
        }
    }

    const qsizetype point = mantissa.indexOf(format.decimal);
    const QStringView whole = point < 0 ? mantissa : mantissa.first(point);
    const QStringView fraction = point < 0 ? QStringView() : mantissa.sliced(point + 1);
    if (!allDigits(fraction))
        return std::nullopt;

    QString wholeDigits;
    if (format.group != format.decimal && whole.contains(format.group)) {
        const QList<QStringView> groups = whole.split(format.group);
        for (qsizetype i = 0; i < groups.size(); ++i) {
            const qsizetype n = groups[i].size();
            const bool sized = i == 0 ? n >= 1 && n <= 3 : n == 3;
            if (!sized || !allDigits(groups[i]))
                return std::nullopt;
            wholeDigits += groups[i];
        }
    } else {
        if (!allDigits(whole))
            return std::nullopt;
        wholeDigits = whole.toString();
    }
    if (wholeDigits.isEmpty() && fraction.isEmpty())
        return std::nullopt;

    normal += wholeDigits.toStdString() + "." + fraction.toString().toStdString() + exponent;
    const double value = std::strtod(normal.c_str(), nullptr);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

double leadingValue(const QString &text)
{
    std::string plain;
    plain.reserve(std::size_t(text.size()));
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t' || u == u'\n' || u == u'\r')
            continue;
        if (u == u'D' || u == u'd')
            plain += 'e';
        else if (u <= 0x20 || u >= 0x7F || u == u'x' || u == u'X') // no hex, no other space, no wide characters
            plain += '#';
        else
            plain += char(u);
    }
    // strtod skips nothing now and reads no infinity or NaN: the number must
    // start at once.
    std::size_t start = 0;
    if (start < plain.size() && (plain[start] == '+' || plain[start] == '-'))
        ++start;
    if (start == plain.size() || !(std::isdigit(static_cast<unsigned char>(plain[start])) || plain[start] == '.'))
        return 0.0;
    return std::strtod(plain.c_str(), nullptr);
}

QString generalText(double value, QChar decimal)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(u'e', u'E');
    text.replace(u'.', decimal);
    return text;
}

double roundedTo15(double value)
{
    return std::strtod(QString::number(value, 'g', 15).toLatin1().constData(), nullptr);
}

} // namespace oracle
