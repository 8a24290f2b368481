#include "client/session/girisformu.h"

#include "client/account/seccariu.h"
#include "client/app/yayin.h"
#include "client/content/formistekyeniu.h"
#include "client/remote/baglanti.h"
#include "client/remote/baglantiu.h"
#include "client/remote/proxim.h"
#include "client/remote/utils.h"
#include "client/session/ayardosyasi.h"
#include "client/session/buyukharf.h"
#include "client/session/dosyaindiru.h"
#include "client/session/surec.h"
#include "platform/datasnap/connection.h"
#include "platform/system/sistem.h"
#include "platform/tasks/gorev.h"
#include "platform/widgets/mesgulgostergesi.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString kBolum = u"kullanici"_s;
const QString kIsim = u"isim"_s;
const QString kSifre = u"sifre"_s;
const QString kHatirla = u"hatırla"_s;

QFont YaziTipi(const QString& aile, int piksel, bool kalin) {
    QFont yazi(aile);
    yazi.setPixelSize(piksel);
    yazi.setBold(kalin);
    return yazi;
}

bool EnterMi(int tus) {
    return tus == Qt::Key_Return || tus == Qt::Key_Enter;
}

} // namespace

// What the background half of a login attempt found.
struct Tgirisform::TOturumSonucu {
    bool dogru = false;
    TSonucBilgisi kayit;
};

Tgirisform::Tgirisform(datasnap::TSQLConnection* bagim, TSonucBilgisi* Bilgim)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_bagim(bagim)
    , m_Bilgim(Bilgim)
    , m_iptal(YeniIptalBayragi()) {
    setObjectName(u"girisform"_s);
    setWindowTitle(u"Giriş"_s);
    setFont(YaziTipi(u"Tahoma"_s, 13, true));
    setFixedSize(368, 550);
    KontrolleriKur();
    SiralamayiKur();
    FormCreate();
}

Tgirisform::~Tgirisform() {
    *m_iptal = true; // an address fetch still retrying gives up
}

QString Tgirisform::AyarDosyasiYolu() {
    const QString klasor = AyarKlasoruVer();
    return klasor.isEmpty() ? QString() : klasor + u"/ayar.ini"_s;
}

