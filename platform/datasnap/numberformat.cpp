#include "platform/datasnap/numberformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace datasnap {

namespace {

// The rounded digits as plain characters; the shared core of RoundedDigits and RoundHalfAway
// (kept free of QString so that pricing a thousand rows stays cheap).
struct TRawDigits {
    bool negative = false;
    std::string integer;  // at least "0"
    std::string fraction; // exactly `decimals` digits
};

TRawDigits RoundRaw(double value, int decimals) {
    TRawDigits out;
    out.negative = std::signbit(value) && value != 0.0;
    if (!std::isfinite(value) || decimals < 0 || decimals > 30) {
        out.integer.assign(1, '0');
        out.fraction.assign(static_cast<size_t>(std::max(decimals, 0)), '0');
        return out;
    }
    // Scientific text with 15 significant digits: d.dddddddddddddde±x
    char sci[40];
    const auto written = std::to_chars(sci, sci + sizeof sci, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view text(sci, static_cast<size_t>(written.ptr - sci));
    const size_t ePos = text.find('e');
    std::string digits;
    digits.reserve(48);
    for (const char c : text.substr(0, ePos))
        if (c != '.')
            digits.push_back(c);
    int exponent = 0;
    std::from_chars(text.data() + ePos + 1 + (text[ePos + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);

    // All digits with the decimal point after position `pointAt`.
    int pointAt = exponent + 1;
    if (pointAt <= 0) {
        digits = std::string(static_cast<size_t>(-pointAt + 1), '0') + digits;
        pointAt = 1;
    }
    const int needed = pointAt + decimals;
    if (static_cast<int>(digits.size()) < needed + 1)
        digits.append(static_cast<size_t>(needed + 1 - static_cast<int>(digits.size())), '0');

    std::string kept = digits.substr(0, static_cast<size_t>(needed));
    if (digits[static_cast<size_t>(needed)] >= '5') {
        int i = needed - 1;
        for (; i >= 0; --i) {
            if (kept[static_cast<size_t>(i)] == '9') {
                kept[static_cast<size_t>(i)] = '0';
            } else {
                ++kept[static_cast<size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            kept = '1' + kept;
            ++pointAt;
        }
    }
    out.integer = kept.substr(0, static_cast<size_t>(pointAt));
    const size_t firstNonZero = out.integer.find_first_not_of('0');
    out.integer = firstNonZero == std::string::npos ? std::string(1, '0') : out.integer.substr(firstNonZero);
    out.fraction = kept.substr(static_cast<size_t>(pointAt));
    if (out.integer == "0" && out.fraction.find_first_not_of('0') == std::string::npos)
        out.negative = false; // no "-0,00"
    return out;
}

} // namespace

TDecimalDigits RoundedDigits(double value, int decimals) {
    const TRawDigits raw = RoundRaw(value, decimals);
    TDecimalDigits out;
    out.negative = raw.negative;
    out.integerDigits = QString::fromLatin1(raw.integer.data(), static_cast<qsizetype>(raw.integer.size()));
    out.fractionDigits = QString::fromLatin1(raw.fraction.data(), static_cast<qsizetype>(raw.fraction.size()));
    return out;
}

double RoundHalfAway(double value, int decimals) {
    if (!std::isfinite(value))
        return value;
    const TRawDigits raw = RoundRaw(value, decimals);
    std::string text = raw.integer;
    if (!raw.fraction.empty())
        text += '.' + raw.fraction;
    double magnitude = 0;
    std::from_chars(text.data(), text.data() + text.size(), magnitude);
    return raw.negative ? -magnitude : magnitude;
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
