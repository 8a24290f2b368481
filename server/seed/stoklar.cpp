// The catalogue: items, their pictures and the search index.

#include "server/seed/adlar.h"
#include "server/seed/kodlar.h"
#include "server/seed/resimler.h"
#include "server/seed/tohum_ic.h"
#include "server/store/arama.h"
#include "server/store/fiyat.h"
#include "server/store/veritabani.h"

#include <cmath>

namespace {

const QStringList stokSutunlari = {
    QStringLiteral("STOK_STOKNO"),
    QStringLiteral("KOD"),
    QStringLiteral("ADI"),
    QStringLiteral("DIGERADI"),
    QStringLiteral("OEM1"),
    QStringLiteral("OEM2"),
    QStringLiteral("OEM3"),
    QStringLiteral("OEM4"),
    QStringLiteral("OEMNO"),
    QStringLiteral("BARKOD"),
    QStringLiteral("BARKOD_BARKODNO"),
    QStringLiteral("MARKA"),
    QStringLiteral("MODEL"),
    QStringLiteral("FINISHKOD"),
    QStringLiteral("URETICIKODU"),
    QStringLiteral("ANAGRUP"),
    QStringLiteral("ALTGRUP"),
    QStringLiteral("DEPARTMAN"),
    QStringLiteral("OZELKOD"),
    QStringLiteral("PKOD"),
    QStringLiteral("DPKOD"),
    QStringLiteral("BIRIM"),
    QStringLiteral("KDV"),
    QStringLiteral("LISTEFIYAT1"),
    QStringLiteral("KAMPFIYAT"),
    QStringLiteral("K"),
    QStringLiteral("Y"),
    QStringLiteral("KALAN"),
    QStringLiteral("DURUM"),
    QStringLiteral("RESIM"),
    QStringLiteral("VERILENSIPARIS"),
};

// Brands that make parts of each main group, and the vehicles' shares, computed once.
struct TSecimTablolari {
    std::vector<std::vector<int>> grubunMarkalari;
    std::vector<int> aracAgirliklari;

    TSecimTablolari() {
        grubunMarkalari.resize(AnaGruplar().size());
        for (size_t m = 0; m < UreticiMarkalar().size(); ++m) {
            const QStringList gruplar = Parcala(UreticiMarkalar()[m].gruplar, ',');
            for (size_t g = 0; g < grubunMarkalari.size(); ++g) {
                if (gruplar.isEmpty() || gruplar.contains(QString::number(g)))
                    grubunMarkalari[g].push_back(static_cast<int>(m));
            }
        }
        for (const TArac& arac : Araclar())
            aracAgirliklari.push_back(arac.agirlik);
    }
};

const TSecimTablolari& SecimTablolari() {
    static const TSecimTablolari tablolar;
    return tablolar;
}

QString KalipSec(TRastgele& r, const char* kaliplar) {
    const QStringList secenekler = Parcala(kaliplar, '|');
    return KalipDoldur(secenekler.at(r.Aralik(0, static_cast<int>(secenekler.size()) - 1)), r);
}

QString EkOem(TRastgele& r, const TArac& arac, double olasilik) {
    return r.Olasilik(olasilik) ? KalipSec(r, arac.oemKaliplari) : QString();
}

// A list price ending in ,90 within the part's range, scaled by the brand.
double ListeFiyati(TRastgele& r, const TParcaTuru& parca, const TUreticiMarka& marka) {
    const double taban = r.Tutar(parca.fiyatAlt, parca.fiyatUst) * marka.fiyatCarpani;
    return std::floor(taban) + 0.9;
}

// Stock state: in stock when there is stock, otherwise one of the other states; a few items
// carry no state at all.
QVariant StokDurumu(TRastgele& r, double kalan) {
    static const int durumlar[] = {0, 2, 3, 4, 5};
    static const int agirliklar[] = {40, 15, 20, 10, 15};
    if (r.Olasilik(0.007))
        return {};
    if (kalan > 0)
        return 1;
    return durumlar[r.Agirlikli(agirliklar)];
}

double VerilenSiparis(TRastgele& r, const QVariant& durum) {
    if (durum == QVariant(3))
        return r.Aralik(10, 120);
    if (durum == QVariant(5))
        return r.Aralik(5, 60);
    return r.Olasilik(0.08) ? r.Aralik(5, 50) : 0;
}

QString OzelKod(double listeFiyati) {
    if (listeFiyati < 500)
        return QStringLiteral("C");
    return listeFiyati < 2500 ? QStringLiteral("B") : QStringLiteral("A");
}

struct TUretilenStok {
    QVariantList satir;
    TCizim cizim;
    QString kod, marka;
};

class TStokUretici {
public:
    explicit TStokUretici(TRastgele& rastgele)
        : r(rastgele) {}

    TUretilenStok Uret(int stokNo);

private:
    QString Barkod(const TUreticiMarka& marka, int markaSirasi);

