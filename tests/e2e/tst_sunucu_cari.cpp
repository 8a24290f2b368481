// The customer-selection methods, the notification counters and the PDF reports of the reference
// server, through the client's proxy against a real server process, checked against the seeded
// database and a fixture of known content.
#include "carifiksturu.h"
#include "client/remote/proxim.h"
#include "platform/datasnap/dsexception.h"
#include "server/seed/tohum.h"
#include "sunucusureci.h"

#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryFile>

using namespace datasnap;
using namespace Qt::Literals::StringLiterals;
namespace fx = carifiksturu;

namespace {

QString Makine(const char* kullanici) {
    for (const TSabitMakine& m : SabitMakineler())
        if (QLatin1String(m.kullanici) == QLatin1String(kullanici))
            return QString::fromLatin1(m.bilgisayarId);
    return {};
}

// Integers of a query on the test's own read-only view of the database.
QSet<int> Sayilar(const QString& dosya, const QString& sql) {
    QSet<int> sonuc;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("denetim"));
        db.setDatabaseName(dosya);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.open();
        QSqlQuery q(sql, db);
        while (q.next())
            sonuc.insert(q.value(0).toInt());
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("denetim"));
    return sonuc;
}

QString Yazi(const QString& dosya, const QString& sql) {
    QString sonuc;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("denetim"));
        db.setDatabaseName(dosya);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.open();
        QSqlQuery q(sql, db);
        if (q.next())
            sonuc = q.value(0).toString();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("denetim"));
    return sonuc;
}

int Tek(const QString& dosya, const QString& sql) {
    const QSet<int> s = Sayilar(dosya, sql);
    return s.isEmpty() ? -1 : *s.begin();
}

QString PdfMetni(const QByteArray& pdf) {
    QTemporaryFile dosya;
    if (!dosya.open())
        return {};
    dosya.write(pdf);
    dosya.flush();
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), dosya.fileName(), QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct TRapor {
    QByteArray pdf;
    qint64 boy = 0;
};

} // namespace

class TstSunucuCari : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TSunucuSureci> m_sunucu;
    std::unique_ptr<TSQLConnection> m_bag;
    std::unique_ptr<TServerMethods1Client> m_p;

    TSonucBilgisi Oturum(const char* kullanici) {
        TSonucBilgisi s;
        s.Kopyala(*m_p->BuyukGetir(Makine(kullanici)));
        return s;
    }

    TDSTable Tablo(TDBXReader* okuyucu) {
        TDSTable t;
        if (!okuyucu)
            return t;
        t.columns = okuyucu->Columns();
        while (okuyucu->Next()) {
            QList<QVariant> satir;
            for (int i = 0; i < okuyucu->ColumnCount(); ++i)
                satir << okuyucu->Value(i);
            t.rows.push_back(satir);
        }
        return t;
    }

    static QSet<int> CariNolari(const TDSTable& t) {
        QSet<int> s;
        const int k = t.ColumnIndex(u"CARINO");
        for (const auto& satir : t.rows)
            s.insert(satir.at(k).toInt());
        return s;
    }

    static QVariant Hucre(const TDSTable& t, int satir, QStringView sutun) {
        return t.rows.at(static_cast<size_t>(satir)).at(t.ColumnIndex(sutun));
    }

    TDSTable Ara(const TSonucBilgisi& s, const QString& metin) { return Tablo(m_p->CariAra(OturumKopyasi(s), metin)); }

    TRapor Rapor(int no, int idno, int cari, const QString& satici, double t1, double t2) {
        TRapor r;
        QIODevice* akis = m_p->RaporGetir(no, no, idno, cari, satici, t1, t2, r.boy);
        if (akis) {
            akis->seek(0);
            r.pdf = akis->readAll();
        }
        return r;
    }

    QString Db() const { return m_sunucu->Veritabani(); }

