// The basket grid on its own: the re-layout by the screen's width, the "Seç" check box, the
// footer and the popup menu.
#include "client/orders/sepetizgarasi.h"
#include "platform/datasnap/dataset.h"
#include "platform/datasnap/datasource.h"
#include "platform/grid/izgara.h"

#include <QAction>
#include <QMenu>
#include <QTableView>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

using datasnap::TFieldType;

// Two lines, the first marked.
void SepetDoldur(datasnap::TClientDataSet& sepet) {
    sepet.SetFieldDefs({{u"SIRANO"_s, TFieldType::Int32},
                        {u"SEC"_s, TFieldType::Int32},
                        {u"STOKADI"_s, TFieldType::WideString, 100},
                        {u"MIKTAR"_s, TFieldType::Double},
                        {u"NETTUTAR"_s, TFieldType::Double},
                        {u"VERILISTARIHI"_s, TFieldType::DateTime}});
    sepet.AppendRow({1, 1, u"ÖN FREN BALATASI TAKIMI GENİŞ"_s, 2.0, 150.5, 46357.0});
    sepet.AppendRow({2, 0, u"YAĞ FİLTRESİ"_s, 3.0, 49.5, 46358.0});
}

} // namespace

class TestSepetIzgarasi : public QObject {
    Q_OBJECT

private slots:
    void init();
    void genisEkrandaOrantili();
    void darEkrandaEnIyiSigdir();
    void secKutusuVeAltBilgi();
    void acilirMenu();

private:
    std::unique_ptr<QWidget> m_pencere;
    datasnap::TClientDataSet* m_sepet = nullptr;
    grid::TVeriIzgarasi* m_izgara = nullptr;
};

void TestSepetIzgarasi::init() {
    m_pencere = std::make_unique<QWidget>();
    m_sepet = new datasnap::TClientDataSet(m_pencere.get());
    SepetDoldur(*m_sepet);
    auto* kaynak = new datasnap::TDataSource(m_pencere.get());
    kaynak->SetDataSet(m_sepet);
    m_izgara = siparis::SepetIzgarasiOlustur(m_pencere.get(), kaynak);
    m_izgara->resize(1130, 400);
    m_pencere->show();
}

// Visible weights: 22 units; (1130 - 30) / 22 = 50 pixels per unit.
void TestSepetIzgarasi::genisEkrandaOrantili() {
    siparis::SepetIzgarasiDuzenle(*m_izgara, siparis::GenisEkranSiniri + 1);
    QCOMPARE(m_izgara->SutunGenisligi(u"STOKADI"), 150);
    QCOMPARE(m_izgara->SutunGenisligi(u"BARKOD"), 100);
    QCOMPARE(m_izgara->SutunGenisligi(u"SEC"), 50);
    // A column the user hides leaves the sum: 21 units give 52 pixels each.
    m_izgara->SetSutunGorunur(u"VEREN", false);
    siparis::SepetIzgarasiDuzenle(*m_izgara, 1920);
    QCOMPARE(m_izgara->SutunGenisligi(u"STOKADI"), 156);
}

// A screen of 1152 pixels fits each column to its content, whatever the grid's width.
void TestSepetIzgarasi::darEkrandaEnIyiSigdir() {
    siparis::SepetIzgarasiDuzenle(*m_izgara, siparis::GenisEkranSiniri);
    const int uzun = m_izgara->SutunGenisligi(u"STOKADI");
    QVERIFY(uzun != 150);
    QVERIFY(uzun > m_izgara->SutunGenisligi(u"SEC"));
    QCOMPARE(m_izgara->SatirYuksekligi(), 40);
}

void TestSepetIzgarasi::secKutusuVeAltBilgi() {
    QAbstractItemModel* model = m_izgara->Tablo()->model();
    const int sec = m_izgara->SutunIndeksi(u"SEC");
    QCOMPARE(model->index(0, sec).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(model->index(1, sec).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QVERIFY(!m_izgara->SutunSecicide(u"SEC"));
    // Line count, quantity and net amount in the footer.
    QCOMPARE(m_izgara->AltOzetDegeri(0), 2.0);
    QCOMPARE(m_izgara->AltOzetDegeri(1), 5.0);
    QCOMPARE(m_izgara->AltOzetDegeri(2), 200.0);
    // Even rows white, odd rows grey (the reverse of the stock grid).
    QCOMPARE(m_izgara->SatirZemini(0, false), QColor(255, 255, 255));
    QCOMPARE(m_izgara->SatirZemini(1, false), QColor(239, 239, 239));
}

void TestSepetIzgarasi::acilirMenu() {
    auto* menu = m_izgara->findChild<QMenu*>(u"PopupMenu2"_s);
    QVERIFY(menu);
    QStringList ogeler;
    for (const QAction* a : menu->actions())
        ogeler << (a->isSeparator() ? u"-"_s : a->text());
    QCOMPARE(ogeler, (QStringList{u"Satır Değiştir"_s, u"-"_s, u"Satır Sil"_s, u"-"_s, u"Hepsini Sil"_s}));
}

QTEST_MAIN(TestSepetIzgarasi)
#include "tst_sepetizgarasi.moc"
