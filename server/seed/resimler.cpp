#include "server/seed/resimler.h"

#include "server/seed/gif.h"

#include <QBuffer>
#include <QFont>
#include <QLinearGradient>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRegularExpression>
#include <cmath>
#include <numbers>

namespace {

const QString yaziTipi = QStringLiteral("DejaVu Sans");
constexpr QSize stokResmiBoyu(160, 120);
constexpr int cizimYuksekligi = 84;

QFont YaziTipi(int piksel, bool kalin = false, const QString& aile = yaziTipi) {
    QFont f(aile);
    f.setPixelSize(piksel);
    f.setBold(kalin);
    return f;
}

QByteArray Kaydet(const QImage& resim, const char* bicim, int kalite = -1) {
    QByteArray baytlar;
    QBuffer tampon(&baytlar);
    tampon.open(QIODevice::WriteOnly);
    resim.save(&tampon, bicim, kalite);
    return baytlar;
}

void BalataCiz(QPainter& p) {
    p.setBrush(QColor(90, 90, 95));
    p.drawRoundedRect(QRectF(30, 18, 100, 22), 6, 6);
    p.drawRoundedRect(QRectF(30, 48, 100, 22), 6, 6);
    p.setBrush(QColor(150, 120, 95));
    p.drawRoundedRect(QRectF(38, 22, 84, 14), 5, 5);
    p.drawRoundedRect(QRectF(38, 52, 84, 14), 5, 5);
}

void DiskCiz(QPainter& p) {
    p.setBrush(QColor(170, 172, 178));
    p.drawEllipse(QPointF(80, 44), 38, 38);
    p.setBrush(QColor(110, 112, 118));
    p.drawEllipse(QPointF(80, 44), 16, 16);
    p.setBrush(Qt::white);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * std::numbers::pi / 5;
        p.drawEllipse(QPointF(80 + 9 * std::cos(a), 44 + 9 * std::sin(a)), 2.5, 2.5);
    }
}

void FiltreCiz(QPainter& p) {
    p.setBrush(QColor(30, 90, 170));
    p.drawRect(QRectF(52, 18, 56, 56));
    p.drawEllipse(QRectF(52, 66, 56, 16));
    p.setBrush(QColor(70, 140, 220));
    p.drawEllipse(QRectF(52, 10, 56, 16));
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QRectF(70, 14, 20, 8));
}

void AmortisorCiz(QPainter& p) {
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(74, 6, 12, 30));
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(68, 36, 24, 42));
    QPainterPath yay;
    yay.moveTo(60, 14);
    for (int i = 0; i < 8; ++i)
        yay.lineTo(i % 2 == 0 ? 100 : 60, 20 + i * 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 170, 20), 3));
    p.drawPath(yay);
}

void KayisCiz(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 30, 30), 9));
    p.drawRoundedRect(QRectF(24, 16, 112, 56), 28, 28);
    p.setPen(QPen(QColor(200, 200, 200), 2));
    p.setBrush(QColor(120, 120, 120));
    p.drawEllipse(QPointF(52, 44), 16, 16);
    p.drawEllipse(QPointF(110, 44), 11, 11);
}

void LambaCiz(QPainter& p) {
    p.setBrush(QColor(240, 230, 150));
    p.drawEllipse(QRectF(30, 18, 70, 52));
    p.setPen(QPen(QColor(230, 160, 0), 3));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(104, 26 + i * 12), QPointF(134, 20 + i * 16));
}

void ElektrikCiz(QPainter& p) {
    p.setBrush(QColor(60, 60, 70));
    p.drawRoundedRect(QRectF(40, 14, 80, 62), 8, 8);
    QPainterPath simsek;
    simsek.moveTo(86, 20);
    simsek.lineTo(66, 48);
    simsek.lineTo(80, 48);
    simsek.lineTo(72, 72);
    simsek.lineTo(96, 40);
    simsek.lineTo(82, 40);
    simsek.closeSubpath();
    p.setBrush(QColor(250, 210, 30));
    p.drawPath(simsek);
}

void SiviCiz(QPainter& p) {
    p.setBrush(QColor(20, 120, 60));
    p.drawRoundedRect(QRectF(50, 22, 60, 58), 6, 6);
    p.drawRect(QRectF(86, 10, 14, 14));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(58, 40, 44, 22));
}

