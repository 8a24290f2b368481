#include "client/account/seccariu.h"

#include "client/account/tarihsecu.h"
#include "client/remote/baglanti.h"
#include "client/remote/baglantiu.h"
#include "client/remote/proxim.h"
#include "client/remote/sayilar.h"
#include "client/remote/utils.h"
#include "platform/datasnap/command.h"
#include "platform/datasnap/dataset.h"
#include "platform/datasnap/datasource.h"
#include "platform/datasnap/dsexception.h"
#include "platform/grid/izgara.h"
#include "platform/system/sistem.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <QValidator>

using namespace Qt::Literals::StringLiterals;

namespace {

// The columns of the customer table: shown at first, then those the user may show. Headers are
// the field names.
struct TCariSutunu {
    const char16_t* alan;
    bool gorunur;
    bool sayi;
};

const TCariSutunu kCariSutunlari[] = {
    {u"CARIKOD", true, false},
    {u"CARIADI", true, false},
    {u"SATICISI", true, false},
    {u"TLBAKIYE", true, true},
    {u"DURUM", true, false},
    {u"SEPET", true, true},
    {u"ALINDI", true, true},
    {u"ONAYLANDI", true, true},
    {u"GORULDU", true, true},
    {u"HAZIRLANDI", true, true},
    {u"PARCALIHAZIRLANDI", true, true},
    {u"CARINO", false, true},
    {u"OZELKOD", false, false},
    {u"KOD1", false, false},
    {u"KOD2", false, false},
    {u"KOD3", false, false},
    {u"KOD4", false, false},
    {u"KOD5", false, false},
    {u"TEL1", false, false},
    {u"TEL2", false, false},
    {u"ILCE", false, false},
    {u"IL", false, false},
    {u"GSM", false, false},
    {u"YETKILI", false, false},
    {u"INDIRIM", false, true},
    {u"VADE", false, true},
    {u"VADEKONTROLGUN", false, true},
    {u"VADEKONTROLAY", false, true},
    {u"VERGIDAIRESI", false, false},
    {u"VERGINO", false, false},
    {u"ADRES1", false, false},
    {u"ADRES2", false, false},
    {u"ANAGRUP", false, false},
    {u"ALTGRUP", false, false},
    {u"FAX1", false, false},
    {u"FAX2", false, false},
    {u"EMAIL", false, false},
};

// Input shown and kept in upper case, as typed.
class TBuyukHarf final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& metin, int&) const override {
        metin = metin.toUpper();
        return Acceptable;
    }
};

// The details panel: each caption and the name of the label that shows its value.
struct TBilgiSatiri {
    const char16_t* baslik;
    const char16_t* etiket;
};

const TBilgiSatiri kBilgiSatirlari[] = {
    {u"CariKod:", u"carikod"},
    {u"Cari Adı:", u"cariadi"},
    {u"Yetkili:", u"yetkili"},
    {u"Özel Kod:", u"ozelkod"},
    {u"Ana Grup:", u"anagrup"},
    {u"Alt Grup:", u"altgrup"},
    {u"Adres:", u"adres1"},
    {u"", u"adres2"},
    {u"", u"ilce"},
    {u"Telefon:", u"telefon1"},
    {u"", u"telefon2"},
    {u"Fax:", u"fax1"},
    {u"", u"fax2"},
    {u"Gsm:", u"gsm"},
    {u"Vergi D.:", u"vergi"},
    {u"E-mail:", u"email"},
    {u"Bakiye:", u"bakiye"},
    {u"İndirim %:", u"indirim"},
    {u"Vade (Gün):", u"vade"},
};

QString Sayi(int n) {
    return QString::number(n);
}

} // namespace

Tseccari::Tseccari(QWidget* sahip, datasnap::TSQLConnection* bag, TSonucBilgisi* bilgim)
    : QDialog(sahip)
    , m_bag(bag)
    , m_bilgim(bilgim)
    , m_tuslar(std::make_unique<TTusSonuclari>())
    , m_cariler(new datasnap::TClientDataSet(this))
    , m_kaynak(new datasnap::TDataSource(this)) {
    setObjectName(u"seccari"_s);
    setWindowTitle(u"Cari Seçimi"_s);
    m_cariler->setObjectName(u"CARILER"_s);
    m_kaynak->SetDataSet(m_cariler);
    ArayuzuKur();
}

