#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace grid {

// One cell of an exported sheet.
struct TExcelHucresi {
    enum class TTur { Bos, Yazi, Sayi, Tarih, TarihSaat, Mantik };
    TTur tur = TTur::Bos;
    QString yazi;
    double sayi = 0; // Sayi; Tarih and TarihSaat as OLE dates (Excel's own day numbers)
    bool mantik = false;
    QString bicim; // number format of a Sayi cell; empty = General
};

struct TExcelSatiri {
    std::vector<TExcelHucresi> hucreler;
    bool kalin = false; // group rows and footers
};

// A sheet: the captions as its first row, then the rows.
struct TExcelTablosu {
    QString sayfaAdi = QStringLiteral("Sayfa1");
    QStringList basliklar;
    std::vector<int> genislikler; // column widths in pixels; empty = default
    std::vector<TExcelSatiri> satirlar;
};

// Writes the sheet as an .xlsx file. The file appears whole or not at all: it is written under
// a temporary name beside the target and renamed over it only when complete. Returns false
// with the cause in `hata` when it cannot be written.
bool ExcelYaz(const TExcelTablosu& tablo, const QString& dosyaYolu, QString* hata = nullptr);

} // namespace grid
