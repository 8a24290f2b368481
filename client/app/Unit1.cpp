#include "client/app/Unit1.h"

#include "assets/varliklar.h"
#include "client/account/seccariu.h"
#include "client/app/yayin.h"
#include "client/app/zircon.h"
#include "client/catalogue/harfler.h"
#include "client/catalogue/stokayarintiU.h"
#include "client/catalogue/stokizgarasi.h"
#include "client/orders/ONAYSIPU.h"
#include "client/orders/bakiyeuyarisi.h"
#include "client/orders/sepetizgarasi.h"
#include "client/orders/sepettoplamlari.h"
#include "client/orders/siparisdenetimi.h"
#include "client/remote/baglanti.h"
#include "client/remote/proxim.h"
#include "client/remote/sayilar.h"
#include "client/remote/utils.h"
#include "client/session/buyukharf.h"
#include "client/session/girisformu.h"
#include "client/session/surec.h"
#include "platform/datasnap/command.h"
#include "platform/datasnap/dataset.h"
#include "platform/datasnap/datasource.h"
#include "platform/grid/izgara.h"
#include "platform/grid/simgeler.h"
#include "platform/system/sistem.h"
#include "platform/tasks/gorev.h"
#include "platform/widgets/animasyonluresim.h"
#include "platform/widgets/kayanyazi.h"
#include "platform/widgets/mesgulgostergesi.h"
#include "platform/widgets/secenekkutusu.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kPencereBasligi = u"Tevrano B2B Programı"_s;
const QString kUygulamaBasligi = u"Tevrano B2B"_s;

QFont YaziTipi(const QString& aile, int piksel, bool kalin) {
    QFont yazi(aile);
    yazi.setPixelSize(piksel);
    yazi.setBold(kalin);
    return yazi;
}

QLabel* Resim(QWidget* sahip, const QString& ad, QSize boyut) {
    auto* etiket = new QLabel(sahip);
    etiket->setFixedSize(boyut);
    etiket->setAlignment(Qt::AlignCenter);
    etiket->setPixmap(QIcon(varlik::Yol(ad)).pixmap(boyut));
    return etiket;
}

// Every message box of the program uses this font size (the screen-wide message font).
void MesajYaziBoyunuAyarla(int punto) {
    for (const char* sinif : {"QMessageBox", "MesajPenceresi"}) {
        QFont yazi = QApplication::font(sinif);
        yazi.setPointSize(punto);
        QApplication::setFont(yazi, sinif);
    }
}

// Replaces a list's rows by a packet with its controls held, and gives its floating-point
// columns the number format.
void ListeyiDoldur(datasnap::TClientDataSet* veri, const datasnap::TDataPacket& paket) {
    const datasnap::TControlsDisabled kilit(*veri);
    veri->SetData(paket);
    SayiBicimiUygula(veri);
}

} // namespace

TForm1::TForm1(QWidget* sahip)
    : QWidget(sahip) {
    setObjectName(u"Form1"_s);
    setWindowIcon(QIcon(varlik::Yol(u"uygulama.svg")));
    setFont(YaziTipi(u"Tahoma"_s, 13, true));
    const auto tablo = [this](const QString& ad) {
        auto* veri = new datasnap::TClientDataSet(this);
        veri->setObjectName(ad);
        return veri;
    };
    stok = tablo(u"stok"_s);
    sepet = tablo(u"sepet"_s);
    kargo = tablo(u"kargo"_s);
    ONCEKILER = tablo(u"ONCEKILER"_s);
    EKSTRE = tablo(u"EKSTRE"_s);
    YENILER = tablo(u"YENILER"_s);
    kampstok = tablo(u"kampstok"_s);
    PencereyiKur();
    StokIzgarasiKur();
    SepetSekmesiKur();
}

TForm1::~TForm1() = default;

// ---------------------------------------------------------------------------------------------
// Layout

void TForm1::PencereyiKur() {
    GenelMenuyuKur();
    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(0);
    duzen->addWidget(BaslikPaneliKur());
    duzen->addWidget(AramaCubuguKur());
    RxGIFAnimator2 = new widgets::TAnimasyonluResim(this);
    RxGIFAnimator2->setObjectName(u"RxGIFAnimator2"_s);
    RxGIFAnimator2->setFixedHeight(0);
    duzen->addWidget(RxGIFAnimator2);
    duzen->addWidget(SekmeleriKur(), 1);
    duzen->addWidget(LejantKur());
    duzen->addWidget(AltPaneliKur());

    resize(1350, 652);
    if (const QScreen* ekran = QGuiApplication::primaryScreen()) {
        QRect alan = geometry();
        alan.moveCenter(ekran->availableGeometry().center());
        move(alan.topLeft());
    }
    araedit->setFocus();
}

QWidget* TForm1::BaslikPaneliKur() {
    auto* panel = new QFrame(this);
    panel->setObjectName(u"baslikpaneli"_s);
    zircon::BaslikGibiBoya(panel);
    panel->setFixedHeight(100);
    auto* duzen = new QHBoxLayout(panel);
    duzen->setContentsMargins(0, 0, 6, 0);
    duzen->setSpacing(8);

    QLabel* logo = Resim(panel, u"logo.svg"_s, QSize(198, 100));
    logo->setObjectName(u"Image1"_s);
    duzen->addWidget(logo);

    auto* bilgiler = new QGridLayout;
    bilgiler->setContentsMargins(0, 6, 0, 6);
    bilgiler->setHorizontalSpacing(2);
    bilgiler->setVerticalSpacing(2);
    const auto satir = [&](int sira, const QString& baslik, const QString& ad, bool kaydir) {
        auto* etiket = new QLabel(baslik, panel);
        etiket->setAlignment(Qt::AlignRight | Qt::AlignTop);
        auto* deger = new QLabel(panel);
        deger->setObjectName(ad);
        deger->setWordWrap(kaydir);
        deger->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        deger->setTextInteractionFlags(Qt::TextSelectableByMouse);
        bilgiler->addWidget(etiket, sira, 0);
        bilgiler->addWidget(deger, sira, 1);
        return deger;
    };
    kullanicilbl = satir(0, u"Kullanıcı: "_s, u"kullanicilbl"_s, false);
    cariadilbl = satir(1, u"Firma: "_s, u"cariadilbl"_s, true);
    saticilbl = satir(2, u"Temsilci: "_s, u"saticilbl"_s, true);
    bilgiler->setColumnStretch(1, 1);
    duzen->addLayout(bilgiler, 1);

    RxGIFAnimator1 = new widgets::TAnimasyonluResim(panel);
    RxGIFAnimator1->setObjectName(u"RxGIFAnimator1"_s);
    RxGIFAnimator1->setFixedSize(409, 100);
    RxGIFAnimator1->SetUzat(true);
    RxGIFAnimator1->DosyaYukle(varlik::Yol(u"baslik_afis.svg")); // the built-in picture until a banner arrives
    duzen->addWidget(RxGIFAnimator1);

    genelmenutus = new QToolButton(panel);
    genelmenutus->setObjectName(u"genelmenutus"_s);
    genelmenutus->setIcon(QIcon(varlik::Yol(u"menu.svg")));
    genelmenutus->setIconSize(QSize(48, 48));
    genelmenutus->setMenu(Genelmenu);
    genelmenutus->setPopupMode(QToolButton::MenuButtonPopup);
    genelmenutus->setAutoRaise(true);
    connect(genelmenutus, &QToolButton::clicked, genelmenutus, &QToolButton::showMenu);
    duzen->addWidget(genelmenutus, 0, Qt::AlignVCenter);
    return panel;
}

