#pragma once

#include <QLocale>
#include <QString>

namespace datasnap {

// The display format of money and other floating-point amounts: thousands grouped, two decimals.
inline constexpr QStringView kFloatDisplayFormat = u"#,###,##0.00";

// Decimal digits of |value| rounded to `decimals` places, halves away from zero, judged on the
// value's 15-significant-digit decimal text (so 1.005 and 2.675, held slightly low by binary
// doubles, round up as a person expects).
struct TDecimalDigits {
    bool negative = false;
    QString integerDigits;  // at least "0"
    QString fractionDigits; // exactly `decimals` digits
};
TDecimalDigits RoundedDigits(double value, int decimals);

// `value` rounded to `decimals` places, halves away from zero (see RoundedDigits).
double RoundHalfAway(double value, int decimals);

// Formats like a "#,##0.00" picture: '0' places are always written, '#' only when significant,
// a ',' before the decimal point groups thousands, '.' marks the decimal point. The locale gives
// the group and decimal separators and the minus sign.
QString FormatFloat(QStringView format, double value, const QLocale& locale = QLocale());

} // namespace datasnap
