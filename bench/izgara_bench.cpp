// Showing a search result: decode a data packet of 1,000 rows × 35 columns from its JSON into
// the data set, let the bound grid take the new content and best-fit its columns.
#include "platform/datasnap/jsonreader.h"
#include "platform/datasnap/jsonwriter.h"
#include "platform/datasnap/tablecodec.h"
#include "platform/grid/izgara.h"
#include "platform/grid/simgeler.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace datasnap;

// Stock-list shaped columns: 15 texts, 12 doubles, 5 integers, 3 dates.
TDSTable StokTablosu(int satirSayisi) {
    TDSTable tablo;
    for (int i = 0; i < 15; ++i)
        tablo.columns.append({QStringLiteral("YAZI%1").arg(i), TFieldType::WideString, 100});
    for (int i = 0; i < 12; ++i)
        tablo.columns.append({QStringLiteral("FIYAT%1").arg(i), TFieldType::Double});
    for (int i = 0; i < 4; ++i)
        tablo.columns.append({QStringLiteral("SAYI%1").arg(i), TFieldType::Int32});
    tablo.columns.append({QStringLiteral("DURUM"), TFieldType::Int32});
    for (int i = 0; i < 3; ++i)
        tablo.columns.append({QStringLiteral("TARIH%1").arg(i), TFieldType::Date});
    for (int satir = 0; satir < satirSayisi; ++satir) {
        QList<QVariant> degerler;
        for (int i = 0; i < 15; ++i)
            degerler << QStringLiteral("FREN BALATASI ÖN %1-%2").arg(satir).arg(i);
        for (int i = 0; i < 12; ++i)
            degerler << (satir * 13.37 + i * 1000.25);
        for (int i = 0; i < 4; ++i)
            degerler << (satir * 7 + i);
        degerler << satir % 6;
        for (int i = 0; i < 3; ++i)
            degerler << (45000.0 + satir % 365 + i);
        tablo.rows.push_back(std::move(degerler));
    }
    return tablo;
}

QByteArray PaketJsonu(int satirSayisi) {
    TJsonWriter yazici;
    yazici.BeginObject();
    yazici.Key("datapacket");
    WriteTable(yazici, StokTablosu(satirSayisi));
    yazici.EndObject();
    return yazici.Take();
}

// The packet decoded from the answer text, as the proxy decodes it.
TDSTable PaketiOku(const QByteArray& json) {
    TJsonReader okuyucu(json);
    TDSTable tablo;
    QString anahtar;
    okuyucu.BeginObject();
    while (okuyucu.NextKey(anahtar)) {
        if (anahtar == u"datapacket")
            tablo = ReadTable(okuyucu);
        else
            okuyucu.Skip();
    }
    okuyucu.End();
    return tablo;
}

std::vector<grid::TSutun> Sutunlar(const TDSTable& tablo) {
    std::vector<grid::TSutun> sutunlar;
    for (const TFieldDef& alan : tablo.columns) {
        grid::TSutun sutun{.alan = alan.name};
        if (alan.name == QLatin1String("DURUM")) {
            sutun.tur = grid::TSutunTuru::Simge;
            sutun.simgeler = grid::DurumSimgeHaritasi();
        } else if (alan.type == TFieldType::WideString) {
            sutun.tur = grid::TSutunTuru::SarilanYazi;
        } else if (alan.type == TFieldType::Date) {
            sutun.tur = grid::TSutunTuru::Tarih;
        } else {
            sutun.tur = grid::TSutunTuru::Sayi;
        }
        sutunlar.push_back(std::move(sutun));
    }
    return sutunlar;
}

void BM_PaketiIzgaradaGoster(benchmark::State& durum) {
    const int satirSayisi = static_cast<int>(durum.range(0));
    const QByteArray json = PaketJsonu(satirSayisi);
    TClientDataSet veri;
    TDataSource kaynak;
    kaynak.SetDataSet(&veri);
    grid::TVeriIzgarasi izgara;
    izgara.SetSutunlar(Sutunlar(StokTablosu(0)));
    izgara.SetVeriKaynagi(&kaynak);
    izgara.SetSatirYuksekligi(40);
    izgara.resize(1350, 600);
    izgara.show();
    QApplication::processEvents();
    for (auto _ : durum) {
        // As a load does it: the content and its display formats with the controls disabled.
        veri.DisableControls();
        veri.SetData(TDataPacket{PaketiOku(json)});
        for (int i = 0; i < veri.FieldCount(); ++i)
            if (veri.Fields(i)->IsFloat())
                veri.Fields(i)->SetDisplayFormat(QStringLiteral("#,###,##0.00"));
        veri.EnableControls();
        izgara.EnIyiSigdir();
        benchmark::DoNotOptimize(izgara.SatirSayisi());
    }
    if (izgara.SatirSayisi() != satirSayisi)
        durum.SkipWithError("the grid does not show every row");
    durum.SetItemsProcessed(durum.iterations() * satirSayisi);
}
BENCHMARK(BM_PaketiIzgaradaGoster)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Repetitions(9);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
