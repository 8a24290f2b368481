// The demo data: determinism, consistency of what it writes, its pictures and documents,
// machine bindings and the seed command.

#include "server/seed/gif.h"
#include "server/seed/kodlar.h"
#include "server/seed/tohum.h"
#include "server/store/arama.h"
#include "server/store/fiyat.h"
#include "server/store/sema.h"
#include "server/store/veritabani.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QImageReader>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A small data set: all the kinds of data, quick to write.
TohumAyarlari KucukAyarlar() {
    TohumAyarlari a;
    a.stokAdedi = 400;
    a.cariAdedi = 8;
    return a;
}

QByteArray TabloOzeti(const QSqlDatabase& db, const QString& sorgu) {
    QCryptographicHash ozet(QCryptographicHash::Sha256);
    QSqlQuery q = Calistir(db, sorgu);
    while (q.next()) {
        for (int i = 0; i < q.record().count(); ++i) {
            const QVariant v = q.value(i);
            ozet.addData(QByteArray::number(v.typeId()));
            ozet.addData(v.typeId() == QMetaType::QByteArray ? v.toByteArray() : v.toString().toUtf8());
            ozet.addData("|");
        }
    }
    return ozet.result();
}

// A checksum of every data table and of the full-text index.
QByteArray VeriOzeti(const QSqlDatabase& db) {
    QByteArray ozet;
    for (const auto& [tablo, adet] : TabloSayilari(db))
        ozet += TabloOzeti(db, u"SELECT * FROM %1 ORDER BY 1, 2"_s.arg(tablo));
    return ozet + TabloOzeti(db, u"SELECT rowid, ANAHTAR FROM STOK_ARAMA ORDER BY rowid"_s);
}

int Sayi(const QSqlDatabase& db, const QString& sql, const QVariantList& degerler = {}) {
    return TekDeger(db, sql, degerler).toInt();
}

QImage Coz(const QByteArray& baytlar, const char* bicim) {
    QImage resim;
    resim.loadFromData(baytlar, bicim);
    return resim;
}

} // namespace

class TstTohum : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void ayniTohumAyniVeri();
    void yenilemeEskiVeriBirakmaz();
    void demoKullanicilariVeMakineler();
    void siparislerHerDurumda();
    void sepetSatirlariKurallaHesaplanir();
    void hesapTutarlariTutarli();
    void stokAlanlariGecerli();
    void resimlerVeBelgelerCozulur();
    void tohumlananStokAranir();
    void makineBaglaYenidenBaglar();
    void makineBaglaHatalari();
    void gifGeriOkunur();
    void gifCokKareliDoner();
    void ean13_data();
    void ean13();
    void komutOkunur_data();
    void komutOkunur();
    void hataliKomutReddedilir_data();
    void hataliKomutReddedilir();

private:
    QTemporaryDir m_klasor;
    std::unique_ptr<TVeritabani> m_vt; // one seeded database that the checks of content share
    QSqlDatabase Db() const { return m_vt->Baglanti(); }
};

void TstTohum::initTestCase() {
    QVERIFY(m_klasor.isValid());
    m_vt = std::make_unique<TVeritabani>(m_klasor.filePath(u"demo.db"_s));
    Tohumla(Db(), KucukAyarlar());
}

void TstTohum::ayniTohumAyniVeri() {
    TVeritabani ikinci(m_klasor.filePath(u"ikinci.db"_s));
    Tohumla(ikinci.Baglanti(), KucukAyarlar());
    QCOMPARE(VeriOzeti(ikinci.Baglanti()), VeriOzeti(Db()));

    TohumAyarlari baska = KucukAyarlar();
    baska.tohum += 1;
    TVeritabani ucuncu(m_klasor.filePath(u"ucuncu.db"_s));
    Tohumla(ucuncu.Baglanti(), baska);
    QVERIFY(VeriOzeti(ucuncu.Baglanti()) != VeriOzeti(Db()));
}

