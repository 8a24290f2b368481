#include "platform/widgets/kayanyazi.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPainter>
#include <QTextDocument>
#include <QTimerEvent>

namespace widgets {

TKayanYazi::TKayanYazi(QWidget* sahip)
    : QWidget(sahip) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TKayanYazi::sizeHint() const {
    return {200, qMax(fontMetrics().height() + 8, m_serit.height())};
}

QPixmap TKayanYazi::Ciz(const TOge& oge) const {
    if (!oge.resim.isNull())
        return oge.resim;
    QTextDocument belge;
    belge.setDefaultFont(font());
    belge.setDocumentMargin(0);
    belge.setHtml(oge.html); // no text width: a line breaks only where the text says so
    const QSize boyut = belge.size().toSize();
    if (boyut.isEmpty())
        return {};
    QPixmap resim(boyut);
    resim.fill(Qt::transparent);
    QPainter ressam(&resim);
    QAbstractTextDocumentLayout::PaintContext baglam;
    baglam.palette = palette();
    baglam.palette.setColor(QPalette::Text, palette().color(QPalette::WindowText));
    belge.documentLayout()->draw(&ressam, baglam);
    return resim;
}

void TKayanYazi::SeridiKur() {
    std::vector<QPixmap> parcalar;
    int genislik = 0;
    int yukseklik = 0;
    for (const TOge& oge : m_ogeler) {
        QPixmap parca = Ciz(oge);
        if (parca.isNull())
            continue;
        genislik += (parcalar.empty() ? 0 : m_aralik) + parca.width();
        yukseklik = qMax(yukseklik, parca.height());
        parcalar.push_back(std::move(parca));
    }
    m_serit = QPixmap();
    if (parcalar.empty()) {
        update();
        return;
    }
    m_serit = QPixmap(genislik, yukseklik);
    m_serit.fill(Qt::transparent);
    QPainter ressam(&m_serit);
    int x = 0;
    for (const QPixmap& parca : parcalar) {
        ressam.drawPixmap(x, (yukseklik - parca.height()) / 2, parca);
        x += parca.width() + m_aralik;
    }
    updateGeometry();
    update();
}

void TKayanYazi::MetinEkle(const QString& html) {
    m_ogeler.push_back({html, {}});
    SeridiKur();
}

void TKayanYazi::ResimEkle(const QPixmap& resim) {
    m_ogeler.push_back({{}, resim});
    SeridiKur();
}

void TKayanYazi::Temizle() {
    m_ogeler.clear();
    SeridiKur();
}

void TKayanYazi::Baslat() {
    if (!m_calisiyor)
        m_konum = width();
    m_calisiyor = true;
    Zamanla();
}

void TKayanYazi::Durdur() {
    m_calisiyor = false;
    Zamanla();
}

void TKayanYazi::Zamanla() {
    if (m_calisiyor && isVisible())
        m_zamanlayici.start(AdimSuresi, this);
    else
        m_zamanlayici.stop();
}

void TKayanYazi::SetAralik(int piksel) {
    m_aralik = qMax(0, piksel);
    SeridiKur();
}

void TKayanYazi::SetHiz(int piksel) {
    m_hiz = qMax(1, piksel);
}

void TKayanYazi::SetZeminRengi(const QColor& renk) {
    m_zemin = renk;
    update();
}

void TKayanYazi::paintEvent(QPaintEvent*) {
    QPainter ressam(this);
    ressam.fillRect(rect(), m_zemin);
    if (!m_serit.isNull())
        ressam.drawPixmap(m_konum, (height() - m_serit.height()) / 2, m_serit);
}

void TKayanYazi::timerEvent(QTimerEvent* olay) {
    if (olay->timerId() != m_zamanlayici.timerId()) {
        QWidget::timerEvent(olay);
        return;
    }
    m_konum -= m_hiz;
    // Gone past the left edge: in again from the right.
    if (m_konum + m_serit.width() < 0)
        m_konum = width();
    update();
}

void TKayanYazi::showEvent(QShowEvent* olay) {
    QWidget::showEvent(olay);
    Zamanla();
}

void TKayanYazi::hideEvent(QHideEvent* olay) {
    QWidget::hideEvent(olay);
    Zamanla();
}

void TKayanYazi::changeEvent(QEvent* olay) {
    QWidget::changeEvent(olay);
    if (olay->type() == QEvent::FontChange || olay->type() == QEvent::PaletteChange)
        SeridiKur();
}

} // namespace widgets
