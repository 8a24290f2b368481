#pragma once

// Unit baglantiu: the session record, the order footer and the order-status counters.

#include "client/remote/kayit.h"

#define TSONUCBILGISI_ALANLARI(X)                                                                                      \
    X(QString, BILGISAYARID)                                                                                           \
    X(QString, SaticiMail)                                                                                             \
    X(int, Sirano)                                                                                                     \
    X(QString, CariAdi)                                                                                                \
    X(QString, SIFRE)                                                                                                  \
    X(int, SaticiNo)                                                                                                   \
    X(int, CARINO)                                                                                                     \
    X(int, AKTIF)                                                                                                      \
    X(QString, Kullanicimail)                                                                                          \
    X(QString, ADI)                                                                                                    \
    X(QString, SaticiTelefon)                                                                                          \
    X(QString, carikod)                                                                                                \
    X(bool, Varmi)                                                                                                     \
    X(QString, SaticiAdi)                                                                                              \
    X(QString, BilgiSayarAdi)                                                                                          \
    X(QString, Disip)                                                                                                  \
    X(QString, Icip)                                                                                                   \
    X(QString, BilgisayarKullanici)                                                                                    \
    X(int, MusteriTipi)                                                                                                \
    X(int, Version)

#define TSIPARISDIPAYRINTI_ALANLARI(X)                                                                                 \
    X(QString, SizinMesaj)                                                                                             \
    X(QString, Durumu)                                                                                                 \
    X(QString, Veren)                                                                                                  \
    X(QString, Kargo)                                                                                                  \
    X(QString, BizimMesaj)                                                                                             \
    X(QString, TeslimCinsi)                                                                                            \
    X(QString, KargoCinsi)                                                                                             \
    X(QString, SaticiNotu)

#define TTUSSONUCLARI_ALANLARI(X)                                                                                      \
    X(int, Alindi)                                                                                                     \
    X(int, Onaylandi)                                                                                                  \
    X(int, ParcaliHazirlandi)                                                                                          \
    X(int, SevkEdildi)                                                                                                 \
    X(int, Hazirlandi)                                                                                                 \
    X(int, Goruldu)

// The session record. The main window keeps one (`sbilgi`); calls carry fresh copies of it.
class TSonucBilgisi final : public datasnap::TObject {
public:
    TSonucBilgisi();
    TV_KAYIT_GOVDESI(TSonucBilgisi, TSONUCBILGISI_ALANLARI)
};

// The footer of one order.
class TSiparisDipAyrinti final : public datasnap::TObject {
    TV_KAYIT_GOVDESI(TSiparisDipAyrinti, TSIPARISDIPAYRINTI_ALANLARI)
};

// Numbers of orders in each state.
class TTusSonuclari final : public datasnap::TObject {
    TV_KAYIT_GOVDESI(TTusSonuclari, TTUSSONUCLARI_ALANLARI)
};