    TRastgele& r;
    std::map<int, int> m_markaSayaclari;
};

QString TStokUretici::Barkod(const TUreticiMarka& marka, int markaSirasi) {
    // 869 (Türkiye), the brand's company number, the brand's running number: unique per item.
    const int sira = ++m_markaSayaclari[markaSirasi] % 100000;
    return Ean13(QStringLiteral("869") + Yazi(marka.firmaKodu) +
                 QStringLiteral("%1").arg(sira, 5, 10, QLatin1Char('0')));
}

TUretilenStok TStokUretici::Uret(int stokNo) {
    const TSecimTablolari& tablolar = SecimTablolari();
    const TParcaTuru& parca = r.Sec(ParcaTurleri());
    const TAnaGrup& grup = AnaGruplar()[static_cast<size_t>(parca.anaGrup)];
    const std::span<const TKonum> konumlar = Konumlar(parca.konumlar);
    const TKonum* konum = konumlar.empty() ? nullptr : &r.Sec(konumlar);
    const TArac& arac = Araclar()[static_cast<size_t>(r.Agirlikli(tablolar.aracAgirliklari))];
    const int markaSirasi = r.Sec(std::span<const int>(tablolar.grubunMarkalari[static_cast<size_t>(parca.anaGrup)]));
    const TUreticiMarka& marka = UreticiMarkalar()[static_cast<size_t>(markaSirasi)];

    const QString adi = konum ? Yazi(parca.adi) + QLatin1Char(' ') + Yazi(konum->adi) : Yazi(parca.adi);
    const QString digerAdi =
        konum ? Yazi(parca.digerAdi) + QLatin1Char(' ') + Yazi(konum->digerAdi) : Yazi(parca.digerAdi);
    const QString kod = Yazi(grup.kisaKod) + QStringLiteral(".%1").arg(stokNo, 6, 10, QLatin1Char('0'));
    const QString oem1 = KalipSec(r, arac.oemKaliplari);
    const QString oem2 = EkOem(r, arac, 0.45);
    const QString oem3 = EkOem(r, arac, 0.15);
    const QString oem4 = EkOem(r, arac, 0.05);
    const QString ureticiKodu = KalipSec(r, marka.kaliplar);
    const bool ford = qstrcmp(arac.uretici, "FORD") == 0;
    const QString finishKod = ford ? r.Rakamlar(7) : QString();
    const double liste = ListeFiyati(r, parca, marka);
    const int k = r.Olasilik(0.06) ? 1 : 0;
    const double kampanya = k ? Yuvarla2(liste * (0.72 + 0.2 * r.Oran())) : 0.0;
    const int y = r.Olasilik(0.04) ? 1 : 0;
    const double kalan = r.Olasilik(0.62) ? r.Aralik(1, 250) : 0;
    const QVariant durum = StokDurumu(r, kalan);
    const double verilen = VerilenSiparis(r, durum);
    const QString pKod = QStringLiteral("P%1").arg(r.Aralik(10, 99));
    const QString dpKod = QStringLiteral("DP") + r.Rakamlar(3);
    QString oemNo = oem1;
    oemNo.remove(QLatin1Char(' '));

    TUretilenStok s;
    s.cizim = parca.cizim;
    s.kod = kod;
    s.marka = Yazi(marka.adi);
    s.satir = {stokNo,
               kod,
               adi,
               digerAdi,
               oem1,
               oem2,
               oem3,
               oem4,
               oemNo,
               Barkod(marka, markaSirasi),
               100000 + stokNo,
               s.marka,
               Yazi(arac.uretici) + QLatin1Char(' ') + Yazi(arac.model),
               finishKod,
               ureticiKodu,
               Yazi(grup.adi),
               Yazi(parca.altGrup),
               Yazi(arac.departman),
               OzelKod(liste),
               pKod,
               dpKod,
               Yazi(parca.birim),
               20.0,
               liste,
               kampanya,
               k,
               y,
               kalan,
               durum,
               0,
               verilen};
    return s;
}

} // namespace

void StoklariYaz(TTohumBaglami& b) {
    TRastgele r = b.Akis(1);
    TRastgele resimSecimi = b.Akis(11);
    TEkleyici stok(b.db, QStringLiteral("STOKLAR"), stokSutunlari);
    TEkleyici resim(b.db, QStringLiteral("STOK_RESIMLERI"), {QStringLiteral("STOK_STOKNO"), QStringLiteral("RESIM")});
    const int resimSutunu = static_cast<int>(stokSutunlari.indexOf(QStringLiteral("RESIM")));
    TStokUretici uretici(r);
    TStokResmiCizici cizici;
    for (int stokNo = 1; stokNo <= b.StokAdedi(); ++stokNo) {
        TUretilenStok s = uretici.Uret(stokNo);
        const bool resimli = resimSecimi.Olasilik(b.ayarlar.resimOrani);
        s.satir[resimSutunu] = resimli ? 1 : 0;
        stok.Ekle(s.satir);
        if (resimli)
            resim.Ekle({stokNo, cizici.Ciz(s.cizim, s.kod, s.marka)});
    }
    StokDiziniKur(b.db);
}

TStokOzeti StokOku(const QSqlDatabase& db, int stokNo) {
    QSqlQuery sorgu = Calistir(db,
                               QStringLiteral("SELECT BARKOD, ADI, MARKA, ANAGRUP, K, LISTEFIYAT1, KAMPFIYAT, KDV "
                                              "FROM STOKLAR WHERE STOK_STOKNO = ?"),
                               {stokNo});
    if (!sorgu.next())
        throw TVeritabaniHatasi(QStringLiteral("Stok yok: %1").arg(stokNo));
    return {stokNo,
            sorgu.value(0).toString(),
            sorgu.value(1).toString(),
            sorgu.value(2).toString(),
            sorgu.value(3).toString(),
            sorgu.value(4).toInt(),
            sorgu.value(5).toDouble(),
            sorgu.value(6).toDouble(),
            sorgu.value(7).toDouble()};
}

TSatirFiyati SatirFiyati(const TStokOzeti& stok, const TCariIndirimleri& indirimler) {
    const TStokFiyati f = StokFiyatiHesapla(stok.k, stok.listeFiyati, stok.kampanyaFiyati, stok.kdv,
                                            indirimler.Bul(stok.marka, stok.anaGrup));
    return {f.fiyat, f.indirim};
}
