#include "server/methods/metotlar.h"

const TMetotTablosu& SunucuMetotlari() {
    static const TMetotTablosu tablo = [] {
        TMetotTablosu t;
        OturumMetotlari(t);
        KatalogMetotlari(t);
        SepetMetotlari(t);
        CariMetotlari(t);
        return t;
    }();
    return tablo;
}
