#include "client/account/tarihsecu.h"

#include <QDateTimeEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QDateTimeEdit* TarihSecici(QWidget* sahip, const QString& ad, const QDateTime& simdi) {
    auto* secici = new QDateTimeEdit(simdi, sahip);
    secici->setObjectName(ad);
    secici->setCalendarPopup(true);
    secici->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return secici;
}

QLabel* Etiket(QWidget* sahip, const QString& ad, QWidget* arkadas) {
    auto* etiket = new QLabel(QStringLiteral("Tarih 1:"), sahip);
    etiket->setObjectName(ad);
    etiket->setBuddy(arkadas);
    return etiket;
}

} // namespace

Ttarihsec::Ttarihsec(QWidget* sahip)
    : QDialog(sahip, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    const QDateTime simdi = QDateTime::currentDateTime();
    m_saat = simdi.time();
    m_tarih1 = TarihSecici(this, QStringLiteral("DateTimePicker1"), simdi);
    m_tarih2 = TarihSecici(this, QStringLiteral("DateTimePicker2"), simdi);
    setObjectName(QStringLiteral("tarihsec"));
    setWindowTitle(QStringLiteral("Tarih Seç"));
    m_label1 = Etiket(this, QStringLiteral("Label1"), m_tarih1);
    m_label2 = Etiket(this, QStringLiteral("Label2"), m_tarih2);
    m_sec = new QPushButton(QStringLiteral("Seç"), this);
    m_sec->setObjectName(QStringLiteral("Button1"));
    m_sec->setDefault(true);

    auto* yerlesim = new QGridLayout(this);
    yerlesim->addWidget(m_label1, 0, 0);
    yerlesim->addWidget(m_tarih1, 0, 1);
    yerlesim->addWidget(m_label2, 1, 0);
    yerlesim->addWidget(m_tarih2, 1, 1);
    yerlesim->addWidget(m_sec, 2, 0, 1, 2, Qt::AlignRight);
    yerlesim->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_sec, &QPushButton::clicked, this, &QDialog::accept);
}

Ttarihsec::~Ttarihsec() = default;

void Ttarihsec::TekTarih(bool tek) {
    m_label2->setVisible(!tek);
    m_tarih2->setVisible(!tek);
}

QDateTime Ttarihsec::Tarih1() const {
    return QDateTime(m_tarih1->date(), m_saat);
}

QDateTime Ttarihsec::Tarih2() const {
    return QDateTime(m_tarih2->date(), m_saat);
}

double OleTarihineCevir(const QDateTime& zaman) {
    static const QDate baslangic(1899, 12, 30);
    const double gun = static_cast<double>(baslangic.daysTo(zaman.date()));
    const double kesir = zaman.time().msecsSinceStartOfDay() / 86'400'000.0;
    return gun < 0 ? gun - kesir : gun + kesir; // before 1899-12-30 the fraction still counts forward
}
