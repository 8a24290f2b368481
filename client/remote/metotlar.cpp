#include "client/remote/metotlar.h"

#include "client/remote/kayit.h"

#include <QHash>

using namespace Qt::StringLiterals;
using datasnap::TDSMethodSignature;
using datasnap::TDSParamSig;
using datasnap::TDSType;

namespace {

TDSParamSig Girdi(const QString& ad, TDSType tur) {
    return {ad, tur, false, {}};
}

TDSParamSig Cikti(const QString& ad, TDSType tur) {
    return {ad, tur, true, {}};
}

TDSParamSig Kayit(const QString& ad, const QString& sinif) {
    return {ad, TDSType::Record, false, sinif};
}

struct TSonucTuru {
    TDSType tur;
    QString sinif;
};

TSonucTuru Sonuc(TDSType tur) {
    return {tur, {}};
}

TSonucTuru SonucKayit(const QString& sinif) {
    return {TDSType::Record, sinif};
}

struct TSatir {
    QString ad;
    QList<TDSParamSig> parametreler;
    TSonucTuru sonuc;
};

QList<TDSMethodSignature> TabloyuKur() {
    const TSatir satirlar[] = {
        {u"BuyukGetir"_s, {Girdi(u"idsi"_s, TDSType::String)}, SonucKayit(u"baglantiu.TSonucBilgisi"_s)},
        {u"CikisGonder"_s, {Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s)}, Sonuc(TDSType::None)},
        {u"SifremiUnuttum"_s,
         {Girdi(u"idsi"_s, TDSType::String), Cikti(u"mailvarmi"_s, TDSType::Integer)},
         Sonuc(TDSType::Boolean)},
        {u"MobilCariBilgisiGetir"_s,
         {Girdi(u"sirano"_s, TDSType::Integer), Girdi(u"_idsi"_s, TDSType::String)},
         SonucKayit(u"mobilstokunit.TMobilCariBilgisi"_s)},
        {u"MailGonserCari"_s,
         {Girdi(u"idsi"_s, TDSType::String), Girdi(u"baslik"_s, TDSType::String), Girdi(u"firmaadi"_s, TDSType::String),
          Girdi(u"adres1"_s, TDSType::String), Girdi(u"adres2"_s, TDSType::String), Girdi(u"ilce"_s, TDSType::String),
          Girdi(u"sehir"_s, TDSType::String), Girdi(u"telefon"_s, TDSType::String), Girdi(u"fax"_s, TDSType::String),
          Girdi(u"vd"_s, TDSType::String), Girdi(u"vn"_s, TDSType::String), Girdi(u"yetkili"_s, TDSType::String),
          Girdi(u"kullaniciadi"_s, TDSType::String), Girdi(u"sifre"_s, TDSType::String),
          Girdi(u"mail"_s, TDSType::String), Girdi(u"kargoambar"_s, TDSType::String)},
         Sonuc(TDSType::Integer)},
        {u"MailGonserCariNormal"_s,
         {Girdi(u"idsi"_s, TDSType::String), Girdi(u"baslik"_s, TDSType::String), Girdi(u"firmaadi"_s, TDSType::String),
          Girdi(u"adres1"_s, TDSType::String), Girdi(u"adres2"_s, TDSType::String), Girdi(u"ilce"_s, TDSType::String),
          Girdi(u"sehir"_s, TDSType::String), Girdi(u"telefon"_s, TDSType::String), Girdi(u"fax"_s, TDSType::String),
          Girdi(u"vd"_s, TDSType::String), Girdi(u"vn"_s, TDSType::String), Girdi(u"yetkili"_s, TDSType::String),
          Girdi(u"kullaniciadi"_s, TDSType::String), Girdi(u"sifre"_s, TDSType::String),
          Girdi(u"mail"_s, TDSType::String), Girdi(u"kargoambar"_s, TDSType::String),
          Girdi(u"konu"_s, TDSType::String)},
         Sonuc(TDSType::Integer)},
        {u"CariAra"_s,
         {Kayit(u"bil"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"aranan"_s, TDSType::String)},
         Sonuc(TDSType::RowTable)},
        {u"CarileriVer"_s, {}, Sonuc(TDSType::JsonArray)},
        {u"CariSepetVer"_s,
         {Kayit(u"bil"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"n"_s, TDSType::Integer)},
         Sonuc(TDSType::RowTable)},
        {u"SepetSayisi"_s, {Kayit(u"bil"_s, u"baglantiu.TSonucBilgisi"_s)}, Sonuc(TDSType::Integer)},
        {u"TusSonuclariVer"_s,
         {Kayit(u"bil"_s, u"baglantiu.TSonucBilgisi"_s)},
         SonucKayit(u"baglantiu.TTusSonuclari"_s)},
        {u"CariDurumVer"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::String)},
        {u"CariVadeGunGecmismiBul"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::String)},
        {u"SiparisAlinirmi"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::String)},
        {u"StokAraGetir"_s,
         {Girdi(u"kod"_s, TDSType::String), Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s)},
         Sonuc(TDSType::DataPacket)},
        {u"StokAra"_s,
         {Girdi(u"kod"_s, TDSType::String), Girdi(u"carino"_s, TDSType::String), Girdi(u"satici"_s, TDSType::Integer)},
         Sonuc(TDSType::RowTable)},
        {u"StokAraTolvek"_s,
         {Girdi(u"kod"_s, TDSType::String), Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s)},
         Sonuc(TDSType::RowTable)},
        {u"StokAraMirsan"_s,
         {Girdi(u"kod"_s, TDSType::String), Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s)},
         Sonuc(TDSType::RowTable)},
        {u"StokAraMirsan2"_s,
         {Girdi(u"kod"_s, TDSType::String), Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s)},
         Sonuc(TDSType::DataPacket)},
        {u"Halvit"_s,
         {Girdi(u"kod"_s, TDSType::String), Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s)},
         Sonuc(TDSType::RowTable)},
        {u"StokAraTervel"_s,
         {Girdi(u"kod"_s, TDSType::String), Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s)},
         Sonuc(TDSType::RowTable)},
        {u"TerveldeAra"_s, {Girdi(u"s"_s, TDSType::String)}, Sonuc(TDSType::RowTable)},
        {u"BelsuStokAraGetir"_s,
         {Girdi(u"kod"_s, TDSType::String), Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s)},
         Sonuc(TDSType::DataPacket)},
        {u"StokAraGetirKPT"_s,
         {Girdi(u"kod"_s, TDSType::String), Girdi(u"_deparman"_s, TDSType::String),
          Girdi(u"_anagrup"_s, TDSType::String), Girdi(u"_altgrup"_s, TDSType::String),
          Girdi(u"_kampanya"_s, TDSType::Boolean), Girdi(u"_yeni"_s, TDSType::Boolean),
          Girdi(u"_var"_s, TDSType::Boolean), Girdi(u"_resim"_s, TDSType::Boolean),
          Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s)},
         Sonuc(TDSType::DataPacket)},
        {u"MobilStokara"_s,
         {Girdi(u"kod"_s, TDSType::String), Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s),
          Girdi(u"neresi"_s, TDSType::Integer), Girdi(u"nekadar"_s, TDSType::Integer)},
         SonucKayit(u"mobilstokunit.TMobilStoklar"_s)},
        {u"MobilStokaraGeri"_s,
         {Girdi(u"kod"_s, TDSType::String), Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s),
          Girdi(u"neresi"_s, TDSType::Integer), Girdi(u"nekadar"_s, TDSType::Integer),
          Girdi(u"geri"_s, TDSType::Callback)},
         Sonuc(TDSType::Integer)},
        {u"MobilStokaraAdimli"_s,
         {Girdi(u"kod"_s, TDSType::String), Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s),
          Girdi(u"neresi"_s, TDSType::Integer), Girdi(u"nekadar"_s, TDSType::Integer),
          Girdi(u"ilk"_s, TDSType::Integer), Girdi(u"Adet"_s, TDSType::Integer), Cikti(u"kalan"_s, TDSType::Boolean),
          Cikti(u"toplam"_s, TDSType::Integer)},
         SonucKayit(u"mobilstokunit.TMobilStoklar"_s)},
        {u"MobilStokNoAra"_s,
         {Girdi(u"stokno"_s, TDSType::Integer), Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s)},
         SonucKayit(u"mobilstokunit.TMobilStok"_s)},
        {u"AramaGonderAl"_s,
         {Kayit(u"b"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"kod"_s, TDSType::String),
          Girdi(u"Adet"_s, TDSType::Integer)},
         Sonuc(TDSType::None)},
        {u"DepartmanlariGetir"_s, {}, Sonuc(TDSType::RowTable)},
        {u"DepartmanlariVer"_s, {}, Sonuc(TDSType::String)},
        {u"AnaGrupVer"_s, {}, Sonuc(TDSType::String)},
        {u"AltGrupVer"_s, {Girdi(u"anagrup"_s, TDSType::String)}, Sonuc(TDSType::String)},
        {u"ResimVer5"_s,
         {Girdi(u"stokno"_s, TDSType::Integer), Cikti(u"boy"_s, TDSType::Int64)},
         Sonuc(TDSType::Stream)},
        {u"ResimVer6"_s,
         {Girdi(u"stokno"_s, TDSType::Integer), Cikti(u"boy"_s, TDSType::Int64)},
         Sonuc(TDSType::JsonArray)},
        {u"BuyukResimVer"_s,
         {Girdi(u"stokno"_s, TDSType::Integer), Cikti(u"boy"_s, TDSType::Integer)},
         Sonuc(TDSType::String)},
        {u"KucukResimVer"_s, {Girdi(u"stokno"_s, TDSType::Integer)}, Sonuc(TDSType::String)},
        {u"HttpResimVer"_s, {Girdi(u"stokno"_s, TDSType::Integer)}, Sonuc(TDSType::None)},
        {u"YenilerVer2"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::DataPacket)},
        {u"YenilerVer"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::RowTable)},
        {u"TervelYenilerVer"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::RowTable)},
        {u"YenilerVerMobile"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::RowTable)},
        {u"KampanyaliVer2"_s,
         {Girdi(u"cario"_s, TDSType::Integer), Girdi(u"satici"_s, TDSType::Integer)},
         Sonuc(TDSType::DataPacket)},
        {u"KampanyaliVer"_s,
         {Girdi(u"cario"_s, TDSType::Integer), Girdi(u"satici"_s, TDSType::Integer)},
         Sonuc(TDSType::RowTable)},
        {u"TervelKampanyaliVer"_s,
         {Girdi(u"cario"_s, TDSType::Integer), Girdi(u"satici"_s, TDSType::Integer)},
         Sonuc(TDSType::RowTable)},
        {u"KampanyaliVermMobil"_s,
         {Girdi(u"cario"_s, TDSType::Integer), Girdi(u"satici"_s, TDSType::Integer)},
         Sonuc(TDSType::RowTable)},
        {u"SepetVer2"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::DataPacket)},
        {u"SepetVer"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::RowTable)},
        {u"SepetMobilVer"_s, {Girdi(u"carino"_s, TDSType::Integer)}, SonucKayit(u"mobilstokunit.TMobilSepetler"_s)},
        {u"SepetEkle2"_s,
         {Kayit(u"bilgim"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"carino"_s, TDSType::Integer),
          Girdi(u"stokno"_s, TDSType::Integer), Girdi(u"barkod"_s, TDSType::String),
          Girdi(u"stokadi"_s, TDSType::String), Girdi(u"miktar"_s, TDSType::Double), Girdi(u"kdv"_s, TDSType::Double),
          Girdi(u"fiyat"_s, TDSType::Double), Girdi(u"ind1"_s, TDSType::Double), Girdi(u"verenid"_s, TDSType::Integer),
          Girdi(u"k"_s, TDSType::Integer), Girdi(u"ind2"_s, TDSType::Double), Girdi(u"ind3"_s, TDSType::Double),
          Girdi(u"ind4"_s, TDSType::Double)},
         Sonuc(TDSType::Integer)},
        {u"SepetEkle"_s,
         {Kayit(u"bilgim"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"carino"_s, TDSType::Integer),
          Girdi(u"stokno"_s, TDSType::Integer), Girdi(u"barkod"_s, TDSType::String),
          Girdi(u"stokadi"_s, TDSType::String), Girdi(u"miktar"_s, TDSType::Double), Girdi(u"kdv"_s, TDSType::Double),
          Girdi(u"fiyat"_s, TDSType::Double), Girdi(u"indirim"_s, TDSType::Double),
          Girdi(u"verenid"_s, TDSType::Integer), Girdi(u"k"_s, TDSType::Integer)},
         Sonuc(TDSType::Integer)},
        {u"SepetGuncelle2"_s,
         {Kayit(u"bilgim"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"carino"_s, TDSType::Integer),
          Girdi(u"stokno"_s, TDSType::Integer), Girdi(u"barkod"_s, TDSType::String),
          Girdi(u"stokadi"_s, TDSType::String), Girdi(u"miktar"_s, TDSType::Double), Girdi(u"kdv"_s, TDSType::Double),
          Girdi(u"fiyat"_s, TDSType::Double), Girdi(u"ind1"_s, TDSType::Double), Girdi(u"verenid"_s, TDSType::Integer),
          Girdi(u"_sepetsirano"_s, TDSType::Integer), Girdi(u"ind2"_s, TDSType::Double),
          Girdi(u"ind3"_s, TDSType::Double), Girdi(u"ind4"_s, TDSType::Double)},
         Sonuc(TDSType::Integer)},
        {u"SepetGuncelle"_s,
         {Kayit(u"bilgim"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"carino"_s, TDSType::Integer),
          Girdi(u"stokno"_s, TDSType::Integer), Girdi(u"barkod"_s, TDSType::String),
          Girdi(u"stokadi"_s, TDSType::String), Girdi(u"miktar"_s, TDSType::Double), Girdi(u"kdv"_s, TDSType::Double),
          Girdi(u"fiyat"_s, TDSType::Double), Girdi(u"indirim"_s, TDSType::Double),
          Girdi(u"verenid"_s, TDSType::Integer), Girdi(u"_sepetsirano"_s, TDSType::Integer)},
         Sonuc(TDSType::Integer)},
        {u"SepetSatirSil"_s,
         {Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"satirno"_s, TDSType::Integer),
          Girdi(u"aciklamam"_s, TDSType::String)},
         Sonuc(TDSType::Integer)},
        {u"SepetHepsiniSil"_s, {Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s)}, Sonuc(TDSType::Integer)},
        {u"SepetSecimGuncelle"_s,
         {Girdi(u"sirano"_s, TDSType::Integer), Girdi(u"secim"_s, TDSType::Integer)},
         Sonuc(TDSType::None)},
        {u"TeslimVer"_s, {}, Sonuc(TDSType::RowTable)},
        {u"KargoVer"_s, {}, Sonuc(TDSType::RowTable)},
        {u"KargolarVer"_s, {Girdi(u"gn"_s, TDSType::Integer)}, Sonuc(TDSType::RowTable)},
        {u"SiparisKaydet"_s,
         {Kayit(u"BB"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"_carino"_s, TDSType::Integer),
          Girdi(u"_teslim"_s, TDSType::Integer), Girdi(u"_kargo"_s, TDSType::Integer),
          Girdi(u"_aciklama"_s, TDSType::String), Girdi(u"_verenid"_s, TDSType::Integer),
          Girdi(u"_kargoyeni"_s, TDSType::Integer)},
         Sonuc(TDSType::Boolean)},
        {u"MobilSiparisKaydet"_s, {Girdi(u"idnosu"_s, TDSType::Integer)}, Sonuc(TDSType::Integer)},
        {u"OncekiSiparisler"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::RowTable)},
        {u"OncekiSiparisler2"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::RowTable)},
        {u"Oncekiler"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::RowTable)},
        {u"SiparisAyrintisi2"_s,
         {Girdi(u"carino"_s, TDSType::Integer), Girdi(u"idnosu"_s, TDSType::Integer)},
         Sonuc(TDSType::RowTable)},
        {u"SiparisAyrintisi"_s,
         {Girdi(u"carino"_s, TDSType::Integer), Girdi(u"idnosu"_s, TDSType::Integer)},
         Sonuc(TDSType::RowTable)},
        {u"SiparisAytintisiDip"_s,
         {Girdi(u"carino"_s, TDSType::Integer), Girdi(u"siranosu"_s, TDSType::Integer)},
         SonucKayit(u"baglantiu.TSiparisDipAyrinti"_s)},
        {u"TumSiparislerVer"_s,
         {Girdi(u"carino"_s, TDSType::Integer), Girdi(u"stokno"_s, TDSType::Integer)},
         Sonuc(TDSType::RowTable)},
        {u"BakiyelerVer2"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::RowTable)},
        {u"BakiyelerVer"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::RowTable)},
        {u"BakiyeDuzenle"_s,
         {Kayit(u"k"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"stokno"_s, TDSType::Integer),
          Girdi(u"sepetsirano"_s, TDSType::Integer), Girdi(u"siparissirano"_s, TDSType::Integer),
          Girdi(u"Adet"_s, TDSType::Double), Girdi(u"Bakiye"_s, TDSType::Double), Girdi(u"barkod"_s, TDSType::String)},
         Sonuc(TDSType::Integer)},
        {u"BakiyeDegistir"_s,
         {Kayit(u"k"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"stokno"_s, TDSType::Integer),
          Girdi(u"sepetsirano"_s, TDSType::Integer), Girdi(u"siparissirano"_s, TDSType::Integer),
          Girdi(u"Adet"_s, TDSType::Double), Girdi(u"Bakiye"_s, TDSType::Double), Girdi(u"barkod"_s, TDSType::String)},
         Sonuc(TDSType::Integer)},
        {u"BakiyeFiyatDegistir"_s,
         {Kayit(u"k"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"stokno"_s, TDSType::Integer),
          Girdi(u"sepetsirano"_s, TDSType::Integer), Girdi(u"siparissirano"_s, TDSType::Integer),
          Girdi(u"Adet"_s, TDSType::Double), Girdi(u"Bakiye"_s, TDSType::Double), Girdi(u"barkod"_s, TDSType::String),
          Girdi(u"fiyat"_s, TDSType::Double), Girdi(u"ind"_s, TDSType::Double)},
         Sonuc(TDSType::Integer)},
        {u"CariEkstreVer"_s, {Girdi(u"carino"_s, TDSType::Integer)}, Sonuc(TDSType::RowTable)},
        {u"CariEkstreVer2"_s,
         {Girdi(u"carino"_s, TDSType::Integer), Girdi(u"TARIH1"_s, TDSType::Double),
          Girdi(u"TARIH2"_s, TDSType::Double)},
         Sonuc(TDSType::RowTable)},
        {u"CariEkstreVer2Baslik"_s,
         {Girdi(u"carino"_s, TDSType::Integer), Girdi(u"tarih1"_s, TDSType::Double)},
         Sonuc(TDSType::RowTable)},
        {u"FaturaGetir"_s,
         {Girdi(u"carino"_s, TDSType::Integer), Girdi(u"idnosu"_s, TDSType::Integer)},
         Sonuc(TDSType::RowTable)},
        {u"FaturaAltGetir"_s, {Girdi(u"idnosu"_s, TDSType::Integer)}, Sonuc(TDSType::RowTable)},
        {u"Tahsilat"_s, {Girdi(u"idnosu"_s, TDSType::Integer)}, Sonuc(TDSType::RowTable)},
        {u"SanalposSiranoVer"_s, {Girdi(u"idnosu"_s, TDSType::Integer)}, Sonuc(TDSType::Integer)},
        {u"SAnalPosPdfVer"_s,
         {Girdi(u"sirano"_s, TDSType::Integer), Cikti(u"boy"_s, TDSType::Int64)},
         Sonuc(TDSType::Stream)},
        {u"BelgeIndir"_s,
         {Girdi(u"sirano"_s, TDSType::Integer), Cikti(u"size"_s, TDSType::Int64), Cikti(u"adi"_s, TDSType::String)},
         Sonuc(TDSType::Stream)},
        {u"BelgeIndir2"_s,
         {Girdi(u"sirano"_s, TDSType::Integer), Cikti(u"size"_s, TDSType::Int64), Cikti(u"adi"_s, TDSType::String),
          Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s)},
         Sonuc(TDSType::Stream)},
        {u"DosyaIndir"_s, {Cikti(u"size"_s, TDSType::Int64)}, Sonuc(TDSType::Stream)},
        {u"DosyaListesi"_s, {}, Sonuc(TDSType::RowTable)},
        {u"DosyaListesi2"_s, {}, Sonuc(TDSType::RowTable)},
        {u"RaporGetir"_s,
         {Girdi(u"raporno"_s, TDSType::Integer), Girdi(u"bolum"_s, TDSType::Integer),
          Girdi(u"idno"_s, TDSType::Integer), Girdi(u"carino"_s, TDSType::Integer),
          Girdi(u"saticiadi"_s, TDSType::String), Girdi(u"tarih1"_s, TDSType::Double),
          Girdi(u"tarih2"_s, TDSType::Double), Cikti(u"size"_s, TDSType::Int64)},
         Sonuc(TDSType::Stream)},
        {u"RaporAlinanSiparisler"_s,
         {Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"tarih1"_s, TDSType::Double),
          Girdi(u"tarih2"_s, TDSType::Double)},
         Sonuc(TDSType::RowTable)},
        {u"RaporEnCokSatilanStoklar"_s,
         {Kayit(u"bilgi"_s, u"baglantiu.TSonucBilgisi"_s), Girdi(u"tarih1"_s, TDSType::Double),
          Girdi(u"tarih2"_s, TDSType::Double)},
         Sonuc(TDSType::RowTable)},
        {u"BalonGetir"_s, {Kayit(u"bil"_s, u"baglantiu.TSonucBilgisi"_s)}, Sonuc(TDSType::RowTable)},
        {u"BalonGetir2"_s,
         {Girdi(u"carino"_s, TDSType::Integer), Cikti(u"sepet"_s, TDSType::Integer),
          Cikti(u"yenistok"_s, TDSType::Integer), Cikti(u"kampnayali"_s, TDSType::Integer),
          Cikti(u"duyuru"_s, TDSType::Integer), Cikti(u"Bakiye"_s, TDSType::Integer),
          Cikti(u"dosya"_s, TDSType::Integer)},
         Sonuc(TDSType::Integer)},
        {u"KayanYaziGetir"_s, {}, Sonuc(TDSType::String)},
        {u"BannerResimVer"_s, {Cikti(u"size"_s, TDSType::Int64)}, Sonuc(TDSType::Stream)},
        {u"BannerResimVer2"_s, {Cikti(u"size"_s, TDSType::Int64)}, Sonuc(TDSType::Stream)},
        {u"BannerResimVer3"_s, {Cikti(u"size"_s, TDSType::Int64)}, Sonuc(TDSType::Stream)},
        {u"AcilisReklamAdet"_s, {}, Sonuc(TDSType::Integer)},
        {u"AcilisREklamVer"_s, {Girdi(u"sira"_s, TDSType::Integer)}, SonucKayit(u"mobilstokunit.TAcilisEkran"_s)},
        {u"AcilisEkranlarVer2"_s, {}, SonucKayit(u"mobilstokunit.TAcilisEkranlariki"_s)},
        {u"AcilisEkranlarVer"_s, {}, SonucKayit(u"mobilstokunit.TAcilisEkranlar"_s)},
        {u"AcilisEkranlariVerData"_s, {}, Sonuc(TDSType::RowTable)},
        {u"DuyuruVer"_s, {}, Sonuc(TDSType::RowTable)},
        {u"DuyuruVer2"_s, {}, Sonuc(TDSType::RowTable)},
        {u"KurlariAl"_s, {Cikti(u"usd"_s, TDSType::Double), Cikti(u"eur"_s, TDSType::Double)}, Sonuc(TDSType::Integer)},
        {u"TorpalaVer"_s, {}, Sonuc(TDSType::Stream)},
        {u"EchoString"_s, {Girdi(u"Value"_s, TDSType::String)}, Sonuc(TDSType::String)},
        {u"ReverseString"_s, {Girdi(u"Value"_s, TDSType::String)}, Sonuc(TDSType::String)},
        {u"DSServerModuleCreate"_s, {Kayit(u"Sender"_s, u""_s)}, Sonuc(TDSType::None)},
    };
    QList<TDSMethodSignature> imzalar;
    for (const TSatir& s : satirlar)
        imzalar.append(TDSMethodSignature{s.ad, s.parametreler, s.sonuc.tur, s.sonuc.sinif});
    return imzalar;
}

} // namespace

const QList<TDSMethodSignature>& ServerMethods1Imzalari() {
    static const QList<TDSMethodSignature> imzalar = [] {
        KayitSiniflariniKaydet();
        return TabloyuKur();
    }();
    return imzalar;
}

const TDSMethodSignature* ServerMethods1Imzasi(QStringView ad) {
    static const QHash<QString, const TDSMethodSignature*> dizin = [] {
        QHash<QString, const TDSMethodSignature*> d;
        for (const TDSMethodSignature& imza : ServerMethods1Imzalari())
            d.insert(imza.name, &imza);
        return d;
    }();
    return dizin.value(ad.toString(), nullptr);
}