void TstTohum::yenilemeEskiVeriBirakmaz() {
    TVeritabani vt(m_klasor.filePath(u"yenileme.db"_s));
    TohumAyarlari buyuk = KucukAyarlar();
    buyuk.stokAdedi = 500;
    buyuk.cariAdedi = 10;
    Tohumla(vt.Baglanti(), buyuk);
    Calistir(vt.Baglanti(), u"INSERT INTO MAILLER (TARIH, TUR) VALUES (0, 'NORMAL')"_s);
    MakineBagla(vt.Baglanti(), u"DEMO-PC"_s, u"BAYI4"_s);

    Tohumla(vt.Baglanti(), KucukAyarlar());
    const QByteArray yenilenen = VeriOzeti(vt.Baglanti());
    Calistir(vt.Baglanti(), u"DELETE FROM MAKINELER WHERE BILGISAYARID = 'DEMO-PC'"_s);
    QCOMPARE(VeriOzeti(vt.Baglanti()), VeriOzeti(Db()));
    QVERIFY(yenilenen != VeriOzeti(Db())); // the binding was kept through the refresh
}

void TstTohum::demoKullanicilariVeMakineler() {
    struct TBeklenen {
        QString makine, kullanici;
        int tip, aktif;
        bool cariVar;
    };
    const TBeklenen beklenenler[] = {
        {u"TEST-MAKINE-1"_s, u"TEMSILCI1"_s, 1, 1, false}, {u"TEST-MAKINE-2"_s, u"TEMSILCI2"_s, 2, 1, false},
        {u"TEST-MAKINE-3"_s, u"BAYI3"_s, 3, 1, true},      {u"TEST-MAKINE-4"_s, u"BAYI4"_s, 4, 1, true},
        {u"TEST-MAKINE-5"_s, u"BAYIPASIF"_s, 3, 0, true},
    };
    for (const TBeklenen& b : beklenenler) {
        QSqlQuery q = Calistir(Db(),
                               u"SELECT k.ADI, k.SIFRE, k.MUSTERITIPI, k.AKTIF, k.CARINO, s.SATICIADI "
                               "FROM MAKINELER m JOIN KULLANICILAR k ON k.SIRANO = m.KULLANICISIRANO "
                               "JOIN SATICILAR s ON s.SATICINO = k.SATICINO WHERE m.BILGISAYARID = ?"_s,
                               {b.makine});
        QVERIFY2(q.next(), qPrintable(b.makine));
        QCOMPARE(q.value(0).toString(), b.kullanici);
        QCOMPARE(q.value(1).toString(), u"1234"_s);
        QCOMPARE(q.value(2).toInt(), b.tip);
        QCOMPARE(q.value(3).toInt(), b.aktif);
        QCOMPARE(!q.value(4).isNull(), b.cariVar);
        QVERIFY(!q.value(5).toString().isEmpty());
    }
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM MAKINELER"_s), int(std::size(beklenenler)));
}

void TstTohum::siparislerHerDurumda() {
    for (int durum = 1; durum <= 6; ++durum)
        QVERIFY2(Sayi(Db(), u"SELECT COUNT(*) FROM SIPARISLER WHERE CARINO = 1 AND DURUM = ?"_s, {durum}) > 0,
                 qPrintable(QString::number(durum)));
    // Not yet shipped orders deliver nothing; open balances remain on shipped orders too.
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM SIPARIS_SATIRLARI l JOIN SIPARISLER s ON s.IDNO = l.IDNO "
                        "WHERE s.DURUM IN (1, 2, 3, 5) AND l.TESLIMEDILEN > 0"_s),
             0);
    QVERIFY(Sayi(Db(), u"SELECT COUNT(*) FROM SIPARIS_SATIRLARI l JOIN SIPARISLER s ON s.IDNO = l.IDNO "
                       "WHERE s.DURUM = 6 AND l.KAPANDI = 0 AND l.MIKTAR > l.TESLIMEDILEN"_s) > 0);
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM SIPARIS_SATIRLARI WHERE TESLIMEDILEN > MIKTAR OR TESLIMEDILEN < 0"_s),
             0);
    // ALINANSIPARIS is the sum of the open balances of the item.
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM STOKLAR t WHERE ABS(t.ALINANSIPARIS - COALESCE((SELECT "
                        "SUM(l.MIKTAR - l.TESLIMEDILEN) FROM SIPARIS_SATIRLARI l WHERE l.STOK_STOKNO = t.STOK_STOKNO "
                        "AND l.KAPANDI = 0), 0)) > 0.001"_s),
             0);
}

