#pragma once

// Client proxy of the server class TServerMethods1: one operation per server method, with the
// method's name and parameters in declaration order. Record arguments pass to the proxy, which
// releases them once written. Returned readers, streams, arrays and records belong to the proxy
// until that method's next call on this proxy or the proxy's release: copy them before.

#include "client/remote/baglantiu.h"
#include "client/remote/mobilstokunit.h"
#include "platform/datasnap/adminclient.h"
#include "platform/datasnap/command.h"

#include <QIODevice>
#include <QJsonArray>
#include <initializer_list>
#include <memory>
#include <variant>
#include <vector>

// One argument of a proxy operation, checked against the method's signature before it is written.
class TArguman {
public:
    TArguman(const QString& deger);
    TArguman(int deger);
    TArguman(qint64 deger);
    TArguman(double deger);
    TArguman(bool deger);
    TArguman(datasnap::TDBXCallback* geri);
    template <class T> TArguman(std::unique_ptr<T> nesne); // marshalled now, released at once

    static TArguman Cikti(int& hedef);
    static TArguman Cikti(qint64& hedef);
    static TArguman Cikti(double& hedef);
    static TArguman Cikti(bool& hedef);
    static TArguman Cikti(QString& hedef);

    datasnap::TDSType Tur() const { return m_tur; }
    bool CiktiMi() const { return !std::holds_alternative<std::monostate>(m_hedef); }
    void Yaz(datasnap::TDBXParameter& parametre) const;
    void Oku(const datasnap::TDBXParameter& parametre) const;

private:
    TArguman() = default;
    datasnap::TDSType m_tur = datasnap::TDSType::String;
    std::variant<std::monostate, QString, int, qint64, double, bool, datasnap::TDBXCallback*> m_deger;
    QByteArray m_nesne; // a marshalled record; empty for none (written as null)
    bool m_nesneVar = false;
    std::variant<std::monostate, int*, qint64*, double*, bool*, QString*> m_hedef;
};

template <class T>
TArguman::TArguman(std::unique_ptr<T> nesne)
    : m_tur(datasnap::TDSType::Record)
    , m_nesne(nesne ? datasnap::MarshalToJson(nesne.get()) : QByteArray())
    , m_nesneVar(nesne != nullptr) {}

class TServerMethods1Client : public datasnap::TDSAdminClient {
public:
    explicit TServerMethods1Client(datasnap::TSQLConnection* ADBXConnection);
    TServerMethods1Client(datasnap::TSQLConnection* ADBXConnection, bool AInstanceOwner);
    ~TServerMethods1Client() override;

