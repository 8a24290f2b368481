// Baskets and orders with their lines, states and delivered quantities.

#include "server/seed/adlar.h"
#include "server/seed/tohum_ic.h"
#include "server/store/fiyat.h"

#include <algorithm>
#include <set>

namespace {

constexpr int demoCariAdedi = 2; // the demo dealers BAYI3 and BAYI4

enum TDurum { Alindi = 1, Onaylandi, Goruldu, ParcaliHazirlandi, Hazirlandi, SevkEdildi };

// Lines of a basket and of an order share these columns, in this order.
const QStringList satirSutunlari = {
    QStringLiteral("STOK_STOKNO"),
    QStringLiteral("BARKOD"),
    QStringLiteral("STOKADI"),
    QStringLiteral("MIKTAR"),
    QStringLiteral("BIRIMFIYAT"),
    QStringLiteral("INDIRIMORANI1"),
    QStringLiteral("INDIRIMORANI2"),
    QStringLiteral("INDIRIMORANI3"),
    QStringLiteral("INDIRIMORANI4"),
    QStringLiteral("NETBIRIMFIYAT"),
    QStringLiteral("TUTAR"),
    QStringLiteral("INDIRIMTUTAR"),
    QStringLiteral("NETTUTAR"),
    QStringLiteral("KDV"),
    QStringLiteral("VERGITUTARI"),
    QStringLiteral("KDVLITUTAR"),
    QStringLiteral("K"),
    QStringLiteral("VEREN"),
    QStringLiteral("VERENIDNO"),
    QStringLiteral("VERENSIRANO"),
    QStringLiteral("TARIH"),
    QStringLiteral("SAAT"),
};

QVariantList SatirDegerleri(const TStokOzeti& stok, const TSatirFiyati& fiyat, double miktar, const TCariOzeti& cari,
                            const TTohumBaglami::TAn& an) {
    const TSatirTutarlari t = SatirTutarlariHesapla(miktar, fiyat.birimFiyat, fiyat.indirim, stok.kdv);
    const auto& o = fiyat.indirim.oran;
    return {stok.stokNo,  stok.barkod,    stok.adi,   miktar,         fiyat.birimFiyat,
            o[0],         o[1],           o[2],       o[3],           t.netBirimFiyat,
            t.tutar,      t.indirimTutar, t.netTutar, stok.kdv,       t.vergiTutari,
            t.kdvliTutar, stok.k,         cari.veren, cari.verenIdNo, cari.verenSiraNo,
            an.ole,       an.saat};
}

// Distinct random items.
std::vector<int> StokSec(TRastgele& r, int adet, int stokAdedi) {
    std::vector<int> secilenler;
    std::set<int> gorulenler;
    adet = std::min(adet, stokAdedi);
    while (static_cast<int>(secilenler.size()) < adet) {
        const int no = r.Aralik(1, stokAdedi);
        if (gorulenler.insert(no).second)
            secilenler.push_back(no);
    }
    return secilenler;
}

double Miktar(TRastgele& r, double listeFiyati) {
    return listeFiyati > 3000 ? r.Aralik(1, 3) : r.Aralik(1, 12);
}

struct TSiparisPlani {
    int geriGun;
    int durum;
};

// The demo dealers have one order in every state (newest first: received … shipped) and older
// shipped ones; the other customers have a few orders whose state follows their age, and most
// of them one recent order still in progress, so that every state lists several customers.
std::vector<TSiparisPlani> SiparisPlanlari(TRastgele& r, int cariNo) {
    std::vector<TSiparisPlani> planlar;
    if (cariNo <= demoCariAdedi) {
        const int gunler[] = {1, 2, 3, 5, 8, 12};
        for (int d = Alindi; d <= SevkEdildi; ++d)
            planlar.push_back({gunler[d - 1], d});
        for (int i = 0; i < 6; ++i)
            planlar.push_back({r.Aralik(15, 180), SevkEdildi});
    } else {
        const int adet = r.Aralik(2, 9);
        for (int i = 0; i < adet; ++i) {
            const int gun = r.Aralik(1, 180);
            int durum = SevkEdildi;
            if (gun <= 3)
                durum = r.Aralik(Alindi, Goruldu);
            else if (gun <= 10)
                durum = r.Aralik(ParcaliHazirlandi, SevkEdildi);
            planlar.push_back({gun, durum});
        }
        if (r.Olasilik(0.6)) {
            const int gun = r.Aralik(1, 7);
            planlar.push_back({gun, r.Aralik(Alindi, Hazirlandi)});
        }
    }
    std::stable_sort(planlar.begin(), planlar.end(),
                     [](const TSiparisPlani& a, const TSiparisPlani& b) { return a.geriGun > b.geriGun; });
    return planlar;
}

struct TTeslimat {
    double teslimEdilen = 0;
    int kapandi = 0;
};

// Delivered quantities: nothing before shipping, except a partly prepared order that went
// out in part; a shipped order is mostly complete, with some shortages left open or closed.
TTeslimat Teslimat(TRastgele& r, int durum, double miktar) {
    if (durum == ParcaliHazirlandi) {
        const int secim = r.Aralik(0, 9);
        if (secim < 5)
            return {miktar, 0};
        if (secim < 8 && miktar > 1)
            return {static_cast<double>(r.Aralik(1, static_cast<int>(miktar) - 1)), 0};
        return {};
    }
    if (durum != SevkEdildi)
        return {};
    if (r.Olasilik(0.8) || miktar <= 1)
        return {miktar, 0};
    const double kismen = r.Aralik(1, static_cast<int>(miktar) - 1);
    return {kismen, r.Olasilik(0.25) ? 1 : 0};
}

class TSiparisYazici {
public:
    explicit TSiparisYazici(TTohumBaglami& b)
        : m_b(b)
        , r(b.Akis(4))
        , m_siparis(b.db, QStringLiteral("SIPARISLER"),
                    {QStringLiteral("IDNO"), QStringLiteral("CARINO"), QStringLiteral("TARIH"), QStringLiteral("SAAT"),
                     QStringLiteral("DURUM"), QStringLiteral("TESLIMID"), QStringLiteral("KARGOTURID"),
                     QStringLiteral("KARGOID"), QStringLiteral("VEREN"), QStringLiteral("VERENIDNO"),
                     QStringLiteral("SATICINO"), QStringLiteral("VERENINNOTU"), QStringLiteral("ALANNOTU"),
                     QStringLiteral("SATICINOTU")})
        , m_satir(b.db, QStringLiteral("SIPARIS_SATIRLARI"),
                  QStringList{QStringLiteral("SIRANO"), QStringLiteral("IDNO"), QStringLiteral("SEPETSIRANO"),
                              QStringLiteral("TESLIMEDILEN"), QStringLiteral("KAPANDI"), QStringLiteral("ILKFIYAT")} +
                      satirSutunlari) {}

