#pragma once

// Fixtures of the grid tests: a small data set, a bound grid, and a reader of .xlsx sheets.

#include "platform/datasnap/dataset.h"
#include "platform/datasnap/datasource.h"
#include "platform/grid/izgara.h"
#include "platform/grid/simgeler.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QXmlStreamReader>
#include <memory>

namespace deneme {

using namespace datasnap;

// Six customers' lines: codes, names, status codes (one empty, one unknown), amounts, dates.
inline TDSTable OrnekTablo() {
    TDSTable t;
    t.columns = {{QStringLiteral("CARIKOD"), TFieldType::WideString, 20},
                 {QStringLiteral("ADI"), TFieldType::WideString, 100},
                 {QStringLiteral("DURUM"), TFieldType::Int32},
                 {QStringLiteral("TUTAR"), TFieldType::Double},
                 {QStringLiteral("MIKTAR"), TFieldType::Int32},
                 {QStringLiteral("TARIH"), TFieldType::Date},
                 {QStringLiteral("SATICIADI"), TFieldType::WideString, 50}};
    t.rows.push_back(
        {QStringLiteral("C001"), QStringLiteral("FREN BALATASI"), 1, 1000.5, 2, 45000.0, QStringLiteral("AHMET")});
    t.rows.push_back(
        {QStringLiteral("C002"), QStringLiteral("YAĞ FİLTRESİ"), 0, 250.25, 5, 45001.0, QStringLiteral("MEHMET")});
    t.rows.push_back(
        {QStringLiteral("C003"), QStringLiteral("IŞIK SETİ"), 2, 10.0, 1, 45002.0, QStringLiteral("AHMET")});
    t.rows.push_back(
        {QStringLiteral("C004"), QStringLiteral("FAR AMPULÜ"), 3, 99.0, 1, 45003.0, QStringLiteral("AYŞE")});
    t.rows.push_back({QStringLiteral("C005"), QStringLiteral("DEBRİYAJ SETİ"), QVariant(), 4000.0, 3, 45004.0,
                      QStringLiteral("MEHMET")});
    t.rows.push_back({QStringLiteral("C006"), QStringLiteral("SİLECEK"), 7, 0.5, 10, 45005.0, QStringLiteral("AHMET")});
    return t;
}

inline std::vector<grid::TSutun> OrnekSutunlar() {
    using grid::TSutunTuru;
    std::vector<grid::TSutun> sutunlar;
    sutunlar.push_back({.alan = QStringLiteral("CARIKOD"), .agirlik = 1});
    sutunlar.push_back({.alan = QStringLiteral("ADI"),
                        .baslik = QStringLiteral("Açıklama"),
                        .agirlik = 4,
                        .tur = TSutunTuru::SarilanYazi});
    sutunlar.push_back({.alan = QStringLiteral("DURUM"),
                        .baslik = QStringLiteral("Durum"),
                        .agirlik = 1,
                        .tur = TSutunTuru::Simge,
                        .simgeler = grid::DurumSimgeHaritasi()});
    sutunlar.push_back(
        {.alan = QStringLiteral("TUTAR"), .baslik = QStringLiteral("Tutar"), .agirlik = 2, .tur = TSutunTuru::Sayi});
    sutunlar.push_back(
        {.alan = QStringLiteral("MIKTAR"), .baslik = QStringLiteral("Miktar"), .agirlik = 1, .tur = TSutunTuru::Sayi});
    sutunlar.push_back(
        {.alan = QStringLiteral("TARIH"), .baslik = QStringLiteral("Tarih"), .agirlik = 2, .tur = TSutunTuru::Tarih});
    sutunlar.push_back(
        {.alan = QStringLiteral("SATICIADI"), .baslik = QStringLiteral("Satıcı"), .gorunur = false, .agirlik = 2});
    sutunlar.push_back({.alan = QStringLiteral("GIZLIKOD"), .gorunur = false, .secicide = false, .agirlik = 1});
    return sutunlar;
}

// A data set, its source and a grid bound to it, shown on the offscreen screen.
struct TOrtam {
    std::unique_ptr<TClientDataSet> veri = std::make_unique<TClientDataSet>();
    std::unique_ptr<TDataSource> kaynak = std::make_unique<TDataSource>();
    std::unique_ptr<grid::TVeriIzgarasi> izgara = std::make_unique<grid::TVeriIzgarasi>();