void Tgirisform::KontrolleriKur() {
    m_Image1 = new QLabel(this);
    m_Image1->setObjectName(u"Image1"_s);
    m_Image1->setGeometry(0, 0, 368, 550);
    m_Image1->setAlignment(Qt::AlignCenter);
    m_Image1->setPixmap(QPixmap(u":/tevrano/giris_arka.svg"_s));

    m_benihatirla = new QCheckBox(u"Beni hatırla"_s, this);
    m_benihatirla->setObjectName(u"benihatirla"_s);
    m_benihatirla->setGeometry(46, 280, 97, 17);
    m_benihatirla->setChecked(true);
    m_benihatirla->setFont(YaziTipi(u"Tahoma"_s, 12, true));
    m_benihatirla->setStyleSheet(u"QCheckBox { color: white; background: transparent; }"_s);

    const QString etiketStili = u"QLabel { color: white; background-color: rgb(0, 64, 128); }"_s;
    m_Label1 = new QLabel(u" Kullanıcı Adı:"_s, this);
    m_Label1->setObjectName(u"Label1"_s);
    m_Label1->setGeometry(46, 303, 104, 24);
    m_Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_Label1->setStyleSheet(etiketStili);

    m_adi = new QLineEdit(this);
    m_adi->setObjectName(u"adi"_s);
    m_adi->setGeometry(152, 303, 171, 24);
    BuyukHarfYap(m_adi);

    m_Label2 = new QLabel(u" Şifre:"_s, this);
    m_Label2->setObjectName(u"Label2"_s);
    m_Label2->setGeometry(46, 333, 104, 24);
    m_Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_Label2->setStyleSheet(etiketStili);

    m_sifre = new QLineEdit(this);
    m_sifre->setObjectName(u"sifre"_s);
    m_sifre->setGeometry(152, 334, 171, 24);
    m_sifre->setEchoMode(QLineEdit::Password);
    m_sifre->setStyleSheet(u"QLineEdit { lineedit-password-character: 42; }"_s);
    BuyukHarfYap(m_sifre);

    m_Button1 = new QPushButton(u"Giriş"_s, this);
    m_Button1->setObjectName(u"Button1"_s);
    m_Button1->setGeometry(46, 364, 100, 41);
    m_Button1->setAutoDefault(false);

    m_RxGIFAnimator1 = new widgets::TMesgulGostergesi(this);
    m_RxGIFAnimator1->setObjectName(u"RxGIFAnimator1"_s);
    m_RxGIFAnimator1->setGeometry(173, 364, 28, 28);
    m_RxGIFAnimator1->SetRenk(QColor(0xBB, 0xDE, 0xFB));
    m_RxGIFAnimator1->hide();

    m_Button2 = new QPushButton(u"Vazgeç"_s, this);
    m_Button2->setObjectName(u"Button2"_s);
    m_Button2->setGeometry(223, 364, 100, 41);
    m_Button2->setAutoDefault(false);

    m_RxLabel1 = new QLabel(u"Sanayi Mah. Yedek Parça Cad. No: 42\n"
                            "Osmangazi / BURSA\n"
                            "siparis@tevrano.com.tr\n"
                            "Gsm: 0532 000 00 00"_s,
                            this);
    m_RxLabel1->setObjectName(u"RxLabel1"_s);
    m_RxLabel1->setGeometry(24, 424, 321, 126);
    m_RxLabel1->setAlignment(Qt::AlignCenter);
    m_RxLabel1->setFont(YaziTipi(u"Arial"_s, 15, true));
    m_RxLabel1->setStyleSheet(u"QLabel { color: black; background: transparent; }"_s);

    m_adi->installEventFilter(this);
    m_sifre->installEventFilter(this);
    connect(m_Button1, &QPushButton::clicked, this, [this] { BitirebilirCalistir([this] { Button1Click(); }); });
    connect(m_Button2, &QPushButton::clicked, this, [this] { BitirebilirCalistir([this] { Button2Click(); }); });
}

void Tgirisform::SiralamayiKur() {
    setTabOrder(m_Button1, m_Button2);
    setTabOrder(m_Button2, m_benihatirla);
    setTabOrder(m_benihatirla, m_adi);
    setTabOrder(m_adi, m_sifre);
    m_adi->setFocus();
}

void Tgirisform::FormCreate() {
    m_baglimi = false;
    m_idsi = BilgisayarIdVer();
    AyarOku();
}

void Tgirisform::AyarOku() {
    const QString yol = AyarDosyasiYolu();
    TAyarDosyasi ayar(yol);
    if (yol.isEmpty() || !ayar.Var() || !ayar.Oku())
        return;
    m_benihatirla->setChecked(ayar.Mantiksal(kBolum, kHatirla, true));
    if (!m_benihatirla->isChecked())
        return;
    m_adi->setText(ayar.Yazi(kBolum, kIsim));
    m_sifre->setText(ayar.Yazi(kBolum, kSifre));
}

// The name and password are written whatever the state of the check box; it only decides whether
// they come back into the boxes at the next start. A file that cannot be written is passed over.
void Tgirisform::AyarKaydet() {
    const QString yol = AyarDosyasiYolu();
    if (yol.isEmpty())
        return;
    TAyarDosyasi ayar(yol);
    if (ayar.Var())
        ayar.Oku();
    ayar.YaziYaz(kBolum, kIsim, m_adi->text());
    ayar.YaziYaz(kBolum, kSifre, m_sifre->text());
    ayar.MantiksalYaz(kBolum, kHatirla, m_benihatirla->isChecked());
    ayar.Kaydet();
}

