#pragma once

#include <QString>
#include <cstdint>
#include <random>
#include <span>

// Deterministic random numbers for the demo data. std::mt19937's output is fixed by the C++
// standard, but the std distributions are not (libraries differ), so the few distributions
// needed are written here: the same seed gives the same data with any compiler and library.
class TRastgele {
public:
    explicit TRastgele(std::uint32_t tohum)
        : m_motor(tohum) {}

    std::uint32_t Sayi() { return static_cast<std::uint32_t>(m_motor()); }

    // Uniform in [enAz, enCok] (multiply-shift; the bias is far below anything visible here).
    int Aralik(int enAz, int enCok) {
        const auto genislik = static_cast<std::uint64_t>(static_cast<std::int64_t>(enCok) - enAz + 1);
        return enAz + static_cast<int>((Sayi() * genislik) >> 32);
    }

    // Uniform in [0, 1).
    double Oran() { return Sayi() / 4294967296.0; }

    bool Olasilik(double p) { return Oran() < p; }

    // Uniform in [enAz, enCok), rounded to two decimals.
    double Tutar(double enAz, double enCok) {
        const double d = enAz + Oran() * (enCok - enAz);
        return static_cast<double>(static_cast<std::int64_t>(d * 100.0 + 0.5)) / 100.0;
    }

    template <typename T> const T& Sec(std::span<const T> secenekler) {
        return secenekler[static_cast<size_t>(Aralik(0, static_cast<int>(secenekler.size()) - 1))];
    }

    template <typename T, size_t N> const T& Sec(const T (&secenekler)[N]) {
        return Sec(std::span<const T>(secenekler));
    }

    // An index drawn by weight.
    int Agirlikli(std::span<const int> agirliklar) {
        int toplam = 0;
        for (const int a : agirliklar)
            toplam += a;
        int kalan = Aralik(0, toplam - 1);
        for (size_t i = 0; i < agirliklar.size(); ++i) {
            kalan -= agirliklar[i];
            if (kalan < 0)
                return static_cast<int>(i);
        }
        return static_cast<int>(agirliklar.size()) - 1;
    }

    QChar Rakam() { return QChar(char16_t(u'0' + Aralik(0, 9))); }
    QChar Harf() { return QChar(char16_t(u'A' + Aralik(0, 25))); }

    QString Rakamlar(int adet) {
        QString s;
        for (int i = 0; i < adet; ++i)
            s.append(Rakam());
        return s;
    }

private:
    std::mt19937 m_motor;
};
