// The customer selection window and its date dialog, headless, against a real server process
// with the seeded demo data and a fixture of known content.
#include "client/account/seccariu.h"
#include "client/account/tarihsecu.h"
#include "client/remote/baglanti.h"
#include "client/remote/proxim.h"
#include "client/remote/utils.h"
#include "platform/datasnap/dataset.h"
#include "platform/grid/izgara.h"
#include "platform/system/sistem.h"
#include "server/seed/tohum.h"
#include "tests/e2e/carifiksturu.h"
#include "tests/e2e/sunucusureci.h"

#include <QAction>
#include <QApplication>
#include <QDateTimeEdit>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace datasnap;
namespace fx = carifiksturu;

namespace {

QString Makine(const char* kullanici) {
    for (const TSabitMakine& m : SabitMakineler())
        if (QLatin1String(m.kullanici) == QLatin1String(kullanici))
            return QString::fromLatin1(m.bilgisayarId);
    return {};
}

QString PdfMetni(const QString& dosya) {
    QProcess p;
    p.start(u"pdftotext"_s, {dosya, u"-"_s});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A returned table in a data set of its own.
std::unique_ptr<TClientDataSet> Okuyucu(TDBXReader* okuyucu) {
    auto veri = std::make_unique<TClientDataSet>();
    if (okuyucu)
        CopyReaderToClientDataSet(*okuyucu, *veri);
    return veri;
}

QSet<int> CariNolari(const TClientDataSet& veri) {
    QSet<int> s;
    const TField* no = veri.FindField(u"CARINO");
    for (int i = 0; no && i < veri.RecordCount(); ++i)
        s.insert(veri.ValueAt(i, no->Index()).toInt());
    return s;
}

QSet<int> CariNolari(const std::unique_ptr<TClientDataSet>& veri) {
    return CariNolari(*veri);
}

} // namespace

class TstSeccari : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_ev;
    std::unique_ptr<TSunucuSureci> m_sunucu;
    TSQLConnection m_bag;
    TSonucBilgisi m_temsilci;
    QStringList m_mesajlar;
    QList<QUrl> m_acilanlar;
    QList<int> m_bitisler;
    int m_tarihSorulari = 0;
    bool m_tarih2Gorunur = false;

    template <class T> static T* Bul(QWidget& w, const QString& ad) {
        T* nesne = w.findChild<T*>(ad);
        if (!nesne)
            qWarning("no %s", qPrintable(ad));
        return nesne;
    }

    // What the server answers outside the window, to compare with.
    template <class F> auto Dogrudan(F&& f) {
        TSQLConnection b;
        b.Params().SetValues(u"HostName"_s, u"127.0.0.1"_s);
        b.Params().SetValues(u"Port"_s, QString::number(m_sunucu->Port()));
        b.Open();
        TServerMethods1Client p(&b);
        return f(p);
    }

    std::unique_ptr<Tseccari> Pencere(TSonucBilgisi* bilgi) {
        auto w = std::make_unique<Tseccari>(nullptr, &m_bag, bilgi);
        w->SepetSayisiYaz();
        w->TusSonuclari();
        w->show();
        QApplication::setActiveWindow(w.get());
        return w;
    }

