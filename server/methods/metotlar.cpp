#include "server/methods/metotlar.h"

const TMetotTablosu& SunucuMetotlari() {
    static const TMetotTablosu tablo = [] {
        TMetotTablosu t;
        OturumMetotlari(t);
        return t;
    }();
    return tablo;
}