Tseccari::~Tseccari() = default;

int Tseccari::Ac(QWidget* sahip, datasnap::TSQLConnection* bag, TSonucBilgisi* bilgim) {
    Tseccari pencere(sahip, bag, bilgim);
    pencere.SepetSayisiYaz();
    pencere.TusSonuclari();
    return sistem::ModalCalistir(&pencere);
}

// ---------------------------------------------------------------------------------------------
// Layout

void Tseccari::ArayuzuKur() {
    auto* yerlesim = new QVBoxLayout(this);
    yerlesim->addWidget(UstCubuk());

    auto* orta = new QHBoxLayout;
    IzgarayiKur();
    orta->addWidget(m_cxGrid1, 1);
    orta->addWidget(BilgiPaneli());
    yerlesim->addLayout(orta, 1);
    yerlesim->addWidget(AltCubuk());
    MenuyuKur();
    m_cxGrid1->SetAcilirMenu(m_PopupMenu1);
    m_NEdit1->setFocus();
}

// Read-only, incremental search, the row count under CARIKOD, every column in the chooser.
void Tseccari::IzgarayiKur() {
    m_cxGrid1 = new grid::TVeriIzgarasi(this);
    m_cxGrid1->setObjectName(u"cxGrid1"_s);
    m_cxGrid1->Tablo()->setObjectName(u"cxGrid1DBTableView1"_s);
    std::vector<grid::TSutun> sutunlar;
    for (const TCariSutunu& s : kCariSutunlari) {
        grid::TSutun sutun;
        sutun.alan = QString::fromUtf16(s.alan);
        sutun.gorunur = s.gorunur;
        sutun.tur = s.sayi ? grid::TSutunTuru::Sayi : grid::TSutunTuru::Yazi;
        sutunlar.push_back(std::move(sutun));
    }
    m_cxGrid1->SetSutunlar(std::move(sutunlar));
    m_cxGrid1->SetArtimliArama(true);
    m_cxGrid1->SetSuzgecDugmeleri(false);
    m_cxGrid1->SetSutunSecici(true);
    m_cxGrid1->SetAltBilgiGorunur(true);
    m_cxGrid1->SetAltOzetler({grid::TOzet{u"CARIKOD"_s, grid::TOzetTuru::Sayi}});
    m_cxGrid1->SetVeriKaynagi(m_kaynak);
    connect(m_cxGrid1, &grid::TVeriIzgarasi::OdakDegisti, this, &Tseccari::cxGrid1DBTableView1FocusedRecordChanged);
    connect(m_cxGrid1, &grid::TVeriIzgarasi::CiftTiklandi, this, &Tseccari::CariSec);
}

QWidget* Tseccari::UstCubuk() {
    auto* cubuk = new QWidget(this);
    auto* yerlesim = new QHBoxLayout(cubuk);
    yerlesim->setContentsMargins(0, 0, 0, 0);
    m_NEdit1 = new QLineEdit(cubuk);
    m_NEdit1->setObjectName(u"NEdit1"_s);
    m_NEdit1->setValidator(new TBuyukHarf(m_NEdit1));
    m_NEdit1->setClearButtonEnabled(true);
    yerlesim->addWidget(m_NEdit1, 1);

    m_sBitBtn2 = DurumTusu(u"sBitBtn2"_s, u"Tüm Carileri Listeler"_s, u"tum"_s);
    m_sepettus = DurumTusu(u"sepettus"_s, u"Sipariş sepetinde \nstok olan carileri listeler."_s, u"sepet"_s);
    m_alinditus = DurumTusu(u"alinditus"_s, u"Yeni Alınan \nSiparişleri Listeler"_s, u"alindi"_s);
    m_onaylanditus = DurumTusu(u"onaylanditus"_s, u"Onaylanan Siparişler"_s, u"onaylandi"_s);
    m_goruldutus = DurumTusu(u"goruldutus"_s, u"Görülen Siparişler"_s, u"goruldu"_s);
    m_parcalihazirlandi = DurumTusu(u"parcalihazirlandi"_s, u"Eksik Hazırlanan siparişler"_s, u"parcali"_s);
    m_hazirlanditus = DurumTusu(u"hazirlanditus"_s, u"Hazırlanan Siparişler"_s, u"hazirlandi"_s);
    m_sevktus = DurumTusu(u"sevktus"_s, u"Sevk Edilen Siparişler"_s, u"sevk"_s);
    for (QPushButton* tus : {m_sBitBtn2, m_sepettus, m_alinditus, m_onaylanditus, m_goruldutus, m_parcalihazirlandi,
                             m_hazirlanditus, m_sevktus})
        yerlesim->addWidget(tus);

    connect(m_NEdit1, &QLineEdit::returnPressed, this, [this] {
        CariAraGoster();
        AramaAlaninaDon();
    });
    connect(m_sBitBtn2, &QPushButton::clicked, this, [this] {
        m_NEdit1->clear();
        CariAraGoster();
        AramaAlaninaDon();
    });
    connect(m_sepettus, &QPushButton::clicked, this, [this] {
        CariSepetListele(1);
        AramaAlaninaDon();
    });
    const std::pair<QPushButton*, int> listeler[] = {{m_alinditus, 2},         {m_onaylanditus, 3},  {m_goruldutus, 4},
                                                     {m_parcalihazirlandi, 5}, {m_hazirlanditus, 6}, {m_sevktus, 7}};
    for (const auto& [tus, kod] : listeler)
        connect(tus, &QPushButton::clicked, this, [this, kod = kod] { CariSepetListele(kod); });
    return cubuk;
}

