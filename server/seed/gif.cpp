#include "server/seed/gif.h"

#include <cstdint>

namespace {

constexpr int enKucukKodBoyu = 8;                // LZW minimum code size: 256 palette entries
constexpr int temizleKodu = 1 << enKucukKodBoyu; // 256
constexpr int bitisKodu = temizleKodu + 1;       // 257
constexpr int kodGenisligi = enKucukKodBoyu + 1; // 9 bits
// After a clear code the decoder adds one table entry per code after the first and widens the
// codes when the table reaches 512 entries (after 255 codes); a clear after at most 254 literal
// codes keeps every code 9 bits wide.
constexpr int temizlemeAraligi = (1 << kodGenisligi) - temizleKodu - 2;

int KupBileseni(int deger) {
    return (deger + 25) / 51; // 0..5
}

int PaletSirasi(QRgb renk) {
    return KupBileseni(qRed(renk)) * 36 + KupBileseni(qGreen(renk)) * 6 + KupBileseni(qBlue(renk));
}

// Writes LZW codes least significant bit first and packs the bytes into sub-blocks.
class TBitYazici {
public:
    void Yaz(int kod) {
        m_tampon |= static_cast<std::uint32_t>(kod) << m_bitler;
        m_bitler += kodGenisligi;
        while (m_bitler >= 8) {
            m_baytlar.append(static_cast<char>(m_tampon & 0xFF));
            m_tampon >>= 8;
            m_bitler -= 8;
        }
    }

    QByteArray AltBloklar() {
        if (m_bitler > 0)
            m_baytlar.append(static_cast<char>(m_tampon & 0xFF));
        m_bitler = 0;
        QByteArray bloklar;
        for (qsizetype i = 0; i < m_baytlar.size(); i += 255) {
            const QByteArray parca = m_baytlar.mid(i, 255);
            bloklar.append(static_cast<char>(parca.size()));
            bloklar.append(parca);
        }
        bloklar.append('\0');
        return bloklar;
    }

private:
    QByteArray m_baytlar;
    std::uint32_t m_tampon = 0;
    int m_bitler = 0;
};

void Kisa(QByteArray& cikti, int deger) {
    cikti.append(static_cast<char>(deger & 0xFF));
    cikti.append(static_cast<char>((deger >> 8) & 0xFF));
}

void Bayt(QByteArray& cikti, int deger) {
    cikti.append(static_cast<char>(deger));
}

void BaslikYaz(QByteArray& cikti, QSize boyut) {
    cikti.append("GIF89a");
    Kisa(cikti, boyut.width());
    Kisa(cikti, boyut.height());
    Bayt(cikti, 0xF7); // global colour table, 8 bits per channel, 256 entries
    Bayt(cikti, 0);    // background colour index
    Bayt(cikti, 0);    // no aspect ratio
    for (int i = 0; i < 256; ++i) {
        const int r = i < 216 ? i / 36 : 0, g = i < 216 ? (i / 6) % 6 : 0, b = i < 216 ? i % 6 : 0;
        Bayt(cikti, r * 51);
        Bayt(cikti, g * 51);
        Bayt(cikti, b * 51);
    }
}

void DonguYaz(QByteArray& cikti) {
    Bayt(cikti, 0x21);
    Bayt(cikti, 0xFF);
    Bayt(cikti, 11);
    cikti.append("NETSCAPE2.0");
    Bayt(cikti, 3);
    Bayt(cikti, 1);
    Kisa(cikti, 0); // loop for ever
    Bayt(cikti, 0);
}

void GecikmeYaz(QByteArray& cikti, int gecikme) {
    Bayt(cikti, 0x21);
    Bayt(cikti, 0xF9);
    Bayt(cikti, 4);
    Bayt(cikti, 0x04); // disposal: leave the frame in place; no transparency
    Kisa(cikti, gecikme);
    Bayt(cikti, 0);
    Bayt(cikti, 0);
}

QByteArray PikselKodlari(const QImage& kare) {
    TBitYazici yazici;
    int sayac = 0;
    yazici.Yaz(temizleKodu);
    for (int y = 0; y < kare.height(); ++y) {
        const auto* satir = reinterpret_cast<const QRgb*>(kare.constScanLine(y));
        for (int x = 0; x < kare.width(); ++x) {
            if (sayac == temizlemeAraligi) {
                yazici.Yaz(temizleKodu);
                sayac = 0;
            }
            yazici.Yaz(PaletSirasi(satir[x]));
            ++sayac;
        }
    }
    yazici.Yaz(bitisKodu);
    return yazici.AltBloklar();
}

void KareYaz(QByteArray& cikti, const QImage& kare) {
    Bayt(cikti, 0x2C);
    Kisa(cikti, 0);
    Kisa(cikti, 0);
    Kisa(cikti, kare.width());
    Kisa(cikti, kare.height());
    Bayt(cikti, 0); // no local colour table, not interlaced
    Bayt(cikti, enKucukKodBoyu);
    cikti.append(PikselKodlari(kare));
}

} // namespace

QRgb GifPaletRengi(QRgb renk) {
    return qRgb(KupBileseni(qRed(renk)) * 51, KupBileseni(qGreen(renk)) * 51, KupBileseni(qBlue(renk)) * 51);
}

QByteArray GifKodla(const QList<QImage>& kareler, int gecikme) {
    if (kareler.isEmpty())
        return {};
    const QSize boyut = kareler.first().size();
    QByteArray cikti;
    BaslikYaz(cikti, boyut);
    if (kareler.size() > 1)
        DonguYaz(cikti);
    for (const QImage& kare : kareler) {
        if (kareler.size() > 1)
            GecikmeYaz(cikti, gecikme);
        KareYaz(cikti, kare.convertToFormat(QImage::Format_RGB32).copy(QRect(QPoint(0, 0), boyut)));
    }
    Bayt(cikti, 0x3B);
    return cikti;
}
