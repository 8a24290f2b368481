#include "platform/grid/simgeler.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace grid {

namespace {

using TCizim = void (*)(QPainter&, const QRectF&);

// An icon painted by a drawing function at whatever size it is asked for.
class TCizimMotoru final : public QIconEngine {
public:
    explicit TCizimMotoru(TCizim ciz)
        : m_ciz(ciz) {}

    void paint(QPainter* ressam, const QRect& alan, QIcon::Mode kip, QIcon::State durum) override {
        if (kip == QIcon::Disabled) {
            ressam->drawPixmap(alan, pixmap(alan.size(), kip, durum));
            return;
        }
        const qreal kenar = qMin(alan.width(), alan.height());
        const QRectF kare(alan.x() + (alan.width() - kenar) / 2.0, alan.y() + (alan.height() - kenar) / 2.0, kenar,
                          kenar);
        ressam->save();
        ressam->setRenderHint(QPainter::Antialiasing);
        m_ciz(*ressam, kare);
        ressam->restore();
    }

    QPixmap pixmap(const QSize& boyut, QIcon::Mode kip, QIcon::State durum) override {
        QImage resim(boyut, QImage::Format_ARGB32_Premultiplied);
        resim.fill(Qt::transparent);
        {
            QPainter ressam(&resim);
            paint(&ressam, QRect(QPoint(0, 0), boyut), QIcon::Normal, durum);
        }
        if (kip == QIcon::Disabled)
            Soldur(resim);
        return QPixmap::fromImage(resim);
    }

    QIconEngine* clone() const override { return new TCizimMotoru(m_ciz); }
    QString key() const override { return QStringLiteral("TCizimMotoru"); }
    bool isNull() override { return false; }

private:
    // The disabled look: a pale grey of the same shape.
    static void Soldur(QImage& resim) {
        resim = resim.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < resim.height(); ++y) {
            auto* satir = reinterpret_cast<QRgb*>(resim.scanLine(y));
            for (int x = 0; x < resim.width(); ++x) {
                const int gri = 150 + qGray(satir[x]) * 90 / 255;
                satir[x] = qRgba(gri, gri, gri, qAlpha(satir[x]) * 3 / 5);
            }
        }
    }

    TCizim m_ciz;
};

QIcon Simge(TCizim ciz) {
    return QIcon(new TCizimMotoru(ciz));
}

// A point of the icon square given in sixteenths of its side.
QPointF N(const QRectF& r, qreal x, qreal y) {
    return {r.x() + r.width() * x / 16.0, r.y() + r.height() * y / 16.0};
}

QRectF D(const QRectF& r, qreal x, qreal y, qreal g, qreal y2) {
    return QRectF(N(r, x, y), N(r, x + g, y + y2));
}

qreal B(const QRectF& r, qreal birim) {
    return r.width() * birim / 16.0;
}

// A coloured disc with a darker rim: the background of the status icons.
void Disk(QPainter& p, const QRectF& r, const QColor& renk) {
    QRadialGradient gecis(N(r, 6, 5), B(r, 10));
    gecis.setColorAt(0, renk.lighter(135));
    gecis.setColorAt(1, renk);
    p.setPen(QPen(renk.darker(140), B(r, 0.8)));
    p.setBrush(gecis);
    p.drawEllipse(D(r, 1, 1, 14, 14));
}

QPen BeyazKalem(const QRectF& r, qreal kalinlik) {
    QPen kalem(Qt::white, B(r, kalinlik));
    kalem.setCapStyle(Qt::RoundCap);
    kalem.setJoinStyle(Qt::RoundJoin);
    return kalem;
}

void VarCiz(QPainter& p, const QRectF& r) {
    Disk(p, r, QColor(46, 158, 68));
    p.setPen(BeyazKalem(r, 2.2));
    p.setBrush(Qt::NoBrush);
    const QPointF tik[] = {N(r, 4.6, 8.4), N(r, 7.0, 10.8), N(r, 11.6, 5.6)};
    p.drawPolyline(tik, 3);
}

void YokCiz(QPainter& p, const QRectF& r) {
    Disk(p, r, QColor(214, 48, 49));
    p.setPen(BeyazKalem(r, 2.2));
    p.drawLine(N(r, 5.3, 5.3), N(r, 10.7, 10.7));
    p.drawLine(N(r, 10.7, 5.3), N(r, 5.3, 10.7));
}

void TelefonCiz(QPainter& p, const QRectF& r) {
    const QColor turuncu(240, 140, 0);
    Disk(p, r, turuncu);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(D(r, 5.4, 3.4, 5.2, 9.2), B(r, 1.0), B(r, 1.0));
    p.setBrush(turuncu);
    p.drawRect(D(r, 6.3, 4.6, 3.4, 5.4));
    p.drawEllipse(N(r, 8, 11.3), B(r, 0.55), B(r, 0.55));
}