void TstTohum::sepetSatirlariKurallaHesaplanir() {
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(DISTINCT SEC) FROM SEPET WHERE CARINO = 1"_s), 2);
    QVERIFY(Sayi(Db(), u"SELECT COUNT(*) FROM SEPET WHERE CARINO = 2"_s) > 0);
    QSqlQuery q = Calistir(Db(), u"SELECT s.MIKTAR, s.BIRIMFIYAT, s.INDIRIMORANI1, s.INDIRIMORANI2, s.INDIRIMORANI3, "
                                 "s.INDIRIMORANI4, s.KDV, s.TUTAR, s.NETBIRIMFIYAT, s.NETTUTAR, s.INDIRIMTUTAR, "
                                 "s.VERGITUTARI, s.KDVLITUTAR, s.CARINO, t.MARKA, t.ANAGRUP, t.K, t.LISTEFIYAT1, "
                                 "t.KAMPFIYAT FROM SEPET s JOIN STOKLAR t ON t.STOK_STOKNO = s.STOK_STOKNO"_s);
    int satirlar = 0;
    while (q.next()) {
        ++satirlar;
        const TIndirimOranlari cariOranlari =
            TCariIndirimleri::Yukle(Db(), q.value(13).toInt()).Bul(q.value(14).toString(), q.value(15).toString());
        const TStokFiyati fiyat = StokFiyatiHesapla(q.value(16).toInt(), q.value(17).toDouble(), q.value(18).toDouble(),
                                                    q.value(6).toDouble(), cariOranlari);
        QCOMPARE(q.value(1).toDouble(), fiyat.fiyat);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(q.value(2 + i).toDouble(), fiyat.indirim.oran[static_cast<size_t>(i)]);
        const TSatirTutarlari t =
            SatirTutarlariHesapla(q.value(0).toDouble(), fiyat.fiyat, fiyat.indirim, q.value(6).toDouble());
        QCOMPARE(q.value(7).toDouble(), t.tutar);
        QCOMPARE(q.value(8).toDouble(), t.netBirimFiyat);
        QCOMPARE(q.value(9).toDouble(), t.netTutar);
        QCOMPARE(q.value(10).toDouble(), t.indirimTutar);
        QCOMPARE(q.value(11).toDouble(), t.vergiTutari);
        QCOMPARE(q.value(12).toDouble(), t.kdvliTutar);
    }
    QVERIFY(satirlar > 0);
}

void TstTohum::hesapTutarlariTutarli() {
    // Balances of the accounts are the sums of their movements.
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM CARILER c WHERE ABS(c.TLBAKIYE - COALESCE((SELECT SUM(BORC - ALACAK) "
                        "FROM CARI_HAREKETLER h WHERE h.CARINO = c.CARINO), 0)) > 0.005"_s),
             0);
    // An invoice's movement carries its total, and its totals are the sums of its lines.
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM FATURALAR f JOIN CARI_HAREKETLER h ON h.IDNO = f.IDNO "
                        "WHERE ABS(h.BORC + h.ALACAK - f.KDVDAHIL) > 0.005 OR h.TURADI NOT LIKE '%Fatura%'"_s),
             0);
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM FATURALAR f WHERE ABS(f.MATRAH - (SELECT SUM(STOKHAR_NETTLTUTAR) "
                        "FROM FATURA_SATIRLARI s WHERE s.IDNO = f.IDNO)) > 0.005 OR ABS(f.KDVDAHIL - f.MATRAH - "
                        "f.KDVTUTAR) > 0.005 OR ABS(f.TOPLAM - f.TOPLAMINDIRIM - f.MATRAH) > 0.005"_s),
             0);
    // A collection's rows add up to its credit; every card payment has a receipt.
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM CARI_HAREKETLER h WHERE h.TURADI = 'Tahsilat' AND ABS(h.ALACAK - "
                        "(SELECT SUM(TUTAR) FROM TAHSILATLAR t WHERE t.IDNO = h.IDNO)) > 0.005"_s),
             0);
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM SANALPOS_ODEMELERI p JOIN TAHSILATLAR t ON t.IDNO = p.IDNO "
                        "WHERE t.CINS <> 'Kredi Kartı' OR ABS(t.TUTAR - p.TUTAR) > 0.005"_s),
             0);
    for (const QString& tur : {u"Satış Faturası"_s, u"İade Faturası"_s, u"Tahsilat"_s, u"Tediye"_s})
        QVERIFY2(Sayi(Db(), u"SELECT COUNT(*) FROM CARI_HAREKETLER WHERE CARINO = 1 AND TURADI = ?"_s, {tur}) > 0,
                 qPrintable(tur));
    QVERIFY(Sayi(Db(), u"SELECT COUNT(*) FROM SANALPOS_ODEMELERI p JOIN CARI_HAREKETLER h ON h.IDNO = p.IDNO "
                       "WHERE h.CARINO = 1"_s) > 0);
}

