#pragma once

#include "platform/datasnap/datasource.h"
#include "platform/grid/sutun.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

class QMenu;
class QScrollBar;
class QTableView;
class QModelIndex;
class QAbstractItemModel;

namespace grid {

class TSutunModeli;
class TSuzgecModeli;
class TGrupModeli;
class TTablo;
class TBaslik;
class TAltBilgi;
class TSuzgecPenceresi;

// One entry of a header filter's list: the key the filter compares and the text it shows.
struct TSuzgecDegeri {
    QString anahtar;
    QString etiket;
};

// The data-bound grid: a read-only table view over a data source, configured by a column list.
// It offers header filters, a quick column chooser, footer figures, grouping with group footers,
// incremental search, best fit, proportional widths, custom cell drawing and Excel export, and
// keeps its focused row and the data set's cursor in step.
class TVeriIzgarasi final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVeriIzgarasi)
public:
    struct TRenkler {
        QColor ciftSatir{239, 239, 239}; // rows at even positions (the first row is 0) and the background
        QColor tekSatir{255, 255, 255};  // rows at odd positions
        QColor secili{210, 240, 249};    // the focused row
        QColor seciliYazi{0, 0, 0};
        QColor yazi{0, 0, 0};
        QColor baslik{128, 128, 128};
        QColor baslikYazi{255, 255, 255};
        QColor gosterge{66, 66, 66}; // row indicator
        QColor cizgi{255, 255, 255}; // grid lines
        QColor grupBasligi{214, 219, 224};
        QColor altBilgi{226, 226, 226}; // footer and group footers
    };

    // Rows best fit measures besides the visible ones.
    static constexpr int EnIyiOrnekSatirSayisi = 200;

    explicit TVeriIzgarasi(QWidget* sahip = nullptr);
    ~TVeriIzgarasi() override;

    // --- Columns ----------------------------------------------------------------------------
    void SetSutunlar(std::vector<TSutun> sutunlar); // replaces the columns; clears filters and groups
    int SutunSayisi() const { return static_cast<int>(m_sutunlar.size()); }
    const TSutun& SutunAt(int i) const { return m_sutunlar.at(i); }
    int SutunIndeksi(QStringView alan) const; // case-insensitive; -1 when absent
    const TSutun* Sutun(QStringView alan) const;
    QStringList GorunurSutunlar() const; // field names of the shown columns, left to right

    void SetSutunGorunur(QStringView alan, bool gorunur);
    bool SutunGorunur(QStringView alan) const;
    void SetSutunSecicide(QStringView alan, bool secicide);
    bool SutunSecicide(QStringView alan) const;
    // Shows or hides a column and offers it in the chooser or not (adapting to the user type).
    void SutunuAyarla(QStringView alan, bool gorunur, bool secicide);
    void SetSutunGenisligi(QStringView alan, int genislik);
    int SutunGenisligi(QStringView alan) const;
    void SetSutunCizici(QStringView alan, THucreCizici ciz);
    void SetSutunMetni(QStringView alan, TMetinVerici metin);

    // --- Data ------------------------------------------------------------------------------
    void SetVeriKaynagi(datasnap::TDataSource* kaynak);
    datasnap::TDataSource* VeriKaynagi() const;
    // The bound data set while it is attached and open; nullptr otherwise.
    datasnap::TClientDataSet* Veri() const;
    // Detach during a load: the grid shows no rows and reads nothing until it is attached again.
    void VeriKaynaginiAyir();
    void VeriKaynaginaBagla();
    bool Bagli() const;
    // Hold painting (nested); the last end repaints once.
    void GuncellemeBaslat();
    void GuncellemeBitir();
    bool Guncelleniyor() const { return m_guncelleme > 0; }

    int SatirSayisi() const;                  // data rows after the filters (also in closed groups)
    std::vector<int> GorunenKayitlar() const; // their records in the grid's order, groups open

    // --- Focus -----------------------------------------------------------------------------
    int OdakliKayit() const;      // record (data-set row) of the focused row; -1 for none
    QString OdakliSutun() const;  // field of the focused column; empty for none
    bool KaydaOdaklan(int kayit); // false when the record is not shown

    // --- Look and behaviour ------------------------------------------------------------------
    void SetSatirSecimi(bool tumSatir); // whole rows (default) or single cells
    void SetSatirYuksekligi(int piksel);
    int SatirYuksekligi() const;
    void SetBaslikYuksekligi(int piksel);
    int BaslikYuksekligi() const;
    void SetBaslikGorunur(bool gorunur);
    void SetGostergeGenisligi(int piksel); // row indicator; 0 hides it
    void SetRenkler(const TRenkler& renkler);
    const TRenkler& Renkler() const { return m_renkler; }
    void SetYaziTipi(const QFont& yaziTipi);
    void SetBaslikYaziTipi(const QFont& yaziTipi);
    void SetIzgaraCizgileri(bool goster);
    bool IzgaraCizgileri() const { return m_cizgiler; }
    void SetPikselKaydirma(bool piksel);
    void SetSutunBoyutlanabilir(bool boyutlanabilir); // the user may drag column widths
    // Columns fitted to the grid width: the visible columns keep their proportions and share
    // the view's whole width, on every change of size.
    void SetGenisligeSigdir(bool acik);
    bool GenisligeSigdiriliyor() const { return m_genisligeSigdir; }
    void SetSiralanabilir(bool siralanabilir); // sorting by a header click
    void SetArtimliArama(bool acik);
    bool ArtimliArama() const { return m_artimliArama; }
    void SetSuzgecDugmeleri(bool goster);
    bool SuzgecDugmeleri() const { return m_suzgecDugmeleri; }
    bool SuzgecDugmesiVar(int sutun) const;
    void SetSutunSecici(bool acik);  // the quick chooser on the header's context menu
    void SetAcilirMenu(QMenu* menu); // shown on a right click on a row

    // --- Header filters ----------------------------------------------------------------------
    // The distinct values of a column among the rows that the other filters let through, in
    // sort order.
    QList<TSuzgecDegeri> SuzgecDegerleri(QStringView alan) const;
    void SetSuzgec(QStringView alan, const QStringList& anahtarlar); // empty list clears it
    QStringList Suzgec(QStringView alan) const;
    void SuzgecleriTemizle();
    bool SuzgecVar() const;
    void SuzgecPenceresiniAc(QStringView alan); // the popup of a header filter button

    // --- Column chooser ----------------------------------------------------------------------
    // A menu of the chooser's columns with check marks; rebuilt on each call, owned by the grid.
    QMenu* SutunSecimMenusu();
    void SutunSeciciyiGoster(const QPoint& ekranNoktasi);

    // --- Footers and groups ------------------------------------------------------------------
    void SetAltOzetler(const QList<TOzet>& ozetler);
    void SetAltBilgiGorunur(bool gorunur);
    bool AltBilgiGorunur() const;
    QString AltOzetYazisi(int i) const;
    double AltOzetDegeri(int i) const;
    // The footer figures shown now: for each, the column index it stands under and its text.
    QList<QPair<int, QString>> AltBilgiYazilari() const;

    void Gruplandir(QStringView alan); // groups rows by a column (ascending); the column is hidden
    void GruplamayiKaldir();
    QString GrupAlani() const;
    void SetGrupOzetleri(const QList<TOzet>& ozetler); // figures of each group's footer row
    void GruplariDaralt();
    void GruplariAc();
    int GrupSayisi() const;
    bool GrupAcik(int grup) const;
    QString GrupBasligi(int grup) const;
    QString GrupOzetYazisi(int grup, int ozet) const;

    // --- Layout ----------------------------------------------------------------------------
    // Widths of the visible columns by weight for a grid `genislik` pixels wide (the grid's own
    // width by default); returns false and keeps the widths when the visible weights sum to 0.
    bool SutunlariOrantila(int genislik = -1);
    // Fits the visible columns (or one) to their captions and to the contents of the visible
    // rows and the first EnIyiOrnekSatirSayisi rows.
    void EnIyiSigdir();
    void EnIyiSigdir(QStringView alan);

    // --- Export ----------------------------------------------------------------------------
    // Writes the rows the grid holds (after its filters, in its order, groups open) and its
    // visible columns to an .xlsx file: captions as the first row, numbers as numbers, dates as
    // Excel dates, group rows and footers as text and numbers. On failure returns false, leaves
    // any existing file unchanged and describes the cause in `hata`.
    bool ExcelKaydet(const QString& dosyaYolu, QString* hata = nullptr) const;

    // --- Parts -----------------------------------------------------------------------------
    QTableView* Tablo() const;
    QColor SatirZemini(int satir, bool secili) const;
    THucre Hucre(const QModelIndex& indeks) const; // an index of Tablo()'s model
    int Kayit(const QModelIndex& indeks) const;    // its record; -1 for group rows
    void GrupDegistir(int satir);

