#include "client/remote/sayilar.h"

#include "platform/datasnap/dataset.h"
#include "platform/datasnap/numberformat.h"

void SayiBicimiUygula(datasnap::TClientDataSet* veri) {
    if (!veri)
        return;
    const datasnap::TControlsDisabled kapali(*veri);
    for (int i = 0; i < veri->FieldCount(); ++i) {
        datasnap::TField* alan = veri->Fields(i);
        if (alan->IsFloat() && alan->DisplayFormat() != SayiBicimi)
            alan->SetDisplayFormat(SayiBicimi);
    }
}

double Yuvarla(double deger) {
    return datasnap::RoundHalfAway(deger, 2);
}

QString ParaYaz(double deger, const QLocale& yerel) {
    return datasnap::FormatFloat(SayiBicimi, deger, yerel);
}