void TstTohum::stokAlanlariGecerli() {
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM STOKLAR"_s), KucukAyarlar().stokAdedi);
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(DISTINCT BARKOD) FROM STOKLAR"_s), KucukAyarlar().stokAdedi);
    QSqlQuery q = Calistir(Db(), u"SELECT BARKOD FROM STOKLAR"_s);
    while (q.next()) {
        const QString barkod = q.value(0).toString();
        QCOMPARE(Ean13(barkod.left(12)), barkod);
    }
    // Stock state 1 exactly when there is stock (or no state at all).
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM STOKLAR WHERE (KALAN > 0 AND DURUM <> 1) OR "
                        "(KALAN = 0 AND DURUM = 1)"_s),
             0);
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM STOKLAR WHERE K = 1 AND (KAMPFIYAT <= 0 OR KAMPFIYAT >= LISTEFIYAT1)"_s),
             0);
    QVERIFY(Sayi(Db(), u"SELECT COUNT(*) FROM STOKLAR WHERE K = 1"_s) > 0);
    QVERIFY(Sayi(Db(), u"SELECT COUNT(*) FROM STOKLAR WHERE Y = 1"_s) > 0);
    // The picture flag tells whether a picture exists; about 30 % of the items have one.
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM STOKLAR t WHERE t.RESIM <> (SELECT COUNT(*) FROM STOK_RESIMLERI r "
                        "WHERE r.STOK_STOKNO = t.STOK_STOKNO)"_s),
             0);
    const int resimli = Sayi(Db(), u"SELECT COUNT(*) FROM STOK_RESIMLERI"_s);
    QVERIFY2(resimli > 80 && resimli < 160, qPrintable(QString::number(resimli)));
}

void TstTohum::resimlerVeBelgelerCozulur() {
    QSqlQuery resimler = Calistir(Db(), u"SELECT RESIM FROM STOK_RESIMLERI"_s);
    while (resimler.next())
        QVERIFY(!Coz(resimler.value(0).toByteArray(), "JPG").isNull());

    QSqlQuery duyurular = Calistir(Db(), u"SELECT RESIM, ARAMA FROM DUYURULAR ORDER BY SIRA"_s);
    QStringList hedefler;
    while (duyurular.next()) {
        QCOMPARE(Coz(duyurular.value(0).toByteArray(), "JPG").size(), QSize(600, 400));
        hedefler << duyurular.value(1).toString();
    }
    QVERIFY(hedefler.contains(u"#KAMPANYA#"_s));
    QVERIFY(hedefler.contains(u"#YENİ#"_s));

    const QByteArray ust = TekDeger(Db(), u"SELECT RESIM FROM BANNERLAR WHERE BANNERNO = 1"_s).toByteArray();
    QVERIFY(ust.startsWith("GIF89a"));
    QCOMPARE(Coz(ust, "GIF").size(), QSize(409, 100));
    const QByteArray serit = TekDeger(Db(), u"SELECT RESIM FROM BANNERLAR WHERE BANNERNO = 2"_s).toByteArray();
    QVERIFY(!Coz(serit, "GIF").isNull());
    const QByteArray alt = TekDeger(Db(), u"SELECT RESIM FROM BANNERLAR WHERE BANNERNO = 3"_s).toByteArray();
    QVERIFY(alt.startsWith("BM"));
    QCOMPARE(Coz(alt, "BMP").height(), 50);

    QSqlQuery pdfler = Calistir(Db(), u"SELECT PDF FROM SANALPOS_ODEMELERI"_s);
    int adet = 0;
    while (pdfler.next()) {
        const QByteArray pdf = pdfler.value(0).toByteArray();
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        ++adet;
    }
    QVERIFY(adet > 0);
    QVERIFY(!TekDeger(Db(), u"SELECT DEGER FROM AYARLAR WHERE ANAHTAR = 'KAYANYAZI'"_s).toString().isEmpty());
}