QWidget* TForm1::AramaCubuguKur() {
    auto* cubuk = new QWidget(this);
    cubuk->setObjectName(u"aramacubugu"_s);
    cubuk->setFixedHeight(35);
    auto* duzen = new QHBoxLayout(cubuk);
    duzen->setContentsMargins(4, 2, 4, 2);
    duzen->setSpacing(4);

    duzen->addWidget(Resim(cubuk, u"ara.svg"_s, QSize(28, 28)));
    araedit = new QLineEdit(cubuk);
    araedit->setObjectName(u"araedit"_s);
    araedit->setFixedWidth(340);
    araedit->setFont(YaziTipi(u"Tahoma"_s, 20, true));
    BuyukHarfYap(araedit);
    duzen->addWidget(araedit);

    const auto dugme = [&](const QString& ad, const QString& baslik) {
        auto* d = new QPushButton(baslik, cubuk);
        d->setObjectName(ad);
        d->setFixedHeight(29);
        d->setFocusPolicy(Qt::NoFocus);
        duzen->addWidget(d);
        return d;
    };
    SpeedButton2 = dugme(u"SpeedButton2"_s, u"Ara"_s);
    SpeedButton1 = dugme(u"SpeedButton1"_s, u"Temizle"_s);
    musteritus = dugme(u"musteritus"_s, u"Başka Cari Seç"_s);
    musteritus->hide();
    connect(musteritus, &QPushButton::clicked, this, [this] { BitirebilirCalistir([this] { musteritusClick(); }); });
    connect(SpeedButton2, &QPushButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm1::SpeedButton1Click);
    araedit->installEventFilter(this);

    const auto gosterge = [&](const QString& ad) {
        auto* g = new widgets::TMesgulGostergesi(cubuk);
        g->setObjectName(ad);
        g->setFixedSize(28, 28);
        g->hide();
        duzen->addWidget(g);
        return g;
    };
    gifstokara = gosterge(u"gifstokara"_s);
    gifyeniler = gosterge(u"gifyeniler"_s);
    gifkampanyali = gosterge(u"gifkampanyali"_s);
    gifduyuru = gosterge(u"gifduyuru"_s);
    gifoncekiler = gosterge(u"gifoncekiler"_s);
    gifekstre = gosterge(u"gifekstre"_s);
    duzen->addStretch(1);
    return cubuk;
}

QWidget* TForm1::SekmeleriKur() {
    sPageControl1 = new QTabWidget(this);
    sPageControl1->setObjectName(u"sPageControl1"_s);
    sPageControl1->setIconSize(QSize(32, 32));
    sPageControl1->setUsesScrollButtons(true);
    sPageControl1->tabBar()->setFont(YaziTipi(u"Tahoma"_s, 13, true));
    sPageControl1->tabBar()->setExpanding(false);
    sPageControl1->tabBar()->setElideMode(Qt::ElideNone);
    for (const TSekmeTanimi& t : Sekmeler()) {
        auto* sayfa = new QWidget(sPageControl1);
        sayfa->setObjectName(t.nesneAdi.toString());
        auto* icerik = new QVBoxLayout(sayfa);
        icerik->setObjectName(t.nesneAdi.toString() + u"Icerik"_s);
        icerik->setContentsMargins(0, 0, 0, 0);
        icerik->setSpacing(0);
        sPageControl1->addTab(sayfa, QIcon(varlik::Yol(t.simge)), t.tasarimBasligi.toString());
        m_sayfalar[t.sekme] = sayfa;
        m_duzenler[t.sekme] = icerik;
    }
    sPageControl1->setCurrentIndex(0);
    return sPageControl1;
}

QWidget* TForm1::LejantKur() {
    auto* cubuk = new QFrame(this);
    cubuk->setObjectName(u"durumaciklamasi"_s);
    zircon::LejantGibiBoya(cubuk);
    cubuk->setFixedHeight(27);
    auto* duzen = new QHBoxLayout(cubuk);
    duzen->setContentsMargins(6, 0, 6, 0);
    duzen->setSpacing(0);
    duzen->addWidget(new QLabel(u"Durum Açıklaması:    "_s, cubuk));
    // The icons of the stock-status column with their captions, in the legend's order.
    constexpr int boy = 24;
    for (const grid::TDurumAciklamasi& d : grid::DurumAciklamalari()) {
        auto* simge = new QLabel(cubuk);
        simge->setObjectName(u"durumsimgesi%1"_s.arg(d.kod));
        simge->setFixedSize(boy, boy);
        simge->setPixmap(grid::DurumSimgesi(d.kod).pixmap(QSize(boy, boy)));
        duzen->addWidget(simge);
        auto* yazi = new QLabel(d.yazi, cubuk);
        yazi->setObjectName(u"durumyazisi%1"_s.arg(d.kod));
        duzen->addWidget(yazi);
    }
    duzen->addStretch(1);
    return cubuk;
}

QWidget* TForm1::AltPaneliKur() {
    Panel5 = new QWidget(this);
    Panel5->setObjectName(u"Panel5"_s);
    Panel5->setFixedHeight(40);
    auto* duzen = new QVBoxLayout(Panel5);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(0);
    RealTimeMarquee1 = new widgets::TKayanYazi(Panel5);
    RealTimeMarquee1->setObjectName(u"RealTimeMarquee1"_s);
    RealTimeMarquee1->SetZeminRengi(QColor(0xE2, 0xEA, 0xF1));
    RealTimeMarquee1->setFixedHeight(0);
    RealTimeMarquee1->hide();
    duzen->addWidget(RealTimeMarquee1);
    kayanyazi = new widgets::TKayanYazi(Panel5);
    kayanyazi->setObjectName(u"kayanyazi"_s);
    kayanyazi->setFixedHeight(40);
    kayanyazi->setFont(YaziTipi(u"Arial"_s, 24, false));
    kayanyazi->SetZeminRengi(zircon::KayanYaziZemini);
    kayanyazi->SetAralik(5);
    duzen->addWidget(kayanyazi);
    Image3 = new QLabel(Panel5);
    Image3->setObjectName(u"Image3"_s);
    Image3->hide();
    return Panel5;
}

