#include "server/seed/kodlar.h"

QString KalipDoldur(QStringView kalip, TRastgele& rastgele) {
    QString kod;
    kod.reserve(kalip.size());
    for (const QChar c : kalip) {
        if (c == u'#')
            kod.append(rastgele.Rakam());
        else if (c == u'@')
            kod.append(rastgele.Harf());
        else if (c == u'?')
            kod.append(rastgele.Olasilik(0.5) ? rastgele.Harf() : rastgele.Rakam());
        else
            kod.append(c);
    }
    return kod;
}

QString Ean13(const QString& onikiRakam) {
    // Weights 1 and 3 alternate from the left; the check digit tops the sum up to a multiple of 10.
    int toplam = 0;
    for (int i = 0; i < 12; ++i)
        toplam += onikiRakam.at(i).digitValue() * (i % 2 == 0 ? 1 : 3);
    return onikiRakam + QChar(char16_t(u'0' + (10 - toplam % 10) % 10));
}
