#include "client/remote/mesajpenceresi.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct TusTanimi {
    QStringView ad; // object name of the button
    int sonuc;      // result code when pressed
};

constexpr std::array<TusTanimi, MesajTusuSayisi> kTusTanimlari{{
    {u"Yes", mrYes},
    {u"No", mrNo},
    {u"OK", mrOk},
    {u"Cancel", mrCancel},
    {u"Abort", mrAbort},
    {u"Retry", mrRetry},
    {u"Ignore", mrIgnore},
    {u"All", mrAll},
    {u"NoToAll", mrNoToAll},
    {u"YesToAll", mrYesToAll},
    {u"Help", mrNone},
    {u"Close", mrClose},
}};

// All and Close keep the toolkit's own captions.
QString TusBasligi(int konum) {
    switch (konum) {
    case mbYes:
        return u"Evet"_s;
    case mbNo:
        return u"Hayır"_s;
    case mbOK:
        return u"Tamam"_s;
    case mbCancel:
        return u"Vazgeç"_s;
    case mbAbort:
        return u"İptal"_s;
    case mbRetry:
        return u"Tekrar"_s;
    case mbIgnore:
        return u"Atla"_s;
    case mbAll:
        return QCoreApplication::translate("MesajPenceresi", "&All");
    case mbNoToAll:
        return u"Tümüne Hayır"_s;
    case mbYesToAll:
        return u"Tümüne Evet"_s;
    case mbHelp:
        return u"Yardım"_s;
    case mbClose:
        return QCoreApplication::translate("QPlatformTheme", "Close");
    default:
        return {};
    }
}

std::optional<QStyle::StandardPixmap> TurSimgesi(int tur) {
    switch (tur) {
    case mtWarning:
        return QStyle::SP_MessageBoxWarning;
    case mtError:
        return QStyle::SP_MessageBoxCritical;
    case mtInformation:
        return QStyle::SP_MessageBoxInformation;
    case mtConfirmation:
        return QStyle::SP_MessageBoxQuestion;
    default:
        return std::nullopt;
    }
}

// The first of `adaylar` that is in the set, or -1.
int IlkBulunan(MesajTuslari tuslar, std::initializer_list<int> adaylar) {
    for (int aday : adaylar)
        if (tuslar.Iceriyor(aday))
            return aday;
    return -1;
}

// The focused button takes Enter; when it is not in the set, OK, else Yes, else Retry does.
int VarsayilanKonum(MesajTuslari tuslar, int odakliTus) {
    if (tuslar.Iceriyor(odakliTus))
        return odakliTus;
    return IlkBulunan(tuslar, {mbOK, mbYes, mbRetry});
}

int KacisKonumu(MesajTuslari tuslar) {
    return IlkBulunan(tuslar, {mbCancel, mbNo, mbOK});
}

QString SatirSonlariniDuzelt(QString metin) {
    metin.replace(u"\r\n"_s, u"\n"_s);
    metin.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return metin;
}

} // namespace

MesajPenceresi::MesajPenceresi(const MesajIstegi& istek)
    : QDialog(istek.sahip) {
    setObjectName(u"MesajPenceresi"_s);
    setWindowTitle(istek.baslik);
    auto* duzen = new QVBoxLayout(this);
    duzen->setSizeConstraint(QLayout::SetFixedSize);
    duzen->setSpacing(16);

    // A box without buttons could not be closed; it gets OK.
    const MesajTuslari tuslar = istek.tuslar.Bos() ? MesajTuslari(mbOK) : istek.tuslar;
    IcerikKur(istek);
    TuslariKur(tuslar, istek.odakliTus);
    m_varsayilan = VarsayilanKonum(tuslar, istek.odakliTus);
    m_kacis = KacisKonumu(tuslar);
    if (QPushButton* varsayilan = VarsayilanTus()) {
        varsayilan->setDefault(true);
        varsayilan->setFocus();
    }
}

MesajPenceresi::~MesajPenceresi() = default;

void MesajPenceresi::IcerikKur(const MesajIstegi& istek) {
    auto* satir = new QHBoxLayout;
    satir->setSpacing(12);
    if (const auto simge = TurSimgesi(istek.tur)) {
        auto* resim = new QLabel(this);
        resim->setObjectName(u"Image"_s);
        const int boyut = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        resim->setPixmap(style()->standardIcon(*simge, nullptr, this).pixmap(boyut, boyut));
        resim->setAlignment(Qt::AlignTop);
        satir->addWidget(resim);
    }
    auto* yazi = new QLabel(SatirSonlariniDuzelt(istek.metin), this);
    yazi->setObjectName(u"Message"_s);
    yazi->setTextFormat(Qt::PlainText);
    satir->addWidget(yazi, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(satir);
}

// Buttons are created in tab order (the first button, then the others in their order) and laid
// out in their fixed order.
void MesajPenceresi::TuslariKur(MesajTuslari tuslar, int ilkTus) {
    if (tuslar.Iceriyor(ilkTus))
        TusOlustur(ilkTus);
    for (int konum = 0; konum < MesajTusuSayisi; ++konum)
        if (tuslar.Iceriyor(konum) && konum != ilkTus)
            TusOlustur(konum);

    auto* satir = new QHBoxLayout;
    satir->addStretch();
    for (QPushButton* tus : m_tuslar)
        if (tus)
            satir->addWidget(tus);
    satir->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(satir);
}

void MesajPenceresi::TusOlustur(int konum) {
    auto* tus = new QPushButton(TusBasligi(konum), this);
    tus->setObjectName(kTusTanimlari[konum].ad.toString());
    tus->setMinimumWidth(75);
    connect(tus, &QPushButton::clicked, this, [this, konum] { TusaBasildi(konum); });
    m_tuslar[konum] = tus;
}

QPushButton* MesajPenceresi::Tus(int konum) const {
    return konum >= 0 && konum < MesajTusuSayisi ? m_tuslar[konum] : nullptr;
}

QPushButton* MesajPenceresi::VarsayilanTus() const {
    return Tus(m_varsayilan);
}

QPushButton* MesajPenceresi::KacisTusu() const {
    return Tus(m_kacis);
}

void MesajPenceresi::reject() {
    if (m_kacis >= 0)
        TusaBasildi(m_kacis);
}

void MesajPenceresi::TusaBasildi(int konum) {
    if (konum == mbHelp) {
        emit yardimIstendi();
        return;
    }
    done(kTusTanimlari[konum].sonuc);
}

std::unique_ptr<MesajPenceresi> MesajPenceresiOlustur(const MesajIstegi& istek) {
    return std::make_unique<MesajPenceresi>(istek);
}

int MesajPenceresiniCalistir(std::unique_ptr<MesajPenceresi> pencere) {
    const QPointer<MesajPenceresi> izleyici(pencere.get());
    const int sonuc = pencere->exec();
    if (!izleyici)
        (void)pencere.release(); // its owner was destroyed during the run and took it along
    return sonuc;
}
