#include "client/app/zircon.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>
#include <QStyleFactory>
#include <QStyleOptionTab>

namespace zircon {

namespace {

QLinearGradient Dikey(const QColor& ust, const QColor& alt) {
    QLinearGradient gecis(0, 0, 0, 1);
    gecis.setCoordinateMode(QGradient::ObjectMode);
    gecis.setColorAt(0, ust);
    gecis.setColorAt(1, alt);
    return gecis;
}

bool YatayMi(const QStyleOptionTab& sekme) {
    return sekme.shape == QTabBar::RoundedNorth || sekme.shape == QTabBar::TriangularNorth ||
           sekme.shape == QTabBar::RoundedSouth || sekme.shape == QTabBar::TriangularSouth;
}

void SekmeCiz(const QStyleOptionTab& sekme, QPainter* ressam) {
    const bool secili = sekme.state & QStyle::State_Selected;
    const bool uzerinde = sekme.state & QStyle::State_MouseOver;
    QRect alan = sekme.rect.adjusted(0, secili ? 0 : 2, -2, 0);
    ressam->save();
    ressam->setRenderHint(QPainter::Antialiasing, true);
    ressam->setPen(QPen(Koyu, 1));
    const QColor ust = secili ? Acik.lighter(115) : uzerinde ? Acik : Orta;
    const QColor alt = secili ? Acik : Koyu;
    ressam->setBrush(QLinearGradient(Dikey(ust, alt)));
    ressam->drawRoundedRect(QRectF(alan).adjusted(0.5, 0.5, -0.5, 4), 4, 4);
    ressam->restore();
}

} // namespace

TZirconStili::TZirconStili()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void TZirconStili::drawControl(ControlElement oge, const QStyleOption* secenek, QPainter* ressam,
                               const QWidget* pencere) const {
    const auto* sekme = qstyleoption_cast<const QStyleOptionTab*>(secenek);
    if (sekme && YatayMi(*sekme) && oge == CE_TabBarTabShape) {
        SekmeCiz(*sekme, ressam);
        return;
    }
    if (sekme && YatayMi(*sekme) && oge == CE_TabBarTabLabel) {
        QStyleOptionTab beyaz = *sekme;
        for (QPalette::ColorRole rol : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            beyaz.palette.setColor(rol, BaslikYazisi);
        QProxyStyle::drawControl(oge, &beyaz, ressam, pencere);
        return;
    }
    QProxyStyle::drawControl(oge, secenek, ressam, pencere);
}

QSize TZirconStili::sizeFromContents(ContentsType tur, const QStyleOption* secenek, const QSize& boyut,
                                     const QWidget* pencere) const {
    QSize sonuc = QProxyStyle::sizeFromContents(tur, secenek, boyut, pencere);
    const auto* sekme = qstyleoption_cast<const QStyleOptionTab*>(secenek);
    if (tur == CT_TabBarTab && sekme && YatayMi(*sekme))
        sonuc = sonuc.expandedTo(SekmeBoyu);
    return sonuc;
}

QPalette Palet() {
    QPalette p;
    p.setColor(QPalette::Window, Zemin);
    p.setColor(QPalette::WindowText, Yazi);
    p.setColor(QPalette::Base, Kutu);
    p.setColor(QPalette::AlternateBase, QColor(0xEF, 0xEF, 0xEF));
    p.setColor(QPalette::Text, Yazi);
    p.setColor(QPalette::Button, Dugme);
    p.setColor(QPalette::ButtonText, Koyu);
    p.setColor(QPalette::Highlight, Acik);
    p.setColor(QPalette::HighlightedText, BaslikYazisi);
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFB, 0xE6));
    p.setColor(QPalette::ToolTipText, Yazi);
    p.setColor(QPalette::Link, Acik);
    p.setColor(QPalette::Light, QColor(0xFF, 0xFF, 0xFF));
    p.setColor(QPalette::Midlight, QColor(0xF2, 0xF5, 0xF8));
    p.setColor(QPalette::Mid, QColor(0xA9, 0xB8, 0xC6));
    p.setColor(QPalette::Dark, QColor(0x7A, 0x8C, 0x9E));
    p.setColor(QPalette::Shadow, QColor(0x3A, 0x4A, 0x5A));
    for (QPalette::ColorRole rol : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rol, QColor(0x8A, 0x96, 0xA3));
    return p;
}

void ZirconUygula(QApplication& uygulama) {
    uygulama.setStyle(new TZirconStili);
    uygulama.setPalette(Palet());
}

void BaslikGibiBoya(QWidget* panel) {
    QPalette p = panel->palette();
    p.setBrush(QPalette::Window, QBrush(Dikey(Orta, Koyu)));
    p.setColor(QPalette::WindowText, BaslikYazisi);
    panel->setPalette(p);
    panel->setAutoFillBackground(true);
}

void LejantGibiBoya(QWidget* cubuk) {
    ZeminBoya(cubuk, Lejant);
}

void ZeminBoya(QWidget* pencere, const QColor& renk) {
    QPalette p = pencere->palette();
    p.setColor(QPalette::Window, renk);
    pencere->setPalette(p);
    pencere->setAutoFillBackground(true);
}

} // namespace zircon
