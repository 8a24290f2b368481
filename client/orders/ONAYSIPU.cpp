#include "ONAYSIPU.h"

#include "platform/system/sistem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QFont Yazitipi(const QString& aile, int piksel, bool sabitAralik) {
    QFont f(aile);
    f.setPixelSize(piksel);
    f.setBold(true);
    if (sabitAralik) {
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
    }
    return f;
}

QLabel* Etiket(QWidget* sahip, const QString& ad, const QString& metin, const QFont& yazitipi) {
    auto* e = new QLabel(metin, sahip);
    e->setObjectName(ad);
    e->setFont(yazitipi);
    e->setTextFormat(Qt::PlainText);
    return e;
}

QPushButton* Tus(QWidget* sahip, const QString& ad, const QString& metin) {
    auto* t = new QPushButton(metin, sahip);
    t->setObjectName(ad);
    return t;
}

} // namespace

QString SiparisOzeti(const TSiparisOnayBilgisi& bilgi) {
    return QStringList{
        u"Kullanıcı: "_s + bilgi.kullanici, u"Cari     : "_s + bilgi.cari,  u"Teslim   : "_s + bilgi.teslim,
        u"Kargo    : "_s + bilgi.kargoTuru, u"Tutar    : "_s + bilgi.tutar, u"Kargo    : "_s + bilgi.kargo,
        u"Açıklama : "_s + bilgi.aciklama,
    }
        .join(QLatin1Char('\n'));
}

TONAYSIP::TONAYSIP(QWidget* sahip, const TSiparisOnayBilgisi& bilgi, const QString& bakiyeUyarisi)
    : QDialog(sahip, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(u"ONAYSIP"_s);
    setWindowTitle(u"Sipariş Onay"_s);

    const QFont sabit = Yazitipi(u"Courier New"_s, 16, true);
    Label2 = Etiket(this, u"Label2"_s, SiparisOzeti(bilgi), sabit);
    Label3 = Etiket(this, u"Label3"_s, bakiyeUyarisi, sabit);
    Label3->setWordWrap(true);
    QPalette kirmizi = Label3->palette();
    kirmizi.setColor(QPalette::WindowText, Qt::red);
    Label3->setPalette(kirmizi);
    Label3->setVisible(!bakiyeUyarisi.isEmpty());
    Label1 = Etiket(this, u"Label1"_s, u"Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"_s,
                    Yazitipi(u"Tahoma"_s, 20, false));
    Label1->setAlignment(Qt::AlignCenter);
    // A long warning wraps within the width of the other lines instead of widening the window.
    Label3->setMaximumWidth(qMax(Label2->sizeHint().width(), Label1->sizeHint().width()));

    evet = Tus(this, u"evet"_s, u"Evet"_s);
    hayir = Tus(this, u"hayir"_s, u"Hayır"_s);
    evet->setDefault(true);
    connect(evet, &QPushButton::clicked, this, &QDialog::accept);
    connect(hayir, &QPushButton::clicked, this, &QDialog::reject);

    auto* tuslar = new QHBoxLayout;
    tuslar->addStretch();
    tuslar->addWidget(evet);
    tuslar->addWidget(hayir);
    tuslar->addStretch();

    auto* dizilim = new QVBoxLayout(this);
    dizilim->setSizeConstraint(QLayout::SetFixedSize); // sized to its content
    dizilim->addWidget(Label2);
    dizilim->addWidget(Label3);
    dizilim->addWidget(Label1);
    dizilim->addLayout(tuslar);
}

TONAYSIP::~TONAYSIP() = default;

bool TONAYSIP::Onayla(QWidget* sahip, const TSiparisOnayBilgisi& bilgi, const QString& bakiyeUyarisi) {
    TONAYSIP pencere(sahip, bilgi, bakiyeUyarisi);
    return sistem::ModalCalistir(&pencere) == QDialog::Accepted;
}
