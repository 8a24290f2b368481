#include "client/content/formistekyeniu.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

Tformistekyeni::Tformistekyeni(QWidget* sahip)
    : QDialog(sahip) {
    setObjectName(u"formistekyeni"_s);
    resize(780, 555);

    m_sitem = new QWebEngineView(this);
    m_sitem->setObjectName(u"sitem"_s);

    auto* altPanel = new QWidget(this);
    altPanel->setObjectName(u"Panel1"_s);
    altPanel->setFixedHeight(41);
    m_Button1 = new QPushButton(u"Kapat"_s, altPanel);
    m_Button1->setObjectName(u"Button1"_s);
    m_Button1->setFixedSize(131, 39);
    m_Button1->setAutoDefault(false);
    auto* altDuzen = new QHBoxLayout(altPanel);
    altDuzen->setContentsMargins(1, 1, 1, 1);
    altDuzen->addWidget(m_Button1);
    altDuzen->addStretch(1);

    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(0);
    duzen->addWidget(m_sitem, 1);
    duzen->addWidget(altPanel);

    connect(m_Button1, &QPushButton::clicked, this, &Tformistekyeni::Button1Click);
}

Tformistekyeni::~Tformistekyeni() = default;

void Tformistekyeni::Git(const QString& adres) {
    m_adres = adres;
    m_sitem->load(QUrl(adres));
}

void Tformistekyeni::Button1Click() {
    accept();
}
