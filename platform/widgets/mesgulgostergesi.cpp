#include "platform/widgets/mesgulgostergesi.h"

#include <QPainter>
#include <QTimerEvent>

namespace widgets {

TMesgulGostergesi::TMesgulGostergesi(QWidget* sahip)
    : QWidget(sahip) {
    setAttribute(Qt::WA_TranslucentBackground);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TMesgulGostergesi::SetRenk(const QColor& renk) {
    m_renk = renk;
    update();
}

void TMesgulGostergesi::paintEvent(QPaintEvent*) {
    QPainter ressam(this);
    ressam.setRenderHint(QPainter::Antialiasing);
    const qreal kenar = qMin(width(), height());
    ressam.translate(width() / 2.0, height() / 2.0);
    const qreal disYaricap = kenar / 2.0 - 1;
    const qreal icYaricap = disYaricap * 0.45;
    QPen kalem(m_renk, qMax<qreal>(1.5, kenar / 10.0), Qt::SolidLine, Qt::RoundCap);
    for (int kol = 0; kol < KolSayisi; ++kol) {
        // The leading spoke is solid; the ones behind it fade out.
        const int geride = (m_adim - kol + KolSayisi) % KolSayisi;
        QColor renk = m_renk;
        renk.setAlphaF(1.0 - 0.85 * geride / (KolSayisi - 1));
        kalem.setColor(renk);
        ressam.setPen(kalem);
        ressam.save();
        ressam.rotate(kol * 360.0 / KolSayisi);
        ressam.drawLine(QPointF(0, -icYaricap), QPointF(0, -disYaricap + kalem.widthF() / 2));
        ressam.restore();
    }
}

void TMesgulGostergesi::timerEvent(QTimerEvent* olay) {
    if (olay->timerId() != m_zamanlayici.timerId()) {
        QWidget::timerEvent(olay);
        return;
    }
    m_adim = (m_adim + 1) % KolSayisi;
    update();
}

void TMesgulGostergesi::showEvent(QShowEvent* olay) {
    QWidget::showEvent(olay);
    m_zamanlayici.start(AdimSuresi, this);
}

void TMesgulGostergesi::hideEvent(QHideEvent* olay) {
    QWidget::hideEvent(olay);
    m_zamanlayici.stop();
}

} // namespace widgets
