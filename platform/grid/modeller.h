#pragma once

// The model chain of a grid: the data source's fields → the grid's columns → filter and sort →
// groups. Each layer is a Qt model; the view shows the last one.

#include "platform/datasnap/datasource.h"
#include "platform/grid/sutun.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>
#include <QPointer>
#include <QSet>
#include <QSortFilterProxyModel>
#include <functional>
#include <map>
#include <vector>

namespace grid {

enum TRol : int {
    DegerRolu = Qt::UserRole + 100, // the field's raw value
    SuzgecAnahtariRolu,             // what a header filter compares
    SuzgecEtiketiRolu,              // how a header filter lists it
    KayitRolu,                      // the record's row in the data set
    SatirTuruRolu,                  // TSatirTuru of a row of the last layer
    GrupAcikRolu,                   // a group header: whether the group is open
};

enum class TSatirTuru { Veri, GrupBasligi, GrupAltligi };

// Orders values as a sort does: NULL first, numbers by value, texts by the user's collation.
bool DegerKucuk(const QVariant& a, const QVariant& b);
// The text a value is known by in filters and groups.
QString AnahtarYazisi(const QVariant& deger);
// Whether a check-box value counts as ticked.
bool Isaretli(const QVariant& deger);

// The grid's columns over the fields of a data source; a column whose field is absent is empty.
class TSutunModeli final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TSutunModeli(const std::vector<TSutun>& sutunlar, QObject* sahip = nullptr);

    void SetKaynak(datasnap::TDataSource* kaynak);
    datasnap::TDataSource* Kaynak() const { return m_kaynak; }
    // The data set while it is shown (attached), else nullptr.
    const datasnap::TClientDataSet* Veri() const;
    // Replaces the column list through `degistir`, announced as one reset.
    void SutunlariDegistir(const std::function<void()>& degistir);

    int AlanSutunu(int sutun) const { return sutun >= 0 && sutun < int(m_alanlar.size()) ? m_alanlar[sutun] : -1; }
    THucre Hucre(int kayit, int sutun) const;
    QString Metin(int kayit, int sutun) const;

    int rowCount(const QModelIndex& ust = {}) const override;
    int columnCount(const QModelIndex& ust = {}) const override;
    QVariant data(const QModelIndex& indeks, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol = Qt::DisplayRole) const override;

private:
    void AlanlariEsle();
    void Sifirla();
    QVariant Deger(int kayit, int sutun) const;
    QVariant Resim(int kayit, int sutun) const;
    Qt::Alignment Hiza(int sutun) const;

    const std::vector<TSutun>& m_sutunlar;
    QPointer<datasnap::TDataSource> m_kaynak;
    std::vector<int> m_alanlar;
    mutable QHash<qint64, QPixmap> m_resimler;
    QList<QMetaObject::Connection> m_baglantilar;
};

// Header filters (per column a set of allowed keys) and sorting by raw values.
class TSuzgecModeli final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit TSuzgecModeli(QObject* sahip = nullptr);

    void SetSuzgec(int sutun, const QSet<QString>& anahtarlar); // empty removes the column's filter
    QSet<QString> Suzgec(int sutun) const { return m_suzgecler.value(sutun); }
    void SuzgecleriTemizle();
    bool SuzgecVar() const { return !m_suzgecler.isEmpty(); }
    // Whether a source row passes every filter except that of `haric`.
    bool SatirGeciyor(int kaynakSatir, int haric) const;

protected:
    bool filterAcceptsRow(int kaynakSatir, const QModelIndex& ust) const override;
    bool lessThan(const QModelIndex& sol, const QModelIndex& sag) const override;

private:
    QHash<int, QSet<QString>> m_suzgecler;
};

// A group of rows with the same value in the grouping column.
struct TGrup {
    QVariant deger;
    QString anahtar;
    QString yazi;                 // header text
    std::vector<int> satirlar;    // rows of the filter layer
    std::vector<int> kayitlar;    // the same rows as records of the data set
    std::vector<QString> ozetler; // footer text per column
    bool acik = true;
};

// Rows grouped by one column, with a header and a footer row per group; without a grouping
// column it passes the rows through unchanged.
class TGrupModeli final : public QAbstractTableModel {
    Q_OBJECT
public:
    // Footer texts per column for the records of one group.
    using TOzetHesabi = std::function<std::vector<QString>(const std::vector<int>& kayitlar)>;

    explicit TGrupModeli(TSuzgecModeli* kaynak, QObject* sahip = nullptr);

    void SetGrupSutunu(int sutun, const QString& baslik); // -1 = not grouped
    int GrupSutunu() const { return m_grupSutunu; }
    void SetOzetHesabi(TOzetHesabi hesap);
    void GruplariAc(bool acik);
    void GrupDegistir(int satir); // opens or closes the group of a header row
    const std::vector<TGrup>& Gruplar() const { return m_gruplar; }
    void Yenile();

    TSatirTuru Tur(int satir) const;
    int SuzgecSatiri(int satir) const; // -1 for group rows
    int Kayit(int satir) const;        // record in the data set; -1 for group rows
    int SatirBul(int kayit) const;     // the row showing a record; -1 when hidden
    int BaslikSatiri(int kayit) const; // the header row of a record's group; -1 when none

    int rowCount(const QModelIndex& ust = {}) const override;
    int columnCount(const QModelIndex& ust = {}) const override;
    QVariant data(const QModelIndex& indeks, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indeks) const override;
    void sort(int sutun, Qt::SortOrder sira = Qt::AscendingOrder) override;

private:
    struct TYer {
        TSatirTuru tur;
        int grup;
        int suzgecSatiri;
    };
    bool Gruplu() const { return m_grupSutunu >= 0; }
    void GruplariKur();
    void SatirlariDiz();
    int KayitOf(int suzgecSatiri) const;

    TSuzgecModeli* m_kaynak;
    int m_grupSutunu = -1;
    QString m_grupBasligi;
    TOzetHesabi m_ozetHesabi;
    std::vector<TGrup> m_gruplar;
    std::vector<TYer> m_yerler;
    std::vector<int> m_kayittanSatira;
    QHash<QString, bool> m_acikDurumlar;
};

} // namespace grid
