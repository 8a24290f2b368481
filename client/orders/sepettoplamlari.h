#pragma once

#include <QString>

class QLabel;
namespace datasnap {
class TClientDataSet;
}

// The five amounts of the basket's totals block, over the marked lines (SEC = 1).
struct TSepetToplamlari {
    double Toplam = 0;  // sum of TUTAR
    double Indirim = 0; // sum of INDIRIMTUTAR
    double Ara = 0;     // Toplam - Indirim
    double Vergi = 0;   // a flat 20 % of Ara, whatever the lines' VAT rates
    double Genel = 0;   // Ara + Vergi
};

// Adds up the marked lines of `sepet`, rounding to two decimals after every line. Lines whose SEC
// is anything but 1 are skipped. A null, closed or empty data set gives zeros. The grid is not
// notified while the cursor walks, and the cursor is put back where it was.
TSepetToplamlari SepetToplamlariHesapla(datasnap::TClientDataSet* sepet);

// The value labels of the totals block; a null label is skipped.
struct TSepetToplamEtiketleri {
    QLabel* aratoplaml = nullptr;
    QLabel* indiriml = nullptr;
    QLabel* nettutarl = nullptr;
    QLabel* vergil = nullptr;
    QLabel* geneltoplaml = nullptr;
};

// Writes the amounts into their labels with the money format of the user's locale.
void SepetToplamlariniGoster(const TSepetToplamlari& toplamlar, const TSepetToplamEtiketleri& etiketler);
