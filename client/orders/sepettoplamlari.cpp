#include "sepettoplamlari.h"

#include "client/remote/sayilar.h"
#include "platform/datasnap/dataset.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

// Keeps the grid from seeing the cursor walk and restores the cursor afterwards.
class TSessizGezinti {
public:
    explicit TSessizGezinti(datasnap::TClientDataSet& veri)
        : m_kilit(veri)
        , m_veri(veri)
        , m_satir(veri.RecNo()) {}
    // The cursor goes back before the views are told (the lock is released after this body).
    ~TSessizGezinti() {
        if (m_satir >= 0 && m_satir < m_veri.RecordCount())
            m_veri.MoveTo(m_satir);
    }
    Q_DISABLE_COPY_MOVE(TSessizGezinti)

private:
    const datasnap::TControlsDisabled m_kilit;
    datasnap::TClientDataSet& m_veri;
    int m_satir;
};

double Deger(const datasnap::TField* alan) {
    return alan && !alan->IsNull() ? alan->AsFloat() : 0.0;
}

bool Isaretli(const datasnap::TField* sec) {
    return sec && !sec->IsNull() && sec->AsFloat() == 1.0;
}

void Yaz(QLabel* etiket, double deger) {
    if (etiket)
        etiket->setText(ParaYaz(deger));
}

} // namespace

TSepetToplamlari SepetToplamlariHesapla(datasnap::TClientDataSet* sepet) {
    TSepetToplamlari t;
    if (!sepet || !sepet->Active() || sepet->RecordCount() == 0)
        return t;
    {
        TSessizGezinti gezinti(*sepet);
        const datasnap::TField* sec = sepet->FindField(u"SEC");
        const datasnap::TField* tutar = sepet->FindField(u"TUTAR");
        const datasnap::TField* indirim = sepet->FindField(u"INDIRIMTUTAR");
        for (sepet->First(); !sepet->Eof(); sepet->Next()) {
            if (!Isaretli(sec))
                continue;
            t.Toplam = Yuvarla(t.Toplam + Deger(tutar));
            t.Indirim = Yuvarla(t.Indirim + Deger(indirim));
        }
    }
    t.Ara = Yuvarla(t.Toplam - t.Indirim);
    t.Vergi = Yuvarla(Yuvarla(t.Ara * 1.2) - t.Ara); // the outer rounding only drops binary noise
    t.Genel = Yuvarla(t.Ara + t.Vergi);
    return t;
}

void SepetToplamlariniGoster(const TSepetToplamlari& toplamlar, const TSepetToplamEtiketleri& etiketler) {
    Yaz(etiketler.aratoplaml, toplamlar.Toplam);
    Yaz(etiketler.indiriml, toplamlar.Indirim);
    Yaz(etiketler.vergil, toplamlar.Vergi);
    Yaz(etiketler.nettutarl, toplamlar.Ara);
    Yaz(etiketler.geneltoplaml, toplamlar.Genel);
}