void TForm1::GenelMenuyuKur() {
    Genelmenu = new QMenu(this);
    Genelmenu->setObjectName(u"Genelmenu"_s);
    const auto oge = [this](const QString& ad, const QString& baslik) {
        QAction* eylem = Genelmenu->addAction(baslik);
        eylem->setObjectName(ad);
        return eylem;
    };
    M1 = oge(u"M1"_s, u"Mail Gönder"_s);
    Genelmenu->addSeparator();
    N4 = oge(u"N4"_s, u"Şifre Değiştirme İsteği"_s);
    Genelmenu->addSeparator();
    websitesi1 = oge(u"websitesi1"_s, u"websitesi1"_s);
    Genelmenu->addSeparator();
    G1 = oge(u"G1"_s, u"Çıkış"_s);
    Genelmenu->addSeparator();
    R1 = oge(u"R1"_s, u"Raporlar"_s);
    R1->setVisible(false);
    connect(G1, &QAction::triggered, this, &TForm1::G1Click);
}

// ---------------------------------------------------------------------------------------------
// Start-up

void TForm1::FormCreate() {
    _acilisadet = 0;
    _acilisgoruldu = false;
    QApplication::setApplicationDisplayName(kPencereBasligi);
    setWindowTitle(kPencereBasligi);
    MesajYaziBoyunuAyarla(15);
    // The application title is what the task bar shows; the window keeps its own caption.
    QApplication::setApplicationDisplayName(kUygulamaBasligi);
    setWindowTitle(kPencereBasligi);

    m_sbilgi.SetBilgiSayarAdi(BilgisayarAdiVer());
    m_sbilgi.SetBilgisayarKullanici(KullaniciAdiVer());
    m_sbilgi.SetIcip(IpAdresiVer());
    m_sbilgi.SetBILGISAYARID(BilgisayarIdVer());

    m_bagc.Params().SetValues(u"HostName"_s, yayin::SunucuAdi());
    m_bagc.Params().SetValues(u"Port"_s, yayin::SunucuPortu());
    websitesi1->setText(yayin::SiteAdresi());

    GirisYap();
    AcilisGoreviniBaslat();
}

void TForm1::GirisYap() {
    {
        Tgirisform giris(&m_bagc, &m_sbilgi);
        if (sistem::ModalCalistir(&giris) != QDialog::Accepted)
            sistem::SurecBitir(0);
    }
    m_sbilgi.SetDisip(m_sbilgi.Disip().trimmed());
    if (m_sbilgi.Disip().isEmpty())
        sistem::SurecBitir(0);
    KullaniciTipineUyarla(m_sbilgi.MusteriTipi());
}

void TForm1::KullaniciTipineUyarla(int musteriTipi) {
    m_uyarlama = KullaniciUyarlamasi(musteriTipi);
    if (m_uyarlama.baskaCariSec)
        musteritus->setVisible(*m_uyarlama.baskaCariSec);
    if (m_uyarlama.raporlar)
        R1->setVisible(*m_uyarlama.raporlar);
    if (m_uyarlama.kampanyaliSekmesi)
        sPageControl1->setTabVisible(sPageControl1->indexOf(SekmeSayfasi(TSekme::Kampanyali)),
                                     *m_uyarlama.kampanyaliSekmesi);
    m_uyarlandi = true;
    for (const auto& [izgara, uygulayici] : m_sutunUygulayicilari)
        for (const TSutunDegisikligi& d : m_uyarlama.Izgarasi(izgara))
            uygulayici(d.alan, d.gorunur);
}

void TForm1::SutunUygulayicisiEkle(TIzgara izgara, TSutunUygulayici uygulayici) {
    if (m_uyarlandi)
        for (const TSutunDegisikligi& d : m_uyarlama.Izgarasi(izgara))
            uygulayici(d.alan, d.gorunur);
    m_sutunUygulayicilari.emplace(izgara, std::move(uygulayici));
}

void TForm1::AnaBilgiAl() {
    kullanicilbl->setText(m_sbilgi.ADI());
    cariadilbl->setText(m_sbilgi.CariAdi());
    saticilbl->setText(m_sbilgi.SaticiAdi() + u" Telefonu: "_s + m_sbilgi.SaticiTelefon() + u" email: "_s +
                       m_sbilgi.SaticiMail());
}

// ---------------------------------------------------------------------------------------------
// Start-up task

void TForm1::TAcilisBaglami::Pencerede(const std::function<void(TForm1&)>& is) const {
    const QPointer<TForm1> hedef = form;
    tasks::SyncToUi([&hedef, &is] {
        if (hedef)
            is(*hedef);
    });
}

// The steps in their order. The ticker (KayanYaziAl), the three banners (BannerREsimAl,
// BannerREsimAlUst, BannerREsimAlAlt) and the advertisement count (AcilisReklamAdetAl) take their
// places between the header and the counters.
const std::vector<TForm1::TAcilisAdimi>& TForm1::AcilisAdimlari() {
    static const std::vector<TAcilisAdimi> adimlar{
        &TForm1::AnaBilgiAlAdimi,
        &TForm1::BalonYaz,
    };
    return adimlar;
}

void TForm1::AcilisGoreviniBaslat() {
    auto baglam = std::make_shared<TAcilisBaglami>();
    baglam->form = this;
    baglam->baglanti = m_bagc.CloneConnection();
    tasks::RunInBackground(
        this,
        [baglam] {
            for (TAcilisAdimi adim : AcilisAdimlari())
                adim(*baglam);
        },
        [this] { BitirebilirCalistir([this] { AcilisGorevBitti(); }); });
}

void TForm1::AnaBilgiAlAdimi(const TAcilisBaglami& b) {
    b.Pencerede([](TForm1& f) { f.AnaBilgiAl(); });
}

// The counters of all tabs at once. A connection that cannot be opened has been reported by
// BaglantiKur; any other failure leaves the captions as they are.
void TForm1::BalonYaz(const TAcilisBaglami& b) {
    std::unique_ptr<TSonucBilgisi> oturum;
    b.Pencerede([&oturum](TForm1& f) { oturum = OturumKopyasi(f.m_sbilgi); });
    if (!oturum)
        return; // the window is gone
    ArkaPlandaCagir(*b.baglanti, true, [&](TServerMethods1Client& proxy) {
        datasnap::TDBXReader* okuyucu = proxy.BalonGetir(std::move(oturum));
        while (okuyucu && okuyucu->Next()) {
            QList<QVariant> satir;
            for (int i = 0; i < okuyucu->ColumnCount(); ++i)
                satir.append(okuyucu->Value(i));
            b.Pencerede([&satir](TForm1& f) { f.BalonSatiriYaz(satir); });
        }
    });
}

void TForm1::BalonSatiriYaz(const QList<QVariant>& satir) {
    const TSekme tamSayilar[] = {TSekme::Sepet, TSekme::Yeniler, TSekme::Kampanyali, TSekme::Duyurular};
    for (qsizetype i = 0; i < std::ssize(tamSayilar) && i < satir.size(); ++i)
        SekmeSayisiYaz(tamSayilar[i], satir[i].toInt());
    if (satir.size() > 4)
        SekmeSayisiYaz(TSekme::Bakiyeler, satir[4].toDouble());
}

