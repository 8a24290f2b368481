#include "server/seed/tohum.h"

#include "server/seed/tohum_ic.h"
#include "server/store/fiyat.h"
#include "server/store/sema.h"
#include "server/store/tarih.h"
#include "server/store/veritabani.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSqlError>
#include <QTextStream>
#include <optional>
#include <stdexcept>

namespace {

const TSabitMakine sabitMakineler[] = {
    {"TEST-MAKINE-1", "TEMSILCI1"}, {"TEST-MAKINE-2", "TEMSILCI2"}, {"TEST-MAKINE-3", "BAYI3"},
    {"TEST-MAKINE-4", "BAYI4"},     {"TEST-MAKINE-5", "BAYIPASIF"},
};

// Data tables, parents before children; emptied in the reverse order.
const char* const veriTablolari[] = {
    "AYARLAR",
    "SATICILAR",
    "CARILER",
    "KULLANICILAR",
    "MAKINELER",
    "STOKLAR",
    "STOK_RESIMLERI",
    "STOK_KODLARI",
    "CARI_INDIRIMLERI",
    "SEPET",
    "SIPARIS_DURUMLARI",
    "TESLIM_SEKILLERI",
    "KARGO_TURLERI",
    "KARGO_FIRMALARI",
    "SIPARISLER",
    "SIPARIS_SATIRLARI",
    "CARI_HAREKETLER",
    "FATURALAR",
    "FATURA_SATIRLARI",
    "TAHSILATLAR",
    "SANALPOS_ODEMELERI",
    "DUYURULAR",
    "BANNERLAR",
    "MAILLER",
    "CIKISLAR",
    "ARAMALAR",
};

// Tables that a refresh does not empty: those that describe the schema rather than the demo
// (kept), and the code index (rebuilt whole with the items).
bool BosaltilmazBirakilir(const QString& tablo) {
    return tablo == QLatin1String("AYARLAR") || tablo == QLatin1String("SIPARIS_DURUMLARI") ||
           tablo == QLatin1String("STOK_KODLARI");
}

QString MakineKimligi(const QString& makineId) {
    QString kimlik = makineId.toUpper();
    kimlik.remove(QLatin1Char(' '));
    return kimlik;
}

// Connection settings for the seed's one large transaction, restored afterwards:
//  - foreign keys off: parents and children are written in the seed's own order and the keys
//    are checked once at the end (the pragma has no effect inside a transaction, so this
//    brackets it);
//  - a large page cache: with the default one the uncommitted pages of a big catalogue spill
//    into the WAL and are read back again and again.
class TTohumOturumu {
public:
    explicit TTohumOturumu(QSqlDatabase db)
        : m_db(std::move(db))
        , m_onbellek(TekDeger(m_db, QStringLiteral("PRAGMA cache_size")).toInt()) {
        Calistir(m_db, QStringLiteral("PRAGMA foreign_keys = OFF"));
        Calistir(m_db, QStringLiteral("PRAGMA cache_size = -262144")); // KiB
    }
    ~TTohumOturumu() {
        QSqlQuery sorgu(m_db);
        sorgu.exec(QStringLiteral("PRAGMA cache_size = %1").arg(m_onbellek));
        sorgu.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    }
    TTohumOturumu(const TTohumOturumu&) = delete;
    TTohumOturumu& operator=(const TTohumOturumu&) = delete;

private:
    QSqlDatabase m_db;
    int m_onbellek;
};

void AnahtarlariDenetle(const QSqlDatabase& db) {
    QSqlQuery sorgu = Calistir(db, QStringLiteral("PRAGMA foreign_key_check"));
    if (sorgu.next())
        throw TVeritabaniHatasi(
            QStringLiteral("Tohum verisinde kırık anahtar: %1 satır %2 → %3")
                .arg(sorgu.value(0).toString(), sorgu.value(1).toString(), sorgu.value(2).toString()));
}

struct TBaglama {
    QString makineId, kullanici;
};

std::vector<TBaglama> BaglamalariOku(const QSqlDatabase& db) {
    std::vector<TBaglama> baglamalar;
    QSqlQuery sorgu = Calistir(db, QStringLiteral("SELECT m.BILGISAYARID, k.ADI FROM MAKINELER m "
                                                  "JOIN KULLANICILAR k ON k.SIRANO = m.KULLANICISIRANO "
                                                  "ORDER BY m.BILGISAYARID"));
    while (sorgu.next())
        baglamalar.push_back({sorgu.value(0).toString(), sorgu.value(1).toString()});
    return baglamalar;
}

void Bosalt(const QSqlDatabase& db) {
    for (auto it = std::rbegin(veriTablolari); it != std::rend(veriTablolari); ++it) {
        const QString tablo = QString::fromLatin1(*it);
        if (!BosaltilmazBirakilir(tablo))
            Calistir(db, QStringLiteral("DELETE FROM ") + tablo);
    }
}

std::optional<int> KullaniciNo(const QSqlDatabase& db, const QString& ad) {
    const QVariant no = TekDeger(db, QStringLiteral("SELECT SIRANO FROM KULLANICILAR WHERE ADI = ?"), {ad});
    if (!no.isValid())
        return std::nullopt;
    return no.toInt();
}

void Bagla(const QSqlDatabase& db, const QString& makineId, int kullaniciNo, double zaman) {
    Calistir(db, QStringLiteral("DELETE FROM MAKINELER WHERE BILGISAYARID = ?"), {makineId});
    Calistir(db,
             QStringLiteral("INSERT INTO MAKINELER (BILGISAYARID, KULLANICISIRANO, BAGLANTITARIHI) "
                            "VALUES (?, ?, ?)"),
             {makineId, kullaniciNo, zaman});
}

void MakineleriBagla(TTohumBaglami& b, const std::vector<TBaglama>& eskiler) {
    for (const TBaglama& eski : eskiler) {
        if (const auto no = KullaniciNo(b.db, eski.kullanici))
            Bagla(b.db, eski.makineId, *no, OleTarihi(QDateTime::currentDateTime()));
    }
    for (const TSabitMakine& m : sabitMakineler)
        Bagla(b.db, QString::fromLatin1(m.bilgisayarId), *KullaniciNo(b.db, QString::fromLatin1(m.kullanici)),
              b.Gun(0));
}

void GrafikUygulamasiGerekli() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw std::logic_error("Tohumla: resimler çizilebilsin diye bir QGuiApplication gerekli");
}

