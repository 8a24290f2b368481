// Account statements: an opening balance, an invoice for every delivery, some returns,
// collections (some by card through the virtual POS, with a PDF receipt) and payments.

#include "server/seed/resimler.h"
#include "server/seed/tohum_ic.h"
#include "server/store/fiyat.h"
#include "server/store/tarih.h"
#include "server/store/veritabani.h"

#include <algorithm>

namespace {

enum class THareketTuru { Devir, Satis, Iade, Tahsilat, Tediye };

struct TFaturaSatiri {
    int stokNo = 0;
    double miktar = 0, birimFiyat = 0, kdv = 0;
    TIndirimOranlari indirim;
    QString saat;
};

struct TTahsilatSatiri {
    QString cins;
    double tutar = 0;
    double vade = 0;
    QString ref, aciklama;
};

struct THareket {
    THareketTuru tur = THareketTuru::Devir;
    double tarih = 0;
    QString saat;
    double borc = 0, alacak = 0;
    int siparisNo = 0;                     // invoices: the order delivered
    std::vector<TFaturaSatiri> satirlar;   // invoices
    std::vector<TTahsilatSatiri> odemeler; // collections and payments
    bool sanalPos = false;
    QString aciklama;
};

double Toplam(const std::vector<TFaturaSatiri>& satirlar) {
    double net = 0, vergi = 0;
    for (const TFaturaSatiri& s : satirlar) {
        const TSatirTutarlari t = SatirTutarlariHesapla(s.miktar, s.birimFiyat, s.indirim, s.kdv);
        net += t.netTutar;
        vergi += t.vergiTutari;
    }
    return Yuvarla2(Yuvarla2(net) + Yuvarla2(vergi));
}

// Delivered order lines of a customer, one invoice per order.
std::vector<THareket> Faturalar(TTohumBaglami& b, TRastgele& r, const TCariOzeti& cari) {
    QSqlQuery sorgu =
        Calistir(b.db,
                 QStringLiteral("SELECT s.IDNO, s.TARIH, l.STOK_STOKNO, l.TESLIMEDILEN, l.BIRIMFIYAT, l.INDIRIMORANI1, "
                                "l.INDIRIMORANI2, l.INDIRIMORANI3, l.INDIRIMORANI4, l.KDV FROM SIPARISLER s "
                                "JOIN SIPARIS_SATIRLARI l ON l.IDNO = s.IDNO WHERE s.CARINO = ? AND l.TESLIMEDILEN > 0 "
                                "ORDER BY s.IDNO, l.SIRANO"),
                 {cari.cariNo});
    std::vector<THareket> faturalar;
    const double bugun = b.Gun(0);
    while (sorgu.next()) {
        const int siparisNo = sorgu.value(0).toInt();
        if (faturalar.empty() || faturalar.back().siparisNo != siparisNo) {
            THareket f;
            f.tur = THareketTuru::Satis;
            const TTohumBaglami::TAn an = b.An(0, r);
            f.tarih = std::min(std::floor(sorgu.value(1).toDouble()) + r.Aralik(1, 2), bugun) + (an.ole - bugun);
            f.saat = an.saat;
            f.siparisNo = siparisNo;
            f.aciklama = QStringLiteral("Sipariş No: %1").arg(siparisNo);
            faturalar.push_back(std::move(f));
        }
        TFaturaSatiri s{
            sorgu.value(2).toInt(), sorgu.value(3).toDouble(), sorgu.value(4).toDouble(), sorgu.value(9).toDouble(), {},
            faturalar.back().saat};
        for (int i = 0; i < 4; ++i)
            s.indirim.oran[static_cast<size_t>(i)] = sorgu.value(5 + i).toDouble();
        faturalar.back().satirlar.push_back(s);
    }
    for (THareket& f : faturalar)
        f.borc = Toplam(f.satirlar);
    return faturalar;
}

// A return of part of one line of an invoice, some days later.
THareket Iade(TTohumBaglami& b, TRastgele& r, const THareket& fatura) {
    THareket iade;
    iade.tur = THareketTuru::Iade;
    const double bugun = b.Gun(0);
    const TTohumBaglami::TAn an = b.An(0, r);
    iade.tarih = std::min(std::floor(fatura.tarih) + r.Aralik(3, 15), bugun) + (an.ole - bugun);
    iade.saat = an.saat;
    TFaturaSatiri satir =
        fatura.satirlar.at(static_cast<size_t>(r.Aralik(0, static_cast<int>(fatura.satirlar.size()) - 1)));
    satir.miktar = r.Aralik(1, static_cast<int>(satir.miktar));
    satir.saat = an.saat;
    iade.satirlar.push_back(satir);
    iade.siparisNo = fatura.siparisNo;
    iade.alacak = Toplam(iade.satirlar);
    iade.aciklama = QStringLiteral("Hatalı / hasarlı ürün iadesi");
    return iade;
}

double Bakiye(const std::vector<THareket>& hareketler, double tarih) {
    double bakiye = 0;
    for (const THareket& h : hareketler) {
        if (h.tarih < tarih)
            bakiye += h.borc - h.alacak;
    }
    return bakiye;
}

std::vector<TTahsilatSatiri> OdemeSatirlari(TRastgele& r, double tutar, double tarih) {
    static const char* const cinsler[] = {"Nakit", "Çek", "Senet", "Havale/EFT"};
    static const char* const bankalar[] = {"Ziraat Bankası", "İş Bankası", "Garanti BBVA", "Yapı Kredi", "Akbank"};
    const int adet = r.Aralik(1, 3);
    std::vector<TTahsilatSatiri> satirlar;
    double kalan = tutar;
    for (int i = 0; i < adet; ++i) {
        const double pay = i == adet - 1 ? Yuvarla2(kalan) : Yuvarla2(kalan * (0.3 + 0.4 * r.Oran()));
        kalan -= pay;
        TTahsilatSatiri s;
        s.cins = Yazi(r.Sec(cinsler));
        s.tutar = pay;
        const bool vadeli = s.cins == QStringLiteral("Çek") || s.cins == QStringLiteral("Senet");
        s.vade = vadeli ? std::floor(tarih) + r.Aralik(30, 90) : std::floor(tarih);
        s.ref = vadeli ? QStringLiteral("%1-%2").arg(s.cins.toUpper()).arg(r.Aralik(100000, 999999)) : QString();
        s.aciklama = s.cins == QStringLiteral("Nakit") ? QStringLiteral("Elden tahsilat") : Yazi(r.Sec(bankalar));
        satirlar.push_back(s);
    }
    return satirlar;
}

THareket Tahsilat(TTohumBaglami& b, TRastgele& r, int geriGun, double tutar, bool sanalPos) {
    THareket h;
    h.tur = THareketTuru::Tahsilat;
    const TTohumBaglami::TAn an = b.An(geriGun, r);
    h.tarih = an.ole;
    h.saat = an.saat;
    h.alacak = tutar;
    h.sanalPos = sanalPos;
    if (sanalPos) {
        h.odemeler.push_back({QStringLiteral("Kredi Kartı"), tutar, std::floor(an.ole), QString(),
                              QStringLiteral("Sanal POS ile ödeme")});
        h.aciklama = QStringLiteral("Sanal POS tahsilatı");
    } else {
        h.odemeler = OdemeSatirlari(r, tutar, an.ole);
        h.aciklama = QStringLiteral("Tahsilat");
    }
    return h;
}

THareket Tediye(TTohumBaglami& b, TRastgele& r, int geriGun, double tutar) {
    THareket h;
    h.tur = THareketTuru::Tediye;
    const TTohumBaglami::TAn an = b.An(geriGun, r);
    h.tarih = an.ole;
    h.saat = an.saat;
    h.borc = tutar;
    h.odemeler.push_back(
        {QStringLiteral("Havale/EFT"), tutar, std::floor(an.ole), QString(), QStringLiteral("Fazla ödeme iadesi")});
    h.aciklama = QStringLiteral("Ödeme");
    return h;
}

// Roughly monthly, the customer pays part or all of what it owes; the first demo customer
// pays its first instalment by card and once gets money back.
void OdemeleriEkle(TTohumBaglami& b, TRastgele& r, const TCariOzeti& cari, std::vector<THareket>& hareketler) {
    bool ilk = true;
    for (int gun = 190 - r.Aralik(0, 15); gun >= 1; gun -= r.Aralik(20, 40)) {
        const double bakiye = Bakiye(hareketler, b.Gun(gun));
        if (bakiye <= 200)
            continue;
        const bool sanalPos = (cari.cariNo == 1 && ilk) || r.Olasilik(0.3);
        ilk = false;
        const double tutar = Yuvarla2(bakiye * (0.4 + 0.6 * r.Oran()));
        hareketler.push_back(Tahsilat(b, r, gun, tutar, sanalPos));
    }
    if (cari.cariNo == 1)
        hareketler.push_back(Tediye(b, r, 25, 250.0));
}

std::vector<THareket> CariHareketleri(TTohumBaglami& b, TRastgele& r, const TCariOzeti& cari) {
    std::vector<THareket> hareketler;
    if (r.Olasilik(0.8)) {
        THareket devir;
        devir.tur = THareketTuru::Devir;
        devir.tarih = b.Gun(200);
        devir.saat = QStringLiteral("00:00:00");
        devir.borc = r.Tutar(500, 15000);
        devir.aciklama = QStringLiteral("Önceki dönemden devir");
        hareketler.push_back(devir);
    }
    bool ilkFatura = true;
    for (THareket& fatura : Faturalar(b, r, cari)) {
        const bool iadeli = (cari.cariNo == 1 && ilkFatura) || r.Olasilik(0.12);
        ilkFatura = false;
        hareketler.push_back(fatura);
        if (iadeli)
            hareketler.push_back(Iade(b, r, fatura));
    }
    OdemeleriEkle(b, r, cari, hareketler);
    std::stable_sort(hareketler.begin(), hareketler.end(),
                     [](const THareket& a, const THareket& c) { return a.tarih < c.tarih; });
    return hareketler;
}

QString TurAdi(THareketTuru tur) {
    switch (tur) {
    case THareketTuru::Devir:
        return QStringLiteral("Devir");
    case THareketTuru::Satis:
        return QStringLiteral("Satış Faturası");
    case THareketTuru::Iade:
        return QStringLiteral("İade Faturası");
    case THareketTuru::Tahsilat:
        return QStringLiteral("Tahsilat");
    case THareketTuru::Tediye:
        return QStringLiteral("Tediye");
    }
    return {};
}

QString EvrakOneki(THareketTuru tur) {
    switch (tur) {
    case THareketTuru::Satis:
        return QStringLiteral("SF");
    case THareketTuru::Iade:
        return QStringLiteral("IF");
    case THareketTuru::Tahsilat:
        return QStringLiteral("TH");
    case THareketTuru::Tediye:
        return QStringLiteral("TD");
    case THareketTuru::Devir:
        break;
    }
    return QStringLiteral("DV");
}

class THesapYazici {
public:
    explicit THesapYazici(TTohumBaglami& b);
    void CariYaz(const TCariOzeti& cari);

private:
    void HareketYaz(const TCariOzeti& cari, const THareket& h);
    void FaturaYaz(const TCariOzeti& cari, const THareket& h, const QString& evrak);
    void OdemeYaz(const TCariOzeti& cari, const THareket& h, const QString& evrak);