void TForm1::AcilisGorevBitti() {
    AcilisReklamGoster();
    emit acilisGoreviBitti();
}

// The opening advertisement, when the server reported one that was not seen yet. The count and
// the window come with the advertisement; until then the count stays 0 and nothing is shown.
void TForm1::AcilisReklamGoster() {
    if (_acilisgoruldu || _acilisadet == 0)
        return;
    _acilisgoruldu = true;
}

// ---------------------------------------------------------------------------------------------
// Tabs

QWidget* TForm1::SekmeSayfasi(TSekme sekme) const {
    return m_sayfalar.at(sekme);
}

QVBoxLayout* TForm1::SekmeDuzeni(TSekme sekme) const {
    return m_duzenler.at(sekme);
}

void TForm1::SekmeSayisiYaz(TSekme sekme, int adet) {
    sPageControl1->setTabText(sPageControl1->indexOf(SekmeSayfasi(sekme)), SayacBasligi(sekme, adet));
}

void TForm1::SekmeSayisiYaz(TSekme sekme, double adet) {
    sPageControl1->setTabText(sPageControl1->indexOf(SekmeSayfasi(sekme)), SayacBasligi(sekme, adet));
}

void TForm1::SekmeBasliginiGeriAl(TSekme sekme) {
    sPageControl1->setTabText(sPageControl1->indexOf(SekmeSayfasi(sekme)),
                              SekmeTanimi(sekme).tasarimBasligi.toString());
}

QString TForm1::SekmeBasligi(TSekme sekme) const {
    return sPageControl1->tabText(sPageControl1->indexOf(SekmeSayfasi(sekme)));
}

// ---------------------------------------------------------------------------------------------
// Customer change

void TForm1::musteritusClick() {
    CariSecimiGoster();
}

// Whatever the selection's result, the header is refreshed, the basket reloaded for the customer
// now in the session and the product list emptied.
void TForm1::CariSecimiGoster() {
    {
        Tseccari secim(this, &m_bagc, &m_sbilgi);
        secim.SepetSayisiYaz();
        secim.TusSonuclari();
        sistem::ModalCalistir(&secim);
    }
    AnaBilgiAl();
    SepetYenile();
    if (stok->Active())
        stok->EmptyDataSet();
    SekmeSayisiYaz(TSekme::StokListesi, 0);
    sPageControl1->setCurrentWidget(SekmeSayfasi(TSekme::StokListesi));
    araedit->setFocus();
    araedit->selectAll();
}

// ---------------------------------------------------------------------------------------------
// Product search

void TForm1::StokIzgarasiKur() {
    stokkaynak = new datasnap::TDataSource(this);
    stokkaynak->setObjectName(u"stokkaynak"_s);
    stokkaynak->SetDataSet(stok);
    cxGrid1 = katalog::StokIzgarasiOlustur(SekmeSayfasi(TSekme::StokListesi), stokkaynak);
    SekmeDuzeni(TSekme::StokListesi)->addWidget(cxGrid1);
    connect(cxGrid1, &grid::TVeriIzgarasi::Boyutlandi, this, &TForm1::cxGrid1Resize);
    connect(cxGrid1, &grid::TVeriIzgarasi::CiftTiklandi, this, &TForm1::cxGrid1DBTableView1DblClick);
    if (auto* sepeteEkle = cxGrid1->findChild<QAction*>(u"SepeteEkle1"_s))
        connect(sepeteEkle, &QAction::triggered, this, &TForm1::S2Click);
    SutunUygulayicisiEkle(TIzgara::Stok, [izgara = QPointer(cxGrid1)](const QString& alan, bool gorunur) {
        if (izgara)
            izgara->SutunuAyarla(alan, gorunur, gorunur);
    });
}

bool TForm1::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne == araedit && olay->type() == QEvent::KeyPress) {
        const auto* tus = static_cast<QKeyEvent*>(olay);
        if (tus->key() == Qt::Key_Return || tus->key() == Qt::Key_Enter) {
            AramaBaslat();
            return true;
        }
        if (!(tus->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
            araeditKeyPress(tus->text()))
            return true;
    }
    return QWidget::eventFilter(nesne, olay);
}

// A typed Turkish letter goes into the box as its plain Latin letter; pasted text is untouched.
bool TForm1::araeditKeyPress(const QString& yazi) {
    if (yazi.isEmpty())
        return false;
    const QString yeni = katalog::YazilanHarfiDegistir(yazi);
    if (yeni == yazi)
        return false;
    araedit->insert(yeni);
    return true;
}

void TForm1::SpeedButton2Click() {
    if (araedit->isEnabled())
        AramaBaslat();
}

void TForm1::AramaBaslat() {
    sPageControl1->setCurrentWidget(SekmeSayfasi(TSekme::StokListesi));
    if (araedit->text().trimmed().size() < 2) {
        MesajGoster(u"Lütfen en az 2 harf giriniz !"_s, mtWarning, mbOK, mbOK);
        return;
    }
    araedit->setEnabled(false);
    SpeedButton2->setEnabled(false);
    SpeedButton1->setEnabled(false);
    gifstokara->show();
    cxGrid1->VeriKaynaginiAyir();
    cxGrid1->GuncellemeBaslat();
    cxGrid1->SuzgecleriTemizle();

    auto arama = std::make_shared<TStokArama>();
    arama->baglanti = m_bagc.CloneConnection();
    arama->oturum = OturumKopyasi(m_sbilgi);
    arama->metin = araedit->text(); // sent as it stands, blanks included
    auto hata = std::make_shared<bool>(true);
    tasks::RunInBackground(
        this, [arama, hata] { *hata = AramaYap(*arama); }, [this, arama, hata] { AramaBitti(*arama, *hata); });
}

bool TForm1::AramaYap(TStokArama& arama) {
    bool alindi = false;
    const bool hata = ArkaPlandaCagir(*arama.baglanti, false, [&arama, &alindi](TServerMethods1Client& proxy) {
        arama.paket = std::make_unique<datasnap::TDataPacket>(proxy.StokAraGetir(arama.metin, std::move(arama.oturum)));
        alindi = true;
    });
    return hata || !alindi;
}

// The packet is loaded here, on the user-interface thread, while the grid is still detached and
// held, so no half-loaded table is ever painted.
bool TForm1::StokYukle(const datasnap::TDataPacket& paket) {
    try {
        ListeyiDoldur(stok, paket);
    } catch (const std::exception&) {
        return false;
    }
    SekmeSayisiYaz(TSekme::StokListesi, stok->RecordCount());
    return true;
}

void TForm1::AramaBitti(TStokArama& arama, bool hata) {
    const bool basarili = !hata && arama.paket && StokYukle(*arama.paket);
    araedit->setEnabled(true);
    SpeedButton2->setEnabled(true);
    SpeedButton1->setEnabled(true);
    cxGrid1->VeriKaynaginaBagla();
    cxGrid1->GuncellemeBitir();
    araedit->selectAll();
    araedit->setFocus();
    gifstokara->hide();
    if (basarili)
        return;
    if (stok->Active())
        stok->EmptyDataSet();
    MesajGoster(BaglantiHataMesaji(), mtError, mbOK, mbOK);
    SekmeBasliginiGeriAl(TSekme::StokListesi);
}

