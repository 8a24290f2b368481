#pragma once

// Tab captions of the main window. A tab that carries a count reads the decimal count, "=" and a
// fixed name, with no blank around the sign (4=Sepet); a tab keeps its design-time caption until
// its first write.
//
// Every writer goes through TForm1::SekmeSayisiYaz (or SekmeBasliginiGeriAl), on the
// user-interface thread:
//
//   tab            text                        written by                  when
//   sstoklistesi   count "=Stok Listesi"       product search              after each search
//   sstoklistesi   "0=Stok Listesi"            customer change             after another customer was chosen
//   sstoklistesi   "Stok Listesi"              the search bar's "Temizle"  when the product list is emptied
//   ssepet         count "=Sepet"              BalonYaz; basket reload     at start; after every basket reload
//   syeniler       count "=Yeni Stoklar"       BalonYaz; new products      at start; each time the tab is shown
//   skampanyali    count "=Kampanyalı"         BalonYaz; campaign products at start; each time the tab is shown
//   sTabSheetduyuru count "=Duyurular"         advertisement count; BalonYaz  at start, in that order
//   sTabbakiyeler  count "=Bakiyeler"          BalonYaz                    at start only

#include <QLocale>
#include <QString>
#include <span>

enum class TSekme { StokListesi, Sepet, Onceki, CariEkstre, Yeniler, Kampanyali, Duyurular, Bakiyeler };

struct TSekmeTanimi {
    TSekme sekme;
    QStringView nesneAdi;       // object name of the tab sheet
    QStringView tasarimBasligi; // caption until the first write
    QStringView sayacAdi;       // name written after the count; empty for tabs without a count
    QStringView simge;          // icon, a resource name under ":/tevrano/"
};

// The eight tabs in tab order.
std::span<const TSekmeTanimi> Sekmeler();
const TSekmeTanimi& SekmeTanimi(TSekme sekme);

// "4=Sepet".
QString SayacBasligi(TSekme sekme, int adet);
// The count in the shortest decimal form of `yerel`, without digit grouping: 5 gives
// "5=Bakiyeler", 2.5 under a Turkish locale "2,5=Bakiyeler".
QString SayacBasligi(TSekme sekme, double adet, const QLocale& yerel = QLocale());

// A floating-point number in its shortest form of at most 15 significant digits, without digit
// grouping ("5", "2,5", "0,3" for 0.1 + 0.2).
QString KisaOndalik(double deger, const QLocale& yerel = QLocale());
