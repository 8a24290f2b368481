#include "client/remote/proxim.h"

#include "client/remote/metotlar.h"
#include "platform/datasnap/dsexception.h"

using datasnap::TDBXCommand;
using datasnap::TDBXParameter;
using datasnap::TDSException;
using datasnap::TDSType;

// ---------------------------------------------------------------------------------------------
// TArguman

TArguman::TArguman(const QString& deger)
    : m_tur(TDSType::String)
    , m_deger(deger) {}

TArguman::TArguman(int deger)
    : m_tur(TDSType::Integer)
    , m_deger(deger) {}

TArguman::TArguman(qint64 deger)
    : m_tur(TDSType::Int64)
    , m_deger(deger) {}

TArguman::TArguman(double deger)
    : m_tur(TDSType::Double)
    , m_deger(deger) {}

TArguman::TArguman(bool deger)
    : m_tur(TDSType::Boolean)
    , m_deger(deger) {}

TArguman::TArguman(datasnap::TDBXCallback* geri)
    : m_tur(TDSType::Callback)
    , m_deger(geri) {}

#define TV_CIKTI(Tip, Tur)                                                                                             \
    TArguman TArguman::Cikti(Tip& hedef) {                                                                             \
        TArguman a;                                                                                                    \
        a.m_tur = Tur;                                                                                                 \
        a.m_hedef = &hedef;                                                                                            \
        return a;                                                                                                      \
    }
TV_CIKTI(int, TDSType::Integer)
TV_CIKTI(qint64, TDSType::Int64)
TV_CIKTI(double, TDSType::Double)
TV_CIKTI(bool, TDSType::Boolean)
TV_CIKTI(QString, TDSType::String)
#undef TV_CIKTI

void TArguman::Yaz(TDBXParameter& p) const {
    if (CiktiMi())
        return;
    if (m_tur == TDSType::Record) {
        if (m_nesneVar)
            p.SetJSONValue(m_nesne);
        else
            p.SetNull();
        return;
    }
    std::visit(
        [&p](const auto& v) {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, QString>)
                p.SetWideString(v);
            else if constexpr (std::is_same_v<V, int>)
                p.SetInt32(v);
            else if constexpr (std::is_same_v<V, qint64>)
                p.SetInt64(v);
            else if constexpr (std::is_same_v<V, double>)
                p.SetDouble(v);
            else if constexpr (std::is_same_v<V, bool>)
                p.SetBoolean(v);
            else if constexpr (std::is_same_v<V, datasnap::TDBXCallback*>)
                p.SetCallbackValue(v);
            else
                p.SetNull();
        },
        m_deger);
}

void TArguman::Oku(const TDBXParameter& p) const {
    if (int* const* h = std::get_if<int*>(&m_hedef))
        **h = p.GetInt32();
    else if (qint64* const* h = std::get_if<qint64*>(&m_hedef))
        **h = p.GetInt64();
    else if (double* const* h = std::get_if<double*>(&m_hedef))
        **h = p.GetDouble();
    else if (bool* const* h = std::get_if<bool*>(&m_hedef))
        **h = p.GetBoolean();
    else if (QString* const* h = std::get_if<QString*>(&m_hedef))
        **h = p.GetWideString();
}

// ---------------------------------------------------------------------------------------------
// TServerMethods1Client

TServerMethods1Client::TServerMethods1Client(datasnap::TSQLConnection* ADBXConnection)
    : TServerMethods1Client(ADBXConnection, true) {}

TServerMethods1Client::TServerMethods1Client(datasnap::TSQLConnection* ADBXConnection, bool AInstanceOwner)
    : TDSAdminClient(ADBXConnection, AInstanceOwner)
    , FKomutlar(ServerMethods1Imzalari().size()) {}

TServerMethods1Client::~TServerMethods1Client() = default;

