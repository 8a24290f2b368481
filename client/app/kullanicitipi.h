#pragma once

// How the main window adapts to the kind of user that logged in (`MusteriTipi` of the session):
// 1 and 2 are the distributor's sales staff, 3 and 4 are dealer logins with reduced views.
//
// The window applies the switches itself. The column changes belong to grids that are built by
// their own tabs: a grid registers an applier with TForm1::SutunUygulayicisiEkle(grid, applier)
// when it is built, and receives each change for it as applier(field, visible) -- at once when
// the login has already happened, otherwise right after it. `visible` sets both the column's
// visibility and whether the column chooser offers it.

#include <QString>
#include <optional>
#include <vector>

enum class TIzgara {
    Stok,      // stock grid of "Stok Listesi"
    Sepet,     // basket grid
    Yeniler,   // new-products grid
    Kampanyali // campaign grid
};

struct TSutunDegisikligi {
    TIzgara izgara;
    QString alan; // field name of the column
    bool gorunur;
    friend bool operator==(const TSutunDegisikligi&, const TSutunDegisikligi&) = default;
};

// The changes for one user type; an empty switch leaves the control as designed.
struct TKullaniciUyarlamasi {
    std::optional<bool> baskaCariSec;      // `musteritus` "Başka Cari Seç" (hidden as designed)
    std::optional<bool> raporlar;          // menu item "Raporlar" (hidden as designed)
    std::optional<bool> kampanyaliSekmesi; // tab "Kampanyalı Stoklar" (visible as designed)
    std::vector<TSutunDegisikligi> sutunlar;

    std::vector<TSutunDegisikligi> Izgarasi(TIzgara izgara) const; // the column changes of one grid
};

TKullaniciUyarlamasi KullaniciUyarlamasi(int musteriTipi);
