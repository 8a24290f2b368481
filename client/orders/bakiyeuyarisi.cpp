#include "bakiyeuyarisi.h"

#include "client/remote/baglanti.h"
#include "client/remote/proxim.h"
#include "platform/datasnap/connection.h"
#include "platform/tasks/gorev.h"

#include <QLabel>
#include <thread>

// Shared with the threads: tells a late hand-over whether the object is still there. Written and
// read on the user-interface thread only (the hand-over runs there).
struct TCariBakiyeUyarisi::TOrtak {
    bool canli = true;
};

TCariBakiyeUyarisi::TCariBakiyeUyarisi(const datasnap::TSQLConnection& bagc, QLabel* lbluyarbakiye, QObject* parent)
    : QObject(parent)
    , m_bagc(bagc)
    , m_etiket(lbluyarbakiye)
    , m_ortak(std::make_shared<TOrtak>()) {}

TCariBakiyeUyarisi::~TCariBakiyeUyarisi() {
    m_ortak->canli = false;
}

void TCariBakiyeUyarisi::GetiriciyiAyarla(TUyariGetirici getirici) {
    m_getirici = std::move(getirici);
}

void TCariBakiyeUyarisi::EtiketiAyarla(QLabel* lbluyarbakiye) {
    m_etiket = lbluyarbakiye;
}

// The remote fetch on a copy of the main connection, made here on the user-interface thread so
// the thread never reads the main connection.
TUyariGetirici TCariBakiyeUyarisi::UzakGetirici() const {
    std::shared_ptr<datasnap::TSQLConnection> kopya = m_bagc.CloneConnection();
    return [kopya](int carino) {
        if (!BaglantiKur(kopya.get(), false))
            return QString();
        QString al;
        try {
            TServerMethods1Client vekil(kopya.get());
            al = vekil.CariVadeGunGecmismiBul(carino);
        } catch (...) {
            al.clear();
        }
        kopya->Close();
        return al;
    };
}

void TCariBakiyeUyarisi::Baslat(int carino) {
    if (m_etiket)
        m_etiket->clear();
    m_sonCari = carino;
    ++m_calisan;
    TUyariGetirici getir = m_getirici ? m_getirici : UzakGetirici();
    std::thread([this, ortak = m_ortak, getir = std::move(getir), carino] {
        QString al;
        try {
            al = getir(carino);
        } catch (...) {
            al.clear();
        }
        tasks::SyncToUi([this, &ortak, &al, carino] {
            if (ortak->canli)
                Teslim(carino, al);
        });
    }).detach();
}

void TCariBakiyeUyarisi::Teslim(int carino, const QString& uyari) {
    --m_calisan;
    if (carino != m_sonCari)
        return;
    if (m_etiket)
        m_etiket->setText(uyari);
    emit UyariGeldi(carino, uyari);
}