TDBXCommand& TServerMethods1Client::Cagir(QStringView ad, std::initializer_list<TArguman> argumanlar) {
    const datasnap::TDSMethodSignature* imza = ServerMethods1Imzasi(ad);
    if (!imza)
        throw TDSException(QStringLiteral("TServerMethods1 has no method %1").arg(ad));
    if (argumanlar.size() != static_cast<size_t>(imza->params.size()))
        throw TDSException(QStringLiteral("%1 takes %2 parameters").arg(ad).arg(imza->params.size()));

    const auto sira = static_cast<size_t>(imza - ServerMethods1Imzalari().constData());
    std::unique_ptr<TDBXCommand>& komut = FKomutlar[sira];
    if (!komut) {
        komut = std::make_unique<TDBXCommand>(*FDBXConnection);
        komut->CommandType = QStringLiteral("DataSnap.ServerMethod");
        komut->Text = QStringLiteral("TServerMethods1.") + ad.toString();
        komut->Prepare(*imza);
    }

    int konum = 0;
    for (const TArguman& a : argumanlar) {
        const datasnap::TDSParamSig& p = imza->params[konum];
        if (a.Tur() != p.type || a.CiktiMi() != p.out)
            throw TDSException(
                QStringLiteral("%1: parameter %2 (%3) does not fit its signature").arg(ad, p.name).arg(konum));
        a.Yaz(komut->Parameter(konum++));
    }
    komut->ExecuteUpdate();
    konum = 0;
    for (const TArguman& a : argumanlar) {
        if (a.CiktiMi())
            a.Oku(komut->Parameter(konum));
        ++konum;
    }
    return *komut;
}

TDBXParameter& TServerMethods1Client::Sonuc(TDBXCommand& komut) {
    return komut.Parameter(komut.ParameterCount() - 1);
}

template <class T> T* TServerMethods1Client::SonucNesnesi(TDBXCommand& komut) {
    datasnap::TObject* nesne = Sonuc(komut).GetObject();
    if (nesne && &nesne->ClassInfo() != &T::Sinif())
        throw TDSException(
            QStringLiteral("Expected %1, received %2").arg(T::Sinif().qualifiedName, nesne->ClassInfo().qualifiedName));
    return static_cast<T*>(nesne);
}

std::unique_ptr<TSonucBilgisi> OturumKopyasi(const TSonucBilgisi& sbilgi) {
    auto kopya = std::make_unique<TSonucBilgisi>();
    kopya->Kopyala(sbilgi);
    return kopya;
}

// ---------------------------------------------------------------------------------------------
// The operations

TSonucBilgisi* TServerMethods1Client::BuyukGetir(const QString& idsi) {
    return SonucNesnesi<TSonucBilgisi>(Cagir(u"BuyukGetir", {TArguman(idsi)}));
}

void TServerMethods1Client::CikisGonder(std::unique_ptr<TSonucBilgisi> bilgi) {
    Cagir(u"CikisGonder", {TArguman(std::move(bilgi))});
}

bool TServerMethods1Client::SifremiUnuttum(const QString& idsi, int& mailvarmi) {
    return Sonuc(Cagir(u"SifremiUnuttum", {TArguman(idsi), TArguman::Cikti(mailvarmi)})).GetBoolean();
}

TMobilCariBilgisi* TServerMethods1Client::MobilCariBilgisiGetir(int sirano, const QString& _idsi) {
    return SonucNesnesi<TMobilCariBilgisi>(Cagir(u"MobilCariBilgisiGetir", {TArguman(sirano), TArguman(_idsi)}));
}

int TServerMethods1Client::MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi,
                                          const QString& adres1, const QString& adres2, const QString& ilce,
                                          const QString& sehir, const QString& telefon, const QString& fax,
                                          const QString& vd, const QString& vn, const QString& yetkili,
                                          const QString& kullaniciadi, const QString& sifre, const QString& mail,
                                          const QString& kargoambar) {
    return Sonuc(Cagir(u"MailGonserCari",
                       {TArguman(idsi), TArguman(baslik), TArguman(firmaadi), TArguman(adres1), TArguman(adres2),
                        TArguman(ilce), TArguman(sehir), TArguman(telefon), TArguman(fax), TArguman(vd), TArguman(vn),
                        TArguman(yetkili), TArguman(kullaniciadi), TArguman(sifre), TArguman(mail),
                        TArguman(kargoambar)}))
        .GetInt32();
}