void TForm1::SpeedButton1Click() {
    if (!araedit->isEnabled())
        return;
    if (stok->Active()) {
        stok->EmptyDataSet();
        SekmeBasliginiGeriAl(TSekme::StokListesi);
    }
    sPageControl1->setCurrentWidget(SekmeSayfasi(TSekme::StokListesi));
    cxGrid1->SuzgecleriTemizle();
    araedit->clear();
    araedit->selectAll();
    araedit->setFocus();
}

// No re-layout while a search refills the list; the next size change applies it.
void TForm1::cxGrid1Resize() {
    if (araedit->isEnabled())
        katalog::StokIzgarasiDuzenle(*cxGrid1, width());
}

// ---------------------------------------------------------------------------------------------
// Adding an item to the basket

namespace {

int TamSayisi(const datasnap::TClientDataSet& veri, QStringView alan) {
    return veri.FieldByName(alan)->AsInteger();
}

double Sayisi(const datasnap::TClientDataSet& veri, QStringView alan) {
    return veri.FieldByName(alan)->AsFloat();
}

QString Yazisi(const datasnap::TClientDataSet& veri, QStringView alan) {
    return veri.FieldByName(alan)->AsString();
}

// The value of `alan` in the record a grid row shows.
QVariant KayitDegeri(const datasnap::TClientDataSet& veri, int kayit, QStringView alan) {
    return veri.ValueAt(kayit, veri.FieldByName(alan)->Index());
}

} // namespace

void TForm1::cxGrid1DBTableView1DblClick() {
    ListedenSepeteEkle(cxGrid1, stok, TStokListesi::Stok);
}

void TForm1::S2Click() {
    cxGrid1DBTableView1DblClick();
}

// An item already in the basket opens its line, so that it is changed instead of added twice.
void TForm1::ListedenSepeteEkle(grid::TVeriIzgarasi* izgara, datasnap::TClientDataSet* liste, TStokListesi tur) {
    const int kayit = izgara->OdakliKayit();
    if (kayit < 0 || !liste->Active())
        return;
    const int stokno = KayitDegeri(*liste, kayit, u"STOK_STOKNO").toInt();
    liste->Locate(u"STOK_STOKNO", stokno);
    if (!sepet->Active())
        SepetYenile();
    if (sepet->Active() && sepet->Locate(u"STOKNO", stokno)) {
        SepetSatiriDuzenle(TamSayisi(*sepet, u"SIRANO"));
        return;
    }
    switch (tur) {
    case TStokListesi::Stok:
        StokSepeteEkle(stokno);
        break;
    case TStokListesi::Yeniler:
        YeniSepeteEkle(stokno);
        break;
    case TStokListesi::Kampanyali:
        KampanyaliSepeteEkle(stokno);
        break;
    }
}

void TForm1::StokSepeteEkle(int stokno) {
    YeniSatirIste(*stok, TStokListesi::Stok, stokno);
}

void TForm1::YeniSepeteEkle(int stokno) {
    YeniSatirIste(*YENILER, TStokListesi::Yeniler, stokno);
}

void TForm1::KampanyaliSepeteEkle(int stokno) {
    YeniSatirIste(*kampstok, TStokListesi::Kampanyali, stokno);
}

// The item dialog for the row `liste` stands on; a confirmed dialog adds the line.
void TForm1::YeniSatirIste(const datasnap::TClientDataSet& liste, TStokListesi tur, int stokno) {
    Tstokayarinti pencere(this);
    pencere.ListeSatiriniGoster(liste, tur, m_sbilgi.MusteriTipi());
    StokResmiGoster(m_bagc, stokno, pencere.Image1());
    if (sistem::ModalCalistir(&pencere) != QDialog::Accepted)
        return;
    // Sales staff may change the unit price of a new line; everybody else sends the list's price.
    SepetSatiriEkle(liste, pencere.Miktar(),
                    pencere.BirimFiyatDegisebilir() ? pencere.BirimFiyat() : Sayisi(liste, u"FIYAT"));
}

void TForm1::SepetSatiriDuzenle(int sirano) {
    if (!sepet->Locate(u"SIRANO", sirano))
        return;
    Tstokayarinti pencere(this);
    pencere.SepetSatiriniGoster(*sepet);
    StokResmiGoster(m_bagc, TamSayisi(*sepet, u"STOKNO"), pencere.Image1());
    if (sistem::ModalCalistir(&pencere) != QDialog::Accepted)
        return;
    SepetSatiriGuncelle(sirano, pencere.Miktar(), pencere.BirimFiyat());
    SepetYenile();
}

// A new line with the list's discounts; the server prices the line itself and takes `birimFiyat`
// only from sales staff.
void TForm1::SepetSatiriEkle(const datasnap::TClientDataSet& liste, int miktar, double birimFiyat) {
    int sonuc = 0;
    const bool acildi = OnPlandaCagir(m_bagc, [&](TServerMethods1Client& proxy) {
        sonuc = proxy.SepetEkle2(OturumKopyasi(m_sbilgi), m_sbilgi.CARINO(), TamSayisi(liste, u"STOK_STOKNO"),
                                 Yazisi(liste, u"BARKOD"), Yazisi(liste, u"ADI"), miktar, TamSayisi(liste, u"KDV"),
                                 birimFiyat, Sayisi(liste, u"IND1"), m_sbilgi.Sirano(), TamSayisi(liste, u"K"),
                                 Sayisi(liste, u"IND2"), Sayisi(liste, u"IND3"), Sayisi(liste, u"IND4"));
    });
    if (acildi && sonuc == 1)
        SepetYenile();
}

// A changed line: `birimFiyat` is the dialog's unit price (the server takes it from sales staff only).
void TForm1::SepetSatiriGuncelle(int sirano, int miktar, double birimFiyat) {
    int sonuc = 0;
    const bool acildi = OnPlandaCagir(m_bagc, [&](TServerMethods1Client& proxy) {
        sonuc = proxy.SepetGuncelle2(
            OturumKopyasi(m_sbilgi), m_sbilgi.CARINO(), 0, Yazisi(*sepet, u"BARKOD"), Yazisi(*sepet, u"STOKADI"),
            miktar, TamSayisi(*sepet, u"KDV"), birimFiyat, Sayisi(*sepet, u"INDIRIMORANI1"), m_sbilgi.Sirano(), sirano,
            Sayisi(*sepet, u"INDIRIMORANI2"), Sayisi(*sepet, u"INDIRIMORANI3"), Sayisi(*sepet, u"INDIRIMORANI4"));
    });
    if (acildi && sonuc == 1)
        SepetYenile();
}

// ---------------------------------------------------------------------------------------------
// Basket tab

