#pragma once

#include "server/seed/adlar.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <map>

// Pictures and documents of the demo data, drawn with QPainter. Drawing text needs a
// QGuiApplication (the offscreen platform will do). Fonts are named explicitly so that one
// machine always draws the same pixels.

// Item pictures: a small JPEG with a drawn part and the item's code and brand. The drawing of a
// part is made once per kind and reused.
class TStokResmiCizici {
public:
    QByteArray Ciz(TCizim cizim, const QString& kod, const QString& marka);

private:
    const QImage& Taban(TCizim cizim);

    std::map<TCizim, QImage> m_tabanlar;
};

// An announcement picture (JPEG, 600 × 400).
QByteArray DuyuruResmi(const QString& baslik, const QString& altYazi, int renkSirasi);

// The banners: header (animated GIF, 409 × 100), upper strip (GIF, 1000 × 60), lower strip
// (24-bit BMP, 1200 × 50).
QByteArray UstBannerGif();
QByteArray SeritBannerGif();
QByteArray AltBannerBmp();

struct TDekontBilgisi {
    int posNo = 0;
    QDateTime zaman;
    QString cariKod, cariAdi, kartNo, onayKodu;
    double tutar = 0;
};

// The receipt of a virtual-POS card payment as a one-page PDF. The file's creation date is the
// payment's time, so the same payment always gives the same bytes.
QByteArray SanalPosDekontu(const TDekontBilgisi& dekont);