    TSonucBilgisi* BuyukGetir(const QString& idsi);
    void CikisGonder(std::unique_ptr<TSonucBilgisi> bilgi);
    bool SifremiUnuttum(const QString& idsi, int& mailvarmi);
    TMobilCariBilgisi* MobilCariBilgisiGetir(int sirano, const QString& _idsi);
    int MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1,
                       const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon,
                       const QString& fax, const QString& vd, const QString& vn, const QString& yetkili,
                       const QString& kullaniciadi, const QString& sifre, const QString& mail,
                       const QString& kargoambar);
    int MailGonserCariNormal(const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1,
                             const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon,
                             const QString& fax, const QString& vd, const QString& vn, const QString& yetkili,
                             const QString& kullaniciadi, const QString& sifre, const QString& mail,
                             const QString& kargoambar, const QString& konu);
    datasnap::TDBXReader* CariAra(std::unique_ptr<TSonucBilgisi> bil, const QString& aranan);
    const QJsonArray* CarileriVer();
    datasnap::TDBXReader* CariSepetVer(std::unique_ptr<TSonucBilgisi> bil, int n);
    int SepetSayisi(std::unique_ptr<TSonucBilgisi> bil);
    TTusSonuclari* TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil);
    QString CariDurumVer(int carino);
    QString CariVadeGunGecmismiBul(int carino);
    QString SiparisAlinirmi(int carino);
    datasnap::TDataPacket StokAraGetir(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi);
    datasnap::TDBXReader* StokAra(const QString& kod, const QString& carino, int satici);
    datasnap::TDBXReader* StokAraTolvek(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi);
    datasnap::TDBXReader* StokAraMirsan(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi);
    datasnap::TDataPacket StokAraMirsan2(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi);
    datasnap::TDBXReader* Halvit(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi);
    datasnap::TDBXReader* StokAraTervel(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi);
    datasnap::TDBXReader* TerveldeAra(const QString& s);
    datasnap::TDataPacket BelsuStokAraGetir(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi);
    datasnap::TDataPacket StokAraGetirKPT(const QString& kod, const QString& _deparman, const QString& _anagrup,
                                          const QString& _altgrup, bool _kampanya, bool _yeni, bool _var, bool _resim,
                                          std::unique_ptr<TSonucBilgisi> bilgi);
    TMobilStoklar* MobilStokara(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi, int neresi, int nekadar);
    int MobilStokaraGeri(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi, int neresi, int nekadar,
                         datasnap::TDBXCallback* geri);
    TMobilStoklar* MobilStokaraAdimli(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi, int neresi, int nekadar,
                                      int ilk, int Adet, bool& kalan, int& toplam);
    TMobilStok* MobilStokNoAra(int stokno, std::unique_ptr<TSonucBilgisi> bilgi);
    void AramaGonderAl(std::unique_ptr<TSonucBilgisi> b, const QString& kod, int Adet);
    datasnap::TDBXReader* DepartmanlariGetir();
    QString DepartmanlariVer();
    QString AnaGrupVer();
    QString AltGrupVer(const QString& anagrup);
    QIODevice* ResimVer5(int stokno, qint64& boy);
    const QJsonArray* ResimVer6(int stokno, qint64& boy);
    QString BuyukResimVer(int stokno, int& boy);
    QString KucukResimVer(int stokno);
    void HttpResimVer(int stokno);
    datasnap::TDataPacket YenilerVer2(int carino);
    datasnap::TDBXReader* YenilerVer(int carino);
    datasnap::TDBXReader* TervelYenilerVer(int carino);
    datasnap::TDBXReader* YenilerVerMobile(int carino);
    datasnap::TDataPacket KampanyaliVer2(int cario, int satici);
    datasnap::TDBXReader* KampanyaliVer(int cario, int satici);
    datasnap::TDBXReader* TervelKampanyaliVer(int cario, int satici);
    datasnap::TDBXReader* KampanyaliVermMobil(int cario, int satici);
    datasnap::TDataPacket SepetVer2(int carino);
    datasnap::TDBXReader* SepetVer(int carino);
    TMobilSepetler* SepetMobilVer(int carino);
    int SepetEkle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno, const QString& barkod,
                   const QString& stokadi, double miktar, double kdv, double fiyat, double ind1, int verenid, int k,
                   double ind2, double ind3, double ind4);
    int SepetEkle(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno, const QString& barkod,
                  const QString& stokadi, double miktar, double kdv, double fiyat, double indirim, int verenid, int k);
    int SepetGuncelle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno, const QString& barkod,
                       const QString& stokadi, double miktar, double kdv, double fiyat, double ind1, int verenid,
                       int _sepetsirano, double ind2, double ind3, double ind4);
    int SepetGuncelle(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno, const QString& barkod,
                      const QString& stokadi, double miktar, double kdv, double fiyat, double indirim, int verenid,
                      int _sepetsirano);
    int SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi, int satirno, const QString& aciklamam);
    int SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi);
    void SepetSecimGuncelle(int sirano, int secim);
    datasnap::TDBXReader* TeslimVer();
    datasnap::TDBXReader* KargoVer();
    datasnap::TDBXReader* KargolarVer(int gn);
    bool SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, int _carino, int _teslim, int _kargo,
                       const QString& _aciklama, int _verenid, int _kargoyeni);
    int MobilSiparisKaydet(int idnosu);
    datasnap::TDBXReader* OncekiSiparisler(int carino);
    datasnap::TDBXReader* OncekiSiparisler2(int carino);
    datasnap::TDBXReader* Oncekiler(int carino);
    datasnap::TDBXReader* SiparisAyrintisi2(int carino, int idnosu);
    datasnap::TDBXReader* SiparisAyrintisi(int carino, int idnosu);
    TSiparisDipAyrinti* SiparisAytintisiDip(int carino, int siranosu);
    datasnap::TDBXReader* TumSiparislerVer(int carino, int stokno);
    datasnap::TDBXReader* BakiyelerVer2(int carino);
    datasnap::TDBXReader* BakiyelerVer(int carino);
    int BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano, int siparissirano, double Adet,
                      double Bakiye, const QString& barkod);
    int BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano, int siparissirano, double Adet,
                       double Bakiye, const QString& barkod);
    int BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano, int siparissirano,
                            double Adet, double Bakiye, const QString& barkod, double fiyat, double ind);
    datasnap::TDBXReader* CariEkstreVer(int carino);
    datasnap::TDBXReader* CariEkstreVer2(int carino, double TARIH1, double TARIH2);
    datasnap::TDBXReader* CariEkstreVer2Baslik(int carino, double tarih1);
    datasnap::TDBXReader* FaturaGetir(int carino, int idnosu);
    datasnap::TDBXReader* FaturaAltGetir(int idnosu);
    datasnap::TDBXReader* Tahsilat(int idnosu);
    int SanalposSiranoVer(int idnosu);
    QIODevice* SAnalPosPdfVer(int sirano, qint64& boy);
    QIODevice* BelgeIndir(int sirano, qint64& size, QString& adi);
    QIODevice* BelgeIndir2(int sirano, qint64& size, QString& adi, std::unique_ptr<TSonucBilgisi> bilgi);
    QIODevice* DosyaIndir(qint64& size);
    datasnap::TDBXReader* DosyaListesi();
    datasnap::TDBXReader* DosyaListesi2();
    QIODevice* RaporGetir(int raporno, int bolum, int idno, int carino, const QString& saticiadi, double tarih1,
                          double tarih2, qint64& size);
    datasnap::TDBXReader* RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1, double tarih2);
    datasnap::TDBXReader* RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1, double tarih2);
    datasnap::TDBXReader* BalonGetir(std::unique_ptr<TSonucBilgisi> bil);
    int BalonGetir2(int carino, int& sepet, int& yenistok, int& kampnayali, int& duyuru, int& Bakiye, int& dosya);
    QString KayanYaziGetir();
    QIODevice* BannerResimVer(qint64& size);
    QIODevice* BannerResimVer2(qint64& size);
    QIODevice* BannerResimVer3(qint64& size);
    int AcilisReklamAdet();
    TAcilisEkran* AcilisREklamVer(int sira);
    TAcilisEkranlariki* AcilisEkranlarVer2();
    TAcilisEkranlar* AcilisEkranlarVer();
    datasnap::TDBXReader* AcilisEkranlariVerData();
    datasnap::TDBXReader* DuyuruVer();
    datasnap::TDBXReader* DuyuruVer2();
    int KurlariAl(double& usd, double& eur);
    QIODevice* TorpalaVer();
    QString EchoString(const QString& Value);
    QString ReverseString(const QString& Value);
    void DSServerModuleCreate(std::unique_ptr<datasnap::TObject> Sender);

private:
    datasnap::TDBXCommand& Cagir(QStringView ad, std::initializer_list<TArguman> argumanlar);
    static datasnap::TDBXParameter& Sonuc(datasnap::TDBXCommand& komut);
    template <class T> static T* SonucNesnesi(datasnap::TDBXCommand& komut);

    // One command per server method, created on its first call and kept for the proxy's life.
    std::vector<std::unique_ptr<datasnap::TDBXCommand>> FKomutlar;
};

// A fresh copy of the session record for one call (the proxy releases it after sending).
std::unique_ptr<TSonucBilgisi> OturumKopyasi(const TSonucBilgisi& sbilgi);