void TForm1::SepetSekmesiKur() {
    QWidget* sayfa = SekmeSayfasi(TSekme::Sepet);
    sepetkaynak = new datasnap::TDataSource(this);
    sepetkaynak->setObjectName(u"sepetkaynak"_s);
    sepetkaynak->SetDataSet(sepet);
    cxGrid2 = siparis::SepetIzgarasiOlustur(sayfa, sepetkaynak);
    QVBoxLayout* duzen = SekmeDuzeni(TSekme::Sepet);
    duzen->addWidget(cxGrid2, 1);
    duzen->addWidget(SecimCubuguKur(sayfa));
    duzen->addWidget(SiparisPaneliKur(sayfa));
    m_bakiyeUyarisi = new TCariBakiyeUyarisi(m_bagc, lbluyarbakiye, this);

    connect(cxGrid2, &grid::TVeriIzgarasi::Boyutlandi, this, &TForm1::cxGrid2Resize);
    connect(cxGrid2, &grid::TVeriIzgarasi::CiftTiklandi, this, &TForm1::Deitir1Click);
    const auto menuden = [this](const QString& ad, void (TForm1::*isleyici)()) {
        if (auto* eylem = cxGrid2->findChild<QAction*>(ad))
            connect(eylem, &QAction::triggered, this, isleyici);
    };
    menuden(u"Deitir1"_s, &TForm1::Deitir1Click);
    menuden(u"SatrSil1"_s, &TForm1::SatrSil1Click);
    menuden(u"HepsiniSil1"_s, &TForm1::HepsiniSil1Click);
    SutunUygulayicisiEkle(TIzgara::Sepet, [izgara = QPointer(cxGrid2)](const QString& alan, bool gorunur) {
        if (izgara)
            izgara->SutunuAyarla(alan, gorunur, gorunur);
    });
    connect(sPageControl1, &QTabWidget::currentChanged, this, [this] {
        if (sPageControl1->currentWidget() == SekmeSayfasi(TSekme::Sepet))
            ssepetShow();
    });
}

QWidget* TForm1::SecimCubuguKur(QWidget* sahip) {
    auto* panelsec = new QWidget(sahip);
    panelsec->setObjectName(u"panelsec"_s);
    panelsec->setFixedHeight(36);
    auto* duzen = new QHBoxLayout(panelsec);
    duzen->setContentsMargins(4, 2, 4, 2);
    duzen->setSpacing(6);
    Button4 = new QPushButton(u"Hepsini Seç"_s, panelsec);
    Button4->setObjectName(u"Button4"_s);
    Button5 = new QPushButton(u"Seçimleri Kaldır"_s, panelsec);
    Button5->setObjectName(u"Button5"_s);
    for (QPushButton* d : {Button4, Button5}) {
        d->setFixedHeight(30);
        d->setAutoDefault(false);
        duzen->addWidget(d);
    }
    lbluyarbakiye = new QLabel(panelsec);
    lbluyarbakiye->setObjectName(u"lbluyarbakiye"_s);
    lbluyarbakiye->setFont(YaziTipi(u"Tahoma"_s, 16, true));
    lbluyarbakiye->setStyleSheet(u"color: red;"_s); // a style of its own, kept whatever the visual style
    lbluyarbakiye->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    duzen->addWidget(lbluyarbakiye, 1);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    return panelsec;
}

QWidget* TForm1::SiparisPaneliKur(QWidget* sahip) {
    auto* panel = new QWidget(sahip);
    panel->setObjectName(u"siparispaneli"_s);
    panel->setFixedHeight(131);
    auto* duzen = new QHBoxLayout(panel);
    duzen->setContentsMargins(4, 0, 4, 4);
    duzen->setSpacing(6);

    teslimbox = new widgets::TSecenekKutusu(u"Teslim Durumu"_s, panel);
    teslimbox->setObjectName(u"teslimbox"_s);
    boxkargo = new widgets::TSecenekKutusu(u"Kargo Türleri"_s, panel);
    boxkargo->setObjectName(u"boxkargo"_s);
    duzen->addWidget(teslimbox, 2);
    duzen->addWidget(boxkargo, 2);
    connect(boxkargo, &widgets::TSecenekKutusu::Tiklandi, this, &TForm1::boxkargoClick);

    auto* kargoKutusu = new QGroupBox(u"Kargo"_s, panel);
    auto* kargoDuzeni = new QVBoxLayout(kargoKutusu);
    kargoDuzeni->setContentsMargins(6, 2, 6, 2);
    kargocombo = new QComboBox(kargoKutusu);
    kargocombo->setObjectName(u"kargocombo"_s);
    kargocombo->setEditable(false);
    uyarikargo = new QLabel(kargoKutusu);
    uyarikargo->setObjectName(u"uyarikargo"_s);
    uyarikargo->setWordWrap(true);
    uyarikargo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    kargoDuzeni->addWidget(kargocombo);
    kargoDuzeni->addWidget(uyarikargo, 1);
    duzen->addWidget(kargoKutusu, 2);
    connect(kargocombo, &QComboBox::activated, this, &TForm1::kargocomboChange);

    auto* mesajKutusu = new QGroupBox(u"Mesaj"_s, panel);
    auto* mesajDuzeni = new QHBoxLayout(mesajKutusu);
    mesajDuzeni->setContentsMargins(6, 2, 6, 2);
    aciklamagir = new QPlainTextEdit(mesajKutusu);
    aciklamagir->setObjectName(u"aciklamagir"_s);
    aciklamagir->setFont(YaziTipi(u"Tahoma"_s, 13, true));
    aciklamagir->setTabChangesFocus(true);
    mesajDuzeni->addWidget(aciklamagir, 1);
    mesajDuzeni->addWidget(ToplamlarKur(mesajKutusu));
    duzen->addWidget(mesajKutusu, 5);

    auto* dugmeler = new QVBoxLayout;
    Button1 = new QPushButton(u"Gönder"_s, panel);
    Button1->setObjectName(u"Button1"_s);
    Button2 = new QPushButton(u"Excel Kaydet"_s, panel);
    Button2->setObjectName(u"Button2"_s);
    for (QPushButton* d : {Button1, Button2}) {
        d->setFixedSize(131, 50);
        d->setAutoDefault(false);
        dugmeler->addWidget(d);
    }
    duzen->addLayout(dugmeler);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    return panel;
}

