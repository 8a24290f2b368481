#pragma once

#include "server/seed/rastgele.h"

#include <QString>

// Fills a code pattern: '#' a digit, '@' a letter, '?' a letter or a digit; any other character
// is copied ("1K0 ### ### @" → "1K0 698 151 A").
QString KalipDoldur(QStringView kalip, TRastgele& rastgele);

// The EAN-13 barcode of twelve digits: the digits followed by their check digit.
QString Ean13(const QString& onikiRakam);
