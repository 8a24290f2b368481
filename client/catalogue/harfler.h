#pragma once

#include <QString>

namespace katalog {

// The replacement of Turkish letters typed into the search box: ğ→g, ü→u, ş→s, ö→o, ç→c (and
// their capitals), İ and ı→I. Other text is returned as it is.
QString YazilanHarfiDegistir(const QString& yazi);

} // namespace katalog