QWidget* TForm1::ToplamlarKur(QWidget* sahip) {
    auto* blok = new QWidget(sahip);
    blok->setObjectName(u"toplamlar"_s);
    auto* duzen = new QGridLayout(blok);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setHorizontalSpacing(8);
    duzen->setVerticalSpacing(0);
    const auto satir = [&](int sira, const QString& baslik, const QString& ad, bool kalin) {
        auto* etiket = new QLabel(baslik, blok);
        auto* deger = new QLabel(blok);
        deger->setObjectName(ad);
        deger->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        deger->setMinimumWidth(110);
        if (kalin) {
            QFont yazi = etiket->font();
            yazi.setBold(true);
            etiket->setFont(yazi);
            deger->setFont(yazi);
        }
        duzen->addWidget(etiket, sira, 0);
        duzen->addWidget(deger, sira, 1);
        return deger;
    };
    aratoplaml = satir(0, u"Toplam:"_s, u"aratoplaml"_s, false);
    indiriml = satir(1, u"İndirim Toplam:"_s, u"indiriml"_s, false);
    nettutarl = satir(2, u"Ara Toplam:"_s, u"nettutarl"_s, false);
    vergil = satir(3, u"Vergi:"_s, u"vergil"_s, false);
    geneltoplaml = satir(4, u"Genel Toplam:"_s, u"geneltoplaml"_s, true);
    return blok;
}

void TForm1::ssepetShow() {
    lbluyarbakiye->clear();
    CariBakiyeUyariBak();
    SepetYenile();
    TeslimKargoYukle();
}

void TForm1::CariBakiyeUyariBak() {
    m_bakiyeUyarisi->Baslat(m_sbilgi.CARINO());
}

void TForm1::SepetYenile() {
    SepetiYukle(true);
}

// Reloads `sepet` on a copy of the connection. A connection that cannot be opened keeps the
// basket, its caption and its totals as they were.
bool TForm1::SepetiYukle(bool mesaj) {
    std::optional<datasnap::TDataPacket> paket;
    const std::unique_ptr<datasnap::TSQLConnection> kopya = m_bagc.CloneConnection();
    const bool acildi = OnPlandaCagir(
        *kopya, [&](TServerMethods1Client& proxy) { paket = proxy.SepetVer2(m_sbilgi.CARINO()); }, mesaj);
    if (!acildi || !paket)
        return false;
    ListeyiDoldur(sepet, *paket);
    SekmeSayisiYaz(TSekme::Sepet, sepet->RecordCount());
    SepetToplamlari();
    return true;
}

void TForm1::SepetToplamlari() {
    SepetToplamlariniGoster(SepetToplamlariHesapla(sepet), {aratoplaml, indiriml, nettutarl, vergil, geneltoplaml});
}

bool TForm1::SecimGonder(int sirano, int secim) {
    return !ArkaPlandaCagir(m_bagc, false,
                            [sirano, secim](TServerMethods1Client& proxy) { proxy.SepetSecimGuncelle(sirano, secim); });
}

// A mark the server did not store: the connection message once, then the server's own marks
// (when it can be reached again), so the screen never shows marks an order would not use.
void TForm1::SecimSaklanamadi() {
    BaglantiHatasiniGoster();
    SepetiYukle(false);
}

// A line's mark changes on the screen only once the server has stored it.
bool TForm1::SatiriIsaretle(int sirano, int secim) {
    if (!SecimGonder(sirano, secim)) {
        SecimSaklanamadi();
        return false;
    }
    if (sepet->Locate(u"SIRANO", sirano)) {
        sepet->Edit();
        sepet->FieldByName(siparis::SecimAlani)->SetValue(secim);
        sepet->Post();
    }
    return true;
}

void TForm1::HepsiniIsaretle(int secim) {
    if (sepet->Active()) {
        std::vector<int> satirlar;
        for (int r = 0; r < sepet->RecordCount(); ++r)
            satirlar.push_back(KayitDegeri(*sepet, r, u"SIRANO").toInt());
        for (const int sirano : satirlar)
            if (!SatiriIsaretle(sirano, secim))
                break;
    }
    SepetToplamlari();
    AramaKutusunaDon();
}

void TForm1::AramaKutusunaDon() {
    if (!araedit->isEnabled())
        return;
    araedit->selectAll();
    araedit->setFocus();
}

void TForm1::Button4Click() {
    HepsiniIsaretle(1);
}

void TForm1::Button5Click() {
    HepsiniIsaretle(0);
}

// On the "Seç" cell the line's mark is toggled; on any other cell the line opens in the item dialog.
void TForm1::Deitir1Click() {
    const int kayit = cxGrid2->OdakliKayit();
    if (kayit < 0 || !sepet->Active())
        return;
    const int sirano = KayitDegeri(*sepet, kayit, u"SIRANO").toInt();
    sepet->Locate(u"SIRANO", sirano);
    if (cxGrid2->OdakliSutun().compare(siparis::SecimAlani, Qt::CaseInsensitive) != 0) {
        SepetSatiriDuzenle(sirano);
        return;
    }
    const int yeni = TamSayisi(*sepet, siparis::SecimAlani) == 0 ? 1 : 0;
    if (SatiriIsaretle(sirano, yeni))
        SepetToplamlari();
}

void TForm1::SatrSil1Click() {
    const int kayit = cxGrid2->OdakliKayit();
    if (kayit < 0 || !sepet->Active())
        return;
    const int sirano = KayitDegeri(*sepet, kayit, u"SIRANO").toInt();
    sepet->Locate(u"SIRANO", sirano);
    if (MesajGoster(u"Satırı silmek istiyor musunuz "_s, mtConfirmation, mbYesNo, mbNo) != mrYes)
        return;
    const QString aciklama = Yazisi(*sepet, u"BARKOD") + u'-' + Yazisi(*sepet, u"STOKADI");
    const bool acildi = OnPlandaCagir(
        m_bagc, [&](TServerMethods1Client& proxy) { proxy.SepetSatirSil(OturumKopyasi(m_sbilgi), sirano, aciklama); });
    if (!acildi)
        return;
    SepetYenile();
    MesajGoster(u"Satır silindi !"_s, mtInformation, mbOK, mbOK);
}

void TForm1::HepsiniSil1Click() {
    if (!sepet->Active() || sepet->RecordCount() == 0)
        return;
    if (MesajGoster(u"Tüm Sepeti Silmek İstiyor musunuz "_s, mtConfirmation, mbYesNo, mbNo) != mrYes)
        return;
    const bool acildi =
        OnPlandaCagir(m_bagc, [this](TServerMethods1Client& proxy) { proxy.SepetHepsiniSil(OturumKopyasi(m_sbilgi)); });
    if (!acildi)
        return;
    MesajGoster(u"Sepet Silindi !"_s, mtInformation, mbOK, mbOK);
    SepetYenile();
}

void TForm1::cxGrid2Resize() {
    if (!cxGrid2->isEnabled())
        return;
    const QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    siparis::SepetIzgarasiDuzenle(*cxGrid2, ekran ? ekran->geometry().width() : width());
}

// The basket grid as an Excel workbook. The file is written as .xlsx; a name typed without an
// extension gets that one.
void TForm1::Button2Click() {
    QString dosya = sistem::KayitDosyasiSor(this, QString(), BelgelerKlasoruVer(), u"Excel (*.xls*)"_s);
    if (dosya.isEmpty())
        return;
    if (QFileInfo(dosya).suffix().isEmpty())
        dosya += u".xlsx"_s;
    QString hata;
    if (!cxGrid2->ExcelKaydet(dosya, &hata))
        MesajGoster(hata, mtError, mbOK, mbOK);
}