int TServerMethods1Client::MailGonserCariNormal(const QString& idsi, const QString& baslik, const QString& firmaadi,
                                                const QString& adres1, const QString& adres2, const QString& ilce,
                                                const QString& sehir, const QString& telefon, const QString& fax,
                                                const QString& vd, const QString& vn, const QString& yetkili,
                                                const QString& kullaniciadi, const QString& sifre, const QString& mail,
                                                const QString& kargoambar, const QString& konu) {
    return Sonuc(Cagir(u"MailGonserCariNormal",
                       {TArguman(idsi), TArguman(baslik), TArguman(firmaadi), TArguman(adres1), TArguman(adres2),
                        TArguman(ilce), TArguman(sehir), TArguman(telefon), TArguman(fax), TArguman(vd), TArguman(vn),
                        TArguman(yetkili), TArguman(kullaniciadi), TArguman(sifre), TArguman(mail),
                        TArguman(kargoambar), TArguman(konu)}))
        .GetInt32();
}

datasnap::TDBXReader* TServerMethods1Client::CariAra(std::unique_ptr<TSonucBilgisi> bil, const QString& aranan) {
    return Sonuc(Cagir(u"CariAra", {TArguman(std::move(bil)), TArguman(aranan)})).GetDBXReader();
}

const QJsonArray* TServerMethods1Client::CarileriVer() {
    return Sonuc(Cagir(u"CarileriVer", {})).GetJSONArray();
}

datasnap::TDBXReader* TServerMethods1Client::CariSepetVer(std::unique_ptr<TSonucBilgisi> bil, int n) {
    return Sonuc(Cagir(u"CariSepetVer", {TArguman(std::move(bil)), TArguman(n)})).GetDBXReader();
}

int TServerMethods1Client::SepetSayisi(std::unique_ptr<TSonucBilgisi> bil) {
    return Sonuc(Cagir(u"SepetSayisi", {TArguman(std::move(bil))})).GetInt32();
}

TTusSonuclari* TServerMethods1Client::TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil) {
    return SonucNesnesi<TTusSonuclari>(Cagir(u"TusSonuclariVer", {TArguman(std::move(bil))}));
}

QString TServerMethods1Client::CariDurumVer(int carino) {
    return Sonuc(Cagir(u"CariDurumVer", {TArguman(carino)})).GetWideString();
}

QString TServerMethods1Client::CariVadeGunGecmismiBul(int carino) {
    return Sonuc(Cagir(u"CariVadeGunGecmismiBul", {TArguman(carino)})).GetWideString();
}

QString TServerMethods1Client::SiparisAlinirmi(int carino) {
    return Sonuc(Cagir(u"SiparisAlinirmi", {TArguman(carino)})).GetWideString();
}

datasnap::TDataPacket TServerMethods1Client::StokAraGetir(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi) {
    return Sonuc(Cagir(u"StokAraGetir", {TArguman(kod), TArguman(std::move(bilgi))})).GetDataPacket();
}

