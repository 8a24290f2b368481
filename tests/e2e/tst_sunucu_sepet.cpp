// The basket, its marks, the delivery and cargo choices, the order and the overdue warning,
// through the client's proxy against a real server process, checked in its database.
#include "oturumyardimi.h"
#include "server/store/arama.h"
#include "sunucusureci.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>
#include <QTest>
#include <atomic>
#include <cmath>
#include <thread>

using namespace Qt::StringLiterals;
using datasnap::TDSTable;

namespace {

constexpr int kBalata = 900001; // BOSCH, FİLTRE, list price 1000, VAT 20: customer 1 gets 20 + 10 %
constexpr int kBayi3Cari = 1;
constexpr int kBayi4Cari = 2;

void DenemeStoguEkle(const TTestVeritabani& v) {
    v.Komut(u"INSERT INTO STOKLAR (STOK_STOKNO, KOD, ADI, BARKOD, MARKA, ANAGRUP, LISTEFIYAT1, KDV, DURUM) "
            "VALUES (?, 'TST.900001', 'FREN BALATASI TEST', '8690000900001', 'BOSCH', 'FİLTRE', 1000, 20, 3)"_s,
            {kBalata});
    StokDiziniYenile(v.Db(), kBalata);
}

double OleBugun() {
    return static_cast<double>(QDate(1899, 12, 30).daysTo(QDate::currentDate()));
}

// A fingerprint of the tables the basket and order methods write.
QByteArray Parmakizi(const TTestVeritabani& v) {
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const QString& tablo : {u"SEPET"_s, u"SIPARISLER"_s, u"SIPARIS_SATIRLARI"_s, u"STOKLAR"_s}) {
        QSqlQuery q = v.Sorgu(u"SELECT * FROM %1 ORDER BY 1"_s.arg(tablo));
        while (q.next())
            for (int i = 0; i < q.record().count(); ++i)
                h.addData(q.value(i).toString().toUtf8() + '|');
    }
    return h.result();
}

QSet<int> Kume(const TTestVeritabani& v, const QString& sql, const QVariantList& degerler = {}) {
    QSet<int> k;
    QSqlQuery q = v.Sorgu(sql, degerler);
    while (q.next())
        k.insert(q.value(0).toInt());
    return k;
}

} // namespace

class TstSunucuSepet : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TSunucuSureci> m_sunucu;
    std::unique_ptr<datasnap::TSQLConnection> m_baglanti;
    std::unique_ptr<TServerMethods1Client> m_vekil;
    std::unique_ptr<TTestVeritabani> m_db;
    int m_digerCari = 0; // a customer of another representative

    TSonucBilgisi Oturum(const char* kullanici) { return OturumAl(*m_vekil, kullanici); }
    TSonucBilgisi TemsilciOturumu(const char* kullanici, int cariNo) {
        TSonucBilgisi s = Oturum(kullanici);
        s.SetCARINO(cariNo);
        return s;
    }

    // SepetEkle2 of kBalata with the given client-side values.
    int Ekle(const TSonucBilgisi& s, double miktar, double fiyat, double ind1 = 0, int stokNo = kBalata) {
        return m_vekil->SepetEkle2(OturumKopyasi(s), s.CARINO(), stokNo, u"BASKA BARKOD"_s, u"BASKA AD"_s, miktar, 0.0,
                                   fiyat, ind1, s.Sirano(), 1, 50.0, 0.0, 0.0);
    }
    int Guncelle(const TSonucBilgisi& s, int satir, double miktar, double fiyat) {
        return m_vekil->SepetGuncelle2(OturumKopyasi(s), s.CARINO(), 0, u"X"_s, u"Y"_s, miktar, 0.0, fiyat, 75.0,
                                       s.Sirano(), satir, 0.0, 0.0, 0.0);
    }
    int SonSatir() const { return m_db->Deger(u"SELECT MAX(SIRANO) FROM SEPET"_s).toInt(); }
    QVariant Sutun(int satir, const char* sutun) const {
        return m_db->Deger(u"SELECT %1 FROM SEPET WHERE SIRANO = ?"_s.arg(QLatin1String(sutun)), {satir});
    }
    TDSTable Sepet(int cariNo) { return m_vekil->SepetVer2(cariNo).table; }
    int SiparisSayisi() const { return m_db->Deger(u"SELECT COUNT(*) FROM SIPARISLER"_s).toInt(); }