// ---------------------------------------------------------------------------------------------
// Order panel

namespace {

struct TSecenek {
    QString yazi;
    int kimlik;
};

// The rows of a reader as choices: the identifier in the first column, the text in the second.
std::vector<TSecenek> Secenekler(datasnap::TDBXReader* okuyucu) {
    std::vector<TSecenek> secenekler;
    while (okuyucu && okuyucu->Next())
        secenekler.push_back({okuyucu->Value(1).toString(), okuyucu->Value(0).toInt()});
    return secenekler;
}

void Doldur(widgets::TSecenekKutusu* kutu, const std::vector<TSecenek>& secenekler) {
    kutu->Temizle();
    for (const TSecenek& s : secenekler)
        kutu->Ekle(s.yazi, s.kimlik);
}

} // namespace

// Both lists are replaced only when both arrived; the second delivery option is preselected.
void TForm1::TeslimKargoYukle() {
    std::vector<TSecenek> teslimler;
    std::vector<TSecenek> kargolar;
    const std::unique_ptr<datasnap::TSQLConnection> kopya = m_bagc.CloneConnection();
    const bool acildi = OnPlandaCagir(*kopya, [&](TServerMethods1Client& proxy) {
        teslimler = Secenekler(proxy.TeslimVer());
        kargolar = Secenekler(proxy.KargoVer());
    });
    if (!acildi)
        return;
    Doldur(teslimbox, teslimler);
    teslimbox->SetSeciliIndeks(std::min(teslimbox->Sayi(), 2) - 1);
    Doldur(boxkargo, kargolar);
    boxkargo->SetSeciliIndeks(-1);
}

void TForm1::boxkargoClick() {
    uyarikargo->clear();
    if (boxkargo->SeciliIndeks() >= 0)
        KargolariYukle(boxkargo->SeciliKimlik());
}

void TForm1::KargolariYukle(int kargoTuru) {
    const bool acildi = OnPlandaCagir(m_bagc, [&](TServerMethods1Client& proxy) {
        datasnap::TDBXReader* okuyucu = proxy.KargolarVer(kargoTuru);
        if (okuyucu)
            datasnap::CopyReaderToClientDataSet(*okuyucu, *kargo);
    });
    if (!acildi)
        return;
    kargocombo->clear();
    kargocombo->addItem(u" "_s);
    for (int r = 0; r < kargo->RecordCount(); ++r)
        kargocombo->addItem(KayitDegeri(*kargo, r, u"ADI").toString());
    if (kargocombo->count() == 2) {
        kargocombo->setCurrentIndex(1);
        kargocomboChange();
    }
}

namespace {

// The first company row whose name is `ad`; -1 for none.
int KargoSatiri(const datasnap::TClientDataSet& kargo, const QString& ad) {
    const datasnap::TField* adi = kargo.Active() ? kargo.FindField(u"ADI") : nullptr;
    if (!adi)
        return -1;
    for (int r = 0; r < kargo.RecordCount(); ++r)
        if (kargo.ValueAt(r, adi->Index()).toString() == ad)
            return r;
    return -1;
}

} // namespace

void TForm1::kargocomboChange() {
    const int satir = KargoSatiri(*kargo, kargocombo->currentText());
    const datasnap::TField* uyari = kargo->FindField(u"UYARI");
    uyarikargo->setText(satir >= 0 && uyari ? kargo->ValueAt(satir, uyari->Index()).toString() : QString());
}

void TForm1::Button1Click() {
    const TSiparisGirdisi girdi{.seciliSatirVar = GonderilecekParcaVar(sepet),
                                .teslimSecili = teslimbox->SeciliIndeks() >= 0,
                                .kargoTuruSecili = boxkargo->SeciliIndeks() >= 0,
                                .kargoIndeksi = kargocombo->currentIndex()};
    const TSiparisEksigi eksik = SiparisEksigiBul(girdi);
    if (eksik != TSiparisEksigi::Yok) {
        MesajGoster(SiparisEksigiMesaji(eksik), mtWarning, mbOK, mbOK);
        if (eksik == TSiparisEksigi::Kargo)
            kargocombo->setFocus();
        return;
    }
    const int satir = KargoSatiri(*kargo, kargocombo->currentText());
    const int kargoNo = satir >= 0 ? KayitDegeri(*kargo, satir, u"SIRANO").toInt() : 0;
    if (!SiparisiOnayla())
        return;
    if (SiparisGonder(kargoNo, boxkargo->SeciliKimlik(), teslimbox->SeciliKimlik())) {
        MesajGoster(u"Siparişiniz Gönderildi !"_s, mtInformation, mbOK, mbOK);
        SepetYenile();
        aciklamagir->clear();
        return;
    }
    MesajGoster(u"Sipariş Göndermede Hata"_s, mtError, mbOK, mbOK);
}

bool TForm1::SiparisiOnayla() {
    const TSiparisOnayBilgisi bilgi{.kullanici = m_sbilgi.ADI(),
                                    .cari = m_sbilgi.CariAdi(),
                                    .teslim = teslimbox->SeciliYazi(),
                                    .kargoTuru = boxkargo->SeciliYazi(),
                                    .tutar = geneltoplaml->text(),
                                    .kargo = kargocombo->currentText(),
                                    .aciklama = aciklamagir->toPlainText()};
    return TONAYSIP::Onayla(this, bilgi, lbluyarbakiye->text());
}

bool TForm1::SiparisGonder(int kargoNo, int kargoTuru, int teslim) {
    bool kaydedildi = false;
    OnPlandaCagir(m_bagc, [&](TServerMethods1Client& proxy) {
        kaydedildi = proxy.SiparisKaydet(OturumKopyasi(m_sbilgi), m_sbilgi.CARINO(), teslim, kargoTuru,
                                         aciklamagir->toPlainText(), m_sbilgi.Sirano(), kargoNo);
    });
    return kaydedildi;
}

// "Gönder" is the window's default button on the basket tab: an Enter that no control of the tab
// used itself sends the order.
void TForm1::keyPressEvent(QKeyEvent* olay) {
    const bool enter = olay->key() == Qt::Key_Return || olay->key() == Qt::Key_Enter;
    if (enter && sPageControl1->currentWidget() == SekmeSayfasi(TSekme::Sepet) && Button1->isEnabled()) {
        Button1Click();
        return;
    }
    QWidget::keyPressEvent(olay);
}

// ---------------------------------------------------------------------------------------------
// Exit

void TForm1::G1Click() {
    close();
}

bool TForm1::FormCloseQuery() {
    return MesajGoster(u"Programdan Çıkmak İstiyor musunuz ?"_s, mtConfirmation, mbYesNo, mbYes) == mrYes;
}

// "Evet" ends the process at once: nothing is saved, released or sent. Otherwise the window stays.
void TForm1::closeEvent(QCloseEvent* olay) {
    olay->ignore();
    BitirebilirCalistir([this] {
        if (FormCloseQuery())
            sistem::SurecBitir(0);
    });
}
