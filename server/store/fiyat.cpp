#include "server/store/fiyat.h"

#include "platform/datasnap/numberformat.h"
#include "server/store/veritabani.h"

#include <QStringList>
#include <cmath>
#include <utility>

double Yuvarla2(double deger) {
    // The client's rounding, so that totals on screen and on the server agree to the cent.
    return datasnap::RoundHalfAway(deger, 2);
}

double TIndirimOranlari::NetFiyat(double fiyat) const {
    double net = fiyat;
    for (const double r : oran)
        net *= 1.0 - r / 100.0;
    return Yuvarla2(net);
}

QString TIndirimOranlari::Yazi() const {
    QStringList parcalar;
    for (const double r : oran) {
        if (r > 0)
            parcalar.append(QString::number(Yuvarla2(r), 'g', 12).replace(QLatin1Char('.'), QLatin1Char(',')));
    }
    return parcalar.join(QLatin1Char('+'));
}

bool TIndirimOranlari::Bos() const {
    for (const double r : oran) {
        if (r != 0)
            return false;
    }
    return true;
}

TSatirTutarlari SatirTutarlariHesapla(double miktar, double birimFiyat, const TIndirimOranlari& indirim, double kdv) {
    TSatirTutarlari t;
    t.tutar = Yuvarla2(miktar * birimFiyat);
    t.netBirimFiyat = indirim.NetFiyat(birimFiyat);
    t.netTutar = Yuvarla2(miktar * t.netBirimFiyat);
    t.indirimTutar = Yuvarla2(t.tutar - t.netTutar);
    t.vergiTutari = Yuvarla2(t.netTutar * kdv / 100.0);
    t.kdvliTutar = Yuvarla2(t.netTutar + t.vergiTutari);
    return t;
}

TStokFiyati StokFiyatiHesapla(int k, double listeFiyati, double kampanyaFiyati, double kdv,
                              const TIndirimOranlari& cariIndirimi) {
    return StokFiyatiHesapla(k, listeFiyati, kampanyaFiyati, kdv, TCariIndirimi{cariIndirimi, cariIndirimi.Yazi()});
}

TStokFiyati StokFiyatiHesapla(int k, double listeFiyati, double kampanyaFiyati, double kdv,
                              const TCariIndirimi& cariIndirimi) {
    TStokFiyati f;
    if (k > 0 && kampanyaFiyati > 0) {
        f.fiyat = kampanyaFiyati;
        if (listeFiyati > kampanyaFiyati)
            f.indirimYazi = QStringLiteral("%%1").arg(std::lround((1.0 - kampanyaFiyati / listeFiyati) * 100.0));
    } else {
        f.fiyat = listeFiyati;
        f.indirim = cariIndirimi.oranlar;
        f.indirimYazi = cariIndirimi.yazi;
    }
    f.netFiyat = f.indirim.NetFiyat(f.fiyat);
    f.kdvDahil = Yuvarla2(f.netFiyat * (1.0 + kdv / 100.0));
    return f;
}

TCariIndirimleri TCariIndirimleri::Yukle(const QSqlDatabase& db, int cariNo) {
    TCariIndirimleri sonuc;
    sonuc.m_genel.oranlar.oran[0] =
        TekDeger(db, QStringLiteral("SELECT INDIRIM FROM CARILER WHERE CARINO = ?"), {cariNo}).toDouble();
    sonuc.m_genel.yazi = sonuc.m_genel.oranlar.Yazi();
    QSqlQuery sorgu = Calistir(db,
                               QStringLiteral("SELECT MARKA, ANAGRUP, IND1, IND2, IND3, IND4 FROM CARI_INDIRIMLERI "
                                              "WHERE CARINO = ? ORDER BY SIRANO"),
                               {cariNo});
    while (sorgu.next()) {
        TKural kural;
        kural.marka = sorgu.value(0).toString();
        kural.anaGrup = sorgu.value(1).toString();
        kural.markaUtf8 = kural.marka.toUtf8();
        kural.anaGrupUtf8 = kural.anaGrup.toUtf8();
        for (int i = 0; i < 4; ++i)
            kural.indirim.oranlar.oran[static_cast<size_t>(i)] = sorgu.value(2 + i).toDouble();
        kural.indirim.yazi = kural.indirim.oranlar.Yazi();
        sonuc.m_kurallar.push_back(std::move(kural));
    }
    return sonuc;
}

// `uyar(kural)` tells whether the rule's brand and its group (each empty = any) fit the item.
template <class TUyar> const TCariIndirimleri::TKural* TCariIndirimleri::KuralBul(const TUyar& uyar) const {
    const TKural* enIyi = nullptr;
    int enIyiPuan = -1;
    for (const TKural& kural : m_kurallar) {
        const auto [markaUyar, grupUyar] = uyar(kural);
        if (!markaUyar || !grupUyar)
            continue;
        // A matching brand weighs more than a matching group.
        const int puan = (kural.marka.isEmpty() ? 0 : 2) + (kural.anaGrup.isEmpty() ? 0 : 1);
        if (puan > enIyiPuan) {
            enIyi = &kural;
            enIyiPuan = puan;
        }
    }
    return enIyi;
}

TIndirimOranlari TCariIndirimleri::Bul(const QString& marka, const QString& anaGrup) const {
    const TKural* kural = KuralBul([&](const TKural& k) {
        return std::pair(k.marka.isEmpty() || k.marka == marka, k.anaGrup.isEmpty() || k.anaGrup == anaGrup);
    });
    return kural ? kural->indirim.oranlar : m_genel.oranlar;
}

const TCariIndirimi& TCariIndirimleri::BulUtf8(QByteArrayView marka, QByteArrayView anaGrup) const {
    const TKural* kural = KuralBul([&](const TKural& k) {
        return std::pair(k.marka.isEmpty() || k.markaUtf8 == marka, k.anaGrup.isEmpty() || k.anaGrupUtf8 == anaGrup);
    });
    return kural ? kural->indirim : m_genel;
}
