#include "client/catalogue/stokayarintiU.h"

#include "client/remote/baglanti.h"
#include "client/remote/proxim.h"
#include "client/remote/sayilar.h"
#include "client/remote/utils.h"
#include "platform/datasnap/connection.h"
#include "platform/datasnap/dataset.h"
#include "platform/datasnap/dsexception.h"
#include "platform/widgets/parakutusu.h"
#include "platform/widgets/sayikutusu.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <cxxabi.h>
#include <memory>
#include <stdexcept>
#include <typeinfo>

using namespace Qt::StringLiterals;

namespace {

constexpr int kEnKucukAdet = 1;
constexpr int kEnBuyukAdet = 10000;

// The picture area: the picture centred, shrunk to fit with its proportions kept (a smaller
// picture keeps its own size), so resizing the window never distorts it.
class TOrantiliResim final : public QLabel {
public:
    explicit TOrantiliResim(QWidget* sahip)
        : QLabel(sahip) {
        setAlignment(Qt::AlignCenter);
        // The picture must not dictate the window's size.
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        setMinimumSize(1, 1);
    }

protected:
    void paintEvent(QPaintEvent* olay) override {
        const QPixmap resim = pixmap();
        if (resim.isNull()) {
            QLabel::paintEvent(olay);
            return;
        }
        const QRect alan = contentsRect();
        QSize boyut = resim.size();
        if (boyut.width() > alan.width() || boyut.height() > alan.height())
            boyut.scale(alan.size(), Qt::KeepAspectRatio);
        QRect hedef(QPoint(0, 0), boyut);
        hedef.moveCenter(alan.center());
        QPainter boyaci(this);
        boyaci.setRenderHint(QPainter::SmoothPixmapTransform);
        boyaci.drawPixmap(hedef, resim);
    }
};

// Picture bytes that arrived complete but are no picture.
class TResimHatasi final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The class name of an exception without its namespace, as it is shown to the user.
QString SinifAdi(const std::exception& hata) {
    const char* ham = typeid(hata).name();
    int durum = 0;
    const std::unique_ptr<char, void (*)(void*)> cozulen(abi::__cxa_demangle(ham, nullptr, nullptr, &durum), std::free);
    QString ad = QString::fromLatin1(durum == 0 && cozulen ? cozulen.get() : ham);
    const qsizetype son = ad.lastIndexOf(u"::"_s);
    return son >= 0 ? ad.mid(son + 2) : ad;
}

QString HataMetni(const std::exception& hata) {
    if (const auto* ds = dynamic_cast<const datasnap::TDSException*>(&hata))
        return ds->Message();
    return QString::fromUtf8(hata.what());
}

// Values of the row under the cursor; a missing column reads as empty.
QVariant Alan(const datasnap::TClientDataSet& veri, QStringView ad) {
    const datasnap::TField* alan = veri.FindField(ad);
    return alan ? alan->Value() : QVariant();
}

QString Yazi(const datasnap::TClientDataSet& veri, QStringView ad) {
    return Alan(veri, ad).toString();
}

double Ondalik(const datasnap::TClientDataSet& veri, QStringView ad) {
    return Alan(veri, ad).toDouble();
}

int Tam(const datasnap::TClientDataSet& veri, QStringView ad) {
    return qRound(Alan(veri, ad).toDouble());
}

QLabel* Baslik(const QString& metin, QWidget* sahip) {
    auto* etiket = new QLabel(metin, sahip);
    etiket->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return etiket;
}

QLabel* DegerEtiketi(const QString& ad, QWidget* sahip) {
    auto* etiket = new QLabel(sahip);
    etiket->setObjectName(ad);
    etiket->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont yazi = etiket->font();
    yazi.setBold(true);
    etiket->setFont(yazi);
    return etiket;
}

widgets::TParaKutusu* TutarKutusu(const QString& ad, QWidget* sahip) {
    auto* kutu = new widgets::TParaKutusu(sahip);
    kutu->setObjectName(ad);
    kutu->setReadOnly(true);
    kutu->setFixedWidth(140);
    return kutu;
}

} // namespace

Tstokayarinti::Tstokayarinti(QWidget* sahip)
    : QDialog(sahip) {
    Kur();
}

Tstokayarinti::~Tstokayarinti() = default;

