#include "platform/grid/ozet.h"

#include "platform/datasnap/dataset.h"
#include "platform/datasnap/numberformat.h"

namespace grid {

double OzetDegeri(const TOzet& ozet, const datasnap::TClientDataSet& veri, const std::vector<int>& kayitlar) {
    if (ozet.tur == TOzetTuru::Sayi)
        return static_cast<double>(kayitlar.size());
    const datasnap::TField* alan = veri.FindField(ozet.alan);
    if (!alan)
        return 0;
    double toplam = 0;
    for (const int kayit : kayitlar) {
        const QVariant deger = veri.ValueAt(kayit, alan->Index());
        if (deger.isValid() && !deger.isNull())
            toplam += deger.toDouble();
    }
    return toplam;
}

QString OzetYazisi(const TOzet& ozet, const datasnap::TClientDataSet& veri, const std::vector<int>& kayitlar,
                   const QLocale& yerel) {
    const double deger = OzetDegeri(ozet, veri, kayitlar);
    if (ozet.tur == TOzetTuru::Sayi)
        return QString::number(static_cast<qint64>(deger));
    if (!ozet.bicim.isEmpty())
        return datasnap::FormatFloat(ozet.bicim, deger, yerel);
    const datasnap::TField* alan = veri.FindField(ozet.alan);
    if (alan && !alan->DisplayFormat().isEmpty())
        return datasnap::FormatFloat(alan->DisplayFormat(), deger, yerel);
    if (alan && (alan->DataType() == datasnap::TFieldType::Int32 || alan->DataType() == datasnap::TFieldType::Int64))
        return QString::number(static_cast<qint64>(deger));
    return yerel.toString(deger, 'g', 15);
}

} // namespace grid