bool Tgirisform::eventFilter(QObject* nesne, QEvent* olay) {
    if (olay->type() == QEvent::KeyPress) {
        const int tus = static_cast<QKeyEvent*>(olay)->key();
        bool yutuldu = false;
        BitirebilirCalistir([&] {
            if (nesne == m_adi)
                yutuldu = adiKeyDown(tus);
            else if (nesne == m_sifre)
                yutuldu = sifreKeyDown(tus);
        });
        if (yutuldu)
            return true;
    }
    return QDialog::eventFilter(nesne, olay);
}

// Escape does not close the login; the title-bar close button does (modal result Cancel).
void Tgirisform::keyPressEvent(QKeyEvent* olay) {
    if (olay->key() == Qt::Key_Escape) {
        olay->accept();
        return;
    }
    QDialog::keyPressEvent(olay);
}

void Tgirisform::BosAlanUyarisi(QLineEdit* kutu, const QString& mesaj) {
    BipSesiCal(SistemSesi::Hata);
    StandartMesajGoster(mesaj, mtWarning);
    kutu->selectAll();
    kutu->setFocus();
}

bool Tgirisform::adiKeyDown(int tus) {
    if (!EnterMi(tus))
        return false;
    if (m_adi->text().trimmed().isEmpty()) {
        BosAlanUyarisi(m_adi, u"Lütfen kullanıcı adını giriniz !"_s);
        return true;
    }
    m_sifre->selectAll();
    m_sifre->setFocus();
    return true;
}

bool Tgirisform::sifreKeyDown(int tus) {
    if (!EnterMi(tus))
        return false;
    if (m_sifre->text().trimmed().isEmpty()) {
        BosAlanUyarisi(m_sifre, u"Lütfen kullanıcı şifresini giriniz !"_s);
        return true;
    }
    Button1Click();
    return true;
}

// The animation turns while it is shown.
void Tgirisform::Bekleme(bool surer) {
    m_RxGIFAnimator1->setVisible(surer);
}

// Only one attempt runs at a time: the background half writes the shared session record.
void Tgirisform::Button1Click() {
    if (m_denemeSuruyor)
        return;
    m_denemeSuruyor = true;
    m_Button1->setText(u"Bağlanıyor..."_s);
    m_Button1->setEnabled(false);
    Bekleme(true);
    auto adres = std::make_shared<std::optional<QString>>();
    tasks::RunInBackground(
        this, [adres, iptal = m_iptal] { *adres = DisAdresAl(iptal); },
        [this, adres] {
            BitirebilirCalistir([this, adres] {
                m_Button1->setText(u"Giriş!"_s);
                Bekleme(false);
                if (adres->has_value())
                    Devamet(**adres);
                else
                    DenemeyiBitir();
            });
        });
}

void Tgirisform::Button2Click() {
    sistem::SurecBitir(0);
}

void Tgirisform::Devamet(const QString& adres) {
    if (adres.trimmed().isEmpty()) {
        MesajGoster(u"Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"_s, mtError, mbOK, mbOK);
        m_Button1->setEnabled(true);
        DenemeyiBitir();
        return;
    }
    m_Bilgim->SetDisip(adres);
    m_bagim->Params().SetValues(u"HostName"_s, yayin::SunucuAdi());
    // The copy is taken here, on the user-interface thread, the only one that changes `bagim`.
    std::shared_ptr<datasnap::TSQLConnection> kopya = m_bagim->CloneConnection();
    auto sonuc = std::make_shared<TOturumSonucu>();
    tasks::RunInBackground(
        this, [kopya, sonuc, idsi = m_idsi, iptal = m_iptal] { OturumAl(*kopya, idsi, iptal, *sonuc); },
        [this, sonuc] { BitirebilirCalistir([this, sonuc] { OturumKarari(*sonuc); }); });
}

