// Product search against a real server process with its demo catalogue: a dealer logs in through
// the real login window, searches by a name word and by two letters, and gets the stock grid with
// prices, icons and the picture flag; a text nothing matches gives an empty list counted 0.
#include "client/app/Unit1.h"
#include "client/catalogue/stokizgarasi.h"
#include "client/session/girisformu.h"
#include "platform/datasnap/dataset.h"
#include "platform/grid/izgara.h"
#include "tests/client/session/testortami.h"
#include "tests/e2e/sunucusureci.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int kSure = 30000;

int Sutun(const datasnap::TClientDataSet& veri, const QString& alan) {
    for (int i = 0; i < veri.FieldCount(); ++i)
        if (veri.Fields(i)->FieldName().compare(alan, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace

class TestStokAramaSunucu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void bayiAramasi();

private:
    std::unique_ptr<TEvKlasoru> m_ev;
    std::unique_ptr<TSunucuSureci> m_sunucu;
};

void TestStokAramaSunucu::initTestCase() {
    m_ev = std::make_unique<TEvKlasoru>();
    m_sunucu = std::make_unique<TSunucuSureci>(300);
    QVERIFY(m_sunucu->Baslat());
    Yonelt(m_sunucu->Port(), m_sunucu->Port());
}

void TestStokAramaSunucu::bayiAramasi() {
    TSeamler seamler;
    TSahteMakine sahte(u"TEST-MAKINE-3"_s);
    seamler.modalCevabi = [](QDialog* pencere) {
        return qobject_cast<Tgirisform*>(pencere) ? GirisiYaz(pencere, u"BAYI3"_s, u"1234"_s) : int(QDialog::Rejected);
    };
    TForm1 form;
    QSignalSpy bitti(&form, &TForm1::acilisGoreviBitti);
    form.FormCreate();
    form.show();
    QVERIFY(bitti.wait(kSure));
    seamler.mesajlar.clear();
    auto* kutu = form.findChild<QLineEdit*>(u"araedit"_s);
    const auto ara = [&](const QString& metin) {
        kutu->setText(metin);
        form.SpeedButton2Click();
        QTRY_VERIFY_WITH_TIMEOUT(kutu->isEnabled(), kSure);
    };

    ara(u"FREN"_s);
    QVERIFY2(seamler.mesajlar.empty(), qPrintable(seamler.MesajMetinleri().join(u" | "_s)));
    const datasnap::TClientDataSet& stok = *form.StokVerisi();
    const int adet = stok.RecordCount();
    QVERIFY(adet > 0);
    QCOMPARE(form.SekmeBasligi(TSekme::StokListesi), u"%1=Stok Listesi"_s.arg(adet));
    QCOMPARE(form.StokIzgarasi()->SatirSayisi(), adet);
    // Every column the grid shows arrives; every row is a brake part with a list price.
    for (const QString& alan : {u"STOK_STOKNO"_s, u"ADI"_s, u"DURUM"_s, u"RESIM"_s, u"Y"_s, u"K"_s, u"LISTEFIYAT1"_s,
                                u"KAMPFIYAT"_s, u"NETFIYAT"_s, u"KDVDAHIL"_s, u"INDIRIMYAZI"_s, u"KALAN"_s})
        QVERIFY2(Sutun(stok, alan) >= 0, qPrintable(alan));
    for (int r = 0; r < adet; ++r) {
        QVERIFY2(stok.ValueAt(r, Sutun(stok, u"ADI"_s)).toString().contains(u"FREN"_s), qPrintable(QString::number(r)));
        QVERIFY(stok.ValueAt(r, Sutun(stok, u"LISTEFIYAT1"_s)).toDouble() > 0);
        const int resim = stok.ValueAt(r, Sutun(stok, u"RESIM"_s)).toInt();
        QVERIFY(resim == 0 || resim == 1);
    }
    grid::TVeriIzgarasi* izgara = form.StokIzgarasi();
    const QModelIndex fiyat = izgara->Tablo()->model()->index(0, izgara->SutunIndeksi(katalog::FiyatBilgisiAlani));
    QVERIFY(katalog::FiyatBilgisiMetni(izgara->Hucre(fiyat)).startsWith(u"Liste Fiyatı: "_s));

    ara(u"FR"_s); // two letters are enough to search
    QVERIFY(seamler.mesajlar.empty());
    QVERIFY(stok.RecordCount() > 0);

    ara(u"QXQXQX"_s);
    QVERIFY(seamler.mesajlar.empty());
    QCOMPARE(stok.RecordCount(), 0);
    QCOMPARE(form.SekmeBasligi(TSekme::StokListesi), u"0=Stok Listesi"_s);
}

QTEST_MAIN(TestStokAramaSunucu)
#include "tst_stokarama_sunucu.moc"