QPushButton* Tseccari::DurumTusu(const QString& ad, const QString& ipucu, const QString& simge) {
    auto* tus = new QPushButton(this);
    tus->setObjectName(ad);
    tus->setToolTip(ipucu);
    tus->setAccessibleName(ipucu);
    tus->setIcon(QIcon(u":/tevrano/cari/"_s + simge + u".svg"_s));
    tus->setIconSize(QSize(24, 24));
    tus->setMinimumWidth(64);
    tus->setAutoDefault(false); // Enter in the search field searches; it must not press a button
    return tus;
}

QGroupBox* Tseccari::BilgiPaneli() {
    m_GroupBox1 = new QGroupBox(u"Cari Bilgileri"_s, this);
    m_GroupBox1->setObjectName(u"GroupBox1"_s);
    m_GroupBox1->setMinimumWidth(320);
    auto* yerlesim = new QGridLayout(m_GroupBox1);
    int satir = 0;
    for (const TBilgiSatiri& b : kBilgiSatirlari) {
        auto* baslik = new QLabel(QString::fromUtf16(b.baslik), m_GroupBox1);
        baslik->setStyleSheet(u"font-weight: bold"_s);
        auto* deger = new QLabel(m_GroupBox1);
        deger->setObjectName(QString::fromUtf16(b.etiket));
        deger->setTextInteractionFlags(Qt::TextSelectableByMouse);
        deger->setWordWrap(true);
        if (deger->objectName() == u"bakiye")
            deger->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        yerlesim->addWidget(baslik, satir, 0, Qt::AlignTop);
        yerlesim->addWidget(deger, satir, 1);
        ++satir;
    }
    yerlesim->setColumnStretch(1, 1);
    yerlesim->setRowStretch(satir, 1);
    m_GroupBox1->hide();
    return m_GroupBox1;
}

QWidget* Tseccari::AltCubuk() {
    auto* cubuk = new QWidget(this);
    auto* yerlesim = new QHBoxLayout(cubuk);
    yerlesim->setContentsMargins(0, 0, 0, 0);
    yerlesim->addStretch(1);
    m_Button1 = new QPushButton(u"Seç"_s, cubuk);
    m_Button1->setObjectName(u"Button1"_s);
    m_Button2 = new QPushButton(u"Vazgeç"_s, cubuk);
    m_Button2->setObjectName(u"Button2"_s);
    for (QPushButton* tus : {m_Button1, m_Button2}) {
        tus->setAutoDefault(false);
        tus->setMinimumWidth(100);
        yerlesim->addWidget(tus);
    }
    connect(m_Button1, &QPushButton::clicked, this, &Tseccari::CariSec);
    connect(m_Button2, &QPushButton::clicked, this, &Tseccari::Button2Click);
    return cubuk;
}