    explicit TOrtam(std::vector<grid::TSutun> sutunlar = OrnekSutunlar(), TDSTable tablo = OrnekTablo()) {
        veri->CopyFromTable(tablo);
        if (TField* tutar = veri->FindField(u"TUTAR"))
            tutar->SetDisplayFormat(QStringLiteral("#,###,##0.00"));
        kaynak->SetDataSet(veri.get());
        izgara->SetSutunlar(std::move(sutunlar));
        izgara->SetVeriKaynagi(kaynak.get());
        izgara->resize(900, 400);
        izgara->show();
    }
    ~TOrtam() {
        izgara.reset();
        kaynak.reset();
    }

    QStringList Sutun(const QString& alan) const {
        QStringList yazilar;
        const QAbstractItemModel* model = izgara->Tablo()->model();
        const int sutun = izgara->SutunIndeksi(alan);
        for (int satir = 0; satir < model->rowCount(); ++satir)
            yazilar << model->index(satir, sutun).data().toString();
        return yazilar;
    }
};

// A cell of a sheet as the .xlsx holds it: its text (inline string or number) and its number
// format code.
struct THucreXml {
    QString tur; // "s" text, "n" number, "b" boolean
    QString deger;
    QString bicim;
};
using TSayfa = QList<QList<THucreXml>>;

inline QByteArray ZipUyesi(const QString& dosya, const QString& uye) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), dosya, uye});
    if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0)
        return {};
    return unzip.readAllStandardOutput();
}

inline bool UnzipVar() {
    return !QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty();
}

// Reads the first sheet with the number format of every cell resolved through styles.xml.
inline TSayfa SayfaOku(const QString& dosya) {
    QMap<int, QString> bicimKodlari = {{0, QStringLiteral("General")}, {14, QStringLiteral("mm-dd-yy")}};
    QList<int> xfBicimleri;
    QXmlStreamReader stil(ZipUyesi(dosya, QStringLiteral("xl/styles.xml")));
    bool xfler = false;
    while (!stil.atEnd()) {
        stil.readNext();
        if (stil.isStartElement() && stil.name() == u"numFmt")
            bicimKodlari.insert(stil.attributes().value(QLatin1String("numFmtId")).toInt(),
                                stil.attributes().value(QLatin1String("formatCode")).toString());
        if (stil.isStartElement() && stil.name() == u"cellXfs")
            xfler = true;
        if (stil.isEndElement() && stil.name() == u"cellXfs")
            xfler = false;
        if (xfler && stil.isStartElement() && stil.name() == u"xf")
            xfBicimleri << stil.attributes().value(QLatin1String("numFmtId")).toInt();
    }
    QStringList ortakYazilar;
    QXmlStreamReader ortak(ZipUyesi(dosya, QStringLiteral("xl/sharedStrings.xml")));
    while (!ortak.atEnd()) {
        ortak.readNext();
        if (ortak.isStartElement() && ortak.name() == u"t")
            ortakYazilar << ortak.readElementText();
    }
    TSayfa sayfa;
    QXmlStreamReader xml(ZipUyesi(dosya, QStringLiteral("xl/worksheets/sheet1.xml")));
    THucreXml hucre;
    bool ortakMi = false;
    int sutun = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"row")
            sayfa.append(QList<THucreXml>());
        if (xml.isStartElement() && xml.name() == u"c") {
            const QString ref = xml.attributes().value(QLatin1String("r")).toString();
            sutun = ref.at(0).unicode() - 'A';
            const QString t = xml.attributes().value(QLatin1String("t")).toString();
            hucre = {t == u"inlineStr" || t == u"s" ? QStringLiteral("s")
                     : t.isEmpty()                  ? QStringLiteral("n")
                                                    : t,
                     {},
                     {}};
            ortakMi = t == u"s";
            const int s = xml.attributes().value(QLatin1String("s")).toInt();
            hucre.bicim = bicimKodlari.value(xfBicimleri.value(s));
        }
        if (xml.isStartElement() && (xml.name() == u"v" || xml.name() == u"t")) {
            hucre.deger = xml.readElementText();
            if (ortakMi)
                hucre.deger = ortakYazilar.value(hucre.deger.toInt());
        }
        if (xml.isEndElement() && xml.name() == u"c") {
            while (sayfa.last().size() < sutun)
                sayfa.last().append(THucreXml());
            sayfa.last().append(hucre);
        }
    }
    return sayfa;
}

} // namespace deneme
