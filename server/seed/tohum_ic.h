#pragma once

// Shared parts of the seed's generators (not for use outside server/seed).

#include "server/seed/rastgele.h"
#include "server/seed/tohum.h"
#include "server/store/fiyat.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <map>
#include <vector>

// One prepared INSERT of the given columns, executed once per row.
class TEkleyici {
public:
    TEkleyici(const QSqlDatabase& db, const QString& tablo, const QStringList& sutunlar);
    void Ekle(const QVariantList& degerler);

private:
    QSqlQuery m_sorgu;
};

QString Yazi(const char* utf8); // QString::fromUtf8, short for the tables of adlar.h

struct TCariOzeti {
    int cariNo = 0;
    int saticiNo = 0;
    int vade = 30;
    QString kod, adi;
    // Who places this customer's orders: its dealer user, or else its representative.
    QString veren;
    int verenIdNo = 0;
    int verenSiraNo = 0;
};

struct TStokOzeti {
    int stokNo = 0;
    QString barkod, adi, marka, anaGrup;
    int k = 0;
    double listeFiyati = 0, kampanyaFiyati = 0, kdv = 20;
};

struct TTohumBaglami {
    QSqlDatabase db;
    TohumAyarlari ayarlar;
    std::vector<TCariOzeti> cariler;                // in CARINO order
    std::map<int, std::vector<int>> kargoFirmalari; // cargo type → companies
    std::vector<int> teslimSekilleri;

    // An independent random stream per area, so that one area's data does not shift when
    // another area draws more or fewer numbers.
    TRastgele Akis(std::uint32_t alan) const { return TRastgele(ayarlar.tohum + alan * 0x9E3779B9u); }
    double Gun(int geriGun) const; // OLE date `geriGun` days before "today"
    // A moment of working hours (08:30 to 18:00) `geriGun` days before "today".
    struct TAn {
        double ole = 0;
        QString saat;
    };
    TAn An(int geriGun, TRastgele& rastgele) const;
    int StokAdedi() const { return ayarlar.stokAdedi; }
};

TStokOzeti StokOku(const QSqlDatabase& db, int stokNo);
// The unit price, discount rates and amounts a line of this item gets for this customer.
struct TSatirFiyati {
    double birimFiyat = 0;
    TIndirimOranlari indirim;
};
TSatirFiyati SatirFiyati(const TStokOzeti& stok, const TCariIndirimleri& indirimler);

// The generators, in the order Tohumla runs them.
void TeslimVeKargoYaz(TTohumBaglami& b);
void SaticilariYaz(TTohumBaglami& b);
void CarileriYaz(TTohumBaglami& b);
void KullanicilariYaz(TTohumBaglami& b);
void StoklariYaz(TTohumBaglami& b);
void SepetleriYaz(TTohumBaglami& b);
void SiparisleriYaz(TTohumBaglami& b);
void HesaplariYaz(TTohumBaglami& b);
void IcerikYaz(TTohumBaglami& b);
void OzetleriGuncelle(TTohumBaglami& b);