datasnap::TDBXReader* TServerMethods1Client::StokAra(const QString& kod, const QString& carino, int satici) {
    return Sonuc(Cagir(u"StokAra", {TArguman(kod), TArguman(carino), TArguman(satici)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::StokAraTolvek(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi) {
    return Sonuc(Cagir(u"StokAraTolvek", {TArguman(kod), TArguman(std::move(bilgi))})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::StokAraMirsan(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi) {
    return Sonuc(Cagir(u"StokAraMirsan", {TArguman(kod), TArguman(std::move(bilgi))})).GetDBXReader();
}

datasnap::TDataPacket TServerMethods1Client::StokAraMirsan2(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi) {
    return Sonuc(Cagir(u"StokAraMirsan2", {TArguman(kod), TArguman(std::move(bilgi))})).GetDataPacket();
}

datasnap::TDBXReader* TServerMethods1Client::Halvit(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi) {
    return Sonuc(Cagir(u"Halvit", {TArguman(kod), TArguman(std::move(bilgi))})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::StokAraTervel(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi) {
    return Sonuc(Cagir(u"StokAraTervel", {TArguman(kod), TArguman(std::move(bilgi))})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::TerveldeAra(const QString& s) {
    return Sonuc(Cagir(u"TerveldeAra", {TArguman(s)})).GetDBXReader();
}

datasnap::TDataPacket TServerMethods1Client::BelsuStokAraGetir(const QString& kod,
                                                               std::unique_ptr<TSonucBilgisi> bilgi) {
    return Sonuc(Cagir(u"BelsuStokAraGetir", {TArguman(kod), TArguman(std::move(bilgi))})).GetDataPacket();
}

datasnap::TDataPacket TServerMethods1Client::StokAraGetirKPT(const QString& kod, const QString& _deparman,
                                                             const QString& _anagrup, const QString& _altgrup,
                                                             bool _kampanya, bool _yeni, bool _var, bool _resim,
                                                             std::unique_ptr<TSonucBilgisi> bilgi) {
    return Sonuc(Cagir(u"StokAraGetirKPT",
                       {TArguman(kod), TArguman(_deparman), TArguman(_anagrup), TArguman(_altgrup), TArguman(_kampanya),
                        TArguman(_yeni), TArguman(_var), TArguman(_resim), TArguman(std::move(bilgi))}))
        .GetDataPacket();
}

TMobilStoklar* TServerMethods1Client::MobilStokara(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi, int neresi,
                                                   int nekadar) {
    return SonucNesnesi<TMobilStoklar>(
        Cagir(u"MobilStokara", {TArguman(kod), TArguman(std::move(bilgi)), TArguman(neresi), TArguman(nekadar)}));
}

int TServerMethods1Client::MobilStokaraGeri(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi, int neresi,
                                            int nekadar, datasnap::TDBXCallback* geri) {
    return Sonuc(Cagir(u"MobilStokaraGeri", {TArguman(kod), TArguman(std::move(bilgi)), TArguman(neresi),
                                             TArguman(nekadar), TArguman(geri)}))
        .GetInt32();
}

TMobilStoklar* TServerMethods1Client::MobilStokaraAdimli(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi,
                                                         int neresi, int nekadar, int ilk, int Adet, bool& kalan,
                                                         int& toplam) {
    return SonucNesnesi<TMobilStoklar>(
        Cagir(u"MobilStokaraAdimli", {TArguman(kod), TArguman(std::move(bilgi)), TArguman(neresi), TArguman(nekadar),
                                      TArguman(ilk), TArguman(Adet), TArguman::Cikti(kalan), TArguman::Cikti(toplam)}));
}

TMobilStok* TServerMethods1Client::MobilStokNoAra(int stokno, std::unique_ptr<TSonucBilgisi> bilgi) {
    return SonucNesnesi<TMobilStok>(Cagir(u"MobilStokNoAra", {TArguman(stokno), TArguman(std::move(bilgi))}));
}

void TServerMethods1Client::AramaGonderAl(std::unique_ptr<TSonucBilgisi> b, const QString& kod, int Adet) {
    Cagir(u"AramaGonderAl", {TArguman(std::move(b)), TArguman(kod), TArguman(Adet)});
}

datasnap::TDBXReader* TServerMethods1Client::DepartmanlariGetir() {
    return Sonuc(Cagir(u"DepartmanlariGetir", {})).GetDBXReader();
}

QString TServerMethods1Client::DepartmanlariVer() {
    return Sonuc(Cagir(u"DepartmanlariVer", {})).GetWideString();
}

QString TServerMethods1Client::AnaGrupVer() {
    return Sonuc(Cagir(u"AnaGrupVer", {})).GetWideString();
}

QString TServerMethods1Client::AltGrupVer(const QString& anagrup) {
    return Sonuc(Cagir(u"AltGrupVer", {TArguman(anagrup)})).GetWideString();
}

QIODevice* TServerMethods1Client::ResimVer5(int stokno, qint64& boy) {
    return Sonuc(Cagir(u"ResimVer5", {TArguman(stokno), TArguman::Cikti(boy)})).GetStream();
}

const QJsonArray* TServerMethods1Client::ResimVer6(int stokno, qint64& boy) {
    return Sonuc(Cagir(u"ResimVer6", {TArguman(stokno), TArguman::Cikti(boy)})).GetJSONArray();
}

QString TServerMethods1Client::BuyukResimVer(int stokno, int& boy) {
    return Sonuc(Cagir(u"BuyukResimVer", {TArguman(stokno), TArguman::Cikti(boy)})).GetWideString();
}

QString TServerMethods1Client::KucukResimVer(int stokno) {
    return Sonuc(Cagir(u"KucukResimVer", {TArguman(stokno)})).GetWideString();
}

void TServerMethods1Client::HttpResimVer(int stokno) {
    Cagir(u"HttpResimVer", {TArguman(stokno)});
}

datasnap::TDataPacket TServerMethods1Client::YenilerVer2(int carino) {
    return Sonuc(Cagir(u"YenilerVer2", {TArguman(carino)})).GetDataPacket();
}

datasnap::TDBXReader* TServerMethods1Client::YenilerVer(int carino) {
    return Sonuc(Cagir(u"YenilerVer", {TArguman(carino)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::TervelYenilerVer(int carino) {
    return Sonuc(Cagir(u"TervelYenilerVer", {TArguman(carino)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::YenilerVerMobile(int carino) {
    return Sonuc(Cagir(u"YenilerVerMobile", {TArguman(carino)})).GetDBXReader();
}

datasnap::TDataPacket TServerMethods1Client::KampanyaliVer2(int cario, int satici) {
    return Sonuc(Cagir(u"KampanyaliVer2", {TArguman(cario), TArguman(satici)})).GetDataPacket();
}

datasnap::TDBXReader* TServerMethods1Client::KampanyaliVer(int cario, int satici) {
    return Sonuc(Cagir(u"KampanyaliVer", {TArguman(cario), TArguman(satici)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::TervelKampanyaliVer(int cario, int satici) {
    return Sonuc(Cagir(u"TervelKampanyaliVer", {TArguman(cario), TArguman(satici)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::KampanyaliVermMobil(int cario, int satici) {
    return Sonuc(Cagir(u"KampanyaliVermMobil", {TArguman(cario), TArguman(satici)})).GetDBXReader();
}

datasnap::TDataPacket TServerMethods1Client::SepetVer2(int carino) {
    return Sonuc(Cagir(u"SepetVer2", {TArguman(carino)})).GetDataPacket();
}

datasnap::TDBXReader* TServerMethods1Client::SepetVer(int carino) {
    return Sonuc(Cagir(u"SepetVer", {TArguman(carino)})).GetDBXReader();
}

TMobilSepetler* TServerMethods1Client::SepetMobilVer(int carino) {
    return SonucNesnesi<TMobilSepetler>(Cagir(u"SepetMobilVer", {TArguman(carino)}));
}

int TServerMethods1Client::SepetEkle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                                      const QString& barkod, const QString& stokadi, double miktar, double kdv,
                                      double fiyat, double ind1, int verenid, int k, double ind2, double ind3,
                                      double ind4) {
    return Sonuc(Cagir(u"SepetEkle2",
                       {TArguman(std::move(bilgim)), TArguman(carino), TArguman(stokno), TArguman(barkod),
                        TArguman(stokadi), TArguman(miktar), TArguman(kdv), TArguman(fiyat), TArguman(ind1),
                        TArguman(verenid), TArguman(k), TArguman(ind2), TArguman(ind3), TArguman(ind4)}))
        .GetInt32();
}

int TServerMethods1Client::SepetEkle(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                                     const QString& barkod, const QString& stokadi, double miktar, double kdv,
                                     double fiyat, double indirim, int verenid, int k) {
    return Sonuc(Cagir(u"SepetEkle", {TArguman(std::move(bilgim)), TArguman(carino), TArguman(stokno), TArguman(barkod),
                                      TArguman(stokadi), TArguman(miktar), TArguman(kdv), TArguman(fiyat),
                                      TArguman(indirim), TArguman(verenid), TArguman(k)}))
        .GetInt32();
}

int TServerMethods1Client::SepetGuncelle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                                          const QString& barkod, const QString& stokadi, double miktar, double kdv,
                                          double fiyat, double ind1, int verenid, int _sepetsirano, double ind2,
                                          double ind3, double ind4) {
    return Sonuc(Cagir(u"SepetGuncelle2",
                       {TArguman(std::move(bilgim)), TArguman(carino), TArguman(stokno), TArguman(barkod),
                        TArguman(stokadi), TArguman(miktar), TArguman(kdv), TArguman(fiyat), TArguman(ind1),
                        TArguman(verenid), TArguman(_sepetsirano), TArguman(ind2), TArguman(ind3), TArguman(ind4)}))
        .GetInt32();
}

int TServerMethods1Client::SepetGuncelle(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                                         const QString& barkod, const QString& stokadi, double miktar, double kdv,
                                         double fiyat, double indirim, int verenid, int _sepetsirano) {
    return Sonuc(
               Cagir(u"SepetGuncelle", {TArguman(std::move(bilgim)), TArguman(carino), TArguman(stokno),
                                        TArguman(barkod), TArguman(stokadi), TArguman(miktar), TArguman(kdv),
                                        TArguman(fiyat), TArguman(indirim), TArguman(verenid), TArguman(_sepetsirano)}))
        .GetInt32();
}

int TServerMethods1Client::SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi, int satirno, const QString& aciklamam) {
    return Sonuc(Cagir(u"SepetSatirSil", {TArguman(std::move(bilgi)), TArguman(satirno), TArguman(aciklamam)}))
        .GetInt32();
}

int TServerMethods1Client::SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi) {
    return Sonuc(Cagir(u"SepetHepsiniSil", {TArguman(std::move(bilgi))})).GetInt32();
}

void TServerMethods1Client::SepetSecimGuncelle(int sirano, int secim) {
    Cagir(u"SepetSecimGuncelle", {TArguman(sirano), TArguman(secim)});
}

datasnap::TDBXReader* TServerMethods1Client::TeslimVer() {
    return Sonuc(Cagir(u"TeslimVer", {})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::KargoVer() {
    return Sonuc(Cagir(u"KargoVer", {})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::KargolarVer(int gn) {
    return Sonuc(Cagir(u"KargolarVer", {TArguman(gn)})).GetDBXReader();
}

bool TServerMethods1Client::SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, int _carino, int _teslim, int _kargo,
                                          const QString& _aciklama, int _verenid, int _kargoyeni) {
    return Sonuc(
               Cagir(u"SiparisKaydet", {TArguman(std::move(BB)), TArguman(_carino), TArguman(_teslim), TArguman(_kargo),
                                        TArguman(_aciklama), TArguman(_verenid), TArguman(_kargoyeni)}))
        .GetBoolean();
}

int TServerMethods1Client::MobilSiparisKaydet(int idnosu) {
    return Sonuc(Cagir(u"MobilSiparisKaydet", {TArguman(idnosu)})).GetInt32();
}

datasnap::TDBXReader* TServerMethods1Client::OncekiSiparisler(int carino) {
    return Sonuc(Cagir(u"OncekiSiparisler", {TArguman(carino)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::OncekiSiparisler2(int carino) {
    return Sonuc(Cagir(u"OncekiSiparisler2", {TArguman(carino)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::Oncekiler(int carino) {
    return Sonuc(Cagir(u"Oncekiler", {TArguman(carino)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::SiparisAyrintisi2(int carino, int idnosu) {
    return Sonuc(Cagir(u"SiparisAyrintisi2", {TArguman(carino), TArguman(idnosu)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::SiparisAyrintisi(int carino, int idnosu) {
    return Sonuc(Cagir(u"SiparisAyrintisi", {TArguman(carino), TArguman(idnosu)})).GetDBXReader();
}

TSiparisDipAyrinti* TServerMethods1Client::SiparisAytintisiDip(int carino, int siranosu) {
    return SonucNesnesi<TSiparisDipAyrinti>(Cagir(u"SiparisAytintisiDip", {TArguman(carino), TArguman(siranosu)}));
}

datasnap::TDBXReader* TServerMethods1Client::TumSiparislerVer(int carino, int stokno) {
    return Sonuc(Cagir(u"TumSiparislerVer", {TArguman(carino), TArguman(stokno)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::BakiyelerVer2(int carino) {
    return Sonuc(Cagir(u"BakiyelerVer2", {TArguman(carino)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::BakiyelerVer(int carino) {
    return Sonuc(Cagir(u"BakiyelerVer", {TArguman(carino)})).GetDBXReader();
}

int TServerMethods1Client::BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                                         int siparissirano, double Adet, double Bakiye, const QString& barkod) {
    return Sonuc(Cagir(u"BakiyeDuzenle", {TArguman(std::move(k)), TArguman(stokno), TArguman(sepetsirano),
                                          TArguman(siparissirano), TArguman(Adet), TArguman(Bakiye), TArguman(barkod)}))
        .GetInt32();
}

int TServerMethods1Client::BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                                          int siparissirano, double Adet, double Bakiye, const QString& barkod) {
    return Sonuc(
               Cagir(u"BakiyeDegistir", {TArguman(std::move(k)), TArguman(stokno), TArguman(sepetsirano),
                                         TArguman(siparissirano), TArguman(Adet), TArguman(Bakiye), TArguman(barkod)}))
        .GetInt32();
}

int TServerMethods1Client::BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                                               int siparissirano, double Adet, double Bakiye, const QString& barkod,
                                               double fiyat, double ind) {
    return Sonuc(Cagir(u"BakiyeFiyatDegistir",
                       {TArguman(std::move(k)), TArguman(stokno), TArguman(sepetsirano), TArguman(siparissirano),
                        TArguman(Adet), TArguman(Bakiye), TArguman(barkod), TArguman(fiyat), TArguman(ind)}))
        .GetInt32();
}

datasnap::TDBXReader* TServerMethods1Client::CariEkstreVer(int carino) {
    return Sonuc(Cagir(u"CariEkstreVer", {TArguman(carino)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::CariEkstreVer2(int carino, double TARIH1, double TARIH2) {
    return Sonuc(Cagir(u"CariEkstreVer2", {TArguman(carino), TArguman(TARIH1), TArguman(TARIH2)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::CariEkstreVer2Baslik(int carino, double tarih1) {
    return Sonuc(Cagir(u"CariEkstreVer2Baslik", {TArguman(carino), TArguman(tarih1)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::FaturaGetir(int carino, int idnosu) {
    return Sonuc(Cagir(u"FaturaGetir", {TArguman(carino), TArguman(idnosu)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::FaturaAltGetir(int idnosu) {
    return Sonuc(Cagir(u"FaturaAltGetir", {TArguman(idnosu)})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::Tahsilat(int idnosu) {
    return Sonuc(Cagir(u"Tahsilat", {TArguman(idnosu)})).GetDBXReader();
}

int TServerMethods1Client::SanalposSiranoVer(int idnosu) {
    return Sonuc(Cagir(u"SanalposSiranoVer", {TArguman(idnosu)})).GetInt32();
}

QIODevice* TServerMethods1Client::SAnalPosPdfVer(int sirano, qint64& boy) {
    return Sonuc(Cagir(u"SAnalPosPdfVer", {TArguman(sirano), TArguman::Cikti(boy)})).GetStream();
}

QIODevice* TServerMethods1Client::BelgeIndir(int sirano, qint64& size, QString& adi) {
    return Sonuc(Cagir(u"BelgeIndir", {TArguman(sirano), TArguman::Cikti(size), TArguman::Cikti(adi)})).GetStream();
}

QIODevice* TServerMethods1Client::BelgeIndir2(int sirano, qint64& size, QString& adi,
                                              std::unique_ptr<TSonucBilgisi> bilgi) {
    return Sonuc(Cagir(u"BelgeIndir2",
                       {TArguman(sirano), TArguman::Cikti(size), TArguman::Cikti(adi), TArguman(std::move(bilgi))}))
        .GetStream();
}

QIODevice* TServerMethods1Client::DosyaIndir(qint64& size) {
    return Sonuc(Cagir(u"DosyaIndir", {TArguman::Cikti(size)})).GetStream();
}

datasnap::TDBXReader* TServerMethods1Client::DosyaListesi() {
    return Sonuc(Cagir(u"DosyaListesi", {})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::DosyaListesi2() {
    return Sonuc(Cagir(u"DosyaListesi2", {})).GetDBXReader();
}

QIODevice* TServerMethods1Client::RaporGetir(int raporno, int bolum, int idno, int carino, const QString& saticiadi,
                                             double tarih1, double tarih2, qint64& size) {
    return Sonuc(Cagir(u"RaporGetir", {TArguman(raporno), TArguman(bolum), TArguman(idno), TArguman(carino),
                                       TArguman(saticiadi), TArguman(tarih1), TArguman(tarih2), TArguman::Cikti(size)}))
        .GetStream();
}

datasnap::TDBXReader* TServerMethods1Client::RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1,
                                                                   double tarih2) {
    return Sonuc(Cagir(u"RaporAlinanSiparisler", {TArguman(std::move(bilgi)), TArguman(tarih1), TArguman(tarih2)}))
        .GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi,
                                                                      double tarih1, double tarih2) {
    return Sonuc(Cagir(u"RaporEnCokSatilanStoklar", {TArguman(std::move(bilgi)), TArguman(tarih1), TArguman(tarih2)}))
        .GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::BalonGetir(std::unique_ptr<TSonucBilgisi> bil) {
    return Sonuc(Cagir(u"BalonGetir", {TArguman(std::move(bil))})).GetDBXReader();
}

int TServerMethods1Client::BalonGetir2(int carino, int& sepet, int& yenistok, int& kampnayali, int& duyuru, int& Bakiye,
                                       int& dosya) {
    return Sonuc(Cagir(u"BalonGetir2", {TArguman(carino), TArguman::Cikti(sepet), TArguman::Cikti(yenistok),
                                        TArguman::Cikti(kampnayali), TArguman::Cikti(duyuru), TArguman::Cikti(Bakiye),
                                        TArguman::Cikti(dosya)}))
        .GetInt32();
}

QString TServerMethods1Client::KayanYaziGetir() {
    return Sonuc(Cagir(u"KayanYaziGetir", {})).GetWideString();
}

QIODevice* TServerMethods1Client::BannerResimVer(qint64& size) {
    return Sonuc(Cagir(u"BannerResimVer", {TArguman::Cikti(size)})).GetStream();
}

QIODevice* TServerMethods1Client::BannerResimVer2(qint64& size) {
    return Sonuc(Cagir(u"BannerResimVer2", {TArguman::Cikti(size)})).GetStream();
}

QIODevice* TServerMethods1Client::BannerResimVer3(qint64& size) {
    return Sonuc(Cagir(u"BannerResimVer3", {TArguman::Cikti(size)})).GetStream();
}

int TServerMethods1Client::AcilisReklamAdet() {
    return Sonuc(Cagir(u"AcilisReklamAdet", {})).GetInt32();
}

TAcilisEkran* TServerMethods1Client::AcilisREklamVer(int sira) {
    return SonucNesnesi<TAcilisEkran>(Cagir(u"AcilisREklamVer", {TArguman(sira)}));
}

TAcilisEkranlariki* TServerMethods1Client::AcilisEkranlarVer2() {
    return SonucNesnesi<TAcilisEkranlariki>(Cagir(u"AcilisEkranlarVer2", {}));
}

TAcilisEkranlar* TServerMethods1Client::AcilisEkranlarVer() {
    return SonucNesnesi<TAcilisEkranlar>(Cagir(u"AcilisEkranlarVer", {}));
}

datasnap::TDBXReader* TServerMethods1Client::AcilisEkranlariVerData() {
    return Sonuc(Cagir(u"AcilisEkranlariVerData", {})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::DuyuruVer() {
    return Sonuc(Cagir(u"DuyuruVer", {})).GetDBXReader();
}

datasnap::TDBXReader* TServerMethods1Client::DuyuruVer2() {
    return Sonuc(Cagir(u"DuyuruVer2", {})).GetDBXReader();
}

int TServerMethods1Client::KurlariAl(double& usd, double& eur) {
    return Sonuc(Cagir(u"KurlariAl", {TArguman::Cikti(usd), TArguman::Cikti(eur)})).GetInt32();
}

QIODevice* TServerMethods1Client::TorpalaVer() {
    return Sonuc(Cagir(u"TorpalaVer", {})).GetStream();
}

QString TServerMethods1Client::EchoString(const QString& Value) {
    return Sonuc(Cagir(u"EchoString", {TArguman(Value)})).GetWideString();
}

QString TServerMethods1Client::ReverseString(const QString& Value) {
    return Sonuc(Cagir(u"ReverseString", {TArguman(Value)})).GetWideString();
}

void TServerMethods1Client::DSServerModuleCreate(std::unique_ptr<datasnap::TObject> Sender) {
    Cagir(u"DSServerModuleCreate", {TArguman(std::move(Sender))});
}