void GenelCiz(QPainter& p) {
    QPainterPath disli;
    const int dis = 10;
    for (int i = 0; i < dis * 2; ++i) {
        const double a = i * std::numbers::pi / dis;
        const double r = i % 2 == 0 ? 36 : 28;
        const QPointF n(80 + r * std::cos(a), 44 + r * std::sin(a));
        if (i == 0)
            disli.moveTo(n);
        else
            disli.lineTo(n);
    }
    disli.closeSubpath();
    p.setBrush(QColor(120, 130, 140));
    p.drawPath(disli);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(80, 44), 10, 10);
}

void ParcaCiz(QPainter& p, TCizim cizim) {
    switch (cizim) {
    case TCizim::Balata:
        return BalataCiz(p);
    case TCizim::Disk:
        return DiskCiz(p);
    case TCizim::Filtre:
        return FiltreCiz(p);
    case TCizim::Amortisor:
        return AmortisorCiz(p);
    case TCizim::Kayis:
        return KayisCiz(p);
    case TCizim::Lamba:
        return LambaCiz(p);
    case TCizim::Elektrik:
        return ElektrikCiz(p);
    case TCizim::Sivi:
        return SiviCiz(p);
    case TCizim::Genel:
        return GenelCiz(p);
    }
}

QImage BannerKaresi(QSize boyut, QColor zemin, const QString& yazi, const QString& altYazi, QColor yaziRengi) {
    QImage kare(boyut, QImage::Format_RGB32);
    kare.fill(zemin);
    QPainter p(&kare);
    p.setPen(yaziRengi);
    const int yukseklik = boyut.height();
    p.setFont(YaziTipi(yukseklik * 3 / 10, true));
    p.drawText(QRect(0, 0, boyut.width(), yukseklik * 6 / 10), Qt::AlignCenter, yazi);
    p.setFont(YaziTipi(yukseklik / 5));
    p.drawText(QRect(0, yukseklik * 55 / 100, boyut.width(), yukseklik * 4 / 10), Qt::AlignCenter, altYazi);
    return kare;
}

// Qt writes the time of writing as the PDF's creation date; it is replaced by a fixed time of
// the same length, so the file's offsets stay right.
QByteArray TarihiSabitle(QByteArray pdf, const QDateTime& zaman) {
    static const QRegularExpression tarih(QStringLiteral("/CreationDate \\(D:([0-9]{14})"));
    const QRegularExpressionMatch eslesme = tarih.match(QString::fromLatin1(pdf));
    if (eslesme.hasMatch())
        pdf.replace(eslesme.capturedStart(1), 14, zaman.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1());
    return pdf;
}

} // namespace

const QImage& TStokResmiCizici::Taban(TCizim cizim) {
    auto it = m_tabanlar.find(cizim);
    if (it != m_tabanlar.end())
        return it->second;
    QImage taban(stokResmiBoyu, QImage::Format_RGB32);
    taban.fill(QColor(248, 248, 246));
    QPainter p(&taban);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    ParcaCiz(p, cizim);
    p.end();
    return m_tabanlar.emplace(cizim, taban).first->second;
}

QByteArray TStokResmiCizici::Ciz(TCizim cizim, const QString& kod, const QString& marka) {
    QImage resim = Taban(cizim).copy();
    QPainter p(&resim);
    p.setPen(QColor(20, 20, 20));
    p.setFont(YaziTipi(13, true));
    p.drawText(QRect(0, cizimYuksekligi, stokResmiBoyu.width(), 18), Qt::AlignCenter, kod);
    p.setPen(QColor(170, 20, 20));
    p.setFont(YaziTipi(11, true));
    p.drawText(QRect(0, cizimYuksekligi + 17, stokResmiBoyu.width(), 16), Qt::AlignCenter, marka);
    p.end();
    return Kaydet(resim, "JPG", 70);
}

QByteArray DuyuruResmi(const QString& baslik, const QString& altYazi, int renkSirasi) {
    static const QColor renkler[][2] = {{QColor(180, 20, 30), QColor(90, 0, 10)},
                                        {QColor(0, 90, 160), QColor(0, 30, 80)},
                                        {QColor(20, 130, 70), QColor(0, 60, 30)},
                                        {QColor(230, 120, 0), QColor(140, 50, 0)},
                                        {QColor(90, 40, 140), QColor(40, 10, 70)}};
    const auto& renk = renkler[renkSirasi % 5];
    QImage resim(600, 400, QImage::Format_RGB32);
    QPainter p(&resim);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gecis(0, 0, 600, 400);
    gecis.setColorAt(0, renk[0]);
    gecis.setColorAt(1, renk[1]);
    p.fillRect(resim.rect(), gecis);
    p.setPen(Qt::white);
    p.setFont(YaziTipi(38, true));
    p.drawText(QRect(30, 40, 540, 220), Qt::AlignCenter | Qt::TextWordWrap, baslik);
    p.setFont(YaziTipi(22));
    p.drawText(QRect(30, 260, 540, 70), Qt::AlignCenter | Qt::TextWordWrap, altYazi);
    p.fillRect(QRect(0, 350, 600, 50), QColor(255, 255, 255, 40));
    p.setFont(YaziTipi(18, true));
    p.drawText(QRect(0, 350, 600, 50), Qt::AlignCenter, QStringLiteral("TEVRANO OTOMOTİV  •  B2B"));
    p.end();
    return Kaydet(resim, "JPG", 80);
}