void Tseccari::MenuyuKur() {
    m_PopupMenu1 = new QMenu(this);
    m_PopupMenu1->setObjectName(u"PopupMenu1"_s);
    auto eylem = [this](const QString& ad, const QString& baslik, void (Tseccari::*yuva)()) {
        QAction* a = m_PopupMenu1->addAction(baslik);
        a->setObjectName(ad);
        if (yuva)
            connect(a, &QAction::triggered, this, yuva);
        return a;
    };
    eylem(u"C1"_s, u"Cari Özeti Göster"_s, &Tseccari::C1Click);
    m_PopupMenu1->addSeparator();
    // The back-order balances of a customer open a window of the orders area; until it exists
    // the entry stays hidden.
    eylem(u"B1"_s, u"Bakiyelerini Göster"_s, nullptr)->setVisible(false);
    m_PopupMenu1->addSeparator();
    eylem(u"CariAlSatTablosuSatcl1"_s, u"Cari Alış Satış Tablosu (Satıcılı)"_s, &Tseccari::CariAlSatTablosuSatcl1Click);
    eylem(u"CariTopluAlacakVadeleri1"_s, u"Cari Toplu Alacak Vadeleri"_s, &Tseccari::CariTopluAlacakVadeleri1Click);
}

void Tseccari::showEvent(QShowEvent* olay) {
    // FormShow: 50 pixels from the work area's edges on every side.
    if (const QScreen* ekran = screen()) {
        const QRect alan = ekran->availableGeometry();
        setGeometry(alan.x() + 50, alan.y() + 50, alan.width() - 100, alan.height() - 100);
    }
    QDialog::showEvent(olay);
    m_NEdit1->setFocus();
}

void Tseccari::keyPressEvent(QKeyEvent* olay) {
    // Escape would reject the dialog, which after login ends the program; only the title bar's
    // close button and "Vazgeç" leave the window without a choice.
    if (olay->key() == Qt::Key_Escape) {
        olay->accept();
        return;
    }
    QDialog::keyPressEvent(olay);
}

// ---------------------------------------------------------------------------------------------
// Remote calls

// One call in the plain form. An unreachable server is reported with the connection message, a
// failure of the call with the server's message; the window and its list stay as they were.
bool Tseccari::UzakCagir(const TUzakIs& is) {
    try {
        m_bag->Open();
    } catch (const std::exception&) {
        BaglantiHatasiniGoster();
        return false;
    }
    try {
        DuzCagir(*m_bag, is);
        return true;
    } catch (const datasnap::TDSException& e) {
        m_bag->Close();
        MesajGoster(e.Message(), mtError, mbOK, mbOK);
    } catch (const std::exception& e) {
        m_bag->Close();
        MesajGoster(QString::fromUtf8(e.what()), mtError, mbOK, mbOK);
    }
    return false;
}

void Tseccari::SepetSayisiYaz() {
    int sayi = 0;
    if (!UzakCagir([&](TServerMethods1Client& p) { sayi = p.SepetSayisi(OturumKopyasi(*m_bilgim)); }))
        return;
    m_sepettus->setText(sayi < 1 ? QString() : Sayi(sayi));
}

void Tseccari::TusSonuclari() {
    const bool tamam = UzakCagir([&](TServerMethods1Client& p) {
        if (const TTusSonuclari* t = p.TusSonuclariVer(OturumKopyasi(*m_bilgim)))
            m_tuslar->Kopyala(*t);
    });
    if (!tamam)
        return;
    m_alinditus->setText(Sayi(m_tuslar->Alindi()));
    m_onaylanditus->setText(Sayi(m_tuslar->Onaylandi()));
    m_goruldutus->setText(Sayi(m_tuslar->Goruldu()));
    m_parcalihazirlandi->setText(Sayi(m_tuslar->ParcaliHazirlandi()));
    m_hazirlanditus->setText(Sayi(m_tuslar->Hazirlandi()));
    m_sevktus->setText(Sayi(m_tuslar->SevkEdildi()));
}

