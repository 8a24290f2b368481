#pragma once

#include <QString>
#include <QStringList>
#include <span>

// The tables the demo data is drawn from. Texts are UTF-8.

// How an item's picture is drawn.
enum class TCizim { Balata, Disk, Filtre, Amortisor, Kayis, Lamba, Elektrik, Sivi, Genel };

// Position words that a part name may carry ("ÖN SAĞ") with their English forms.
enum class TKonumlar { Yok, OnArka, DortTeker, SagSol, AltUst };

struct TAnaGrup {
    const char* adi;
    const char* kisaKod; // first part of the item code
};

struct TParcaTuru {
    const char* adi;      // Turkish name, upper case
    const char* digerAdi; // English name
    int anaGrup;          // index into AnaGruplar()
    const char* altGrup;
    const char* birim;
    double fiyatAlt, fiyatUst; // list price range in TL
    TKonumlar konumlar;
    TCizim cizim;
};

struct TUreticiMarka {
    const char* adi;
    const char* firmaKodu; // four digits of the EAN-13 company prefix after 869
    const char* kaliplar;  // manufacturer code patterns, '|' between alternatives (kodlar.h)
    const char* gruplar;   // indices of the main groups it makes, ',' between; empty = all
    double fiyatCarpani;
};

struct TArac {
    const char* uretici;
    const char* model;
    const char* departman;
    const char* oemKaliplari; // OEM number patterns of the vehicle maker, '|' between
    int agirlik;              // share in the catalogue
};

struct TKonum {
    const char* adi;
    const char* digerAdi;
};

struct TSehir {
    const char* adi;
    const char* alanKodu;
    const char* ilceler; // ',' between
};

std::span<const TAnaGrup> AnaGruplar();
std::span<const TParcaTuru> ParcaTurleri();
std::span<const TUreticiMarka> UreticiMarkalar();
std::span<const TArac> Araclar();
std::span<const TKonum> Konumlar(TKonumlar tur);
std::span<const TSehir> Sehirler();
std::span<const char* const> KisiAdlari();
std::span<const char* const> Soyadlari();
std::span<const char* const> FirmaOnAdlari();
std::span<const char* const> FirmaFaaliyetleri();
std::span<const char* const> FirmaTurleri();
std::span<const char* const> SiparisMesajlari();
std::span<const char* const> DagiticiNotlari();

// Splits a '|' or ',' separated table cell.
QStringList Parcala(const char* hucre, char ayrac);