QByteArray UstBannerGif() {
    const QSize boyut(409, 100);
    return GifKodla({BannerKaresi(boyut, QColor(0, 51, 102), QStringLiteral("TEVRANO OTOMOTİV"),
                                  QStringLiteral("Yedek Parça B2B Sipariş Sistemi"), Qt::white),
                     BannerKaresi(boyut, QColor(204, 102, 0), QStringLiteral("KAMPANYA"),
                                  QStringLiteral("Fren ürünlerinde özel fiyatlar"), Qt::white)},
                    150);
}

QByteArray SeritBannerGif() {
    return GifKodla({BannerKaresi(QSize(1000, 60), QColor(255, 255, 204),
                                  QStringLiteral("Saat 16:00'ya kadar verilen siparişler aynı gün kargoda"),
                                  QStringLiteral("Tevrano Otomotiv"), QColor(153, 0, 0))});
}

QByteArray AltBannerBmp() {
    QImage serit(1200, 50, QImage::Format_RGB888);
    serit.fill(QColor(226, 234, 241));
    QPainter p(&serit);
    p.setRenderHint(QPainter::Antialiasing);
    const char* const markalar[] = {"BOSCH", "VALEO", "MANN-FILTER", "SACHS", "LEMFÖRDER", "TRW", "SKF", "GATES"};
    int x = 10;
    for (const char* marka : markalar) {
        const QRect kutu(x, 8, 135, 34);
        p.setPen(QColor(0, 51, 102));
        p.setBrush(Qt::white);
        p.drawRoundedRect(kutu, 6, 6);
        p.setFont(YaziTipi(15, true));
        p.drawText(kutu, Qt::AlignCenter, QString::fromUtf8(marka));
        x += 148;
    }
    p.end();
    return Kaydet(serit, "BMP");
}

QByteArray SanalPosDekontu(const TDekontBilgisi& d) {
    QByteArray pdf;
    QBuffer tampon(&pdf);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter yazici(&tampon);
        yazici.setPageSize(QPageSize(QPageSize::A5));
        yazici.setResolution(150);
        yazici.setCreator(QStringLiteral("Tevrano B2B"));
        yazici.setTitle(QStringLiteral("Sanal POS Ödeme Dekontu %1").arg(d.posNo));
        QPainter p(&yazici);
        const QLocale tr(QLocale::Turkish, QLocale::Turkey);
        p.setFont(YaziTipi(34, true));
        p.drawText(QRect(0, 40, 870, 70), Qt::AlignCenter, QStringLiteral("SANAL POS ÖDEME DEKONTU"));
        // A fixed-pitch font keeps the colons of the padded captions in one column.
        p.setFont(YaziTipi(22, false, QStringLiteral("DejaVu Sans Mono")));
        const QString satirlar[] = {
            QStringLiteral("TEVRANO OTOMOTİV SAN. VE TİC. A.Ş."),
            QString(),
            QStringLiteral("İşlem No   : %1").arg(d.posNo),
            QStringLiteral("Tarih      : %1").arg(d.zaman.toString(QStringLiteral("dd.MM.yyyy HH:mm"))),
            QStringLiteral("Cari       : %1 - %2").arg(d.cariKod, d.cariAdi),
            QStringLiteral("Kart No    : %1").arg(d.kartNo),
            QStringLiteral("Onay Kodu  : %1").arg(d.onayKodu),
            QStringLiteral("Tutar      : %1 TL").arg(tr.toString(d.tutar, 'f', 2)),
            QString(),
            QStringLiteral("Bu belge elektronik ortamda oluşturulmuştur."),
        };
        int y = 150;
        for (const QString& satir : satirlar) {
            p.drawText(QRect(60, y, 800, 40), Qt::AlignLeft | Qt::AlignVCenter, satir);
            y += 46;
        }
    }
    return TarihiSabitle(pdf, d.zaman);
}