int SayiOku(const QCommandLineParser& p, const QString& ad, int enAz) {
    bool tamam = false;
    const int deger = p.value(ad).toInt(&tamam);
    if (!tamam || deger < enAz)
        throw std::invalid_argument(
            QStringLiteral("--%1: en az %2 olan bir tam sayı bekleniyor").arg(ad).arg(enAz).toStdString());
    return deger;
}

void AyarlariOku(const QCommandLineParser& p, TohumAyarlari& a) {
    if (p.isSet(QStringLiteral("items")))
        a.stokAdedi = SayiOku(p, QStringLiteral("items"), 1);
    if (p.isSet(QStringLiteral("customers")))
        a.cariAdedi = SayiOku(p, QStringLiteral("customers"), 3);
    if (p.isSet(QStringLiteral("prng-seed")))
        a.tohum = static_cast<std::uint32_t>(p.value(QStringLiteral("prng-seed")).toUInt());
    if (p.isSet(QStringLiteral("pictures"))) {
        bool tamam = false;
        a.resimOrani = p.value(QStringLiteral("pictures")).toDouble(&tamam);
        if (!tamam || a.resimOrani < 0 || a.resimOrani > 1)
            throw std::invalid_argument("--pictures: 0 ile 1 arasında bir oran bekleniyor");
    }
    if (p.isSet(QStringLiteral("today"))) {
        a.bugun = QDate::fromString(p.value(QStringLiteral("today")), Qt::ISODate);
        if (!a.bugun.isValid())
            throw std::invalid_argument("--today: YYYY-MM-DD biçiminde bir tarih bekleniyor");
    }
}

} // namespace

