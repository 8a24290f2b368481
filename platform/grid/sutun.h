#pragma once

#include "platform/grid/simgeharitasi.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QVariant>
#include <functional>

class QPainter;

namespace datasnap {
class TClientDataSet;
}

namespace grid {

// How a column shows its field.
enum class TSutunTuru {
    Yazi,        // one line of text, elided
    SarilanYazi, // text wrapped at word boundaries
    Not,         // multi-line text: line breaks kept, wrapped
    Sayi,        // the data set's display text (display format), right-aligned
    Tarih,       // the data set's date text
    OnayKutusu,  // a check box: ticked for a true or non-zero value
    Simge,       // an icon (and optionally a word) chosen by value from the column's map
    Resim,       // picture bytes (JPEG, PNG, GIF, bitmap) drawn scaled into the cell
};

// One cell as the hooks of a column see it: the record and the grid row it stands in.
struct THucre {
    const datasnap::TClientDataSet* veri = nullptr;
    int kayit = -1; // the record's row in the data set
    int satir = -1; // the row's position in the grid (0 = first row shown)
    QVariant deger; // the column's own value; invalid when the field is absent

    QVariant Deger(QStringView alan) const; // another field of the same record
    QString Yazi(QStringView alan) const;   // its display text
};

// What a custom drawing hook paints into.
struct THucreBoyasi {
    QRect alan; // the cell rectangle
    bool secili = false;
    QColor zemin; // the colour the row would have (selected, odd or even)
    QColor yaziRengi;
    QFont yaziTipi;
};

// Computes a column's text (unbound or calculated columns); also used by filters, best fit
// and the export.
using TMetinVerici = std::function<QString(const THucre&)>;
// Paints a cell itself; returns true when the cell is complete (the grid draws nothing more).
using THucreCizici = std::function<bool(QPainter&, const THucreBoyasi&, const THucre&)>;

// A column of a grid, configured in code. A column whose field is absent from the data set
// shows empty cells.
struct TSutun {
    QString alan{};       // field name; also the column's name
    QString baslik{};     // caption; empty shows the field name
    bool gorunur = true;  // shown
    bool secicide = true; // offered in the column chooser
    int agirlik = 1;      // share in the proportional widths (the column's Tag)
    TSutunTuru tur = TSutunTuru::Yazi;
    Qt::Alignment hiza{};      // horizontal alignment; none = numbers right, others left
    int genislik = 0;          // width in pixels; 0 = the grid's default
    int enAzGenislik = 0;      // never narrower than this
    bool suzgec = true;        // has a header filter button (when the grid shows them)
    TSimgeHaritasi simgeler{}; // for TSutunTuru::Simge
    TMetinVerici metin{};      // optional text of the cell instead of the field's
    THucreCizici ciz{};        // optional custom drawing

    QString Baslik() const { return baslik.isEmpty() ? alan : baslik; }
};

// A footer figure: the number of rows or the sum of a field, shown under a column.
enum class TOzetTuru { Sayi, Toplam };

struct TOzet {
    QString alan{}; // field that is summed (for Sayi: the column it stands under)
    TOzetTuru tur = TOzetTuru::Sayi;
    QString sutun{}; // column it is shown under; empty = `alan`
    QString bicim{}; // number format ("#,###,##0.00"); empty = the field's display format

    QString Sutun() const { return sutun.isEmpty() ? alan : sutun; }
};

} // namespace grid
