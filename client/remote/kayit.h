#pragma once

// Building blocks of the records that cross the wire. A record declares its fields once, as an
// X-macro list of (type, name); from it come the fields (wire name "F" + name, in declaration
// order), a property per field (getter `name()`, setter `Setname()`), `Kopyala` and the
// marshalling functions.

#include "platform/datasnap/marshal.h"

#include <QString>

using TDate = double; // OLE Automation date: days since 1899-12-30, time of day as the fraction

#define TV_KAYIT_ALANI(tip, ad) tip F##ad{};
#define TV_KAYIT_OZELLIGI(tip, ad)                                                                                     \
    const tip& ad() const {                                                                                            \
        return F##ad;                                                                                                  \
    }                                                                                                                  \
    void Set##ad(const tip& deger) {                                                                                   \
        F##ad = deger;                                                                                                 \
    }
#define TV_KAYIT_KOPYA(tip, ad) F##ad = kaynak.F##ad;
#define TV_KAYIT_YAZ(tip, ad) datasnap::WriteField(m, "F" #ad, k.F##ad);
#define TV_KAYIT_OKU(tip, ad) datasnap::ReadField(alanlar, "F" #ad, k.F##ad);

// Inside the class: properties, Kopyala, the class information and the fields.
#define TV_KAYIT_GOVDESI(Sinifi, ALANLAR)                                                                              \
public:                                                                                                                \
    ALANLAR(TV_KAYIT_OZELLIGI)                                                                                         \
    void Kopyala(const Sinifi& kaynak);                                                                                \
    static const datasnap::TClassInfo& Sinif();                                                                        \
    const datasnap::TClassInfo& ClassInfo() const override {                                                           \
        return Sinif();                                                                                                \
    }                                                                                                                  \
                                                                                                                       \
private:                                                                                                               \
    static void AlanlariYaz(const datasnap::TObject& nesne, datasnap::TJSONMarshal& m);                                \
    static void AlanlariOku(datasnap::TObject& nesne, const QJsonObject& alanlar);                                     \
    ALANLAR(TV_KAYIT_ALANI)

// In the unit's source file: the definitions that go with TV_KAYIT_GOVDESI.
#define TV_KAYIT_TANIMI(birim, Sinifi, ALANLAR)                                                                        \
    void Sinifi::Kopyala(const Sinifi& kaynak) {                                                                       \
        ALANLAR(TV_KAYIT_KOPYA)                                                                                        \
    }                                                                                                                  \
    void Sinifi::AlanlariYaz(const datasnap::TObject& nesne, datasnap::TJSONMarshal& m) {                              \
        const auto& k = static_cast<const Sinifi&>(nesne);                                                             \
        ALANLAR(TV_KAYIT_YAZ)                                                                                          \
    }                                                                                                                  \
    void Sinifi::AlanlariOku(datasnap::TObject& nesne, const QJsonObject& alanlar) {                                   \
        auto& k = static_cast<Sinifi&>(nesne);                                                                         \
        ALANLAR(TV_KAYIT_OKU)                                                                                          \
    }                                                                                                                  \
    const datasnap::TClassInfo& Sinifi::Sinif() {                                                                      \
        static const datasnap::TClassInfo bilgi{                                                                       \
            QStringLiteral(birim "." #Sinifi),                                                                         \
            []() -> std::unique_ptr<datasnap::TObject> { return std::make_unique<Sinifi>(); }, &Sinifi::AlanlariYaz,   \
            &Sinifi::AlanlariOku};                                                                                     \
        return bilgi;                                                                                                  \
    }

// Every record class of both units, registered with the unmarshaller (idempotent).
void KayitSiniflariniKaydet();