// The background half: the session record of this computer, completed with the local fields and
// a fresh external address. The record is handed to the user-interface thread, which copies it
// into `Bilgim`.
void Tgirisform::OturumAl(datasnap::TSQLConnection& kopya, const QString& idsi, const TIptalBayragi& iptal,
                          TOturumSonucu& sonuc) {
    if (!BaglantiKur(&kopya, false))
        return;
    try {
        TServerMethods1Client proxy(&kopya);
        const TSonucBilgisi* kayit = proxy.BuyukGetir(idsi);
        if (!kayit)
            throw std::runtime_error("Sunucu bu bilgisayar için oturum bilgisi göndermedi.");
        sonuc.kayit.Kopyala(*kayit);
    } catch (const std::exception& hata) {
        const QString metin = QString::fromUtf8(hata.what());
        tasks::SyncToUi([&metin] { MesajGoster(metin, mtCustom, mbOK, mbOK); });
        kopya.Close();
        return;
    }
    kopya.Close();
    sonuc.kayit.SetBilgiSayarAdi(BilgisayarAdiVer());
    sonuc.kayit.SetBilgisayarKullanici(KullaniciAdiVer());
    sonuc.kayit.SetIcip(IpAdresiVer());
    sonuc.kayit.SetBILGISAYARID(BilgisayarIdVer());
    const std::optional<QString> disAdres = DisAdresAl(iptal);
    if (!disAdres) // the window is closing
        return;
    sonuc.kayit.SetDisip(*disAdres);
    sonuc.dogru = true;
}

void Tgirisform::OturumKarari(const TOturumSonucu& sonuc) {
    Bekleme(false);
    if (!sonuc.dogru) {
        MesajGoster(u"Bağlantı Kurulamadı !"_s, mtError, mbOK, mbOK);
        BostaKal();
        DenemeyiBitir();
        return;
    }
    m_Bilgim->Kopyala(sonuc.kayit);
    OturumKarariniUygula();
}

void Tgirisform::OturumKarariniUygula() {
    if (m_Bilgim->Version() != yayin::IstemciSurumu)
        YeniSurumAc();
    if (!m_Bilgim->Varmi()) {
        IstekFormuAc(yayin::SiteAdresi());
        sistem::SurecBitir(0);
    }
    const bool eslesti = m_adi->text() == m_Bilgim->ADI() && m_sifre->text() == m_Bilgim->SIFRE();
    if (eslesti) {
        AyarKaydet();
        if (m_Bilgim->AKTIF() == 1) {
            const int tip = m_Bilgim->MusteriTipi();
            if (tip == 1 || tip == 2)
                CariSecimiAc();
            DenemeyiBitir();
            accept();
            return;
        }
    }
    MesajGoster(u"Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !"_s, mtWarning, mbOK, mbOK);
    BostaKal();
    DenemeyiBitir();
}

void Tgirisform::YeniSurumAc() {
    const std::unique_ptr<Tdosyaindir> pencere = Tdosyaindir::Yeni(this, m_Bilgim->Version());
    sistem::ModalCalistir(pencere.get());
}

void Tgirisform::IstekFormuAc(const QString& siteAdresi) {
    Tformistekyeni pencere(this);
    pencere.setWindowTitle(u"Tevrano B2B İstek Formu"_s);
    // The identifier is appended as it is; the blank after "kullanici=" belongs to the address.
    pencere.Git(siteAdresi + u"formmailgonder.aspx?carino=0&kullanici= &id="_s + m_idsi);
    sistem::ModalCalistir(&pencere);
}

// A failure while the selection fills its counters reaches the default error display; the window
// is then idle again rather than stuck in the attempt.
void Tgirisform::CariSecimiAc() {
    Tseccari secim(this, m_bagim, m_Bilgim);
    try {
        secim.SepetSayisiYaz();
        secim.TusSonuclari();
    } catch (const sistem::TSurecBitti&) {
        throw;
    } catch (...) {
        BostaKal();
        DenemeyiBitir();
        throw;
    }
    if (sistem::ModalCalistir(&secim) != QDialog::Accepted)
        sistem::SurecBitir(0);
}

void Tgirisform::BostaKal() {
    m_Button1->setEnabled(true);
    m_adi->selectAll();
    m_adi->setFocus();
}

void Tgirisform::DenemeyiBitir() {
    m_denemeSuruyor = false;
    emit denemeBitti();
}