signals:
    void OdakDegisti(int kayit); // the focused record changed (-1 = none)
    void CiftTiklandi(int kayit);
    void EnterBasildi(int kayit);
    void Boyutlandi();
    void SuzgecDegisti();
    void SutunGorunurluguDegisti(const QString& alan, bool gorunur);

protected:
    void resizeEvent(QResizeEvent* olay) override;

private:
    friend class TTablo;
    friend class TBaslik;
    void UygulaSutunlari();
    void OzetleriHesapla(); // marks the footer figures out of date
    void OzetleriGuncelle() const;
    std::vector<QString> GrupOzetleriHesapla(const std::vector<int>& kayitlar) const;
    void OdagiVeriyeUydur();
    void GorunumOdagiDegisti(const QModelIndex& simdiki);
    void VeriImleciKaydi(int kayit);
    void KapsamlariKur();
    void SuzgecSutunu(int sutun, const QSet<QString>& anahtarlar);
    int SutunGenisligiOlc(int sutun) const;
    void SutunGenisligiUygula(int sutun, int genislik);
    void GenisligeSigdirGerekirse();
    void Yenile();
    void GorunumModeliniKur(QAbstractItemModel* model);
    void ModelBaglantilariniKur();

    std::vector<TSutun> m_sutunlar;
    std::unique_ptr<TSutunModeli> m_sutunModeli;
    std::unique_ptr<TSuzgecModeli> m_suzgecModeli;
    std::unique_ptr<TGrupModeli> m_grupModeli;
    QPointer<datasnap::TDataSource> m_kaynak;
    QPointer<datasnap::TClientDataSet> m_izlenenVeri;
    QMetaObject::Connection m_imlecBaglantisi;
    QList<QMetaObject::Connection> m_modelBaglantilari;
    TTablo* m_tablo = nullptr;
    TAltBilgi* m_altBilgi = nullptr;
    QScrollBar* m_yatayCubuk = nullptr;
    QPointer<QMenu> m_acilirMenu;
    QMenu* m_seciciMenusu = nullptr;
    TSuzgecPenceresi* m_suzgecPenceresi = nullptr;
    TRenkler m_renkler;
    QList<TOzet> m_altOzetler;
    QList<TOzet> m_grupOzetleri;
    // Footer figures, worked out when first read after a change (an edit loop costs one pass).
    mutable std::vector<QString> m_altYazilar;
    mutable std::vector<double> m_altDegerler;
    mutable bool m_ozetlerGecerli = false;
    QString m_grupAlani;
    int m_guncelleme = 0;
    int m_odakliKayit = -1;
    bool m_odakEsleniyor = false;
    bool m_cizgiler = true;
    bool m_artimliArama = true;
    bool m_suzgecDugmeleri = true;
    bool m_sutunSecici = true;
    bool m_genisligeSigdir = false;
    bool m_sigdiriliyor = false;
    std::vector<int> m_temelGenislikler; // widths the fitted layout keeps the proportions of
};

// Holds a grid detached and its painting held while a data set is refilled on the UI thread.
class TYuklemeKilidi final {
public:
    explicit TYuklemeKilidi(TVeriIzgarasi& izgara)
        : m_izgara(izgara) {
        m_izgara.GuncellemeBaslat();
        m_izgara.VeriKaynaginiAyir();
    }
    ~TYuklemeKilidi() {
        m_izgara.VeriKaynaginaBagla();
        m_izgara.GuncellemeBitir();
    }
    TYuklemeKilidi(const TYuklemeKilidi&) = delete;
    TYuklemeKilidi& operator=(const TYuklemeKilidi&) = delete;

private:
    TVeriIzgarasi& m_izgara;
};

} // namespace grid
