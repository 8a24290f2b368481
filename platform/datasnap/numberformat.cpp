#include "platform/datasnap/numberformat.h"

#include <cmath>

namespace datasnap {

TDecimalDigits RoundedDigits(double value, int decimals) {
    TDecimalDigits out;
    out.negative = std::signbit(value) && value != 0.0;
    if (!std::isfinite(value)) {
        out.integerDigits = QStringLiteral("0");
        out.fractionDigits = QString(decimals, QLatin1Char('0'));
        return out;
    }
    // Scientific text with 15 significant digits: d.dddddddddddddde±x
    const QString sci = QString::number(std::fabs(value), 'e', 14);
    const qsizetype ePos = sci.indexOf(QLatin1Char('e'));
    QString mantissa = sci.left(ePos);
    mantissa.remove(QLatin1Char('.'));
    const int exponent = sci.mid(ePos + 1).toInt();

    // All digits with the decimal point after position `pointAt`.
    QString digits = mantissa;
    int pointAt = exponent + 1;
    if (pointAt <= 0) {
        digits.prepend(QString(-pointAt + 1, QLatin1Char('0')));
        pointAt = 1;
    }
    const int needed = pointAt + decimals;
    if (digits.size() < needed + 1)
        digits.append(QString(needed + 1 - digits.size(), QLatin1Char('0')));

    QString kept = digits.left(needed);
    if (digits.at(needed) >= QLatin1Char('5')) {
        int i = needed - 1;
        for (; i >= 0; --i) {
            if (kept[i] == QLatin1Char('9')) {
                kept[i] = QLatin1Char('0');
            } else {
                kept[i] = QChar(kept[i].unicode() + 1);
                break;
            }
        }
        if (i < 0) {
            kept.prepend(QLatin1Char('1'));
            ++pointAt;
        }
    }
    QString integer = kept.left(pointAt);
    while (integer.size() > 1 && integer.startsWith(QLatin1Char('0')))
        integer.remove(0, 1);
    out.integerDigits = integer.isEmpty() ? QStringLiteral("0") : integer;
    out.fractionDigits = kept.mid(pointAt);
    const bool allZero = out.integerDigits == QLatin1String("0") &&
                         out.fractionDigits.count(QLatin1Char('0')) == out.fractionDigits.size();
    if (allZero)
        out.negative = false; // no "-0,00"

    return out;
}

double RoundHalfAway(double value, int decimals) {
    const TDecimalDigits d = RoundedDigits(value, decimals);
    QString text = d.integerDigits;
    if (decimals > 0)
        text += QLatin1Char('.') + d.fractionDigits;
    const double magnitude = text.toDouble();
    return d.negative ? -magnitude : magnitude;
}

QString FormatFloat(QStringView format, double value, const QLocale& locale) {
    const qsizetype point = format.indexOf(QLatin1Char('.'));
    const QStringView integerPart = point < 0 ? format : format.left(point);
    const QStringView fractionPart = point < 0 ? QStringView() : format.mid(point + 1);
    const bool grouping = integerPart.contains(QLatin1Char(','));
    const int minInteger = static_cast<int>(integerPart.count(QLatin1Char('0')));
    const int requiredDecimals = static_cast<int>(fractionPart.count(QLatin1Char('0')));
    const int maxDecimals = requiredDecimals + static_cast<int>(fractionPart.count(QLatin1Char('#')));

    TDecimalDigits d = RoundedDigits(value, maxDecimals);
    QString fraction = d.fractionDigits;
    while (fraction.size() > requiredDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);

    QString integer = d.integerDigits;
    if (integer == QLatin1String("0"))
        integer.clear();
    if (integer.size() < minInteger)
        integer.prepend(QString(minInteger - integer.size(), QLatin1Char('0')));

    if (grouping && integer.size() > 3) {
        const QString separator = locale.groupSeparator();
        QString grouped;
        const qsizetype n = integer.size();
        for (qsizetype i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0)
                grouped += separator;
            grouped += integer.at(i);
        }
        integer = grouped;
    }

    QString text = integer;
    if (!fraction.isEmpty())
        text += locale.decimalPoint() + fraction;
    if (text.isEmpty())
        text = QStringLiteral("0");
    if (d.negative)
        text.prepend(locale.negativeSign());
    return text;
}

} // namespace datasnap
