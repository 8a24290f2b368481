#include "client/remote/sayilar.h"

#include "platform/datasnap/dataset.h"
#include "platform/datasnap/numberformat.h"

namespace {

// Holds back the data set's view updates while several fields change, so views reset once.
class KontrollerKapali {
public:
    explicit KontrollerKapali(datasnap::TClientDataSet& veri)
        : m_veri(veri) {
        m_veri.DisableControls();
    }
    ~KontrollerKapali() { m_veri.EnableControls(); }
    KontrollerKapali(const KontrollerKapali&) = delete;
    KontrollerKapali& operator=(const KontrollerKapali&) = delete;

private:
    datasnap::TClientDataSet& m_veri;
};

} // namespace

void SayiBicimiUygula(datasnap::TClientDataSet* veri) {
    if (!veri)
        return;
    const KontrollerKapali kapali(*veri);
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
