#include "client/remote/baglantiu.h"

TSonucBilgisi::TSonucBilgisi() {
    FMusteriTipi = 1;
    FVersion = 1;
}

TV_KAYIT_TANIMI("baglantiu", TSonucBilgisi, TSONUCBILGISI_ALANLARI)
TV_KAYIT_TANIMI("baglantiu", TSiparisDipAyrinti, TSIPARISDIPAYRINTI_ALANLARI)
TV_KAYIT_TANIMI("baglantiu", TTusSonuclari, TTUSSONUCLARI_ALANLARI)
