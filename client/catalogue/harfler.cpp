#include "client/catalogue/harfler.h"

namespace katalog {

namespace {

QChar Degistir(QChar harf) {
    switch (harf.unicode()) {
    case u'ğ':
        return u'g';
    case u'Ğ':
        return u'G';
    case u'ü':
        return u'u';
    case u'Ü':
        return u'U';
    case u'ş':
        return u's';
    case u'Ş':
        return u'S';
    case u'ö':
        return u'o';
    case u'Ö':
        return u'O';
    case u'ç':
        return u'c';
    case u'Ç':
        return u'C';
    case u'İ':
    case u'ı':
        return u'I';
    default:
        return harf;
    }
}

} // namespace

QString YazilanHarfiDegistir(const QString& yazi) {
    QString sonuc = yazi;
    for (QChar& harf : sonuc)
        harf = Degistir(harf);
    return sonuc;
}

} // namespace katalog