    void CariYaz(const TCariOzeti& cari);

private:
    void SiparisYaz(const TCariOzeti& cari, const TCariIndirimleri& indirimler, const TSiparisPlani& plan);
    void SatirlariYaz(const TCariOzeti& cari, const TCariIndirimleri& indirimler, const TSiparisPlani& plan,
                      const TTohumBaglami::TAn& an);

    TTohumBaglami& m_b;
    TRastgele r;
    TEkleyici m_siparis, m_satir;
    int m_siparisNo = 0, m_satirNo = 0, m_sepetNo = 100000;
};

void TSiparisYazici::CariYaz(const TCariOzeti& cari) {
    const TCariIndirimleri indirimler = TCariIndirimleri::Yukle(m_b.db, cari.cariNo);
    for (const TSiparisPlani& plan : SiparisPlanlari(r, cari.cariNo))
        SiparisYaz(cari, indirimler, plan);
}

void TSiparisYazici::SiparisYaz(const TCariOzeti& cari, const TCariIndirimleri& indirimler, const TSiparisPlani& plan) {
    const TTohumBaglami::TAn an = m_b.An(plan.geriGun, r);
    const int teslim = r.Sec(std::span<const int>(m_b.teslimSekilleri));
    const int kargoTuru = r.Aralik(1, static_cast<int>(m_b.kargoFirmalari.size()));
    const int kargo = r.Sec(std::span<const int>(m_b.kargoFirmalari.at(kargoTuru)));
    const QString mesaj = Yazi(r.Sec(SiparisMesajlari()));
    const QString not_ = plan.durum > Alindi ? Yazi(r.Sec(DagiticiNotlari())) : QString();
    const QString saticiNotu = r.Olasilik(0.15) ? QStringLiteral("Müşteri ile telefonda görüşüldü.") : QString();
    m_siparis.Ekle({++m_siparisNo, cari.cariNo, an.ole, an.saat, plan.durum, teslim, kargoTuru, kargo, cari.veren,
                    cari.verenIdNo, cari.saticiNo, mesaj, not_, saticiNotu});
    SatirlariYaz(cari, indirimler, plan, an);
}

void TSiparisYazici::SatirlariYaz(const TCariOzeti& cari, const TCariIndirimleri& indirimler, const TSiparisPlani& plan,
                                  const TTohumBaglami::TAn& an) {
    const int adet = r.Aralik(1, 7);
    for (const int stokNo : StokSec(r, adet, m_b.StokAdedi())) {
        const TStokOzeti stok = StokOku(m_b.db, stokNo);
        const TSatirFiyati fiyat = SatirFiyati(stok, indirimler);
        const double miktar = Miktar(r, stok.listeFiyati);
        const TTeslimat teslimat = Teslimat(r, plan.durum, miktar);
        m_satir.Ekle(QVariantList{++m_satirNo, m_siparisNo, ++m_sepetNo, teslimat.teslimEdilen, teslimat.kapandi,
                                  fiyat.birimFiyat} +
                     SatirDegerleri(stok, fiyat, miktar, cari, an));
    }
}

} // namespace