void YoldaCiz(QPainter& p, const QRectF& r) {
    const QColor mavi(30, 115, 190);
    Disk(p, r, mavi);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(D(r, 3.2, 5.2, 6.0, 4.8));
    QPainterPath kabin;
    kabin.moveTo(N(r, 9.6, 6.6));
    kabin.lineTo(N(r, 11.6, 6.6));
    kabin.lineTo(N(r, 13.0, 8.4));
    kabin.lineTo(N(r, 13.0, 10.0));
    kabin.lineTo(N(r, 9.6, 10.0));
    kabin.closeSubpath();
    p.drawPath(kabin);
    p.setPen(QPen(mavi, B(r, 0.6)));
    p.drawEllipse(N(r, 5.4, 10.6), B(r, 1.25), B(r, 1.25));
    p.drawEllipse(N(r, 11.0, 10.6), B(r, 1.25), B(r, 1.25));
}

void Yildiz(QPainter& p, const QPointF& merkez, qreal dis, qreal ic, int uc) {
    QPolygonF cokgen;
    for (int i = 0; i < 2 * uc; ++i) {
        const qreal aci = -M_PI / 2 + i * M_PI / uc;
        const qreal yaricap = (i % 2 == 0) ? dis : ic;
        cokgen << QPointF(merkez.x() + yaricap * qCos(aci), merkez.y() + yaricap * qSin(aci));
    }
    p.drawPolygon(cokgen);
}

void OzelSiparisCiz(QPainter& p, const QRectF& r) {
    Disk(p, r, QColor(142, 68, 173));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    Yildiz(p, N(r, 8, 8.4), B(r, 5.0), B(r, 2.1), 5);
}

void TedarikCiz(QPainter& p, const QRectF& r) {
    const QColor kehribar(214, 160, 0);
    Disk(p, r, kehribar);
    p.setPen(BeyazKalem(r, 1.1));
    p.drawLine(N(r, 5.2, 4.2), N(r, 10.8, 4.2));
    p.drawLine(N(r, 5.2, 11.8), N(r, 10.8, 11.8));
    QPainterPath kum;
    kum.moveTo(N(r, 5.8, 4.6));
    kum.lineTo(N(r, 10.2, 4.6));
    kum.lineTo(N(r, 8.6, 8.0));
    kum.lineTo(N(r, 10.2, 11.4));
    kum.lineTo(N(r, 5.8, 11.4));
    kum.lineTo(N(r, 7.4, 8.0));
    kum.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.drawPath(kum);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPolygonF alt;
    alt << N(r, 8, 9.0) << N(r, 9.7, 11.2) << N(r, 6.3, 11.2);
    p.drawPolygon(alt);
}

