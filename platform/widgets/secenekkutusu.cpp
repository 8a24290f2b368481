#include "platform/widgets/secenekkutusu.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace widgets {

TSecenekKutusu::TSecenekKutusu(const QString& baslik, QWidget* sahip)
    : QGroupBox(baslik, sahip)
    , m_duzen(new QVBoxLayout(this))
    , m_grup(new QButtonGroup(this)) {
    m_duzen->setContentsMargins(6, 2, 6, 2);
    m_duzen->setSpacing(2);
    m_duzen->addStretch(1);
    m_grup->setExclusive(true);
    connect(m_grup, &QButtonGroup::buttonClicked, this, &TSecenekKutusu::Tiklandi);
}

TSecenekKutusu::~TSecenekKutusu() = default;

void TSecenekKutusu::Temizle() {
    for (const TOge& oge : m_ogeler) {
        m_grup->removeButton(oge.dugme);
        delete oge.dugme;
    }
    m_ogeler.clear();
}

void TSecenekKutusu::Ekle(const QString& yazi, int kimlik) {
    auto* dugme = new QRadioButton(yazi, this);
    dugme->setObjectName(QStringLiteral("secenek%1").arg(m_ogeler.size()));
    m_grup->addButton(dugme);
    m_duzen->insertWidget(m_duzen->count() - 1, dugme);
    m_ogeler.push_back({dugme, kimlik});
}

QString TSecenekKutusu::Yazi(int i) const {
    return m_ogeler.at(static_cast<size_t>(i)).dugme->text();
}

int TSecenekKutusu::Kimlik(int i) const {
    return m_ogeler.at(static_cast<size_t>(i)).kimlik;
}

QRadioButton* TSecenekKutusu::Dugme(int i) const {
    return m_ogeler.at(static_cast<size_t>(i)).dugme;
}

int TSecenekKutusu::SeciliIndeks() const {
    for (size_t i = 0; i < m_ogeler.size(); ++i)
        if (m_ogeler[i].dugme->isChecked())
            return static_cast<int>(i);
    return -1;
}

void TSecenekKutusu::SetSeciliIndeks(int i) {
    if (i >= 0 && i < Sayi()) {
        m_ogeler[static_cast<size_t>(i)].dugme->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; lift that for the moment of clearing.
    m_grup->setExclusive(false);
    for (const TOge& oge : m_ogeler)
        oge.dugme->setChecked(false);
    m_grup->setExclusive(true);
}

QString TSecenekKutusu::SeciliYazi() const {
    const int i = SeciliIndeks();
    return i < 0 ? QString() : Yazi(i);
}

int TSecenekKutusu::SeciliKimlik() const {
    const int i = SeciliIndeks();
    return i < 0 ? 0 : Kimlik(i);
}

} // namespace widgets