private slots:
    void initTestCase() {
        KayitSiniflariniKaydet();
        m_sunucu = std::make_unique<TSunucuSureci>(300);
        QVERIFY(fx::Ekle(m_sunucu->Veritabani()));
        QVERIFY(m_sunucu->Baslat());
        m_bag = std::make_unique<TSQLConnection>();
        m_bag->Params().SetValues(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        m_bag->Params().SetValues(QStringLiteral("Port"), QString::number(m_sunucu->Port()));
        m_bag->Open();
        m_p = std::make_unique<TServerMethods1Client>(m_bag.get());
    }

    void cleanupTestCase() {
        m_p.reset();
        m_bag.reset();
        m_sunucu.reset();
    }

    // Who sees which customers: the representative its own, the manager all, a dealer itself.
    void searchWithBlanksListsTheCustomersOfTheUser_data() {
        QTest::addColumn<QString>("kullanici");
        QTest::addColumn<QString>("beklenenSql");
        QTest::newRow("type 1: own customers")
            << u"TEMSILCI1"_s << u"SELECT CARINO FROM CARILER WHERE AKTIF = 1 AND SATICINO = 1"_s;
        QTest::newRow("type 2: every customer") << u"TEMSILCI2"_s << u"SELECT CARINO FROM CARILER WHERE AKTIF = 1"_s;
        QTest::newRow("dealer: its own account")
            << u"BAYI3"_s << u"SELECT CARINO FROM KULLANICILAR WHERE ADI = 'BAYI3'"_s;
    }
    void searchWithBlanksListsTheCustomersOfTheUser() {
        QFETCH(QString, kullanici);
        QFETCH(QString, beklenenSql);
        const TSonucBilgisi s = Oturum(kullanici.toLatin1().constData());
        const QSet<int> beklenen = Sayilar(Db(), beklenenSql);
        QVERIFY(beklenen.size() >= 1);
        QCOMPARE(CariNolari(Ara(s, QStringLiteral("   "))), beklenen);
        QCOMPARE(CariNolari(Ara(s, QString())), beklenen);
    }

    void customerTableHasTheColumnsOfTheSelectionWindow() {
        const TDSTable t = Ara(Oturum("TEMSILCI1"), QString());
        const QStringList adlar = {u"CARIKOD"_s,
                                   u"CARIADI"_s,
                                   u"SATICISI"_s,
                                   u"TLBAKIYE"_s,
                                   u"DURUM"_s,
                                   u"SEPET"_s,
                                   u"ALINDI"_s,
                                   u"ONAYLANDI"_s,
                                   u"GORULDU"_s,
                                   u"HAZIRLANDI"_s,
                                   u"PARCALIHAZIRLANDI"_s,
                                   u"CARINO"_s,
                                   u"OZELKOD"_s,
                                   u"KOD1"_s,
                                   u"KOD2"_s,
                                   u"KOD3"_s,
                                   u"KOD4"_s,
                                   u"KOD5"_s,
                                   u"TEL1"_s,
                                   u"TEL2"_s,
                                   u"ILCE"_s,
                                   u"IL"_s,
                                   u"GSM"_s,
                                   u"YETKILI"_s,
                                   u"INDIRIM"_s,
                                   u"VADE"_s,
                                   u"VADEKONTROLGUN"_s,
                                   u"VADEKONTROLAY"_s,
                                   u"VERGIDAIRESI"_s,
                                   u"VERGINO"_s,
                                   u"ADRES1"_s,
                                   u"ADRES2"_s,
                                   u"ANAGRUP"_s,
                                   u"ALTGRUP"_s,
                                   u"FAX1"_s,
                                   u"FAX2"_s,
                                   u"EMAIL"_s};
        QStringList gelen;
        for (const TFieldDef& c : t.columns)
            gelen << c.name;
        QCOMPARE(gelen, adlar);
        QCOMPARE(t.columns[t.ColumnIndex(u"TLBAKIYE")].type, TFieldType::Double);
        QCOMPARE(t.columns[t.ColumnIndex(u"INDIRIM")].type, TFieldType::Double);
        QCOMPARE(t.columns[t.ColumnIndex(u"CARINO")].type, TFieldType::Int32);
        QCOMPARE(t.columns[t.ColumnIndex(u"SEPET")].type, TFieldType::Int32);
        QCOMPARE(t.columns[t.ColumnIndex(u"VADE")].type, TFieldType::Int32);
    }

    // The fixture customer's row: its counts per basket and order state and its balance.
    void fixtureRowCarriesItsCountsAndBalance() {
        const TDSTable t = Ara(Oturum("TEMSILCI1"), fx::kCariKod);
        QCOMPARE(t.rows.size(), size_t(1));
        QCOMPARE(Hucre(t, 0, u"CARINO").toInt(), fx::kCari);
        QCOMPARE(Hucre(t, 0, u"CARIADI").toString(), fx::kCariAdi);
        QCOMPARE(Hucre(t, 0, u"SATICISI").toString(), fx::kTemsilci1Adi);
        QCOMPARE(Hucre(t, 0, u"SEPET").toInt(), 2);
        QCOMPARE(Hucre(t, 0, u"ALINDI").toInt(), 1);
        QCOMPARE(Hucre(t, 0, u"ONAYLANDI").toInt(), 2);
        QCOMPARE(Hucre(t, 0, u"GORULDU").toInt(), 0);
        QCOMPARE(Hucre(t, 0, u"PARCALIHAZIRLANDI").toInt(), 1);
        QCOMPARE(Hucre(t, 0, u"HAZIRLANDI").toInt(), 0);
        QCOMPARE(Hucre(t, 0, u"TLBAKIYE").toDouble(), 250.5);
        QCOMPARE(Hucre(t, 0, u"DURUM").toString(), QStringLiteral("Alacaklı"));
        QCOMPARE(Hucre(t, 0, u"INDIRIM").toDouble(), 12.5);
        QCOMPARE(Hucre(t, 0, u"VADE").toInt(), 45);
    }

    // Texts are compared by search key: case, Turkish letters and punctuation do not matter;
    // every word must be found.
    void searchMatchesCodeNamePhoneAndCity_data() {
        QTest::addColumn<QString>("aranan");
        QTest::addColumn<bool>("bulunur");
        QTest::newRow("name, lower case") << u"deneme oto"_s << true;
        QTest::newRow("city with Turkish letters") << u"eskişehir deneme"_s << true;
        QTest::newRow("city typed without them") << u"ESKISEHIR DENEME"_s << true;
        QTest::newRow("phone in pieces") << u"555 12 34"_s << true;
        QTest::newRow("code") << u"120.99.1234"_s << true;
        QTest::newRow("contact person") << u"ayse test"_s << true;
        QTest::newRow("one word missing") << u"deneme ankara"_s << false;
    }
    void searchMatchesCodeNamePhoneAndCity() {
        QFETCH(QString, aranan);
        QFETCH(bool, bulunur);
        QCOMPARE(CariNolari(Ara(Oturum("TEMSILCI1"), aranan)).contains(fx::kCari), bulunur);
    }

    void representativeDoesNotFindAnotherRepresentativesCustomer() {
        QVERIFY(Ara(Oturum("TEMSILCI1"), fx::kBaskaCariAdi).rows.empty());
        QCOMPARE(CariNolari(Ara(Oturum("TEMSILCI2"), fx::kBaskaCariAdi)), QSet<int>{fx::kBaskaTemsilcininCarisi});
    }

    // The user type comes from the server's user, not from the record: a dealer cannot widen
    // its view by sending type 2.
    void forgedUserTypeIsIgnored() {
        TSonucBilgisi s = Oturum("BAYI3");
        s.SetMusteriTipi(2);
        QCOMPARE(CariNolari(Ara(s, QString())).size(), 1);
    }

    void sessionErrorsAreRefused_data() {
        QTest::addColumn<int>("durum");
        QTest::newRow("no session record") << 0;
        QTest::newRow("record number of another user") << 1;
        QTest::newRow("unknown machine") << 2;
    }
    void sessionErrorsAreRefused() {
        QFETCH(int, durum);
        std::unique_ptr<TSonucBilgisi> s;
        if (durum > 0) {
            s = OturumKopyasi(Oturum("TEMSILCI1"));
            if (durum == 1)
                s->SetSirano(s->Sirano() + 1);
            else
                s->SetBILGISAYARID(QStringLiteral("BILINMEYEN"));
        }
        QVERIFY_THROWS_EXCEPTION(TDSException, m_p->CariAra(std::move(s), QString()));
        // the connection stays usable
        QVERIFY(!Ara(Oturum("TEMSILCI1"), QString()).rows.empty());
    }

    // Lists 1 to 7: the customers with basket lines, then with an order in state n - 1.
    void statusListsFollowTheBasketAndOrderStates_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("fiksturDahil");
        QTest::newRow("1 basket") << 1 << true;
        QTest::newRow("2 received") << 2 << true;
        QTest::newRow("3 approved") << 3 << true;
        QTest::newRow("4 seen") << 4 << false;
        QTest::newRow("5 partly prepared") << 5 << true;
        QTest::newRow("6 prepared") << 6 << false;
        QTest::newRow("7 shipped") << 7 << false;
    }
    void statusListsFollowTheBasketAndOrderStates() {
        QFETCH(int, n);
        QFETCH(bool, fiksturDahil);
        const QString kosul = n == 1 ? QStringLiteral("EXISTS (SELECT 1 FROM SEPET S WHERE S.CARINO = C.CARINO)")
                                     : QStringLiteral("EXISTS (SELECT 1 FROM SIPARISLER S WHERE S.CARINO = "
                                                      "C.CARINO AND S.DURUM = %1)")
                                           .arg(n - 1);
        const QSet<int> beklenen =
            Sayilar(Db(), QStringLiteral("SELECT CARINO FROM CARILER C WHERE AKTIF = 1 AND SATICINO = 1 AND ") + kosul);
        const QSet<int> gelen = CariNolari(Tablo(m_p->CariSepetVer(OturumKopyasi(Oturum("TEMSILCI1")), n)));
        QCOMPARE(gelen, beklenen);
        QCOMPARE(gelen.contains(fx::kCari), fiksturDahil);
    }

    void statusListCodeOutsideOneToSevenIsRefused() {
        for (int n : {0, 8, -1})
            QVERIFY_THROWS_EXCEPTION(TDSException, m_p->CariSepetVer(OturumKopyasi(Oturum("TEMSILCI1")), n));
    }

    void buttonCountsCountBasketCustomersAndOrdersPerState() {
        const TSonucBilgisi s = Oturum("TEMSILCI1");
        QCOMPARE(m_p->SepetSayisi(OturumKopyasi(s)),
                 Tek(Db(), QStringLiteral("SELECT COUNT(*) FROM CARILER C WHERE AKTIF = 1 AND SATICINO = 1 AND "
                                          "EXISTS (SELECT 1 FROM SEPET S WHERE S.CARINO = C.CARINO)")));
        TTusSonuclari t;
        t.Kopyala(*m_p->TusSonuclariVer(OturumKopyasi(s)));
        auto adet = [this](int durum) {
            return Tek(Db(), QStringLiteral("SELECT COUNT(*) FROM SIPARISLER S JOIN CARILER C ON C.CARINO = S.CARINO "
                                            "WHERE C.AKTIF = 1 AND C.SATICINO = 1 AND S.DURUM = %1")
                                 .arg(durum));
        };
        QCOMPARE(t.Alindi(), adet(1));
        QCOMPARE(t.Onaylandi(), adet(2));
        QCOMPARE(t.Goruldu(), adet(3));
        QCOMPARE(t.ParcaliHazirlandi(), adet(4));
        QCOMPARE(t.Hazirlandi(), adet(5));
        QCOMPARE(t.SevkEdildi(), adet(6));
        QVERIFY(t.Alindi() >= 1 && t.Onaylandi() >= 2); // the fixture is among them
    }

    // The counter row: basket lines, new items, campaign items, announcements, open balances.
    void counterRowOfTheSessionsCustomer() {
        TSonucBilgisi s = Oturum("TEMSILCI1");
        s.SetCARINO(fx::kCari);
        const TDSTable t = Tablo(m_p->BalonGetir(OturumKopyasi(s)));
        QCOMPARE(t.columns.size(), 5);
        QCOMPARE(t.rows.size(), size_t(1));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(t.columns[i].type, TFieldType::Int32);
        QCOMPARE(t.columns[4].type, TFieldType::Double);
        const auto& r = t.rows[0];
        QCOMPARE(r[0].toInt(), 2);
        QCOMPARE(r[1].toInt(), Tek(Db(), QStringLiteral("SELECT COUNT(*) FROM STOKLAR WHERE Y = 1 AND AKTIF = 1")));
        QCOMPARE(r[2].toInt(), Tek(Db(), QStringLiteral("SELECT COUNT(*) FROM STOKLAR WHERE K = 1 AND AKTIF = 1")));
        QCOMPARE(r[3].toInt(), Tek(Db(), QStringLiteral("SELECT COUNT(*) FROM DUYURULAR WHERE AKTIF = 1")));
        QVERIFY(r[1].toInt() > 0 && r[2].toInt() > 0 && r[3].toInt() > 0);
        QCOMPARE(r[4].toDouble(), 1.0); // one open line; the cancelled and the delivered ones do not count
    }

    void dealerGetsTheCountersOfItsOwnAccount() {
        TSonucBilgisi s = Oturum("BAYI3");
        const int kendi = s.CARINO();
        s.SetCARINO(fx::kCari); // not its account: ignored
        const TDSTable t = Tablo(m_p->BalonGetir(OturumKopyasi(s)));
        QCOMPARE(t.rows.at(0)[0].toInt(),
                 Tek(Db(), QStringLiteral("SELECT COUNT(*) FROM SEPET WHERE CARINO = %1").arg(kendi)));
    }

    // Staff get the customer's counts only for a customer they may work for.
    void countersOfAnotherRepresentativesCustomerAreZero() {
        for (const char* kullanici : {"TEMSILCI1", "TEMSILCI2"}) {
            TSonucBilgisi s = Oturum(kullanici);
            s.SetCARINO(fx::kBaskaTemsilcininCarisi);
            const TDSTable t = Tablo(m_p->BalonGetir(OturumKopyasi(s)));
            QCOMPARE(t.rows.at(0)[0].toInt(), s.MusteriTipi() == 2 ? 1 : 0);
        }
    }

    void customerSummaryIsAReadablePdfOfThatCustomer() {
        const TSonucBilgisi s = Oturum("TEMSILCI1");
        const TRapor r = Rapor(6, s.Sirano(), fx::kCari, fx::kTemsilci1Adi, fx::kTahsilatTarihi, fx::kTahsilatTarihi);
        QVERIFY(r.pdf.startsWith("%PDF"));
        QCOMPARE(r.boy, qint64(r.pdf.size()));
        const QString metin = PdfMetni(r.pdf);
        QVERIFY2(metin.contains(u"CARİ ÖZETİ"), qPrintable(metin));
        QVERIFY(metin.contains(fx::kCariAdi));
        QVERIFY(metin.contains(fx::kCariKod));
        QVERIFY(metin.contains(fx::kTemsilci1Adi));
        // as of 20 May: the invoice and the first collection only
        QVERIFY2(metin.contains(u"600,00 Borçlu"), qPrintable(metin));
        QVERIFY(metin.contains(u"FTR-1234"));
        QVERIFY(!metin.contains(u"THS-1235"));
    }

    void salesTableCoversTheDatesInEitherOrder() {
        const TSonucBilgisi s = Oturum("TEMSILCI2");
        for (const auto& [t1, t2] : {std::pair{45778.0, 45798.0}, std::pair{45798.0, 45778.0}}) {
            const TRapor r = Rapor(7, s.Sirano(), fx::kCari, QString(), t1, t2);
            QCOMPARE(r.boy, qint64(r.pdf.size()));
            const QString metin = PdfMetni(r.pdf);
            QVERIFY2(metin.contains(u"CARİ ALIŞ SATIŞ TABLOSU (SATICILI)"), qPrintable(metin));
            QVERIFY(metin.contains(u"05.2025"));
            QVERIFY2(metin.contains(u"1.000,00"), qPrintable(metin));
            QVERIFY(metin.contains(u"400,00"));
            QVERIFY(!metin.contains(u"850,50")); // after the second date
        }
    }

    void collectiveDueDatesListTheCustomersOfTheSeller() {
        const TSonucBilgisi yonetici = Oturum("TEMSILCI2");
        const QString hepsi = PdfMetni(Rapor(6, yonetici.Sirano(), 0, QStringLiteral("."), 45810, 45810).pdf);
        QVERIFY2(hepsi.contains(u"CARİ TOPLU ALACAK VADELERİ"), qPrintable(hepsi));
        QVERIFY(hepsi.contains(u"Tüm Satıcılar"));
        QVERIFY(hepsi.contains(fx::kCariKod));
        const TSonucBilgisi temsilci = Oturum("TEMSILCI1");
        const QString kendi = PdfMetni(Rapor(6, temsilci.Sirano(), 0, temsilci.ADI(), 45810, 45810).pdf);
        QVERIFY(kendi.contains(fx::kCariKod));
        const QString baskaninKodu = Yazi(Db(), QStringLiteral("SELECT CARIKOD FROM CARILER WHERE SATICINO = 2 AND "
                                                               "ABS(TLBAKIYE) > 1 ORDER BY CARINO LIMIT 1"));
        QVERIFY(!baskaninKodu.isEmpty());
        QVERIFY(hepsi.contains(baskaninKodu));
        QVERIFY(!kendi.contains(baskaninKodu));
    }

    void reportsAreRefusedOutsideTheirRules_data() {
        QTest::addColumn<QString>("kullanici");
        QTest::addColumn<int>("rapor");
        QTest::addColumn<int>("cari");
        QTest::newRow("a dealer") << u"BAYI3"_s << 6 << 1;
        QTest::newRow("unknown report") << u"TEMSILCI2"_s << 99 << fx::kCari;
        QTest::newRow("report 7 without a customer") << u"TEMSILCI2"_s << 7 << 0;
        QTest::newRow("another representative's customer") << u"TEMSILCI1"_s << 6 << fx::kBaskaTemsilcininCarisi;
        QTest::newRow("unknown customer") << u"TEMSILCI2"_s << 6 << 999999;
    }
    void reportsAreRefusedOutsideTheirRules() {
        QFETCH(QString, kullanici);
        QFETCH(int, rapor);
        QFETCH(int, cari);
        const TSonucBilgisi s = Oturum(kullanici.toLatin1().constData());
        qint64 boy = -1;
        QVERIFY_THROWS_EXCEPTION(
            TDSException, m_p->RaporGetir(rapor, rapor, s.Sirano(), cari, QStringLiteral("."), 45810, 45810, boy));
    }
};

QTEST_GUILESS_MAIN(TstSunucuCari)
#include "tst_sunucu_cari.moc"
