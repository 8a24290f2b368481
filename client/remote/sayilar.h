#pragma once

#include "platform/datasnap/numberformat.h"

#include <QLocale>
#include <QString>

namespace datasnap {
class TClientDataSet;
}

// Display format of money amounts and other floating-point columns: thousands grouped, two
// decimals, at least one digit before the decimal sign; separators from the locale.
inline const QString SayiBicimi = datasnap::kFloatDisplayFormat.toString();

// Gives every plain floating-point field (not currency, BCD or integer fields) the display format
// SayiBicimi. A null data set is left alone.
void SayiBicimiUygula(datasnap::TClientDataSet* veri);

// `deger` rounded to two decimals, halves away from zero, judged on its decimal text (1.005 gives
// 1.01, -2.675 gives -2.68).
double Yuvarla(double deger);

// `deger` written with SayiBicimi under `yerel` (the user's regional settings by default).
QString ParaYaz(double deger, const QLocale& yerel = QLocale());