void Tstokayarinti::Kur() {
    setObjectName(u"stokayarinti"_s);
    setWindowTitle(u"Sepete Ekle"_s);
    resize(550, 631);

    image1 = new TOrantiliResim(this);
    image1->setObjectName(u"Image1"_s);

    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(0);
    duzen->addWidget(UstPanelKur());
    duzen->addWidget(image1, 1);
    duzen->addWidget(AltPanelKur());

    for (QWidget* kutu :
         {static_cast<QWidget*>(adet), static_cast<QWidget*>(birimfiyat), static_cast<QWidget*>(indtutar),
          static_cast<QWidget*>(kdvdahiltutar), static_cast<QWidget*>(geneltutar)})
        kutu->installEventFilter(this);
    // Every change of the quantity's text, also one beyond the box's limits, renews the total.
    // Its Enter is taken before the text editor inside the box would correct the text.
    if (auto* yazi = adet->findChild<QLineEdit*>()) {
        connect(yazi, &QLineEdit::textChanged, this, &Tstokayarinti::TutariHesapla);
        yazi->installEventFilter(this);
    }
    connect(siparisEkle, &QPushButton::clicked, this, &Tstokayarinti::OnaylamayiDene);
    connect(vazgec, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(adet, birimfiyat);
    setTabOrder(birimfiyat, siparisEkle);
    setTabOrder(siparisEkle, vazgec);
}

QWidget* Tstokayarinti::UstPanelKur() {
    auto* panel = new QFrame(this);
    panel->setObjectName(u"Panel1"_s);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFixedHeight(130);
    auto* izgara = new QGridLayout(panel);
    izgara->setColumnStretch(1, 1);
    barkod = DegerEtiketi(u"barkod"_s, panel);
    adi = DegerEtiketi(u"adi"_s, panel);
    finishkod = DegerEtiketi(u"finishkod"_s, panel);
    marka = DegerEtiketi(u"marka"_s, panel);
    model = DegerEtiketi(u"model"_s, panel);
    const std::pair<QString, QLabel*> satirlar[] = {{u"Barkod:"_s, barkod},
                                                    {u"Açıklama:"_s, adi},
                                                    {u"Finish Kod:"_s, finishkod},
                                                    {u"Marka:"_s, marka},
                                                    {u"Model:"_s, model}};
    int satir = 0;
    for (const auto& [baslik, deger] : satirlar) {
        izgara->addWidget(Baslik(baslik, panel), satir, 0);
        izgara->addWidget(deger, satir, 1);
        ++satir;
    }
    return panel;
}

QWidget* Tstokayarinti::AltPanelKur() {
    auto* panel = new QFrame(this);
    panel->setObjectName(u"Panel2"_s);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFixedHeight(175);
    auto* izgara = new QGridLayout;

    adet = new widgets::TSayiKutusu(panel);
    adet->setObjectName(u"adet"_s);
    adet->setRange(kEnKucukAdet, kEnBuyukAdet);
    adet->setValue(kEnKucukAdet);
    adet->setFixedWidth(140);
    Label2 = Baslik(u"Fiyat:"_s, panel);
    Label2->setObjectName(u"Label2"_s);
    birimfiyat = TutarKutusu(u"birimfiyat"_s, panel);
    indirimoran = Baslik(u"İndirim:"_s, panel);
    indirimoran->setObjectName(u"indirimoran"_s);
    indtutar = TutarKutusu(u"indtutar"_s, panel);
    kdvdahiltutar = TutarKutusu(u"kdvdahiltutar"_s, panel);
    geneltutar = TutarKutusu(u"geneltutar"_s, panel);

    izgara->addWidget(Baslik(u"Adet:"_s, panel), 0, 0);
    izgara->addWidget(adet, 0, 1);
    izgara->addWidget(Label2, 1, 0);
    izgara->addWidget(birimfiyat, 1, 1);
    izgara->addWidget(indirimoran, 2, 0);
    izgara->addWidget(indtutar, 2, 1);
    izgara->addWidget(Baslik(u"KDV Dahil:"_s, panel), 3, 0);
    izgara->addWidget(kdvdahiltutar, 3, 1);
    izgara->addWidget(Baslik(u"Tutar:"_s, panel), 4, 0);
    izgara->addWidget(geneltutar, 4, 1);

    // No button is the dialog's default: Enter confirms only from the quantity box or on a
    // focused button, never from the amount boxes.
    siparisEkle = new QPushButton(u"Sipariş ekle"_s, panel);
    siparisEkle->setObjectName(u"siparisekle"_s);
    vazgec = new QPushButton(u"Vazgeç"_s, panel);
    vazgec->setObjectName(u"vazgec"_s);
    auto* tuslar = new QVBoxLayout;
    for (QPushButton* tus : {siparisEkle, vazgec}) {
        tus->setAutoDefault(false);
        tus->setDefault(false);
        tus->setFixedSize(130, 50);
        tuslar->addWidget(tus);
    }
    tuslar->addStretch(1);

    auto* duzen = new QHBoxLayout(panel);
    duzen->addLayout(izgara);
    duzen->addStretch(1);
    duzen->addLayout(tuslar);
    return panel;
}

void Tstokayarinti::DegerleriYaz(double fiyat, double net, double kdvDahil) {
    birimfiyat->SetDeger(fiyat);
    indtutar->SetDeger(net);
    kdvdahiltutar->SetDeger(kdvDahil);
}

void Tstokayarinti::ListeSatiriniGoster(const datasnap::TClientDataSet& liste, TStokListesi tur, int musteriTipi) {
    barkod->setText(Yazi(liste, u"BARKOD"));
    adi->setText(Yazi(liste, u"ADI"));
    marka->setText(Yazi(liste, u"MARKA"));
    finishkod->setText(Yazi(liste, u"FINISHKOD"));
    model->setText(Yazi(liste, u"MODEL"));
    Label2->setText(u"Fiyat:"_s);
    indirimoran->setText(u"İndirim:"_s);
    adet->setMaximum(kEnBuyukAdet);
    adet->setValue(kEnKucukAdet);
    m_onaylananMiktar = 0;
    ind1 = ind2 = ind3 = ind4 = 0;

    const int k = Tam(liste, u"K");
    const double fiyat = Ondalik(liste, u"FIYAT");
    const double net = Ondalik(liste, u"NETFIYAT");
    const double kdvDahil = Ondalik(liste, u"KDVDAHIL");
    const QString indirimYazi = Yazi(liste, u"INDIRIMYAZI");
    kdvoran = Ondalik(liste, u"KDV");
    const bool kampanyali = tur == TStokListesi::Kampanyali || k > 0;

    switch (tur) {
    case TStokListesi::Stok:
        // A row with a negative campaign flag keeps the amounts at 0 and the captions as designed.
        if (k < 0) {
            DegerleriYaz(0, 0, 0);
            kdvlifiyat = 0;
            break;
        }
        DegerleriYaz(fiyat, net, kdvDahil);
        kdvlifiyat = kdvDahil;
        indirimoran->setText(kampanyali ? u"Kampanyalı "_s + indirimYazi : u"İndirim: %"_s + indirimYazi);
        if (kampanyali) {
            ind1 = Ondalik(liste, u"IND1");
            ind2 = Ondalik(liste, u"IND2");
            ind3 = Ondalik(liste, u"IND3");
            ind4 = Ondalik(liste, u"IND4");
        }
        break;
    case TStokListesi::Yeniler:
        DegerleriYaz(fiyat, net, kampanyali ? kdvDahil : Yuvarla(net * (1 + kdvoran / 100)));
        kdvlifiyat = kdvDahil;
        indirimoran->setText(kampanyali ? u"Kampanyalı "_s + indirimYazi : u"İndirim:  % "_s + indirimYazi);
        break;
    case TStokListesi::Kampanyali:
        DegerleriYaz(fiyat, net, kdvDahil);
        kdvlifiyat = kdvDahil;
        indirimoran->setText(u"Kampanyalı "_s + indirimYazi);
        break;
    }
    if (kampanyali)
        Label2->setText(u"Kampanyalı Fiyat:"_s);

    const bool personel = musteriTipi == 1 || musteriTipi == 2;
    birimfiyat->setReadOnly(!(personel && tur != TStokListesi::Kampanyali));
}

void Tstokayarinti::SepetSatiriniGoster(const datasnap::TClientDataSet& sepet) {
    barkod->setText(Yazi(sepet, u"BARKOD"));
    adi->setText(Yazi(sepet, u"STOKADI"));
    marka->setText(Yazi(sepet, u"MARKA"));
    finishkod->setText(Yazi(sepet, u"FINISHKOD"));
    model->setText(Yazi(sepet, u"MODEL"));
    Label2->setText(u"Fiyat:"_s);
    indirimoran->setText(u"İndirim:"_s);
    m_onaylananMiktar = 0;

    kdvoran = Ondalik(sepet, u"KDV");
    const double net = Ondalik(sepet, u"NETBIRIMFIYAT");
    kdvlifiyat = Yuvarla(net * (1 + kdvoran / 100));
    DegerleriYaz(Ondalik(sepet, u"BIRIMFIYAT"), net, kdvlifiyat);
    birimfiyat->setReadOnly(true);

    // A line may hold more than the box's usual limit (a quantity confirmed as typed); the box
    // takes it so that confirming the dialog does not cut the line down unasked.
    const int miktar = Tam(sepet, u"MIKTAR");
    adet->setMaximum(qMax(kEnBuyukAdet, miktar));
    adet->setValue(miktar);
}

QLabel* Tstokayarinti::Image1() const {
    return image1;
}

int Tstokayarinti::YaziliMiktar(bool* okundu) const {
    const QString yazi = adet->cleanText().trimmed();
    bool tamam = false;
    qlonglong sayi = locale().toLongLong(yazi, &tamam);
    if (!tamam)
        sayi = QLocale::c().toLongLong(yazi, &tamam);
    if (okundu)
        *okundu = tamam && sayi >= kEnKucukAdet && sayi <= INT_MAX;
    if (!tamam)
        return kEnKucukAdet;
    return static_cast<int>(std::clamp<qlonglong>(sayi, INT_MIN, INT_MAX));
}

int Tstokayarinti::Miktar() const {
    return m_onaylananMiktar > 0 ? m_onaylananMiktar : YaziliMiktar(nullptr);
}

double Tstokayarinti::BirimFiyat() const {
    return birimfiyat->Deger();
}

bool Tstokayarinti::BirimFiyatDegisebilir() const {
    return !birimfiyat->isReadOnly();
}

void Tstokayarinti::TutariHesapla() {
    geneltutar->SetDeger(Yuvarla(kdvdahiltutar->Deger() * Miktar()));
}

void Tstokayarinti::AdediSec() {
    adet->setFocus(Qt::ActiveWindowFocusReason);
    adet->selectAll();
}

void Tstokayarinti::Ortala() {
    QWidget* sahip = parentWidget();
    if (!sahip)
        return;
    QRect alan = frameGeometry();
    alan.moveCenter(sahip->window()->frameGeometry().center());
    move(alan.topLeft());
}

void Tstokayarinti::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    if (!olay->spontaneous()) {
        Ortala();
        geneltutar->SetDeger(Yuvarla(Miktar() * kdvlifiyat));
        AdediSec();
    }
}