void BosDurumCiz(QPainter& p, const QRectF& r) {
    Disk(p, r, QColor(158, 158, 158));
    QFont yazi;
    yazi.setBold(true);
    yazi.setPixelSize(qMax(1, qRound(B(r, 10.5))));
    p.setFont(yazi);
    p.setPen(Qt::white);
    p.drawText(D(r, 1, 1.3, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

void ResimCiz(QPainter& p, const QRectF& r) {
    const QRectF cerceve = D(r, 1.2, 2.4, 13.6, 11.2);
    p.setPen(QPen(QColor(70, 90, 110), B(r, 0.9)));
    QLinearGradient gok(cerceve.topLeft(), cerceve.bottomLeft());
    gok.setColorAt(0, QColor(150, 205, 245));
    gok.setColorAt(1, QColor(225, 242, 252));
    p.setBrush(gok);
    p.drawRoundedRect(cerceve, B(r, 1.2), B(r, 1.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(N(r, 10.8, 5.6), B(r, 1.5), B(r, 1.5));
    QPolygonF dag;
    dag << N(r, 1.8, 12.9) << N(r, 6.0, 7.0) << N(r, 8.6, 10.4) << N(r, 10.2, 8.8) << N(r, 14.2, 12.9);
    p.setBrush(QColor(60, 150, 70));
    p.drawPolygon(dag);
}

void YeniCiz(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(25, 120, 60), B(r, 0.7)));
    p.setBrush(QColor(39, 174, 96));
    Yildiz(p, N(r, 8, 8), B(r, 7.6), B(r, 5.8), 12);
    QFont yazi;
    yazi.setBold(true);
    yazi.setPixelSize(qMax(1, qRound(B(r, 8.5))));
    p.setFont(yazi);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("Y"));
}

void KampanyaCiz(QPainter& p, const QRectF& r) {
    QPainterPath etiket;
    etiket.moveTo(N(r, 1.2, 8));
    etiket.lineTo(N(r, 5.6, 3.0));
    etiket.lineTo(N(r, 14.8, 3.0));
    etiket.lineTo(N(r, 14.8, 13.0));
    etiket.lineTo(N(r, 5.6, 13.0));
    etiket.closeSubpath();
    p.setPen(QPen(QColor(150, 20, 30), B(r, 0.7)));
    p.setBrush(QColor(220, 40, 50));
    p.drawPath(etiket);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(N(r, 4.6, 8), B(r, 0.9), B(r, 0.9));
    p.setPen(BeyazKalem(r, 1.1));
    p.drawLine(N(r, 12.6, 5.2), N(r, 7.8, 10.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(N(r, 8.4, 6.0), B(r, 1.0), B(r, 1.0));
    p.drawEllipse(N(r, 12.0, 10.0), B(r, 1.0), B(r, 1.0));
}

void BayrakCiz(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(90, 90, 90), B(r, 1.1), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(N(r, 3.4, 1.6), N(r, 3.4, 14.6));
    QPainterPath bez;
    bez.moveTo(N(r, 3.9, 2.4));
    bez.cubicTo(N(r, 7.0, 1.0), N(r, 9.5, 4.6), N(r, 13.4, 2.8));
    bez.lineTo(N(r, 13.4, 9.0));
    bez.cubicTo(N(r, 9.5, 10.8), N(r, 7.0, 7.2), N(r, 3.9, 8.6));
    bez.closeSubpath();
    p.setPen(QPen(QColor(110, 110, 110), B(r, 0.6)));
    p.setBrush(QColor(175, 175, 175));
    p.drawPath(bez);
}

struct TDurum {
    int kod;
    TCizim ciz;
    const char16_t* yazi;
};

constexpr TDurum kDurumlar[] = {
    {DurumYok, YokCiz, u"Yok"},
    {DurumVar, VarCiz, u"Var"},
    {DurumTelefonAciniz, TelefonCiz, u"Telefon Açınız"},
    {DurumYolda, YoldaCiz, u"Yolda"},
    {DurumOzelSiparis, OzelSiparisCiz, u"Özel Sipariş"},
    {DurumTedarikSurecinde, TedarikCiz, u"Tedarik Sürecinde"},
};

const TDurum* DurumBul(int kod) {
    for (const TDurum& durum : kDurumlar)
        if (durum.kod == kod)
            return &durum;
    return nullptr;
}

} // namespace

QIcon DurumSimgesi(int kod) {
    const TDurum* durum = DurumBul(kod);
    return durum ? Simge(durum->ciz) : QIcon();
}

QIcon BosDurumSimgesi() {
    return Simge(BosDurumCiz);
}

QString DurumYazisi(int kod) {
    const TDurum* durum = DurumBul(kod);
    return durum ? QString::fromUtf16(durum->yazi) : QString();
}

TSimgeHaritasi DurumSimgeHaritasi() {
    TSimgeHaritasi harita;
    for (const TDurum& durum : kDurumlar)
        harita.Ekle(durum.kod, Simge(durum.ciz), QString::fromUtf16(durum.yazi));
    harita.SetBos(BosDurumSimgesi());
    return harita;
}

QList<TDurumAciklamasi> DurumAciklamalari() {
    return {
        {DurumVar, QStringLiteral(" Stok mevcut  ")},
        {DurumTelefonAciniz, QStringLiteral(" Telefon Açınız  ")},
        {DurumYolda, QStringLiteral(" Yolda  ")},
        {DurumTedarikSurecinde, QStringLiteral(" Tedarik Sürecinde ")},
        {DurumOzelSiparis, QStringLiteral(" Özel Sipariş  ")},
        {DurumYok, QStringLiteral(" Yok  ")},
    };
}

QIcon ResimSimgesi() {
    return Simge(ResimCiz);
}

QIcon YeniSimgesi() {
    return Simge(YeniCiz);
}

QIcon KampanyaSimgesi() {
    return Simge(KampanyaCiz);
}

QIcon BayrakSimgesi() {
    return Simge(BayrakCiz);
}

TSimgeHaritasi ResimSimgeHaritasi() {
    TSimgeHaritasi harita;
    harita.Ekle(1, ResimSimgesi(), QStringLiteral("Var"));
    harita.Ekle(0, QIcon(), QStringLiteral("Yok"));
    return harita;
}

TSimgeHaritasi EvetHayirSimgeHaritasi(const QIcon& evet, const QIcon& hayir, const QIcon& diger) {
    TSimgeHaritasi harita;
    harita.Ekle(1, evet, QStringLiteral("Evet"));
    harita.Ekle(0, hayir, QStringLiteral("Hayır"));
    harita.SetDiger(diger);
    return harita;
}

} // namespace grid