    static void Ara(Tseccari& w, const QString& metin) {
        auto* edit = w.findChild<QLineEdit*>(u"NEdit1"_s);
        edit->clear();
        QTest::keyClicks(edit, metin);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    static QString Etiket(Tseccari& w, const QString& ad) { return Bul<QLabel>(w, ad)->text(); }

    static void Tetikle(Tseccari& w, const QString& eylem) {
        QAction* a = w.findChild<QAction*>(eylem);
        QVERIFY(a);
        a->trigger();
    }

private slots:
    void initTestCase() {
        QVERIFY(m_ev.isValid());
        qputenv("HOME", QFile::encodeName(m_ev.path()));
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        KayitSiniflariniKaydet();
        m_sunucu = std::make_unique<TSunucuSureci>(300);
        QVERIFY(fx::Ekle(m_sunucu->Veritabani()));
        QVERIFY(m_sunucu->Baslat());
        m_bag.Params().SetValues(u"HostName"_s, u"127.0.0.1"_s);
        m_bag.Params().SetValues(u"Port"_s, QString::number(m_sunucu->Port()));
        m_temsilci.Kopyala(*Dogrudan([](TServerMethods1Client& p) {
            auto s = std::make_unique<TSonucBilgisi>();
            s->Kopyala(*p.BuyukGetir(Makine("TEMSILCI1")));
            return s;
        }));
        QCOMPARE(m_temsilci.MusteriTipi(), 1);

        MesajCevaplayicisiniAyarla([this](const MesajIstegi& istek) {
            m_mesajlar << istek.metin;
            return static_cast<int>(mrOk);
        });
        sistem::SurecBitirmeyiAyarla([this](int kod) { m_bitisler << kod; });
        sistem::KabuktaAcmayiAyarla([this](const QUrl& adres) {
            m_acilanlar << adres;
            return true;
        });
        ModalKancasiniKur();
        BeklemeyiAyarla([](std::chrono::milliseconds) {});
    }

    void init() {
        m_mesajlar.clear();
        m_acilanlar.clear();
        m_bitisler.clear();
        m_tarihSorulari = 0;
        m_bag.Params().SetValues(u"Port"_s, QString::number(m_sunucu->Port()));
    }

    void cleanupTestCase() {
        MesajCevaplayicisiniAyarla({});
        sistem::SurecBitirmeyiAyarla({});
        sistem::KabuktaAcmayiAyarla({});
        sistem::ModalCalistirmayiAyarla({});
        m_sunucu.reset();
    }

    void windowLaysOutTheDesign() {
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        QCOMPARE(w->windowTitle(), u"Cari Seçimi"_s);
        QCOMPARE(Bul<QPushButton>(*w, u"Button1"_s)->text(), u"Seç"_s);
        QCOMPARE(Bul<QPushButton>(*w, u"Button2"_s)->text(), u"Vazgeç"_s);
        QCOMPARE(Bul<QPushButton>(*w, u"sepettus"_s)->toolTip(), u"Sipariş sepetinde \nstok olan carileri listeler."_s);
        QCOMPARE(Bul<QGroupBox>(*w, u"GroupBox1"_s)->title(), u"Cari Bilgileri"_s);
        QVERIFY(Bul<QGroupBox>(*w, u"GroupBox1"_s)->isHidden()); // no customer focused yet
        QCOMPARE(w->Cariler().RecordCount(), 0);                 // nothing listed before a search
        QVERIFY(!w->findChild<QAction*>(u"B1"_s)->isVisible());
        QCOMPARE(w->findChild<QAction*>(u"C1"_s)->text(), u"Cari Özeti Göster"_s);
        QTRY_VERIFY(Bul<QLineEdit>(*w, u"NEdit1"_s)->hasFocus());

        // The grid shows the design's columns; every other field waits in the column chooser.
        Ara(*w, fx::kCariKod);
        auto* izgara = Bul<grid::TVeriIzgarasi>(*w, u"cxGrid1"_s);
        QCOMPARE(izgara->GorunurSutunlar(),
                 (QStringList{u"CARIKOD"_s, u"CARIADI"_s, u"SATICISI"_s, u"TLBAKIYE"_s, u"DURUM"_s, u"SEPET"_s,
                              u"ALINDI"_s, u"ONAYLANDI"_s, u"GORULDU"_s, u"HAZIRLANDI"_s, u"PARCALIHAZIRLANDI"_s}));
        QVERIFY(izgara->SutunSecicide(u"EMAIL") && !izgara->SutunGorunur(u"EMAIL"));
        QCOMPARE(izgara->SutunAt(izgara->SutunIndeksi(u"CARINO")).Baslik(), u"CARINO"_s);
    }

    void buttonsShowTheCounts() {
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        const int sepet = Dogrudan([&](TServerMethods1Client& p) { return p.SepetSayisi(OturumKopyasi(s)); });
        TTusSonuclari t;
        Dogrudan([&](TServerMethods1Client& p) {
            t.Kopyala(*p.TusSonuclariVer(OturumKopyasi(s)));
            return 0;
        });
        QVERIFY(sepet >= 1);
        QCOMPARE(Bul<QPushButton>(*w, u"sepettus"_s)->text(), QString::number(sepet));
        QCOMPARE(Bul<QPushButton>(*w, u"alinditus"_s)->text(), QString::number(t.Alindi()));
        QCOMPARE(Bul<QPushButton>(*w, u"onaylanditus"_s)->text(), QString::number(t.Onaylandi()));
        QCOMPARE(Bul<QPushButton>(*w, u"goruldutus"_s)->text(), QString::number(t.Goruldu()));
        QCOMPARE(Bul<QPushButton>(*w, u"parcalihazirlandi"_s)->text(), QString::number(t.ParcaliHazirlandi()));
        QCOMPARE(Bul<QPushButton>(*w, u"hazirlanditus"_s)->text(), QString::number(t.Hazirlandi()));
        QCOMPARE(Bul<QPushButton>(*w, u"sevktus"_s)->text(), QString::number(t.SevkEdildi()));
        QVERIFY(t.Alindi() > 0 && t.SevkEdildi() > 0);
    }

    void searchWithBlanksOnlyListsAll() {
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        const QSet<int> hepsi = Dogrudan(
            [&](TServerMethods1Client& p) { return CariNolari(Okuyucu(p.CariAra(OturumKopyasi(s), QString()))); });
        Ara(*w, u"   "_s);
        const QSet<int> blanklarla = CariNolari(w->Cariler());
        QCOMPARE(blanklarla, hepsi);
        QVERIFY(blanklarla.contains(fx::kCari));
        QVERIFY(blanklarla.size() > 3);

        Ara(*w, u"DENEME"_s);
        QCOMPARE(w->Cariler().RecordCount(), 1);
        Bul<QPushButton>(*w, u"sBitBtn2"_s)->click(); // "Tüm Carileri Listeler" empties the field first
        QCOMPARE(Bul<QLineEdit>(*w, u"NEdit1"_s)->text(), QString());
        QCOMPARE(CariNolari(w->Cariler()), blanklarla);
        const auto altBilgi = Bul<grid::TVeriIzgarasi>(*w, u"cxGrid1"_s)->AltBilgiYazilari();
        QCOMPARE(altBilgi.size(), 1);
        QCOMPARE(altBilgi.front().second, QString::number(blanklarla.size()));
        QTRY_VERIFY(Bul<QLineEdit>(*w, u"NEdit1"_s)->hasFocus());
    }

    void typingIsUpperCaseAndTheFoundCustomerFillsTheDetails() {
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        Ara(*w, u"deneme oto"_s);
        auto* edit = Bul<QLineEdit>(*w, u"NEdit1"_s);
        QCOMPARE(edit->text(), u"DENEME OTO"_s);
        QCOMPARE(edit->selectedText(), edit->text()); // selected for the next search
        QVERIFY(w->isVisible());                      // Enter searched; it did not press "Seç"
        QCOMPARE(w->result(), 0);
        QCOMPARE(w->Cariler().RecordCount(), 1);
        QCOMPARE(Bul<grid::TVeriIzgarasi>(*w, u"cxGrid1"_s)->OdakliKayit(), 0);
        QVERIFY(!Bul<QGroupBox>(*w, u"GroupBox1"_s)->isHidden());
        QCOMPARE(Etiket(*w, u"carikod"_s), fx::kCariKod);
        QCOMPARE(Etiket(*w, u"cariadi"_s), fx::kCariAdi);
        QCOMPARE(Etiket(*w, u"ilce"_s), u"ODUNPAZARI/ESKİŞEHİR"_s);
        QCOMPARE(Etiket(*w, u"vergi"_s), u"ODUNPAZARI V.D./1234567890"_s);
        QCOMPARE(Etiket(*w, u"bakiye"_s), u"250,50 Alacaklı"_s);
        QCOMPARE(Etiket(*w, u"indirim"_s), u"12,5"_s);
        QCOMPARE(Etiket(*w, u"vade"_s), u"45"_s);

        Ara(*w, u"BOYLE BIR CARI YOK"_s);
        QCOMPARE(w->Cariler().RecordCount(), 0);
        QVERIFY(Bul<QGroupBox>(*w, u"GroupBox1"_s)->isHidden());
    }

    void statusButtonsListTheirCustomers_data() {
        QTest::addColumn<QString>("tus");
        QTest::addColumn<int>("kod");
        QTest::newRow("basket") << u"sepettus"_s << 1;
        QTest::newRow("received") << u"alinditus"_s << 2;
        QTest::newRow("partly prepared") << u"parcalihazirlandi"_s << 5;
        QTest::newRow("shipped") << u"sevktus"_s << 7;
    }
    void statusButtonsListTheirCustomers() {
        QFETCH(QString, tus);
        QFETCH(int, kod);
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        Bul<QPushButton>(*w, tus)->click();
        const QSet<int> beklenen = Dogrudan(
            [&](TServerMethods1Client& p) { return CariNolari(Okuyucu(p.CariSepetVer(OturumKopyasi(s), kod))); });
        QCOMPARE(CariNolari(w->Cariler()), beklenen);
        QVERIFY(!beklenen.isEmpty());
    }

    void choosingWritesTheCustomerIntoTheSession() {
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        Ara(*w, fx::kCariKod);
        QSignalSpy kabul(w.get(), &QDialog::accepted);
        Bul<QPushButton>(*w, u"Button1"_s)->click();
        QCOMPARE(kabul.count(), 1);
        QCOMPARE(w->result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(s.CARINO(), fx::kCari);
        QCOMPARE(s.carikod(), fx::kCariKod);
        QCOMPARE(s.CariAdi(), fx::kCariAdi);
        QCOMPARE(s.ADI(), m_temsilci.ADI()); // nothing else changes
        QCOMPARE(s.Sirano(), m_temsilci.Sirano());
    }

    void doubleClickChoosesToo() {
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        Ara(*w, fx::kCariKod);
        QTableView* izgara = Bul<grid::TVeriIzgarasi>(*w, u"cxGrid1"_s)->Tablo();
        const QModelIndex hucre = izgara->currentIndex();
        const QPoint yer = izgara->visualRect(hucre).center();
        QTest::mouseClick(izgara->viewport(), Qt::LeftButton, {}, yer);
        QTest::mouseDClick(izgara->viewport(), Qt::LeftButton, {}, yer);
        QCOMPARE(w->result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(s.CARINO(), fx::kCari);
    }

    void withoutAFocusedCustomerSecDoesNothing() {
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        Ara(*w, u"BOYLE BIR CARI YOK"_s);
        Bul<QPushButton>(*w, u"Button1"_s)->click();
        QVERIFY(w->isVisible());
        QCOMPARE(w->result(), 0);
        QCOMPARE(s.CARINO(), m_temsilci.CARINO());
    }

    void vazgecEndsTheProgram() {
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        Ara(*w, fx::kCariKod);
        QVERIFY_THROWS_EXCEPTION(sistem::TSurecBitti, Bul<QPushButton>(*w, u"Button2"_s)->click());
        QCOMPARE(m_bitisler, QList<int>{0});
        QCOMPARE(s.CARINO(), m_temsilci.CARINO());
    }

    void openRunsTheWindowModallyWithItsCounts() {
        TSonucBilgisi s = m_temsilci;
        QString sepetYazisi;
        sistem::ModalCalistirmayiAyarla([&](QDialog* d) {
            sepetYazisi = d->findChild<QPushButton*>(u"sepettus"_s)->text();
            return static_cast<int>(QDialog::Rejected);
        });
        const int sonuc = Tseccari::Ac(nullptr, &m_bag, &s);
        ModalKancasiniKur();
        QCOMPARE(sonuc, static_cast<int>(QDialog::Rejected));
        QVERIFY(!sepetYazisi.isEmpty());
    }

    // Report 6 for customer 1234 is rapor1240.pdf in the documents folder, a readable PDF of that
    // customer; an older file of the same name is replaced.
    void customerSummaryReportIsSavedAndOpened() {
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        const QString dosya = QDir(BelgelerKlasoruVer()).filePath(u"rapor1240.pdf"_s);
        QCOMPARE(Tseccari::RaporDosyasi(6, 1234), dosya);
        QDir().mkpath(QFileInfo(dosya).path());
        {
            QFile eski(dosya);
            QVERIFY(eski.open(QIODevice::WriteOnly));
            eski.write("eski");
        }
        Ara(*w, fx::kCariKod);
        Tetikle(*w, u"C1"_s);
        QCOMPARE(m_tarihSorulari, 1);
        QVERIFY(!m_tarih2Gorunur); // one date
        QCOMPARE(m_acilanlar, QList<QUrl>{QUrl::fromLocalFile(dosya)});
        const QString metin = PdfMetni(dosya);
        QVERIFY2(metin.contains(fx::kCariAdi), qPrintable(metin));
        QVERIFY(metin.contains(fx::kTemsilci1Adi));
        QVERIFY(m_mesajlar.isEmpty());
    }

    // The sales table is of the customer the user pointed at, whatever the session holds.
    void salesTableReportIsOfTheFocusedCustomer() {
        TSonucBilgisi s = m_temsilci;
        s.SetCARINO(1);
        auto w = Pencere(&s);
        Ara(*w, fx::kCariKod);
        Tetikle(*w, u"CariAlSatTablosuSatcl1"_s);
        QVERIFY(m_tarih2Gorunur); // two dates
        const QString dosya = Tseccari::RaporDosyasi(7, fx::kCari);
        QCOMPARE(m_acilanlar, QList<QUrl>{QUrl::fromLocalFile(dosya)});
        QVERIFY(PdfMetni(dosya).contains(fx::kCariAdi));
    }

    void collectiveReportNeedsNoRow() {
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        Tetikle(*w, u"CariTopluAlacakVadeleri1"_s);
        const QString dosya = Tseccari::RaporDosyasi(6, 0);
        QCOMPARE(m_acilanlar, QList<QUrl>{QUrl::fromLocalFile(dosya)});
        QVERIFY(PdfMetni(dosya).contains(u"CARİ TOPLU ALACAK VADELERİ"));
    }

    // A report the server refuses leaves no file (not even the older one), opens nothing and
    // says nothing.
    void refusedReportLeavesNoFile() {
        TSonucBilgisi bayi;
        bayi.Kopyala(*Dogrudan([](TServerMethods1Client& p) {
            auto k = std::make_unique<TSonucBilgisi>();
            k->Kopyala(*p.BuyukGetir(Makine("BAYI3")));
            return k;
        }));
        auto w = Pencere(&bayi);
        const QString dosya = Tseccari::RaporDosyasi(6, 0);
        QDir().mkpath(QFileInfo(dosya).path());
        {
            QFile eski(dosya);
            QVERIFY(eski.open(QIODevice::WriteOnly));
            eski.write("eski");
        }
        Tetikle(*w, u"CariTopluAlacakVadeleri1"_s);
        QVERIFY(!QFile::exists(dosya));
        QVERIFY(m_acilanlar.isEmpty());
        QVERIFY(m_mesajlar.isEmpty());
    }

    void rowEntriesDoNothingWithoutARow() {
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        Tetikle(*w, u"C1"_s);
        Tetikle(*w, u"CariAlSatTablosuSatcl1"_s);
        QCOMPARE(m_tarihSorulari, 0);
        QVERIFY(m_acilanlar.isEmpty());
    }

    void unreachableServerKeepsTheListAndSaysSo() {
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        Ara(*w, fx::kCariKod);
        QCOMPARE(w->Cariler().RecordCount(), 1);
        m_bag.Params().SetValues(u"Port"_s, u"1"_s);
        Ara(*w, QString());
        QCOMPARE(m_mesajlar, QStringList{BaglantiHataMesaji()});
        QCOMPARE(w->Cariler().RecordCount(), 1);
        QCOMPARE(Etiket(*w, u"carikod"_s), fx::kCariKod);
    }

    void dateDialogStartsAtNowAndConverts() {
        const QDateTime once = QDateTime::currentDateTime();
        Ttarihsec t;
        QCOMPARE(t.windowTitle(), u"Tarih Seç"_s);
        QVERIFY(t.windowFlags().testFlag(Qt::Tool));
        QVERIFY(qAbs(t.Tarih1().secsTo(once)) < 60);
        QVERIFY(qAbs(t.Tarih2().secsTo(once)) < 60);
        QCOMPARE(t.findChild<QLabel*>(u"Label2"_s)->text(), u"Tarih 1:"_s);
        QCOMPARE(OleTarihineCevir(QDateTime(QDate(2025, 5, 10), QTime(12, 0))), 45787.5);
        QCOMPARE(OleTarihineCevir(QDateTime(QDate(1899, 12, 30), QTime(6, 0))), 0.25);
    }

    // Kept last: it empties every basket of the database.
    void emptyBasketCountLeavesTheButtonEmpty() {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"bosalt"_s);
            db.setDatabaseName(m_sunucu->Veritabani());
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(u"DELETE FROM SEPET"_s));
            db.close();
        }
        QSqlDatabase::removeDatabase(u"bosalt"_s);
        TSonucBilgisi s = m_temsilci;
        auto w = Pencere(&s);
        QCOMPARE(Bul<QPushButton>(*w, u"sepettus"_s)->text(), QString());
        QCOMPARE(Bul<QPushButton>(*w, u"goruldutus"_s)->text().isEmpty(), false);
    }

private:
    // The date dialog is answered "Seç" with its preset dates.
    void ModalKancasiniKur() {
        sistem::ModalCalistirmayiAyarla([this](QDialog* d) {
            if (auto* t = qobject_cast<Ttarihsec*>(d)) {
                ++m_tarihSorulari;
                m_tarih2Gorunur = !t->findChild<QDateTimeEdit*>(u"DateTimePicker2"_s)->isHidden();
                return static_cast<int>(QDialog::Accepted);
            }
            return d->exec();
        });
    }
};

QTEST_MAIN(TstSeccari)
#include "tst_seccari.moc"