bool Tstokayarinti::event(QEvent* olay) {
    const bool sonuc = QDialog::event(olay);
    if (olay->type() == QEvent::WindowActivate)
        AdediSec();
    return sonuc;
}

void Tstokayarinti::Onayla(int miktar) {
    m_onaylananMiktar = miktar;
    accept();
}

// The quantity as typed is confirmed, also beyond the box's upper limit (an empty box counts as
// 1); a number below 1, or too large to be a quantity at all, is not: the box corrects it and the
// dialog stays open.
void Tstokayarinti::OnaylamayiDene() {
    bool okundu = false;
    const int miktar = YaziliMiktar(&okundu);
    if (okundu || adet->cleanText().trimmed().isEmpty()) {
        Onayla(miktar);
        return;
    }
    adet->interpretText();
    AdediSec();
}

bool Tstokayarinti::adetKeyPress(QKeyEvent* olay) {
    if (olay->key() != Qt::Key_Return && olay->key() != Qt::Key_Enter)
        return false;
    OnaylamayiDene();
    return true;
}

bool Tstokayarinti::eventFilter(QObject* nesne, QEvent* olay) {
    const bool adettenMi = nesne == adet || nesne->parent() == adet;
    if (adettenMi && olay->type() == QEvent::KeyPress)
        return adetKeyPress(static_cast<QKeyEvent*>(olay));
    if (!adettenMi && olay->type() == QEvent::KeyRelease)
        TutariHesapla();
    return QDialog::eventFilter(nesne, olay);
}

void Tstokayarinti::keyPressEvent(QKeyEvent* olay) {
    if (olay->key() != Qt::Key_Return && olay->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(olay);
        return;
    }
    // Enter presses a focused button and is swallowed everywhere else (the price box included).
    if (auto* tus = qobject_cast<QPushButton*>(focusWidget()))
        tus->click();
    olay->accept();
}

void StokResmiGoster(datasnap::TSQLConnection& bagc, int stokno, QLabel* resim) {
    resim->clear();
    try {
        OnPlandaCagir(bagc, [stokno, resim](TServerMethods1Client& proxy) {
            qint64 boy = 0;
            QIODevice* akis = proxy.ResimVer5(stokno, boy);
            const std::optional<QByteArray> baytlar = AkisKopyala(akis, boy);
            if (!baytlar)
                return; // no picture, or the transfer was cut short
            QImage goruntu;
            if (!goruntu.loadFromData(*baytlar, "JPG"))
                throw TResimHatasi("Resim okunamadı");
            resim->setPixmap(QPixmap::fromImage(goruntu));
        });
    } catch (const std::exception& hata) {
        StandartMesajGoster(SinifAdi(hata) + u": "_s + HataMetni(hata), mtError);
    }
}