TEkleyici::TEkleyici(const QSqlDatabase& db, const QString& tablo, const QStringList& sutunlar)
    : m_sorgu(Hazirla(db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(tablo, sutunlar.join(QStringLiteral(", ")),
                                   QStringList(sutunlar.size(), QStringLiteral("?")).join(QStringLiteral(", "))))) {}

void TEkleyici::Ekle(const QVariantList& degerler) {
    for (int i = 0; i < degerler.size(); ++i)
        DegerBagla(m_sorgu, i, degerler.at(i));
    Calistir(m_sorgu);
}

QString Yazi(const char* utf8) {
    return QString::fromUtf8(utf8);
}

double TTohumBaglami::Gun(int geriGun) const {
    return OleTarihi(ayarlar.bugun.addDays(-geriGun));
}

TTohumBaglami::TAn TTohumBaglami::An(int geriGun, TRastgele& rastgele) const {
    const QTime saat = QTime(8, 30).addSecs(rastgele.Aralik(0, 9 * 3600 + 30 * 60));
    return {Gun(geriGun) + saat.msecsSinceStartOfDay() / 86'400'000.0, SaatYazisi(saat)};
}

void OzetleriGuncelle(TTohumBaglami& b) {
    // Account totals from the movements, rounded like every amount.
    QSqlQuery toplamlar = Calistir(b.db, QStringLiteral("SELECT CARINO, SUM(BORC), SUM(ALACAK) FROM CARI_HAREKETLER "
                                                        "GROUP BY CARINO ORDER BY CARINO"));
    QSqlQuery yaz = Hazirla(b.db, QStringLiteral("UPDATE CARILER SET TLBORC = ?, TLALACAK = ?, TLBAKIYE = ? "
                                                 "WHERE CARINO = ?"));
    while (toplamlar.next()) {
        const double borc = Yuvarla2(toplamlar.value(1).toDouble());
        const double alacak = Yuvarla2(toplamlar.value(2).toDouble());
        yaz.bindValue(0, borc);
        yaz.bindValue(1, alacak);
        yaz.bindValue(2, Yuvarla2(borc - alacak));
        yaz.bindValue(3, toplamlar.value(0));
        Calistir(yaz);
    }
    // Quantities on customers' orders not delivered yet.
    Calistir(b.db, QStringLiteral("UPDATE STOKLAR SET ALINANSIPARIS = (SELECT SUM(l.MIKTAR - l.TESLIMEDILEN) "
                                  "FROM SIPARIS_SATIRLARI l WHERE l.STOK_STOKNO = STOKLAR.STOK_STOKNO "
                                  "AND l.KAPANDI = 0) WHERE STOK_STOKNO IN (SELECT STOK_STOKNO FROM "
                                  "SIPARIS_SATIRLARI WHERE KAPANDI = 0 AND MIKTAR > TESLIMEDILEN)"));
}

std::span<const TSabitMakine> SabitMakineler() {
    return sabitMakineler;
}

void Tohumla(const QSqlDatabase& db, const TohumAyarlari& ayarlar) {
    GrafikUygulamasiGerekli();
    Guncelle(db);
    TTohumOturumu oturum(db);
    TIslem islem(db);
    const std::vector<TBaglama> eskiBaglamalar = BaglamalariOku(db);
    Bosalt(db);
    TTohumBaglami b{db, ayarlar, {}, {}, {}};
    TeslimVeKargoYaz(b);
    SaticilariYaz(b);
    CarileriYaz(b);
    KullanicilariYaz(b);
    StoklariYaz(b);
    SepetleriYaz(b);
    SiparisleriYaz(b);
    HesaplariYaz(b);
    IcerikYaz(b);
    OzetleriGuncelle(b);
    MakineleriBagla(b, eskiBaglamalar);
    AnahtarlariDenetle(db);
    islem.Onayla();
}

