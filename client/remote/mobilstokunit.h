#pragma once

// Unit mobilstokunit: catalogue item, basket line, customer account, opening-screen entry and
// their lists.

#include "client/remote/kayit.h"

#include <memory>
#include <vector>

#define TMOBILSTOK_ALANLARI(X)                                                                                         \
    X(int, StokNo)                                                                                                     \
    X(int, ResimVar)                                                                                                   \
    X(QString, Resim)                                                                                                  \
    X(int, Yeni)                                                                                                       \
    X(QString, Departman)                                                                                              \
    X(double, VerilenSiparis)                                                                                          \
    X(QString, AltGrup)                                                                                                \
    X(int, Durum)                                                                                                      \
    X(QString, Renk)                                                                                                   \
    X(QString, Birim)                                                                                                  \
    X(double, KDV)                                                                                                     \
    X(double, AlinanSiparis)                                                                                           \
    X(double, Isk2)                                                                                                    \
    X(QString, AnaGrup)                                                                                                \
    X(QString, Kod)                                                                                                    \
    X(double, Isk3)                                                                                                    \
    X(double, ListeFiyati)                                                                                             \
    X(QString, Beden)                                                                                                  \
    X(double, NetFiyat)                                                                                                \
    X(double, Isk1)                                                                                                    \
    X(double, KDVliFiyat)                                                                                              \
    X(double, Isk4)                                                                                                    \
    X(QString, OzelKod)                                                                                                \
    X(int, Kampnayali)                                                                                                 \
    X(QString, Barkod)                                                                                                 \
    X(double, IndirimOran)                                                                                             \
    X(double, Kalan)                                                                                                   \
    X(QString, UreticiKod)                                                                                             \
    X(double, KampanyaliFiyat)                                                                                         \
    X(QString, OemNo)                                                                                                  \
    X(int, BarkodNo)                                                                                                   \
    X(QString, PKod)                                                                                                   \
    X(QString, DpKod)                                                                                                  \
    X(QString, Adi)                                                                                                    \
    X(double, Fiyat)

#define TMOBILSEPET_ALANLARI(X)                                                                                        \
    X(int, KARGOID)                                                                                                    \
    X(int, StokNo)                                                                                                     \
    X(TDate, TARIH)                                                                                                    \
    X(int, SIRANO)                                                                                                     \
    X(QString, CARIADI)                                                                                                \
    X(TDate, VERILISTARIHI)                                                                                            \
    X(int, Durum)                                                                                                      \
    X(double, MIKTAR)                                                                                                  \
    X(int, VERENIDNO)                                                                                                  \
    X(double, NETTUTAR)                                                                                                \
    X(double, KDVLITUTAR)                                                                                              \
    X(double, KDV)                                                                                                     \
    X(int, AKTAR)                                                                                                      \
    X(QString, SAAT)                                                                                                   \
    X(double, VERGITUTARI)                                                                                             \
    X(QString, PKod)                                                                                                   \
    X(QString, MODEL)                                                                                                  \
    X(double, INDIRIMTUTAR)                                                                                            \
    X(int, STOK_STOKNO)                                                                                                \
    X(double, BIRIMFIYAT)                                                                                              \
    X(int, SEC)                                                                                                        \
    X(QString, OEM2)                                                                                                   \
    X(QString, OEM3)                                                                                                   \
    X(QString, AnaGrup)                                                                                                \
    X(QString, MARKA)                                                                                                  \
    X(QString, VEREN)                                                                                                  \
    X(QString, STOKADI)                                                                                                \
    X(QString, OEM1)                                                                                                   \
    X(int, CARINO)                                                                                                     \
    X(int, VERENSIRANO)                                                                                                \
    X(int, ACIKLAMA)                                                                                                   \
    X(double, INDIRIMORANI2)                                                                                           \
    X(QString, OEM4)                                                                                                   \
    X(QString, KUR)                                                                                                    \
    X(double, INDIRIMORANI3)                                                                                           \
    X(int, SIPARISNO)                                                                                                  \
    X(double, IDNO)                                                                                                    \
    X(QString, OzelKod)                                                                                                \
    X(QString, DpKod)                                                                                                  \
    X(double, KURTL)                                                                                                   \
    X(double, INDIRIMORANI1)                                                                                           \
    X(QString, DIGERADI)                                                                                               \
    X(QString, Barkod)                                                                                                 \
    X(double, TUTAR)                                                                                                   \
    X(QString, URETICIKODU)                                                                                            \
    X(double, Kalan)                                                                                                   \
    X(QString, FINISHKOD)                                                                                              \
    X(QString, CARIKOD)                                                                                                \
    X(double, NETBIRIMFIYAT)                                                                                           \
    X(QString, OemNo)                                                                                                  \
    X(int, TESLIMID)                                                                                                   \
    X(int, ResimVar)                                                                                                   \
    X(QString, Resim)