void TstTohum::tohumlananStokAranir() {
    QSqlQuery q = Calistir(Db(), u"SELECT STOK_STOKNO, OEM1, ADI FROM STOKLAR WHERE STOK_STOKNO IN (7, 123)"_s);
    while (q.next()) {
        const int no = q.value(0).toInt();
        // The OEM number typed without its blanks and cut at both ends.
        const QString oem = AramaAnahtari(q.value(1).toString());
        const std::vector<int> bulunan = StokAra(Db(), oem.mid(1, oem.size() - 2), 5000).stokNolari;
        QVERIFY2(std::find(bulunan.begin(), bulunan.end(), no) != bulunan.end(), qPrintable(oem));
    }
}

void TstTohum::makineBaglaYenidenBaglar() {
    TVeritabani vt(m_klasor.filePath(u"bagla.db"_s));
    Tohumla(vt.Baglanti(), KucukAyarlar());
    const auto bagliKullanici = [&](const QString& makine) {
        return TekDeger(vt.Baglanti(),
                        u"SELECT k.ADI FROM MAKINELER m JOIN KULLANICILAR k "
                        "ON k.SIRANO = m.KULLANICISIRANO WHERE m.BILGISAYARID = ?"_s,
                        {makine})
            .toString();
    };
    MakineBagla(vt.Baglanti(), u" pc-12 ab "_s, u"BAYI3"_s);
    QCOMPARE(bagliKullanici(u"PC-12AB"_s), u"BAYI3"_s);
    MakineBagla(vt.Baglanti(), u"PC-12AB"_s, u"TEMSILCI2"_s);
    QCOMPARE(bagliKullanici(u"PC-12AB"_s), u"TEMSILCI2"_s);
    QCOMPARE(Sayi(vt.Baglanti(), u"SELECT COUNT(*) FROM MAKINELER WHERE BILGISAYARID = 'PC-12AB'"_s), 1);
    // A fixed test machine can be moved to another user too.
    MakineBagla(vt.Baglanti(), u"TEST-MAKINE-3"_s, u"BAYI4"_s);
    QCOMPARE(bagliKullanici(u"TEST-MAKINE-3"_s), u"BAYI4"_s);
}

void TstTohum::makineBaglaHatalari() {
    const int once = Sayi(Db(), u"SELECT COUNT(*) FROM MAKINELER"_s);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, MakineBagla(Db(), u"TEST-MAKINE-1"_s, u"YOK"_s));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, MakineBagla(Db(), u"  "_s, u"BAYI3"_s));
    QCOMPARE(Sayi(Db(), u"SELECT COUNT(*) FROM MAKINELER"_s), once);
    QCOMPARE(TekDeger(Db(), u"SELECT KULLANICISIRANO FROM MAKINELER WHERE BILGISAYARID = 'TEST-MAKINE-1'"_s).toInt(),
             1);
}

// A picture larger than one run between clear codes, with colours off the palette.
void TstTohum::gifGeriOkunur() {
    QImage kaynak(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < kaynak.height(); ++y)
        for (int x = 0; x < kaynak.width(); ++x)
            kaynak.setPixel(x, y, qRgb((x * 7) % 256, (y * 11) % 256, ((x + y) * 13) % 256));
    const QImage cozulen = Coz(GifKodla({kaynak}), "GIF").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(cozulen.size(), kaynak.size());
    for (int y = 0; y < kaynak.height(); ++y)
        for (int x = 0; x < kaynak.width(); ++x)
            QCOMPARE(cozulen.pixel(x, y), GifPaletRengi(kaynak.pixel(x, y)));
}