private slots:
    void initTestCase() {
        KayitSiniflariniKaydet();
        m_sunucu = std::make_unique<TSunucuSureci>(300);
        m_db = std::make_unique<TTestVeritabani>(m_sunucu->Veritabani());
        DenemeStoguEkle(*m_db);
        m_digerCari = m_db->Deger(u"SELECT MIN(CARINO) FROM CARILER WHERE SATICINO <> 1 AND AKTIF = 1"_s).toInt();
        QVERIFY(m_digerCari > 0);
        QVERIFY(m_sunucu->Baslat());
        m_baglanti = BaglantiAc(m_sunucu->Port());
        m_vekil = std::make_unique<TServerMethods1Client>(m_baglanti.get());
    }

    void cleanupTestCase() {
        m_vekil.reset();
        m_baglanti.reset();
        m_db.reset();
        m_sunucu.reset();
    }

    // A dealer's client that sends a wrong price, discount, VAT rate, code and name still gets
    // the server's: list price 1000 less 20 then 10 per cent, VAT 20, three pieces.
    void dealerGetsTheServersAmounts() {
        const TSonucBilgisi s = Oturum("BAYI3");
        QCOMPARE(Ekle(s, 3, 1.0, 90.0), 1);
        const int satir = SonSatir();
        QCOMPARE(Sutun(satir, "CARINO").toInt(), kBayi3Cari);
        QCOMPARE(Sutun(satir, "BIRIMFIYAT").toDouble(), 1000.0);
        QCOMPARE(Sutun(satir, "INDIRIMORANI1").toDouble(), 20.0);
        QCOMPARE(Sutun(satir, "INDIRIMORANI2").toDouble(), 10.0);
        QCOMPARE(Sutun(satir, "INDIRIMORANI3").toDouble(), 0.0);
        QCOMPARE(Sutun(satir, "NETBIRIMFIYAT").toDouble(), 720.0);
        QCOMPARE(Sutun(satir, "TUTAR").toDouble(), 3000.0);
        QCOMPARE(Sutun(satir, "NETTUTAR").toDouble(), 2160.0);
        QCOMPARE(Sutun(satir, "INDIRIMTUTAR").toDouble(), 840.0);
        QCOMPARE(Sutun(satir, "KDV").toDouble(), 20.0);
        QCOMPARE(Sutun(satir, "VERGITUTARI").toDouble(), 432.0);
        QCOMPARE(Sutun(satir, "KDVLITUTAR").toDouble(), 2592.0);
        QCOMPARE(Sutun(satir, "STOKADI").toString(), u"FREN BALATASI TEST"_s);
        QCOMPARE(Sutun(satir, "BARKOD").toString(), u"8690000900001"_s);
        QCOMPARE(Sutun(satir, "K").toInt(), 0);
        QCOMPARE(Sutun(satir, "SEC").toInt(), 0);
        QCOMPARE(Sutun(satir, "VEREN").toString(), u"BAYI3"_s);
        QCOMPARE(Sutun(satir, "VERENIDNO").toInt(), s.Sirano());
        QCOMPARE(Sutun(satir, "VERENSIRANO").toInt(), 0);

        // A new quantity keeps the server's price whatever price the client sends.
        QCOMPARE(Guncelle(s, satir, 5, 1.0), 1);
        QCOMPARE(Sutun(satir, "MIKTAR").toDouble(), 5.0);
        QCOMPARE(Sutun(satir, "BIRIMFIYAT").toDouble(), 1000.0);
        QCOMPARE(Sutun(satir, "INDIRIMORANI1").toDouble(), 20.0);
        QCOMPARE(Sutun(satir, "NETTUTAR").toDouble(), 3600.0);
        QCOMPARE(Sutun(satir, "KDVLITUTAR").toDouble(), 4320.0);
    }

    // Only a representative's unit price is taken (user type as the server holds it), with the
    // customer's rates; a dealer claiming to be staff is not.
    void representativesUnitPriceIsTakenForThatLine() {
        const TSonucBilgisi temsilci = TemsilciOturumu("TEMSILCI1", kBayi3Cari);
        QCOMPARE(Ekle(temsilci, 2, 500.0, 90.0), 1);
        const int satir = SonSatir();
        QCOMPARE(Sutun(satir, "BIRIMFIYAT").toDouble(), 500.0);
        QCOMPARE(Sutun(satir, "NETBIRIMFIYAT").toDouble(), 360.0);
        QCOMPARE(Sutun(satir, "NETTUTAR").toDouble(), 720.0);
        QCOMPARE(Sutun(satir, "VEREN").toString(), u"TEMSILCI1"_s);
        QCOMPARE(Sutun(satir, "VERENSIRANO").toInt(), temsilci.SaticiNo());

        QCOMPARE(Guncelle(temsilci, satir, 2, 400.0), 1);
        QCOMPARE(Sutun(satir, "BIRIMFIYAT").toDouble(), 400.0);
        QCOMPARE(Sutun(satir, "NETTUTAR").toDouble(), 576.0);
        // The dealer changes the quantity: the representative's price stays.
        QCOMPARE(Guncelle(Oturum("BAYI3"), satir, 4, 1.0), 1);
        QCOMPARE(Sutun(satir, "BIRIMFIYAT").toDouble(), 400.0);
        QCOMPARE(Sutun(satir, "NETTUTAR").toDouble(), 1152.0);

        TSonucBilgisi sahte = Oturum("BAYI3");
        sahte.SetMusteriTipi(1);
        QCOMPARE(Ekle(sahte, 1, 1.0), 1);
        QCOMPARE(Sutun(SonSatir(), "BIRIMFIYAT").toDouble(), 1000.0);
    }

    void writesThatAreNotTheUsersAreRefused_data() {
        QTest::addColumn<QByteArray>("kullanici");
        QTest::addColumn<int>("cari"); // the session's CARINO (-1: as the login gave it, 0: another's customer)
        QTest::addColumn<int>("carinoArgumani");
        QTest::newRow("another dealer, own account") << QByteArray("BAYI4") << -1 << kBayi4Cari;
        QTest::newRow("another dealer naming the account") << QByteArray("BAYI4") << -1 << kBayi3Cari;
        QTest::newRow("dealer record naming the account") << QByteArray("BAYI4") << kBayi3Cari << kBayi3Cari;
        QTest::newRow("representative of other customers") << QByteArray("TEMSILCI1") << 0 << kBayi3Cari;
    }
    // Another customer's line can be neither changed nor deleted.
    void writesThatAreNotTheUsersAreRefused() {
        QFETCH(QByteArray, kullanici);
        QFETCH(int, cari);
        QFETCH(int, carinoArgumani);
        QCOMPARE(Ekle(Oturum("BAYI3"), 1, 0), 1);
        const int satir = SonSatir();
        TSonucBilgisi s = Oturum(kullanici.constData());
        if (cari >= 0)
            s.SetCARINO(cari == 0 ? m_digerCari : cari);
        const QByteArray once = Parmakizi(*m_db);
        QCOMPARE(m_vekil->SepetGuncelle2(OturumKopyasi(s), carinoArgumani, 0, u"X"_s, u"Y"_s, 9, 0.0, 1.0, 0.0,
                                         s.Sirano(), satir, 0.0, 0.0, 0.0),
                 0);
        QCOMPARE(m_vekil->SepetSatirSil(OturumKopyasi(s), satir, u"X"_s), 0);
        QCOMPARE(Parmakizi(*m_db), once);
        QCOMPARE(Sutun(satir, "MIKTAR").toDouble(), 1.0);
    }

    void addingToAnAccountThatIsNotTheUsersIsRefused_data() {
        QTest::addColumn<QByteArray>("kullanici");
        QTest::addColumn<int>("cari");
        QTest::addColumn<int>("carinoArgumani");
        QTest::newRow("dealer naming another account") << QByteArray("BAYI4") << -1 << kBayi3Cari;
        QTest::newRow("dealer record naming another account") << QByteArray("BAYI4") << kBayi3Cari << kBayi3Cari;
        QTest::newRow("representative, another's customer") << QByteArray("TEMSILCI1") << 0 << 0;
        QTest::newRow("staff, no customer chosen") << QByteArray("TEMSILCI2") << -1 << 0;
    }
    void addingToAnAccountThatIsNotTheUsersIsRefused() {
        QFETCH(QByteArray, kullanici);
        QFETCH(int, cari);
        QFETCH(int, carinoArgumani);
        TSonucBilgisi s = Oturum(kullanici.constData());
        if (cari >= 0)
            s.SetCARINO(cari == 0 ? m_digerCari : cari);
        const QByteArray once = Parmakizi(*m_db);
        QCOMPARE(m_vekil->SepetEkle2(OturumKopyasi(s), carinoArgumani == 0 ? s.CARINO() : carinoArgumani, kBalata,
                                     u"X"_s, u"Y"_s, 1, 20.0, 1.0, 0.0, s.Sirano(), 0, 0.0, 0.0, 0.0),
                 0);
        QCOMPARE(Parmakizi(*m_db), once);
    }

    void placingUserMustBeTheSessionsUser() {
        const TSonucBilgisi s = Oturum("BAYI3");
        const QByteArray once = Parmakizi(*m_db);
        QCOMPARE(m_vekil->SepetEkle2(OturumKopyasi(s), s.CARINO(), kBalata, u"X"_s, u"Y"_s, 1, 20.0, 1.0, 0.0,
                                     s.Sirano() + 1, 0, 0.0, 0.0, 0.0),
                 0);
        QCOMPARE(m_vekil->SepetEkle2(OturumKopyasi(s), s.CARINO(), 123456789, u"X"_s, u"Y"_s, 1, 20.0, 1.0, 0.0,
                                     s.Sirano(), 0, 0.0, 0.0, 0.0),
                 0); // an unknown item
        QCOMPARE(Parmakizi(*m_db), once);
    }

    void hostileArgumentsAre400AndChangeNothing_data() {
        QTest::addColumn<QString>("metot");
        QTest::addColumn<QByteArray>("bozuk");
        QTest::newRow("negative quantity") << u"SepetEkle2"_s << QByteArray("miktar=-1");
        QTest::newRow("zero quantity") << u"SepetEkle2"_s << QByteArray("miktar=0");
        QTest::newRow("absurd quantity") << u"SepetEkle2"_s << QByteArray("miktar=1e12");
        QTest::newRow("huge name") << u"SepetEkle2"_s << QByteArray("stokadi");
        QTest::newRow("no session") << u"SepetEkle2"_s << QByteArray("oturum");
        QTest::newRow("negative staff price") << u"SepetEkle2"_s << QByteArray("temsilci fiyat=-5");
        QTest::newRow("update, negative quantity") << u"SepetGuncelle2"_s << QByteArray("miktar=-1");
        QTest::newRow("update, huge code") << u"SepetGuncelle2"_s << QByteArray("stokadi");
        QTest::newRow("delete, no session") << u"SepetSatirSil"_s << QByteArray("oturum");
        QTest::newRow("delete all, no session") << u"SepetHepsiniSil"_s << QByteArray("oturum");
        QTest::newRow("mark 2") << u"SepetSecimGuncelle"_s << QByteArray("secim=2");
        QTest::newRow("order, huge note") << u"SiparisKaydet"_s << QByteArray("not");
        QTest::newRow("order, no session") << u"SiparisKaydet"_s << QByteArray("oturum");
    }
    void hostileArgumentsAre400AndChangeNothing() {
        QFETCH(QString, metot);
        QFETCH(QByteArray, bozuk);
        QCOMPARE(Ekle(Oturum("BAYI3"), 1, 0), 1);
        const int satir = SonSatir();
        m_vekil->SepetSecimGuncelle(satir, 1);
        const TSonucBilgisi s =
            bozuk.startsWith("temsilci") ? TemsilciOturumu("TEMSILCI1", kBayi3Cari) : Oturum("BAYI3");
        const QJsonValue oturum = bozuk == "oturum" ? QJsonValue(QJsonValue::Null) : KayitJson(s);
        const double miktar = bozuk.startsWith("miktar=") ? bozuk.mid(7).toDouble() : 1.0;
        const double fiyat = bozuk.contains("fiyat=") ? -5.0 : 1.0;
        const QString uzun(bozuk == "stokadi" ? 5000 : 10, u'X');
        QJsonArray p;
        if (metot == u"SepetEkle2"_s || metot == u"SepetGuncelle2"_s)
            p = {oturum,
                 s.CARINO(),
                 kBalata,
                 uzun,
                 uzun,
                 miktar,
                 20,
                 fiyat,
                 0,
                 s.Sirano(),
                 metot == u"SepetEkle2"_s ? 0 : satir,
                 0,
                 0,
                 0};
        else if (metot == u"SepetSatirSil"_s)
            p = {oturum, satir, u"X"_s};
        else if (metot == u"SepetHepsiniSil"_s)
            p = {oturum};
        else if (metot == u"SepetSecimGuncelle"_s)
            p = {satir, 2};
        else
            p = {oturum, s.CARINO(), 1, 1, QString(bozuk == "not" ? 20000 : 5, u'N'), s.Sirano(), 1};
        const QByteArray once = Parmakizi(*m_db);
        const THamCevap cevap = HamCagri(m_sunucu->Port(), metot, p);
        QCOMPARE(cevap.durum, 400);
        QVERIFY(!cevap.govde.value(u"error").toString().isEmpty());
        QCOMPARE(Parmakizi(*m_db), once);
    }

    // Numbers JSON cannot carry, or that do not fit the declared type, never reach a method.
    void malformedNumbersAre400() {
        const QByteArray oturum = QJsonDocument(KayitJson(Oturum("BAYI3")).toObject()).toJson(QJsonDocument::Compact);
        const QByteArray once = Parmakizi(*m_db);
        for (const QByteArray& miktar : {QByteArray("NaN"), QByteArray("1e999"), QByteArray("\"3\"")}) {
            const QByteArray govde =
                "{\"_parameters\":[" + oturum + ",1,900001,\"\",\"\"," + miktar + ",20,1,0,3,0,0,0,0]}";
            QCOMPARE(HamGovde(m_sunucu->Port(), u"SepetEkle2"_s, govde).durum, 400);
        }
        QCOMPARE(Parmakizi(*m_db), once);
    }

    void marksFlipOnlyTheMark() {
        QCOMPARE(Ekle(Oturum("BAYI3"), 2, 0), 1);
        const int satir = SonSatir();
        const QVariant tutar = Sutun(satir, "NETTUTAR");
        m_vekil->SepetSecimGuncelle(satir, 1);
        QCOMPARE(Sutun(satir, "SEC").toInt(), 1);
        m_vekil->SepetSecimGuncelle(satir, 0);
        QCOMPARE(Sutun(satir, "SEC").toInt(), 0);
        QCOMPARE(Sutun(satir, "NETTUTAR"), tutar);
        const QByteArray once = Parmakizi(*m_db);
        m_vekil->SepetSecimGuncelle(987654321, 1); // no such line: nothing happens
        QCOMPARE(Parmakizi(*m_db), once);
    }

    void basketPacketCarriesTheGridsColumns() {
        QCOMPARE(Ekle(Oturum("BAYI3"), 2, 0), 1);
        const TDSTable t = Sepet(kBayi3Cari);
        const char* const sutunlar[] = {
            "SEC",           "VERILISTARIHI", "SIRANO",        "SIPARISNO",    "CARINO",        "TARIH",
            "AKTAR",         "STOKNO",        "BARKOD",        "FINISHKOD",    "OEMNO",         "STOKADI",
            "MIKTAR",        "BIRIMFIYAT",    "TUTAR",         "INDIRIMYAZI",  "INDIRIMORANI1", "INDIRIMORANI2",
            "INDIRIMORANI3", "INDIRIMTUTAR",  "NETBIRIMFIYAT", "KDV",          "VERGITUTARI",   "NETTUTAR",
            "KUR",           "KURTL",         "VERENIDNO",     "SAAT",         "TESLIMID",      "KARGOID",
            "ACIKLAMA",      "IDNO",          "VERENSIRANO",   "VEREN",        "CARIKOD",       "CARIADI",
            "OEM1",          "OEM2",          "OEM3",          "OEM4",         "STOK_STOKNO",   "URETICIKODU",
            "DIGERADI",      "DPKOD",         "MARKA",         "MODEL",        "ANAGRUP",       "OZELKOD",
            "PKOD",          "DURUM",         "KALAN",         "INDIRIMORANI4"};
        for (const char* s : sutunlar)
            QVERIFY2(t.ColumnIndex(QString::fromLatin1(s)) >= 0, s);
        QCOMPARE(static_cast<qint64>(t.rows.size()),
                 m_db->Deger(u"SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"_s, {kBayi3Cari}).toLongLong());
        for (size_t i = 1; i < t.rows.size(); ++i)
            QVERIFY(Hucre(t, i - 1, u"SIRANO").toInt() < Hucre(t, i, u"SIRANO").toInt());
        const size_t son = t.rows.size() - 1;
        QCOMPARE(Hucre(t, son, u"STOKNO").toInt(), kBalata);
        QCOMPARE(Hucre(t, son, u"INDIRIMYAZI").toString(), u"20+10"_s);
        QCOMPARE(Hucre(t, son, u"DURUM").toInt(), 3);
        QCOMPARE(Hucre(t, son, u"MARKA").toString(), u"BOSCH"_s);
        QCOMPARE(Hucre(t, son, u"TUTAR").toDouble(), 2000.0);
        QCOMPARE(Hucre(t, son, u"INDIRIMTUTAR").toDouble(), 560.0);
        QCOMPARE(t.columns.at(t.ColumnIndex(u"SEC")).type, datasnap::TFieldType::Int32);
        QCOMPARE(t.columns.at(t.ColumnIndex(u"TUTAR")).type, datasnap::TFieldType::Double);
        QVERIFY(Sepet(123456).rows.empty());
    }

    void deliveryAndCargoChoices() {
        datasnap::TDBXReader* r = m_vekil->TeslimVer();
        QCOMPARE(r->ColumnCount(), 2);
        QVERIFY(r->Next());
        QCOMPARE(r->Value(0).toInt(), 1);
        QCOMPARE(r->Value(1).toString(), u"Kargo ile"_s);
        r = m_vekil->KargoVer();
        QVERIFY(r->Next());
        QCOMPARE(r->Value(1).toString(), u"Anlaşmalı Kargo"_s);

        datasnap::TClientDataSet kargo;
        datasnap::CopyReaderToClientDataSet(*m_vekil->KargolarVer(3), kargo);
        QCOMPARE(kargo.RecordCount(), 1);
        QCOMPARE(kargo.FieldByName(u"ADI")->AsString(), u"Tevrano Dağıtım Aracı"_s);
        QCOMPARE(kargo.FieldByName(u"UYARI")->AsString(), u"Şehir içi dağıtım her gün 14:00'te yola çıkar."_s);
        QCOMPARE(kargo.FieldByName(u"SIRANO")->AsInteger(), 7);
        datasnap::CopyReaderToClientDataSet(*m_vekil->KargolarVer(1), kargo);
        QCOMPARE(kargo.RecordCount(), 4);
        datasnap::CopyReaderToClientDataSet(*m_vekil->KargolarVer(99), kargo);
        QCOMPARE(kargo.RecordCount(), 0);
        QVERIFY(kargo.FindField(u"UYARI"));
    }

    // The order takes exactly the marked lines, with their amounts; the basket keeps the others.
    void orderRecordsExactlyTheMarkedLines() {
        const TSonucBilgisi s = Oturum("BAYI4");
        for (int i = 0; i < 3; ++i)
            QCOMPARE(m_vekil->SepetEkle2(OturumKopyasi(s), kBayi4Cari, kBalata, u"X"_s, u"Y"_s, i + 1, 0.0, 1.0, 0.0,
                                         s.Sirano(), 0, 0.0, 0.0, 0.0),
                     1);
        const QList<int> satirlar = Kume(*m_db, u"SELECT SIRANO FROM SEPET WHERE CARINO = ?"_s, {kBayi4Cari}).values();
        QVERIFY(satirlar.size() >= 4);
        QSet<int> isaretli, isaretsiz;
        for (int i = 0; i < satirlar.size(); ++i) {
            m_vekil->SepetSecimGuncelle(satirlar[i], i % 2);
            (i % 2 ? isaretli : isaretsiz).insert(satirlar[i]);
        }
        const double alinanOnce =
            m_db->Deger(u"SELECT ALINANSIPARIS FROM STOKLAR WHERE STOK_STOKNO = ?"_s, {kBalata}).toDouble();
        const double isaretliBalata = m_db->Deger(u"SELECT COALESCE(SUM(MIKTAR), 0) FROM SEPET WHERE CARINO = ? "
                                                  "AND SEC = 1 AND STOK_STOKNO = ?"_s,
                                                  {kBayi4Cari, kBalata})
                                          .toDouble();
        const QByteArray satirIzi = [&] {
            QCryptographicHash h(QCryptographicHash::Sha256);
            QSqlQuery q = m_db->Sorgu(u"SELECT SIRANO, STOK_STOKNO, MIKTAR, BIRIMFIYAT, INDIRIMORANI1, NETBIRIMFIYAT, "
                                      "TUTAR, INDIRIMTUTAR, NETTUTAR, KDV, VERGITUTARI, KDVLITUTAR FROM SEPET "
                                      "WHERE CARINO = ? AND SEC = 1 ORDER BY SIRANO"_s,
                                      {kBayi4Cari});
            while (q.next())
                for (int i = 0; i < 12; ++i)
                    h.addData(q.value(i).toString().toUtf8() + '|');
            return h.result();
        }();
        const QString not_ = u"Birinci satır\r\nİkinci satır\r\n"_s;
        const int once = SiparisSayisi();

        QVERIFY(m_vekil->SiparisKaydet(OturumKopyasi(s), kBayi4Cari, 2, 1, not_, s.Sirano(), 2));

        QCOMPARE(SiparisSayisi(), once + 1);
        const int siparis = m_db->Deger(u"SELECT MAX(IDNO) FROM SIPARISLER"_s).toInt();
        QSqlQuery baslik = m_db->Sorgu(u"SELECT CARINO, TESLIMID, KARGOTURID, KARGOID, VERENINNOTU, VEREN, VERENIDNO, "
                                       "DURUM, SATICINO FROM SIPARISLER WHERE IDNO = ?"_s,
                                       {siparis});
        QVERIFY(baslik.next());
        QCOMPARE(baslik.value(0).toInt(), kBayi4Cari);
        QCOMPARE(baslik.value(1).toInt(), 2);
        QCOMPARE(baslik.value(2).toInt(), 1);
        QCOMPARE(baslik.value(3).toInt(), 2);
        QCOMPARE(baslik.value(4).toString(), not_);
        QCOMPARE(baslik.value(5).toString(), u"BAYI4"_s);
        QCOMPARE(baslik.value(6).toInt(), s.Sirano());
        QCOMPARE(baslik.value(7).toInt(), 1);
        QCOMPARE(baslik.value(8).toInt(), s.SaticiNo());

        QCOMPARE(Kume(*m_db, u"SELECT SEPETSIRANO FROM SIPARIS_SATIRLARI WHERE IDNO = ?"_s, {siparis}), isaretli);
        QCOMPARE(Kume(*m_db, u"SELECT SIRANO FROM SEPET WHERE CARINO = ?"_s, {kBayi4Cari}), isaretsiz);
        const QByteArray siparisIzi = [&] {
            QCryptographicHash h(QCryptographicHash::Sha256);
            QSqlQuery q = m_db->Sorgu(u"SELECT SEPETSIRANO, STOK_STOKNO, MIKTAR, BIRIMFIYAT, INDIRIMORANI1, "
                                      "NETBIRIMFIYAT, TUTAR, INDIRIMTUTAR, NETTUTAR, KDV, VERGITUTARI, KDVLITUTAR "
                                      "FROM SIPARIS_SATIRLARI WHERE IDNO = ? ORDER BY SEPETSIRANO"_s,
                                      {siparis});
            while (q.next())
                for (int i = 0; i < 12; ++i)
                    h.addData(q.value(i).toString().toUtf8() + '|');
            return h.result();
        }();
        QCOMPARE(siparisIzi, satirIzi);
        QCOMPARE(m_db->Deger(u"SELECT ALINANSIPARIS FROM STOKLAR WHERE STOK_STOKNO = ?"_s, {kBalata}).toDouble(),
                 alinanOnce + isaretliBalata);

        // What the client reloads is what the server kept.
        QCOMPARE(static_cast<int>(Sepet(kBayi4Cari).rows.size()), static_cast<int>(isaretsiz.size()));
    }

    void orderThatCannotBeMadeWritesNothing_data() {
        QTest::addColumn<QByteArray>("durum");
        QTest::newRow("nothing marked") << QByteArray("isaretsiz");
        QTest::newRow("company of another cargo type") << QByteArray("kargo");
        QTest::newRow("unknown delivery") << QByteArray("teslim");
        QTest::newRow("another customer's account") << QByteArray("cari");
        QTest::newRow("another placing user") << QByteArray("veren");
        QTest::newRow("customer that takes no orders") << QByteArray("alinmaz");
    }
    void orderThatCannotBeMadeWritesNothing() {
        QFETCH(QByteArray, durum);
        TSonucBilgisi s = Oturum("BAYI3");
        QCOMPARE(Ekle(s, 1, 0), 1);
        const int satir = SonSatir();
        m_db->Komut(u"UPDATE SEPET SET SEC = ? WHERE CARINO = ?"_s, {durum == "isaretsiz" ? 0 : 1, kBayi3Cari});
        if (durum == "alinmaz")
            m_db->Komut(u"UPDATE CARILER SET SIPARISALINIR = 0 WHERE CARINO = ?"_s, {kBayi3Cari});
        const QByteArray once = Parmakizi(*m_db);
        const bool kaydedildi = m_vekil->SiparisKaydet(
            OturumKopyasi(s), durum == "cari" ? kBayi4Cari : kBayi3Cari, durum == "teslim" ? 99 : 1, 1, u"not"_s,
            durum == "veren" ? s.Sirano() + 1 : s.Sirano(), durum == "kargo" ? 7 : 1);
        const QByteArray sonra = Parmakizi(*m_db);
        m_db->Komut(u"UPDATE CARILER SET SIPARISALINIR = 1 WHERE CARINO = ?"_s, {kBayi3Cari});
        m_db->Komut(u"UPDATE SEPET SET SEC = 0 WHERE CARINO = ?"_s, {kBayi3Cari});
        QVERIFY(!kaydedildi);
        QVERIFY(Sutun(satir, "SIRANO").isValid());
        QCOMPARE(sonra, once);
    }

    void deleteOneAndAllOfTheOwnAccountOnly() {
        const TSonucBilgisi bayi3 = Oturum("BAYI3");
        QCOMPARE(Ekle(bayi3, 1, 0), 1);
        const int satir = SonSatir();
        QCOMPARE(m_vekil->SepetSatirSil(OturumKopyasi(bayi3), satir, u"8690000900001-FREN BALATASI TEST"_s), 1);
        QVERIFY(!Sutun(satir, "SIRANO").isValid());
        QCOMPARE(m_vekil->SepetSatirSil(OturumKopyasi(bayi3), satir, u"X"_s), 0); // gone already

        const TSonucBilgisi bayi4 = Oturum("BAYI4");
        QCOMPARE(Ekle(bayi4, 1, 0), 1);
        const int digerleri = m_db->Deger(u"SELECT COUNT(*) FROM SEPET WHERE CARINO <> ?"_s, {kBayi3Cari}).toInt();
        QVERIFY(digerleri > 0);
        QCOMPARE(m_vekil->SepetHepsiniSil(OturumKopyasi(bayi3)), 1);
        QCOMPARE(m_db->Deger(u"SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"_s, {kBayi3Cari}).toInt(), 0);
        QCOMPARE(m_db->Deger(u"SELECT COUNT(*) FROM SEPET WHERE CARINO <> ?"_s, {kBayi3Cari}).toInt(), digerleri);
    }

    // A line number is never given again, also not after its line was ordered or deleted, so a
    // stale client cannot change a line that took an old line's number.
    void lineNumbersAreNotReused() {
        const TSonucBilgisi s = Oturum("BAYI3");
        QCOMPARE(Ekle(s, 1, 0), 1);
        const int satir = SonSatir();
        m_vekil->SepetSecimGuncelle(satir, 1);
        QVERIFY(m_vekil->SiparisKaydet(OturumKopyasi(s), kBayi3Cari, 1, 1, QString(), s.Sirano(), 1));
        QCOMPARE(Ekle(s, 1, 0), 1);
        const int sonraki = SonSatir();
        QVERIFY(sonraki > satir);
        QCOMPARE(m_vekil->SepetSatirSil(OturumKopyasi(s), sonraki, u"X"_s), 1);
        QCOMPARE(Ekle(s, 1, 0), 1);
        QVERIFY(SonSatir() != satir);
    }

    void overdueWarning_data() {
        QTest::addColumn<int>("tolerans");
        QTest::addColumn<double>("alacak");
        QTest::addColumn<QString>("uyari");
        // Debits of 1000 due 40 days ago, 500 due 20 days ago, 800 due in 10 days.
        QTest::newRow("part paid") << 0 << 300.0 << u"Vadesi geçmiş bakiye: 1.200,00 TL (en eski vade 40 gün geçti)"_s;
        QTest::newRow("oldest paid off") << 0 << 1000.0
                                         << u"Vadesi geçmiş bakiye: 500,00 TL (en eski vade 20 gün geçti)"_s;
        QTest::newRow("grace days") << 30 << 0.0 << u"Vadesi geçmiş bakiye: 1.000,00 TL (en eski vade 40 gün geçti)"_s;
        QTest::newRow("all that is due is paid") << 0 << 1500.0 << QString();
        QTest::newRow("no movements") << -1 << 0.0 << QString();
    }
    void overdueWarning() {
        QFETCH(int, tolerans);
        QFETCH(double, alacak);
        QFETCH(QString, uyari);
        const int cari = m_digerCari;
        m_db->Komut(u"DELETE FROM CARI_HAREKETLER WHERE CARINO = ?"_s, {cari});
        m_db->Komut(u"UPDATE CARILER SET VADEKONTROLGUN = ? WHERE CARINO = ?"_s, {std::max(tolerans, 0), cari});
        if (tolerans >= 0) {
            const double bugun = OleBugun();
            const QString ekle = u"INSERT INTO CARI_HAREKETLER (CARINO, TARIH, VADETARIHI, TURADI, BORC, ALACAK) "
                                 "VALUES (?, ?, ?, ?, ?, ?)"_s;
            m_db->Komut(ekle, {cari, bugun - 70, bugun - 40, u"Satış Faturası"_s, 1000.0, 0.0});
            m_db->Komut(ekle, {cari, bugun - 50, bugun - 20, u"Satış Faturası"_s, 500.0, 0.0});
            m_db->Komut(ekle, {cari, bugun - 20, bugun + 10, u"Satış Faturası"_s, 800.0, 0.0});
            if (alacak > 0)
                m_db->Komut(ekle, {cari, bugun - 1, bugun - 1, u"Tahsilat"_s, 0.0, alacak});
        }
        QCOMPARE(m_vekil->CariVadeGunGecmismiBul(cari), uyari);
        QCOMPARE(m_vekil->CariVadeGunGecmismiBul(987654), QString());
    }

    // SIGKILL while the order is being written: afterwards either the whole order is there and
    // its lines have left the basket, or no order and the basket as it was.
    void killDuringAnOrderLeavesAllOrNothing() {
        TSunucuSureci sunucu(300);
        constexpr int kSatir = 200000; // far beyond a real basket, so the write lasts long enough to be cut
        int siparisOnce = 0;
        {
            TTestVeritabani v(sunucu.Veritabani());
            v.Komut(
                u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                "INSERT INTO SEPET (CARINO, STOK_STOKNO, BARKOD, STOKADI, MIKTAR, BIRIMFIYAT, NETBIRIMFIYAT, TUTAR, "
                "INDIRIMTUTAR, NETTUTAR, KDV, VERGITUTARI, KDVLITUTAR, SEC, TARIH) "
                "SELECT ?, 1 + i % 300, 'B', 'BÜYÜK SEPET', 1, 10, 10, 10, 0, 10, 20, 2, 12, i % 2, 45000 FROM n"_s,
                {kSatir, kBayi3Cari});
            siparisOnce = v.Deger(u"SELECT COUNT(*) FROM SIPARISLER"_s).toInt();
            v.Komut(u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
        }
        TTestVeritabani okuyucu(sunucu.Veritabani());
        const int sepetOnce = okuyucu.Deger(u"SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"_s, {kBayi3Cari}).toInt();
        const int isaretli =
            okuyucu.Deger(u"SELECT COUNT(*) FROM SEPET WHERE CARINO = ? AND SEC = 1"_s, {kBayi3Cari}).toInt();
        QVERIFY(isaretli >= kSatir / 2);
        QVERIFY(sunucu.Baslat());
        TSonucBilgisi s;
        {
            auto b = BaglantiAc(sunucu.Port());
            TServerMethods1Client p(b.get());
            s = OturumAl(p, "BAYI3");
        }
        const QString wal = sunucu.Veritabani() + u"-wal"_s;
        const qint64 walOnce = QFileInfo(wal).size();
        std::thread istek([&] {
            HamCagri(sunucu.Port(), u"SiparisKaydet"_s, {KayitJson(s), kBayi3Cari, 1, 1, u"not"_s, s.Sirano(), 1});
        });
        // The write is under way once the transaction's pages pour into the log.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(wal).size() > walOnce + 4 * 1024 * 1024 || !sunucu.Calisiyor(), 120000);
        sunucu.Oldur();
        istek.join();

        QCOMPARE(okuyucu.Deger(u"PRAGMA integrity_check"_s).toString(), u"ok"_s);
        const int siparisSonra = okuyucu.Deger(u"SELECT COUNT(*) FROM SIPARISLER"_s).toInt();
        const int sepetSonra = okuyucu.Deger(u"SELECT COUNT(*) FROM SEPET WHERE CARINO = ?"_s, {kBayi3Cari}).toInt();
        if (siparisSonra == siparisOnce) {
            QCOMPARE(sepetSonra, sepetOnce);
            QCOMPARE(okuyucu.Deger(u"SELECT COUNT(*) FROM SIPARIS_SATIRLARI WHERE STOKADI = 'BÜYÜK SEPET'"_s).toInt(),
                     0);
        } else {
            qWarning("the order was committed before the kill landed");
            QCOMPARE(siparisSonra, siparisOnce + 1);
            QCOMPARE(sepetSonra, sepetOnce - isaretli);
            QCOMPARE(okuyucu
                         .Deger(u"SELECT COUNT(*) FROM SIPARIS_SATIRLARI WHERE IDNO = (SELECT MAX(IDNO) FROM "
                                "SIPARISLER)"_s)
                         .toInt(),
                     isaretli);
        }
    }
};

QTEST_GUILESS_MAIN(TstSunucuSepet)
#include "tst_sunucu_sepet.moc"