#define TMOBILCARIBILGISI_ALANLARI(X)                                                                                  \
    X(QString, BILGISAYARID)                                                                                           \
    X(QString, SEHIR)                                                                                                  \
    X(QString, FAX1)                                                                                                   \
    X(QString, SATICIMAIL)                                                                                             \
    X(QString, SATICIADI)                                                                                              \
    X(QString, CARIADI)                                                                                                \
    X(QString, EMAIL)                                                                                                  \
    X(QString, VERGIDAIRESI)                                                                                           \
    X(QString, YETKILI)                                                                                                \
    X(QString, AltGrup)                                                                                                \
    X(QString, TEL2)                                                                                                   \
    X(QString, SIFRE)                                                                                                  \
    X(QString, GSM)                                                                                                    \
    X(QString, TEL1)                                                                                                   \
    X(QString, ADRES2)                                                                                                 \
    X(double, TLBORC)                                                                                                  \
    X(double, TLALACAK)                                                                                                \
    X(QString, ADRES1)                                                                                                 \
    X(QString, ULKE)                                                                                                   \
    X(QString, AnaGrup)                                                                                                \
    X(int, CARINO)                                                                                                     \
    X(double, TLBAKIYE)                                                                                                \
    X(QString, VERGINO)                                                                                                \
    X(QString, MAIL)                                                                                                   \
    X(QString, OzelKod)                                                                                                \
    X(QString, KULLANICIADI)                                                                                           \
    X(QString, SATICITELEFON)                                                                                          \
    X(QString, CARIKOD)                                                                                                \
    X(QString, FAX2)                                                                                                   \
    X(QString, ILCE)

#define TACILISEKRAN_ALANLARI(X)                                                                                       \
    X(int, SiraNo)                                                                                                     \
    X(QString, Resim)                                                                                                  \
    X(QString, Baslik)                                                                                                 \
    X(QString, Arama)

// One catalogue item as the server's item search returns it.
class TMobilStok final : public datasnap::TObject {
public:
    TMobilStok();
    TV_KAYIT_GOVDESI(TMobilStok, TMOBILSTOK_ALANLARI)
};

// One basket line.
class TMobilSepet final : public datasnap::TObject {
    TV_KAYIT_GOVDESI(TMobilSepet, TMOBILSEPET_ALANLARI)
};

// The data of one customer account as the server holds it.
class TMobilCariBilgisi final : public datasnap::TObject {
    TV_KAYIT_GOVDESI(TMobilCariBilgisi, TMOBILCARIBILGISI_ALANLARI)
};

// One opening-screen or announcement entry. Its picture is a JPEG file as hexadecimal text.
class TAcilisEkran final : public datasnap::TObject {
    TV_KAYIT_GOVDESI(TAcilisEkran, TACILISEKRAN_ALANLARI)
};

// The bytes of a hexadecimal picture text: two characters per byte, read from the start.
QByteArray HexResimCoz(QStringView hex);

// An owning list of records; on the wire its items are "FItems".
template <class T> class TKayitListesi : public datasnap::TObject {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    T* Items(int index) const { return FItems.at(index).get(); }
    void Add(std::unique_ptr<T> item) { FItems.push_back(std::move(item)); }
    void Clear() { FItems.clear(); }

    static void AlanlariYaz(const datasnap::TObject& nesne, datasnap::TJSONMarshal& m) {
        datasnap::WriteObjectArray(m, "FItems", static_cast<const TKayitListesi&>(nesne).FItems);
    }
    static void AlanlariOku(datasnap::TObject& nesne, const QJsonObject& alanlar) {
        datasnap::ReadObjectArray(alanlar, "FItems", static_cast<TKayitListesi&>(nesne).FItems);
    }

private:
    std::vector<std::unique_ptr<T>> FItems;
};

#define TV_LISTE_SINIFI(Sinifi, Eleman)                                                                                \
    class Sinifi final : public TKayitListesi<Eleman> {                                                                \
    public:                                                                                                            \
        static const datasnap::TClassInfo& Sinif();                                                                    \
        const datasnap::TClassInfo& ClassInfo() const override { return Sinif(); }                                     \
    };

TV_LISTE_SINIFI(TMobilStoklar, TMobilStok)
TV_LISTE_SINIFI(TMobilSepetler, TMobilSepet)
TV_LISTE_SINIFI(TAcilisEkranlar, TAcilisEkran)

// All announcement entries in the server's order; setting the property replaces the array.
class TAcilisEkranlariki final : public datasnap::TObject {
public:
    const std::vector<std::unique_ptr<TAcilisEkran>>& Ekranlar() const { return FEkranlar; }
    void SetEkranlar(std::vector<std::unique_ptr<TAcilisEkran>> ekranlar) { FEkranlar = std::move(ekranlar); }
    static const datasnap::TClassInfo& Sinif();
    const datasnap::TClassInfo& ClassInfo() const override { return Sinif(); }
    static void AlanlariYaz(const datasnap::TObject& nesne, datasnap::TJSONMarshal& m);
    static void AlanlariOku(datasnap::TObject& nesne, const QJsonObject& alanlar);

private:
    std::vector<std::unique_ptr<TAcilisEkran>> FEkranlar;
};
