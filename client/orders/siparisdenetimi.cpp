#include "siparisdenetimi.h"

#include "client/remote/utils.h"
#include "platform/datasnap/dataset.h"

using namespace Qt::StringLiterals;

TSiparisEksigi SiparisEksigiBul(const TSiparisGirdisi& girdi) {
    if (!girdi.seciliSatirVar)
        return TSiparisEksigi::Parca;
    if (!girdi.teslimSecili)
        return TSiparisEksigi::Teslim;
    if (!girdi.kargoTuruSecili)
        return TSiparisEksigi::KargoTuru;
    if (girdi.kargoIndeksi <= 0)
        return TSiparisEksigi::Kargo;
    return TSiparisEksigi::Yok;
}

QString SiparisEksigiMesaji(TSiparisEksigi eksik) {
    switch (eksik) {
    case TSiparisEksigi::Parca:
        return u"Gönderilecek Parça Yok "_s;
    case TSiparisEksigi::Teslim:
        return u"Lütfen Teslim Durumu Seçiniz !"_s;
    case TSiparisEksigi::KargoTuru:
        return u"Lütfen Kargo Türünü Seçiniz !"_s;
    case TSiparisEksigi::Kargo:
        return u"Lütfen Kargo  Seçiniz !"_s;
    case TSiparisEksigi::Yok:
        break;
    }
    return {};
}

QString SiparisUyarisi(const TSiparisGirdisi& girdi) {
    return SiparisEksigiMesaji(SiparisEksigiBul(girdi));
}

bool GonderilecekParcaVar(datasnap::TClientDataSet* sepet) {
    if (!KayitVarMi(sepet) || !sepet->FindField(u"SEC"))
        return false;
    return SeciliVarMi(sepet);
}
