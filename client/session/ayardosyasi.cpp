#include "client/session/ayardosyasi.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool BolumBasligiMi(const QString& satir) {
    const QString t = satir.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
}

QString BolumAdi(const QString& satir) {
    const QString t = satir.trimmed();
    return t.mid(1, t.size() - 2).trimmed();
}

} // namespace

TAyarDosyasi::TAyarDosyasi(QString yol)
    : m_yol(std::move(yol)) {}

bool TAyarDosyasi::Var() const {
    return QFileInfo(m_yol).isFile();
}

bool TAyarDosyasi::Oku() {
    m_satirlar.clear();
    QFile dosya(m_yol);
    if (!dosya.open(QIODevice::ReadOnly))
        return false;
    QString metin = QString::fromUtf8(dosya.readAll());
    if (metin.startsWith(QChar(0xFEFF)))
        metin.remove(0, 1);
    metin.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_satirlar = metin.split(QLatin1Char('\n'));
    while (!m_satirlar.isEmpty() && m_satirlar.last().isEmpty())
        m_satirlar.removeLast();
    return true;
}

bool TAyarDosyasi::Kaydet() const {
    QSaveFile dosya(m_yol);
    if (!dosya.open(QIODevice::WriteOnly))
        return false;
    QByteArray metin;
    for (const QString& satir : m_satirlar)
        metin += satir.toUtf8() + "\r\n";
    if (dosya.write(metin) != metin.size())
        return false;
    return dosya.commit();
}

qsizetype TAyarDosyasi::BolumSatiri(const QString& bolum) const {
    for (qsizetype i = 0; i < m_satirlar.size(); ++i)
        if (BolumBasligiMi(m_satirlar[i]) && BolumAdi(m_satirlar[i]).compare(bolum, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

qsizetype TAyarDosyasi::BolumSonu(qsizetype bolumSatiri) const {
    qsizetype i = bolumSatiri + 1;
    while (i < m_satirlar.size() && !BolumBasligiMi(m_satirlar[i]))
        ++i;
    return i;
}

qsizetype TAyarDosyasi::AnahtarSatiri(qsizetype bolumSatiri, const QString& anahtar) const {
    const qsizetype son = BolumSonu(bolumSatiri);
    for (qsizetype i = bolumSatiri + 1; i < son; ++i) {
        const qsizetype esit = m_satirlar[i].indexOf(QLatin1Char('='));
        if (esit > 0 && m_satirlar[i].left(esit).trimmed().compare(anahtar, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString TAyarDosyasi::Yazi(const QString& bolum, const QString& anahtar, const QString& varsayilan) const {
    const qsizetype b = BolumSatiri(bolum);
    const qsizetype a = b < 0 ? -1 : AnahtarSatiri(b, anahtar);
    if (a < 0)
        return varsayilan;
    const QString& satir = m_satirlar[a];
    return satir.mid(satir.indexOf(QLatin1Char('=')) + 1);
}

bool TAyarDosyasi::Mantiksal(const QString& bolum, const QString& anahtar, bool varsayilan) const {
    bool sayi = false;
    const int deger = Yazi(bolum, anahtar).trimmed().toInt(&sayi);
    return sayi ? deger != 0 : varsayilan;
}

void TAyarDosyasi::YaziYaz(const QString& bolum, const QString& anahtar, const QString& deger) {
    const QString satir = anahtar + QLatin1Char('=') + deger;
    qsizetype b = BolumSatiri(bolum);
    if (b < 0) {
        m_satirlar.append(QLatin1Char('[') + bolum + QLatin1Char(']'));
        m_satirlar.append(satir);
        return;
    }
    const qsizetype a = AnahtarSatiri(b, anahtar);
    if (a >= 0) {
        m_satirlar[a] = satir;
        return;
    }
    // After the last non-blank line of the section, so a blank line before the next section stays.
    qsizetype yer = BolumSonu(b);
    while (yer - 1 > b && m_satirlar[yer - 1].trimmed().isEmpty())
        --yer;
    m_satirlar.insert(yer, satir);
}

void TAyarDosyasi::MantiksalYaz(const QString& bolum, const QString& anahtar, bool deger) {
    YaziYaz(bolum, anahtar, deger ? QStringLiteral("1") : QStringLiteral("0"));
}
