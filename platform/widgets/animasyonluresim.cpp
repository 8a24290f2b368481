#include "platform/widgets/animasyonluresim.h"

#include <QBuffer>
#include <QFile>
#include <QMovie>

namespace widgets {

TAnimasyonluResim::TAnimasyonluResim(QWidget* sahip)
    : QLabel(sahip) {
    setAlignment(Qt::AlignCenter);
}

TAnimasyonluResim::~TAnimasyonluResim() {
    QLabel::clear();
}

bool TAnimasyonluResim::ResimYukle(const QByteArray& veri) {
    Temizle();
    if (veri.isEmpty())
        return false;
    m_veri = veri;
    m_tampon = std::make_unique<QBuffer>(&m_veri);
    m_tampon->open(QIODevice::ReadOnly);
    m_film = std::make_unique<QMovie>(m_tampon.get());
    m_film->setCacheMode(QMovie::CacheAll);
    if (!m_film->isValid() || !m_film->jumpToFrame(0) || m_film->currentImage().isNull()) {
        Temizle();
        return false;
    }
    m_boyut = m_film->currentImage().size();
    setMovie(m_film.get());
    Oynat();
    return true;
}

bool TAnimasyonluResim::DosyaYukle(const QString& yol) {
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly)) {
        Temizle();
        return false;
    }
    return ResimYukle(dosya.readAll());
}

void TAnimasyonluResim::Temizle() {
    QLabel::clear();
    m_film.reset();
    m_tampon.reset();
    m_veri.clear();
    m_boyut = {};
}

QSize TAnimasyonluResim::ResimBoyutu() const {
    return m_boyut;
}

int TAnimasyonluResim::KareSayisi() const {
    return m_film ? m_film->frameCount() : 0;
}

int TAnimasyonluResim::SimdikiKare() const {
    return m_film ? m_film->currentFrameNumber() : -1;
}

bool TAnimasyonluResim::Oynuyor() const {
    return m_film && m_film->state() == QMovie::Running;
}

void TAnimasyonluResim::SetAnimasyon(bool acik) {
    m_animasyon = acik;
    Oynat();
}

void TAnimasyonluResim::SetUzat(bool uzat) {
    setScaledContents(uzat);
}

void TAnimasyonluResim::Oynat() {
    if (!m_film)
        return;
    const bool oynasin = m_animasyon && isVisible() && m_film->frameCount() != 1;
    if (oynasin && m_film->state() != QMovie::Running)
        m_film->start();
    else if (!oynasin && m_film->state() == QMovie::Running)
        m_film->setPaused(true);
}

void TAnimasyonluResim::showEvent(QShowEvent* olay) {
    QLabel::showEvent(olay);
    Oynat();
}

void TAnimasyonluResim::hideEvent(QHideEvent* olay) {
    QLabel::hideEvent(olay);
    Oynat();
}

} // namespace widgets