    TTohumBaglami& m_b;
    TRastgele r;
    TEkleyici m_hareket, m_fatura, m_faturaSatiri, m_tahsilat, m_sanalPos;
    int m_hareketNo = 0, m_faturaSatirNo = 0, m_tahsilatNo = 0, m_posNo = 1000, m_evrakNo = 0;
};

THesapYazici::THesapYazici(TTohumBaglami& b)
    : m_b(b)
    , r(b.Akis(5))
    , m_hareket(b.db, QStringLiteral("CARI_HAREKETLER"),
                {QStringLiteral("IDNO"), QStringLiteral("CARINO"), QStringLiteral("TARIH"),
                 QStringLiteral("VADETARIHI"), QStringLiteral("TURADI"), QStringLiteral("EVRAK"),
                 QStringLiteral("BORC"), QStringLiteral("ALACAK"), QStringLiteral("ACIKLAMA")})
    , m_fatura(b.db, QStringLiteral("FATURALAR"),
               {QStringLiteral("IDNO"), QStringLiteral("EVRAKNO"), QStringLiteral("STOKHAR_HAREKETTARIHI"),
                QStringLiteral("STOKHAR_HAREKETTIPI2"), QStringLiteral("STOKHAR_VADE"), QStringLiteral("SATICINO"),
                QStringLiteral("IRSALIYEEVRAKNO"), QStringLiteral("STOKHAR_IRSTARIHI"), QStringLiteral("IRSALIYETIP2"),
                QStringLiteral("SIPARISIDNO"), QStringLiteral("TOPLAM"), QStringLiteral("TOPLAMINDIRIM"),
                QStringLiteral("MATRAH"), QStringLiteral("KDVTUTAR"), QStringLiteral("KDVDAHIL")})
    , m_faturaSatiri(b.db, QStringLiteral("FATURA_SATIRLARI"),
                     {QStringLiteral("SIRANO"), QStringLiteral("IDNO"), QStringLiteral("STOK_STOKNO"),
                      QStringLiteral("STOKHAR_MIKTAR"), QStringLiteral("STOKHAR_TLBIRIMFIYATI"),
                      QStringLiteral("STOKHAR_TLTUTAR"), QStringLiteral("STOKHAR_INDIRIM1"),
                      QStringLiteral("STOKHAR_INDIRIM2"), QStringLiteral("STOKHAR_INDIRIM3"),
                      QStringLiteral("STOKHAR_INDIRIM4"), QStringLiteral("STOKHAR_TOPLAMINDIRIM"),
                      QStringLiteral("STOKHAR_NETTLBIRIMFIYATI"), QStringLiteral("STOKHAR_NETTLTUTAR"),
                      QStringLiteral("KDV"), QStringLiteral("STOKHAR_TLVERGI"), QStringLiteral("STOKHAR_SAAT")})
    , m_tahsilat(b.db, QStringLiteral("TAHSILATLAR"),
                 {QStringLiteral("SIRANO"), QStringLiteral("IDNO"), QStringLiteral("TARIH"), QStringLiteral("SAAT"),
                  QStringLiteral("TURU"), QStringLiteral("CINS"), QStringLiteral("VADE"), QStringLiteral("TUTAR"),
                  QStringLiteral("EVRAKNO"), QStringLiteral("REF"), QStringLiteral("ACIKLAMA")})
    , m_sanalPos(b.db, QStringLiteral("SANALPOS_ODEMELERI"),
                 {QStringLiteral("SIRANO"), QStringLiteral("IDNO"), QStringLiteral("TARIH"), QStringLiteral("TUTAR"),
                  QStringLiteral("KARTNO"), QStringLiteral("ONAYKODU"), QStringLiteral("PDF")}) {}

void THesapYazici::CariYaz(const TCariOzeti& cari) {
    for (const THareket& h : CariHareketleri(m_b, r, cari))
        HareketYaz(cari, h);
}

void THesapYazici::HareketYaz(const TCariOzeti& cari, const THareket& h) {
    const QString evrak = h.tur == THareketTuru::Devir
                              ? QStringLiteral("DEVİR")
                              : EvrakOneki(h.tur) + OleTarihinden(h.tarih).toString(QStringLiteral("yyyy")) +
                                    QStringLiteral("%1").arg(++m_evrakNo, 6, 10, QLatin1Char('0'));
    const double vade = h.tur == THareketTuru::Satis ? std::floor(h.tarih) + cari.vade : std::floor(h.tarih);
    m_hareket.Ekle({++m_hareketNo, cari.cariNo, h.tarih, vade, TurAdi(h.tur), evrak, h.borc, h.alacak, h.aciklama});
    if (h.tur == THareketTuru::Satis || h.tur == THareketTuru::Iade)
        FaturaYaz(cari, h, evrak);
    else if (h.tur != THareketTuru::Devir)
        OdemeYaz(cari, h, evrak);
}

void THesapYazici::FaturaYaz(const TCariOzeti& cari, const THareket& h, const QString& evrak) {
    const bool satis = h.tur == THareketTuru::Satis;
    double toplam = 0, indirim = 0, matrah = 0, kdv = 0;
    for (const TFaturaSatiri& s : h.satirlar) {
        const TSatirTutarlari t = SatirTutarlariHesapla(s.miktar, s.birimFiyat, s.indirim, s.kdv);
        const auto& o = s.indirim.oran;
        m_faturaSatiri.Ekle({++m_faturaSatirNo, m_hareketNo, s.stokNo, s.miktar, s.birimFiyat, t.tutar, o[0], o[1],
                             o[2], o[3], t.indirimTutar, t.netBirimFiyat, t.netTutar, s.kdv, t.vergiTutari, s.saat});
        toplam += t.tutar;
        indirim += t.indirimTutar;
        matrah += t.netTutar;
        kdv += t.vergiTutari;
    }
    matrah = Yuvarla2(matrah);
    kdv = Yuvarla2(kdv);
    m_fatura.Ekle({m_hareketNo, evrak, h.tarih, TurAdi(h.tur), satis ? cari.vade : 0, cari.saticiNo,
                   QStringLiteral("IR") + evrak.mid(2), h.tarih,
                   satis ? QStringLiteral("Satış İrsaliyesi") : QStringLiteral("İade İrsaliyesi"), h.siparisNo,
                   Yuvarla2(toplam), Yuvarla2(indirim), matrah, kdv, Yuvarla2(matrah + kdv)});
}

void THesapYazici::OdemeYaz(const TCariOzeti& cari, const THareket& h, const QString& evrak) {
    int sira = 0;
    for (const TTahsilatSatiri& o : h.odemeler) {
        const QString ref = h.sanalPos ? QStringLiteral("POS-%1").arg(m_posNo + 1) : o.ref;
        m_tahsilat.Ekle({++m_tahsilatNo, m_hareketNo, h.tarih, h.saat, TurAdi(h.tur), o.cins, o.vade, o.tutar,
                         QStringLiteral("%1-%2").arg(evrak).arg(++sira), ref, o.aciklama});
    }
    if (!h.sanalPos)
        return;
    static const char* const kartOnekleri[] = {"5421", "4543", "5528", "4022", "3792"};
    const QString kartOneki = Yazi(r.Sec(kartOnekleri));
    const QString kartNo = kartOneki + QStringLiteral(" **** **** ") + r.Rakamlar(4);
    const QString onayKodu = r.Rakamlar(6);
    const TDekontBilgisi dekont{++m_posNo, OleTarihinden(h.tarih), cari.kod, cari.adi, kartNo, onayKodu, h.alacak};
    m_sanalPos.Ekle({m_posNo, m_hareketNo, h.tarih, h.alacak, kartNo, onayKodu, SanalPosDekontu(dekont)});
}

} // namespace

void HesaplariYaz(TTohumBaglami& b) {
    THesapYazici yazici(b);
    for (const TCariOzeti& cari : b.cariler)
        yazici.CariYaz(cari);
}