void TstTohum::gifCokKareliDoner() {
    QImage kirmizi(20, 10, QImage::Format_RGB32), mavi(20, 10, QImage::Format_RGB32);
    kirmizi.fill(Qt::red);
    mavi.fill(Qt::blue);
    QByteArray gif = GifKodla({kirmizi, mavi}, 50);
    QBuffer tampon(&gif);
    QImageReader okuyucu(&tampon, "GIF");
    QCOMPARE(okuyucu.imageCount(), 2);
    QCOMPARE(okuyucu.loopCount(), -1); // for ever
    QCOMPARE(okuyucu.read().pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(okuyucu.nextImageDelay(), 500);
    QCOMPARE(okuyucu.read().pixel(5, 5), qRgb(0, 0, 255));
}

void TstTohum::ean13_data() {
    QTest::addColumn<QString>("oniki");
    QTest::addColumn<QString>("barkod");
    QTest::newRow("GS1 örneği") << u"590123412345"_s << u"5901234123457"_s;
    QTest::newRow("denetim 1") << u"400638133393"_s << u"4006381333931"_s;
    QTest::newRow("denetim 8") << u"869100100001"_s << u"8691001000018"_s;
    QTest::newRow("denetim 0") << u"000000000000"_s << u"0000000000000"_s;
}

void TstTohum::ean13() {
    QFETCH(QString, oniki);
    QFETCH(QString, barkod);
    QCOMPARE(Ean13(oniki), barkod);
}

void TstTohum::komutOkunur_data() {
    QTest::addColumn<QStringList>("argumanlar");
    QTest::addColumn<bool>("veriUret");
    QTest::addColumn<int>("stokAdedi");
    QTest::addColumn<QString>("makine");
    QTest::newRow("varsayılan") << QStringList{} << true << 5000 << QString();
    QTest::newRow("büyük") << QStringList{u"--items"_s, u"200000"_s} << true << 200000 << QString();
    QTest::newRow("yalnız bağlama") << QStringList{u"--bind-machine"_s, u"PC1"_s, u"--user"_s, u"BAYI3"_s} << false
                                    << 5000 << u"PC1"_s;
    QTest::newRow("tohum ve bağlama") << QStringList{u"--items"_s, u"10"_s,     u"--bind-machine"_s,
                                                     u"PC1"_s,     u"--user"_s, u"BAYI3"_s}
                                      << true << 10 << u"PC1"_s;
}

void TstTohum::komutOkunur() {
    QFETCH(QStringList, argumanlar);
    QFETCH(bool, veriUret);
    QFETCH(int, stokAdedi);
    QFETCH(QString, makine);
    const TTohumKomutu komut = TohumKomutuOku(argumanlar);
    QCOMPARE(komut.veriUret, veriUret);
    QCOMPARE(komut.ayarlar.stokAdedi, stokAdedi);
    QCOMPARE(komut.makineId, makine);
}

void TstTohum::hataliKomutReddedilir_data() {
    QTest::addColumn<QStringList>("argumanlar");
    QTest::newRow("kullanıcısız makine") << QStringList{u"--bind-machine"_s, u"PC1"_s};
    QTest::newRow("makinesiz kullanıcı") << QStringList{u"--user"_s, u"BAYI3"_s};
    QTest::newRow("sayı değil") << QStringList{u"--items"_s, u"çok"_s};
    QTest::newRow("sıfır stok") << QStringList{u"--items"_s, u"0"_s};
    QTest::newRow("olmayan gün") << QStringList{u"--today"_s, u"2025-02-30"_s};
    QTest::newRow("oran dışı") << QStringList{u"--pictures"_s, u"1.5"_s};
    QTest::newRow("bilinmeyen seçenek") << QStringList{u"--renk"_s};
    QTest::newRow("fazla argüman") << QStringList{u"fazla"_s};
}

void TstTohum::hataliKomutReddedilir() {
    QFETCH(QStringList, argumanlar);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, TohumKomutuOku(argumanlar));
}

QTEST_MAIN(TstTohum)
#include "tst_tohum.moc"