// Replaces CARILER with the answer of `getir`; a failed call leaves the list as it was.
void Tseccari::Listele(const std::function<datasnap::TDBXReader*(TServerMethods1Client&)>& getir) {
    const bool tamam = UzakCagir([&](TServerMethods1Client& p) {
        datasnap::TDBXReader* okuyucu = getir(p);
        if (!okuyucu)
            throw datasnap::TDSException(u"Sunucu cari listesi göndermedi"_s);
        const grid::TYuklemeKilidi kilit(*m_cxGrid1);
        const datasnap::TControlsDisabled bekle(*m_cariler);
        CopyReaderToClientDataSet(*okuyucu, *m_cariler);
        OndalikBicimle(m_cariler);
    });
    if (!tamam)
        return;
    m_cxGrid1->EnIyiSigdir();
    const std::vector<int> kayitlar = m_cxGrid1->GorunenKayitlar();
    if (!kayitlar.empty())
        m_cxGrid1->KaydaOdaklan(kayitlar.front());
    cxGrid1DBTableView1FocusedRecordChanged(); // also when the same row number stays focused
}

void Tseccari::CariAraGoster() {
    const QString aranan = m_NEdit1->text().replace(u'ı', u'i').trimmed();
    Listele([&](TServerMethods1Client& p) { return p.CariAra(OturumKopyasi(*m_bilgim), aranan); });
}

void Tseccari::CariSepetListele(int n) {
    Listele([&](TServerMethods1Client& p) { return p.CariSepetVer(OturumKopyasi(*m_bilgim), n); });
}

void Tseccari::AramaAlaninaDon() {
    m_NEdit1->selectAll();
    m_NEdit1->setFocus();
}

// ---------------------------------------------------------------------------------------------
// The focused customer

// The focused record of CARILER; -1 for none.
int Tseccari::OdakliSatir() const {
    const int kayit = m_cxGrid1->OdakliKayit();
    return kayit < m_cariler->RecordCount() ? kayit : -1;
}

QString Tseccari::Deger(int satir, QStringView alan) const {
    const datasnap::TField* f = m_cariler->FindField(alan);
    return f ? m_cariler->ValueAt(satir, f->Index()).toString() : QString();
}

int Tseccari::CariNo(int satir) const {
    const datasnap::TField* f = m_cariler->FindField(u"CARINO");
    return f ? m_cariler->ValueAt(satir, f->Index()).toInt() : 0;
}

void Tseccari::cxGrid1DBTableView1FocusedRecordChanged() {
    const int satir = OdakliSatir();
    if (satir < 0) {
        m_GroupBox1->hide();
        return;
    }
    auto yaz = [this](const char16_t* etiket, const QString& metin) {
        if (auto* l = m_GroupBox1->findChild<QLabel*>(QString::fromUtf16(etiket)))
            l->setText(metin);
    };
    auto d = [this, satir](QStringView alan) { return Deger(satir, alan); };
    const datasnap::TField* bakiye = m_cariler->FindField(u"TLBAKIYE");
    const double tutar = bakiye ? m_cariler->ValueAt(satir, bakiye->Index()).toDouble() : 0.0;
    const datasnap::TField* indirim = m_cariler->FindField(u"INDIRIM");
    const double oran = indirim ? m_cariler->ValueAt(satir, indirim->Index()).toDouble() : 0.0;

    yaz(u"carikod", d(u"CARIKOD"));
    yaz(u"cariadi", d(u"CARIADI"));
    yaz(u"yetkili", d(u"YETKILI"));
    yaz(u"ozelkod", d(u"OZELKOD"));
    yaz(u"anagrup", d(u"ANAGRUP"));
    yaz(u"altgrup", d(u"ALTGRUP"));
    yaz(u"adres1", d(u"ADRES1"));
    yaz(u"adres2", d(u"ADRES2"));
    yaz(u"ilce", d(u"ILCE") + u'/' + d(u"IL"));
    yaz(u"vergi", d(u"VERGIDAIRESI") + u'/' + d(u"VERGINO"));
    yaz(u"telefon1", d(u"TEL1"));
    yaz(u"telefon2", d(u"TEL2"));
    yaz(u"fax1", d(u"FAX1"));
    yaz(u"fax2", d(u"FAX2"));
    yaz(u"gsm", d(u"GSM"));
    yaz(u"email", d(u"EMAIL"));
    yaz(u"bakiye", ParaYaz(tutar) + u' ' + d(u"DURUM"));
    yaz(u"vade", d(u"VADE"));
    yaz(u"indirim", QLocale().toString(oran));
    m_GroupBox1->show();
}

