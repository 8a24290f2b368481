#pragma once

// The visual style "Zircon" of the whole program: light blue-grey surfaces, dark-blue header and
// tab tones, white tab text. Every colour of the look is here. It is a style and palette (no style
// sheet), so the fonts that windows set are inherited by their controls untouched.

#include <QColor>
#include <QProxyStyle>

class QApplication;
class QWidget;

namespace zircon {

inline const QColor Zemin{0xE9, 0xEE, 0xF3};        // windows and panels
inline const QColor Kutu{0xFF, 0xFF, 0xFF};         // edit boxes, lists
inline const QColor Dugme{0xDC, 0xE4, 0xEC};        // buttons
inline const QColor Yazi{0x1D, 0x2B, 0x3A};         // text
inline const QColor Koyu{0x0B, 0x2E, 0x4F};         // header, darkest blue
inline const QColor Orta{0x1B, 0x4F, 0x7A};         // tabs at rest
inline const QColor Acik{0x2F, 0x78, 0xB7};         // selected tab, selection
inline const QColor BaslikYazisi{0xFF, 0xFF, 0xFF}; // text on the header and on tabs
inline const QColor Lejant{0xD5, 0xE1, 0xEC};       // status legend bar
inline const QColor KayanYaziZemini{0xFD, 0xFD, 0xFD};

// The smallest tab of a tab bar.
inline constexpr QSize SekmeBoyu{120, 45};

// Fusion with the Zircon tabs: dark-blue tabs, the selected one lighter, white text, at least
// SekmeBoyu.
class TZirconStili final : public QProxyStyle {
    Q_OBJECT
public:
    TZirconStili();
    void drawControl(ControlElement oge, const QStyleOption* secenek, QPainter* ressam,
                     const QWidget* pencere) const override;
    QSize sizeFromContents(ContentsType tur, const QStyleOption* secenek, const QSize& boyut,
                           const QWidget* pencere) const override;
};

QPalette Palet();

// Sets the Zircon style and palette on the application.
void ZirconUygula(QApplication& uygulama);

// Dresses a panel as the dark-blue header (white text on a vertical gradient).
void BaslikGibiBoya(QWidget* panel);
// Dresses a bar in the legend's tone.
void LejantGibiBoya(QWidget* cubuk);
// Gives a widget a flat background of `renk`.
void ZeminBoya(QWidget* pencere, const QColor& renk);

} // namespace zircon