void MakineBagla(const QSqlDatabase& db, const QString& makineId, const QString& kullaniciAdi) {
    const QString kimlik = MakineKimligi(makineId);
    if (kimlik.isEmpty())
        throw std::invalid_argument("Makine kimliği boş olamaz");
    TIslem islem(db);
    const auto no = KullaniciNo(db, kullaniciAdi);
    if (!no)
        throw std::invalid_argument(QStringLiteral("Kullanıcı bulunamadı: %1").arg(kullaniciAdi).toStdString());
    Bagla(db, kimlik, *no, OleTarihi(QDateTime::currentDateTime()));
    islem.Onayla();
}

std::vector<std::pair<QString, qint64>> TabloSayilari(const QSqlDatabase& db) {
    std::vector<std::pair<QString, qint64>> sayilar;
    for (const char* tablo : veriTablolari) {
        const QString ad = QString::fromLatin1(tablo);
        sayilar.emplace_back(ad, TekDeger(db, QStringLiteral("SELECT COUNT(*) FROM ") + ad).toLongLong());
    }
    return sayilar;
}

TTohumKomutu TohumKomutuOku(const QStringList& argumanlar) {
    QCommandLineParser p;
    p.addOptions({
        {QStringLiteral("items"), QStringLiteral("number of items"), QStringLiteral("N")},
        {QStringLiteral("customers"), QStringLiteral("number of customer accounts"), QStringLiteral("N")},
        {QStringLiteral("pictures"), QStringLiteral("share of items with a picture, 0..1"), QStringLiteral("RATIO")},
        {QStringLiteral("prng-seed"), QStringLiteral("seed of the random numbers"), QStringLiteral("N")},
        {QStringLiteral("today"), QStringLiteral("the demo's today"), QStringLiteral("YYYY-MM-DD")},
        {QStringLiteral("bind-machine"), QStringLiteral("machine identifier to bind"), QStringLiteral("ID")},
        {QStringLiteral("user"), QStringLiteral("user the machine is bound to"), QStringLiteral("NAME")},
    });
    if (!p.parse(QStringList{QStringLiteral("seed")} + argumanlar))
        throw std::invalid_argument(p.errorText().toStdString());
    if (!p.positionalArguments().isEmpty())
        throw std::invalid_argument(
            QStringLiteral("Beklenmeyen argüman: %1").arg(p.positionalArguments().first()).toStdString());

    TTohumKomutu komut;
    AyarlariOku(p, komut.ayarlar);
    komut.makineId = p.value(QStringLiteral("bind-machine"));
    komut.kullanici = p.value(QStringLiteral("user"));
    if (komut.makineId.isEmpty() != komut.kullanici.isEmpty())
        throw std::invalid_argument("--bind-machine ve --user birlikte verilmeli");
    const bool yalnizBaglama = !komut.makineId.isEmpty() && p.optionNames().size() == 2;
    komut.veriUret = !yalnizBaglama;
    return komut;
}

void TohumKomutuCalistir(const QSqlDatabase& db, const TTohumKomutu& komut, QTextStream& cikti) {
    if (komut.veriUret) {
        QElapsedTimer sure;
        sure.start();
        Tohumla(db, komut.ayarlar);
        cikti << "Demo verisi " << sure.elapsed() << " ms içinde yazıldı:\n";
        for (const auto& [tablo, adet] : TabloSayilari(db))
            cikti << "  " << tablo << ": " << adet << '\n';
    } else {
        Guncelle(db);
    }
    if (!komut.makineId.isEmpty()) {
        MakineBagla(db, komut.makineId, komut.kullanici);
        cikti << "Makine " << MakineKimligi(komut.makineId) << " → " << komut.kullanici << " bağlandı\n";
    }
    cikti.flush();
}