void Tseccari::CariSec() {
    const int satir = OdakliSatir();
    if (satir < 0 || CariNo(satir) <= 0)
        return;
    m_bilgim->SetCARINO(CariNo(satir));
    m_bilgim->Setcarikod(Deger(satir, u"CARIKOD"));
    m_bilgim->SetCariAdi(Deger(satir, u"CARIADI"));
    accept();
}

void Tseccari::Button2Click() {
    sistem::SurecBitir(0);
}

// ---------------------------------------------------------------------------------------------
// Reports

QString Tseccari::RaporDosyasi(int raporNo, int cariNo) {
    QString klasor = BelgelerKlasoruVer();
    if (klasor.isEmpty())
        klasor = QDir::homePath();
    return QDir(klasor).filePath(u"rapor"_s + Sayi(raporNo + cariNo) + u".pdf"_s);
}

void Tseccari::RaporIndir(int raporNo, int cariNo, const QString& satici, double tarih1, double tarih2) {
    const QString dosya = RaporDosyasi(raporNo, cariNo);
    if (QFile::exists(dosya) && !QFile::remove(dosya)) {
        MesajGoster(u"Eski rapor dosyası silinemedi:\n"_s + QDir::toNativeSeparators(dosya), mtWarning, mbOK, mbOK);
        return; // opening the old file would show a report that was not asked for
    }
    try {
        m_bag->Open();
    } catch (const std::exception&) {
        BaglantiHatasiniGoster();
        return;
    }
    std::optional<QByteArray> pdf;
    try {
        DuzCagir(*m_bag, [&](TServerMethods1Client& p) {
            qint64 boy = 0;
            QIODevice* akis = p.RaporGetir(raporNo, raporNo, m_bilgim->Sirano(), cariNo, satici, tarih1, tarih2, boy);
            pdf = AkisKopyala(akis, boy);
        });
    } catch (const std::exception&) {
        // A report that cannot be fetched leaves no file and opens nothing.
        m_bag->Close();
        return;
    }
    if (!pdf)
        return;
    QDir().mkpath(QFileInfo(dosya).absolutePath());
    QSaveFile kayit(dosya); // a failed write leaves no half-written report behind
    if (!kayit.open(QIODevice::WriteOnly) || kayit.write(*pdf) != pdf->size() || !kayit.commit()) {
        MesajGoster(u"Rapor dosyası yazılamadı:\n"_s + QDir::toNativeSeparators(dosya), mtWarning, mbOK, mbOK);
        return;
    }
    if (!sistem::KabuktaAc(QUrl::fromLocalFile(dosya)))
        MesajGoster(u"Rapor kaydedildi ancak açılamadı:\n"_s + QDir::toNativeSeparators(dosya), mtWarning, mbOK, mbOK);
}

void Tseccari::C1Click() {
    const int satir = OdakliSatir();
    if (satir < 0 || CariNo(satir) <= 0)
        return;
    Ttarihsec tarih(this);
    tarih.TekTarih(true);
    if (sistem::ModalCalistir(&tarih) != QDialog::Accepted)
        return;
    const double gun = OleTarihineCevir(tarih.Tarih1());
    RaporIndir(6, CariNo(satir), Deger(satir, u"SATICISI"), gun, gun);
}

void Tseccari::CariAlSatTablosuSatcl1Click() {
    const int satir = OdakliSatir();
    if (satir < 0 || CariNo(satir) <= 0)
        return;
    Ttarihsec tarih(this);
    tarih.TekTarih(false);
    if (sistem::ModalCalistir(&tarih) != QDialog::Accepted)
        return;
    // The report is of the customer the user pointed at, not of the one chosen earlier.
    RaporIndir(7, CariNo(satir), Deger(satir, u"SATICISI"), OleTarihineCevir(tarih.Tarih1()),
               OleTarihineCevir(tarih.Tarih2()));
}

void Tseccari::CariTopluAlacakVadeleri1Click() {
    Ttarihsec tarih(this);
    tarih.TekTarih(true);
    if (sistem::ModalCalistir(&tarih) != QDialog::Accepted)
        return;
    const QString satici = m_bilgim->MusteriTipi() == 1 ? m_bilgim->ADI() : u"."_s;
    const double gun = OleTarihineCevir(tarih.Tarih1());
    RaporIndir(6, 0, satici, gun, gun);
}
