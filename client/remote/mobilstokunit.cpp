#include "client/remote/mobilstokunit.h"

#include "client/remote/baglantiu.h"

#include <mutex>

TMobilStok::TMobilStok() {
    FBirim = QStringLiteral("ADET");
    FKDV = 20;
}

TV_KAYIT_TANIMI("mobilstokunit", TMobilStok, TMOBILSTOK_ALANLARI)
TV_KAYIT_TANIMI("mobilstokunit", TMobilSepet, TMOBILSEPET_ALANLARI)
TV_KAYIT_TANIMI("mobilstokunit", TMobilCariBilgisi, TMOBILCARIBILGISI_ALANLARI)
TV_KAYIT_TANIMI("mobilstokunit", TAcilisEkran, TACILISEKRAN_ALANLARI)

namespace {

template <class Liste> const datasnap::TClassInfo& ListeSinifi(const char* ad) {
    static const datasnap::TClassInfo bilgi{
        QStringLiteral("mobilstokunit.") + QLatin1String(ad),
        []() -> std::unique_ptr<datasnap::TObject> { return std::make_unique<Liste>(); }, &Liste::AlanlariYaz,
        &Liste::AlanlariOku};
    return bilgi;
}

} // namespace

#define TV_LISTE_TANIMI(Sinifi)                                                                                        \
    const datasnap::TClassInfo& Sinifi::Sinif() {                                                                      \
        return ListeSinifi<Sinifi>(#Sinifi);                                                                           \
    }

TV_LISTE_TANIMI(TMobilStoklar)
TV_LISTE_TANIMI(TMobilSepetler)
TV_LISTE_TANIMI(TAcilisEkranlar)

void TAcilisEkranlariki::AlanlariYaz(const datasnap::TObject& nesne, datasnap::TJSONMarshal& m) {
    datasnap::WriteObjectArray(m, "FEkranlar", static_cast<const TAcilisEkranlariki&>(nesne).FEkranlar);
}

void TAcilisEkranlariki::AlanlariOku(datasnap::TObject& nesne, const QJsonObject& alanlar) {
    datasnap::ReadObjectArray(alanlar, "FEkranlar", static_cast<TAcilisEkranlariki&>(nesne).FEkranlar);
}

const datasnap::TClassInfo& TAcilisEkranlariki::Sinif() {
    return ListeSinifi<TAcilisEkranlariki>("TAcilisEkranlariki");
}

QByteArray HexResimCoz(QStringView hex) {
    QByteArray bytes;
    bytes.reserve(hex.size() / 2);
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        bool ok = false;
        const int byte = hex.mid(i, 2).toInt(&ok, 16);
        bytes.append(static_cast<char>(ok ? byte : 0));
    }
    return bytes;
}

void KayitSiniflariniKaydet() {
    static std::once_flag bir;
    std::call_once(bir, [] {
        for (const datasnap::TClassInfo* sinif :
             {&TSonucBilgisi::Sinif(), &TSiparisDipAyrinti::Sinif(), &TTusSonuclari::Sinif(), &TMobilStok::Sinif(),
              &TMobilStoklar::Sinif(), &TMobilSepet::Sinif(), &TMobilSepetler::Sinif(), &TMobilCariBilgisi::Sinif(),
              &TAcilisEkran::Sinif(), &TAcilisEkranlar::Sinif(), &TAcilisEkranlariki::Sinif()})
            datasnap::RegisterClass(*sinif);
    });
}
