#pragma once

#include "platform/grid/simgeharitasi.h"

#include <QIcon>
#include <QList>
#include <QString>

// The icons of the list grids, drawn as vector art so they are sharp at every size: the
// stock-status icons (shared by the status columns and the main window's legend), the picture,
// new-item and campaign marks, and the plain flag.

namespace grid {

// Stock-status codes of the DURUM columns.
enum TDurumKodu : int {
    DurumYok = 0,
    DurumVar = 1,
    DurumTelefonAciniz = 2,
    DurumYolda = 3,
    DurumOzelSiparis = 4,
    DurumTedarikSurecinde = 5,
};

// Icon of a stock-status code 0–5; a null icon for any other code.
QIcon DurumSimgesi(int kod);
// Icon of an empty status (NULL or blank); it carries no word.
QIcon BosDurumSimgesi();
// Word of a status code ("Var", "Yok", ...); empty for other codes.
QString DurumYazisi(int kod);

// Map of a status column: codes 0–5 with their icons and words, the empty icon for empty
// values, nothing for other codes. Icons only (no text drawn).
TSimgeHaritasi DurumSimgeHaritasi();

// The status legend of the main window, in its order, with its captions.
struct TDurumAciklamasi {
    int kod;
    QString yazi;
};
QList<TDurumAciklamasi> DurumAciklamalari();

QIcon ResimSimgesi();    // the item has a picture
QIcon YeniSimgesi();     // new item
QIcon KampanyaSimgesi(); // item on campaign
QIcon BayrakSimgesi();   // the plain flag: "no" in the new and campaign columns

// RESIM: 1 shows the picture icon, 0 and others nothing.
TSimgeHaritasi ResimSimgeHaritasi();
// A yes/no column: 1 shows `evet`, 0 shows `hayir`, other values show `diger`. The words are
// "Evet" and "Hayır"; a null icon shows nothing.
TSimgeHaritasi EvetHayirSimgeHaritasi(const QIcon& evet, const QIcon& hayir, const QIcon& diger = {});

} // namespace grid
