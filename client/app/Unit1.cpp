#include "client/app/Unit1.h"

#include "assets/varliklar.h"
#include "client/account/seccariu.h"
#include "client/app/yayin.h"
#include "client/app/zircon.h"
#include "client/catalogue/harfler.h"
#include "client/catalogue/stokizgarasi.h"
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

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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

void TForm1::SepetYenile() {}

// ---------------------------------------------------------------------------------------------
// Product search

namespace {

// Holds a data set's notifications to its controls for a scope.
class TDenetimKilidi final {
public:
    explicit TDenetimKilidi(datasnap::TClientDataSet* veri)
        : m_veri(veri) {
        m_veri->DisableControls();
    }
    ~TDenetimKilidi() { m_veri->EnableControls(); }
    Q_DISABLE_COPY_MOVE(TDenetimKilidi)

private:
    datasnap::TClientDataSet* m_veri;
};

} // namespace

void TForm1::StokIzgarasiKur() {
    stokkaynak = new datasnap::TDataSource(this);
    stokkaynak->setObjectName(u"stokkaynak"_s);
    stokkaynak->SetDataSet(stok);
    cxGrid1 = katalog::StokIzgarasiOlustur(SekmeSayfasi(TSekme::StokListesi), stokkaynak);
    SekmeDuzeni(TSekme::StokListesi)->addWidget(cxGrid1);
    connect(cxGrid1, &grid::TVeriIzgarasi::Boyutlandi, this, &TForm1::cxGrid1Resize);
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
        TDenetimKilidi kilit(stok);
        stok->SetData(paket);
        SayiBicimiUygula(stok);
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