void SepetleriYaz(TTohumBaglami& b) {
    TRastgele r = b.Akis(3);
    TEkleyici sepet(b.db, QStringLiteral("SEPET"),
                    QStringList{QStringLiteral("SIRANO"), QStringLiteral("CARINO"), QStringLiteral("SEC")} +
                        satirSutunlari);
    int siraNo = 0;
    for (const TCariOzeti& cari : b.cariler) {
        const bool demo = cari.cariNo <= demoCariAdedi;
        const int adet = demo ? r.Aralik(3, 5) : (r.Olasilik(0.35) ? r.Aralik(1, 6) : 0);
        const TCariIndirimleri indirimler = TCariIndirimleri::Yukle(b.db, cari.cariNo);
        int sira = 0;
        for (const int stokNo : StokSec(r, adet, b.StokAdedi())) {
            const TStokOzeti stok = StokOku(b.db, stokNo);
            const double miktar = Miktar(r, stok.listeFiyati);
            // The demo baskets alternate marked and unmarked lines, starting with a marked one.
            const int sec = demo ? (sira++ % 2 == 0 ? 1 : 0) : (r.Olasilik(0.5) ? 1 : 0);
            const TTohumBaglami::TAn an = b.An(r.Aralik(0, 3), r);
            sepet.Ekle(QVariantList{++siraNo, cari.cariNo, sec} +
                       SatirDegerleri(stok, SatirFiyati(stok, indirimler), miktar, cari, an));
        }
    }
}

void SiparisleriYaz(TTohumBaglami& b) {
    TSiparisYazici yazici(b);
    for (const TCariOzeti& cari : b.cariler)
        yazici.CariYaz(cari);
}
