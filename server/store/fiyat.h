#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSqlDatabase>
#include <QString>
#include <array>
#include <vector>

// Price and discount rules of the server, shared by the methods and the demo data so that a
// stored line always agrees with what the server would compute for it.

// Two-decimal rounding, halves away from zero (1.005 → 1.01, -2.675 → -2.68).
double Yuvarla2(double deger);

// Up to four discount rates in per cent, applied one after the other:
// net = price × (1 − r1/100) × (1 − r2/100) × (1 − r3/100) × (1 − r4/100), rounded to two decimals.
struct TIndirimOranlari {
    std::array<double, 4> oran{};

    double NetFiyat(double fiyat) const;
    // The rates above 0 joined by "+", decimals with a comma: "10", "10+5", "12,5+3"; empty for none.
    QString Yazi() const;
    bool Bos() const;
    bool operator==(const TIndirimOranlari&) const = default;
};

// The amounts of a basket or order line.
struct TSatirTutarlari {
    double tutar = 0;         // TUTAR = R(quantity × unit price), before discount
    double netBirimFiyat = 0; // NETBIRIMFIYAT = the discounted unit price
    double netTutar = 0;      // NETTUTAR = R(quantity × net unit price)
    double indirimTutar = 0;  // INDIRIMTUTAR = TUTAR − NETTUTAR
    double vergiTutari = 0;   // VERGITUTARI = R(NETTUTAR × VAT / 100)
    double kdvliTutar = 0;    // KDVLITUTAR = NETTUTAR + VERGITUTARI
};

TSatirTutarlari SatirTutarlariHesapla(double miktar, double birimFiyat, const TIndirimOranlari& indirim, double kdv);

// What the item lists show for one item and customer.
struct TStokFiyati {
    double fiyat = 0;         // FIYAT: the unit price a basket line gets
    TIndirimOranlari indirim; // IND1..IND4
    QString indirimYazi;      // INDIRIMYAZI
    double netFiyat = 0;      // NETFIYAT
    double kdvDahil = 0;      // KDVDAHIL = R(NETFIYAT × (1 + VAT / 100))
};

// A campaign item (k > 0 and a campaign price above 0) is sold at its campaign price with no
// further discount; its INDIRIMYAZI is the campaign's reduction of the list price ("%15").
// Any other item is sold at its list price less the customer's rates.
TStokFiyati StokFiyatiHesapla(int k, double listeFiyati, double kampanyaFiyati, double kdv,
                              const TIndirimOranlari& cariIndirimi);

// A customer's rates for an item together with their text (cariIndirimi.Yazi()).
struct TCariIndirimi {
    TIndirimOranlari oranlar;
    QString yazi;
};

// The same, with the rates' text worked out once per rule instead of once per item.
TStokFiyati StokFiyatiHesapla(int k, double listeFiyati, double kampanyaFiyati, double kdv,
                              const TCariIndirimi& cariIndirimi);

// The discount rules of one customer (CARI_INDIRIMLERI and CARILER.INDIRIM), loaded once and
// looked up per item. The most specific rule wins: brand and main group, then brand only, then
// main group only, then the customer's general rule ('' and ''), then CARILER.INDIRIM as IND1.
class TCariIndirimleri {
public:
    static TCariIndirimleri Yukle(const QSqlDatabase& db, int cariNo);

    TIndirimOranlari Bul(const QString& marka, const QString& anaGrup) const;
    // The same rule for a brand and main group in UTF-8 (as SQLite stores them), with its text.
    const TCariIndirimi& BulUtf8(QByteArrayView marka, QByteArrayView anaGrup) const;

private:
    struct TKural {
        QString marka, anaGrup;
        QByteArray markaUtf8, anaGrupUtf8;
        TCariIndirimi indirim;
    };

    template <class TUyar> const TKural* KuralBul(const TUyar& uyar) const;

    std::vector<TKural> m_kurallar;
    TCariIndirimi m_genel;
};
