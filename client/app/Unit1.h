#pragma once

// The main window: header, search bar, tab pages, status legend, bottom panel and the general
// menu; the start-up sequence with the login, the adaptation to the user type, the start-up task
// and the exit question. Every tab of the program lives inside it and reaches the server through
// its connection `bagc` and its session record `sbilgi`.

#include "client/app/kullanicitipi.h"
#include "client/app/sekmebasliklari.h"
#include "client/remote/baglantiu.h"
#include "platform/datasnap/connection.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QKeyEvent;
class QPlainTextEdit;
class TCariBakiyeUyarisi;
enum class TStokListesi;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class QVBoxLayout;
namespace datasnap {
class TClientDataSet;
class TDataSource;
struct TDataPacket;
} // namespace datasnap
namespace grid {
class TVeriIzgarasi;
}
namespace widgets {
class TAnimasyonluResim;
class TKayanYazi;
class TMesgulGostergesi;
class TSecenekKutusu;
} // namespace widgets

class TForm1 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* sahip = nullptr);
    ~TForm1() override;
    Q_DISABLE_COPY_MOVE(TForm1)

    // The start-up sequence: titles, the local half of the session, the connection's host and
    // port, the login (GirisYap) and the start of the start-up task. Returns with a logged-in
    // session, or ends the process. The window is shown by the caller afterwards.
    void FormCreate();
    void GirisYap();
    void AnaBilgiAl();       // the header labels from the session
    void CariSecimiGoster(); // "Başka Cari Seç": the customer selection and its follow-up
    void G1Click();          // "Çıkış": closes the window, which asks first
    void SepetYenile();      // reloads the basket from the server, then its caption and totals

    // Product search. "Ara" (and Enter in the search box) starts a search when the box is
    // enabled; "Temizle" empties the list, its filters and the box unless a search runs.
    void SpeedButton2Click();
    void SpeedButton1Click();
    grid::TVeriIzgarasi* StokIzgarasi() const { return cxGrid1; }
    datasnap::TClientDataSet* StokVerisi() const { return stok; }

    // What the background half of a search works with; filled on the user-interface thread.
    struct TStokArama {
        std::shared_ptr<const datasnap::TSQLConnection> baglanti;
        std::unique_ptr<TSonucBilgisi> oturum;
        QString metin;
        std::unique_ptr<datasnap::TDataPacket> paket;
    };
    // The background half: the remote call on a copy of the connection. True when it failed.
    static bool AramaYap(TStokArama& arama);

    // Adding an item to the basket. A double-click in the stock grid (or "Sepete Ekle") opens the
    // item dialog for the focused item: for its basket line when the basket has one, otherwise
    // for a new line.
    void cxGrid1DBTableView1DblClick();
    void S2Click();
    // The same choice for a row of one of the item lists (`liste` positioned on it).
    void ListedenSepeteEkle(grid::TVeriIzgarasi* izgara, datasnap::TClientDataSet* liste, TStokListesi tur);
    void StokSepeteEkle(int stokno);
    void YeniSepeteEkle(int stokno);
    void KampanyaliSepeteEkle(int stokno);
    void SepetSatiriDuzenle(int sirano);
    void SepetSatiriEkle(const datasnap::TClientDataSet& liste, int miktar, double birimFiyat);
    void SepetSatiriGuncelle(int sirano, int miktar, double birimFiyat);

    // The basket tab.
    void ssepetShow(); // the tab is shown: warning, basket, delivery and cargo choices
    void SepetToplamlari();
    bool SecimGonder(int sirano, int secim); // false when the mark could not be stored
    void Button4Click();                     // "Hepsini Seç"
    void Button5Click();                     // "Seçimleri Kaldır"
    void Deitir1Click();                     // "Satır Değiştir" and a double-click in the basket grid
    void SatrSil1Click();                    // "Satır Sil"
    void HepsiniSil1Click();                 // "Hepsini Sil"
    void Button2Click();                     // "Excel Kaydet"
    void CariBakiyeUyariBak();               // starts the overdue-balance warning's fetch
    grid::TVeriIzgarasi* SepetIzgarasi() const { return cxGrid2; }
    datasnap::TClientDataSet* SepetVerisi() const { return sepet; }
    TCariBakiyeUyarisi* BakiyeUyarisi() const { return m_bakiyeUyarisi; }

    // The order panel.
    void TeslimKargoYukle();
    void boxkargoClick();
    void KargolariYukle(int kargoTuru);
    void kargocomboChange();
    void Button1Click(); // "Gönder"
    bool SiparisGonder(int kargoNo, int kargoTuru, int teslim);

    datasnap::TSQLConnection& bagc() { return m_bagc; }
    TSonucBilgisi& sbilgi() { return m_sbilgi; }
    int acilisadet() const { return _acilisadet; }
    bool acilisgoruldu() const { return _acilisgoruldu; }

    // Tab pages and the place where each tab's content goes.
    QWidget* SekmeSayfasi(TSekme sekme) const;
    QVBoxLayout* SekmeDuzeni(TSekme sekme) const;

    // Caption writers: the count and the tab's name (4=Sepet), or the design-time caption.
    void SekmeSayisiYaz(TSekme sekme, int adet);
    void SekmeSayisiYaz(TSekme sekme, double adet);
    void SekmeBasliginiGeriAl(TSekme sekme);
    QString SekmeBasligi(TSekme sekme) const;

    // The counter row of BalonGetir, read by position: basket, new products, campaign products,
    // announcements (integers), open back-order balances (floating point).
    void BalonSatiriYaz(const QList<QVariant>& satir);

    // The user-type adaptation made at login (empty before it).
    const TKullaniciUyarlamasi& Uyarlama() const { return m_uyarlama; }
    // A grid's hook for its column changes: `uygulayici(field, visible)` receives each change of
    // `izgara`, now when the login is done, otherwise right after the adaptation.
    using TSutunUygulayici = std::function<void(const QString& alan, bool gorunur)>;
    void SutunUygulayicisiEkle(TIzgara izgara, TSutunUygulayici uygulayici);

    // What one step of the start-up task works with. The steps run one after another on a
    // worker; they reach the window only through Pencerede.
    struct TAcilisBaglami {
        QPointer<TForm1> form;
        std::shared_ptr<const datasnap::TSQLConnection> baglanti; // copy of bagc; each call copies it again
        // Runs `is` on the user-interface thread with the window, if it still exists, and waits.
        void Pencerede(const std::function<void(TForm1&)>& is) const;
    };
    using TAcilisAdimi = void (*)(const TAcilisBaglami&);
    static const std::vector<TAcilisAdimi>& AcilisAdimlari();
    static void AnaBilgiAlAdimi(const TAcilisBaglami& b);
    static void BalonYaz(const TAcilisBaglami& b);

signals:
    void acilisGoreviBitti(); // the start-up task and its continuation have run

protected:
    void closeEvent(QCloseEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void PencereyiKur();
    QWidget* BaslikPaneliKur();
    QWidget* AramaCubuguKur();
    QWidget* SekmeleriKur();
    QWidget* LejantKur();
    QWidget* AltPaneliKur();
    void GenelMenuyuKur();
    void KullaniciTipineUyarla(int musteriTipi);
    void AcilisGoreviniBaslat();
    void AcilisGorevBitti();
    void AcilisReklamGoster();
    bool FormCloseQuery();
    void musteritusClick();
    void StokIzgarasiKur();
    bool araeditKeyPress(const QString& yazi); // true when the key was handled here
    void AramaBaslat();
    void AramaBitti(TStokArama& arama, bool hata);
    bool StokYukle(const datasnap::TDataPacket& paket);
    void cxGrid1Resize();
    void SepetSekmesiKur();
    QWidget* SecimCubuguKur(QWidget* sahip);
    QWidget* SiparisPaneliKur(QWidget* sahip);
    QWidget* ToplamlarKur(QWidget* sahip);
    void cxGrid2Resize();
    bool SepetiYukle(bool mesaj);
    void HepsiniIsaretle(int secim);
    void AramaKutusunaDon();
    bool SiparisiOnayla();
    void YeniSatirIste(const datasnap::TClientDataSet& liste, TStokListesi tur, int stokno);
    void SecimSaklanamadi();
    bool SatiriIsaretle(int sirano, int secim);

    datasnap::TSQLConnection m_bagc;
    TSonucBilgisi m_sbilgi;
    int _acilisadet = 0;
    bool _acilisgoruldu = false;
    QPointer<QWidget> benimbakiyesiparisler;
    TKullaniciUyarlamasi m_uyarlama;
    bool m_uyarlandi = false;
    std::multimap<TIzgara, TSutunUygulayici> m_sutunUygulayicilari;

    // In-memory tables of the tabs.
    datasnap::TClientDataSet* stok = nullptr;
    datasnap::TClientDataSet* sepet = nullptr;
    datasnap::TClientDataSet* kargo = nullptr;
    datasnap::TClientDataSet* ONCEKILER = nullptr;
    datasnap::TClientDataSet* EKSTRE = nullptr;
    datasnap::TClientDataSet* YENILER = nullptr;
    datasnap::TClientDataSet* kampstok = nullptr;
    datasnap::TDataSource* stokkaynak = nullptr;
    datasnap::TDataSource* sepetkaynak = nullptr;
    grid::TVeriIzgarasi* cxGrid1 = nullptr; // the stock grid
    grid::TVeriIzgarasi* cxGrid2 = nullptr; // the basket grid

    // The basket tab.
    QPushButton* Button4 = nullptr; // "Hepsini Seç"
    QPushButton* Button5 = nullptr; // "Seçimleri Kaldır"
    QLabel* lbluyarbakiye = nullptr;
    TCariBakiyeUyarisi* m_bakiyeUyarisi = nullptr;
    widgets::TSecenekKutusu* teslimbox = nullptr;
    widgets::TSecenekKutusu* boxkargo = nullptr;
    QComboBox* kargocombo = nullptr;
    QLabel* uyarikargo = nullptr;
    QPlainTextEdit* aciklamagir = nullptr;
    QLabel* aratoplaml = nullptr;
    QLabel* indiriml = nullptr;
    QLabel* nettutarl = nullptr;
    QLabel* vergil = nullptr;
    QLabel* geneltoplaml = nullptr;
    QPushButton* Button1 = nullptr; // "Gönder"
    QPushButton* Button2 = nullptr; // "Excel Kaydet"

    QLabel* kullanicilbl = nullptr;
    QLabel* cariadilbl = nullptr;
    QLabel* saticilbl = nullptr;
    widgets::TAnimasyonluResim* RxGIFAnimator1 = nullptr; // header banner
    QToolButton* genelmenutus = nullptr;
    QMenu* Genelmenu = nullptr;
    QAction* M1 = nullptr;
    QAction* N4 = nullptr;
    QAction* websitesi1 = nullptr;
    QAction* G1 = nullptr;
    QAction* R1 = nullptr;
    QLineEdit* araedit = nullptr;
    QPushButton* SpeedButton2 = nullptr; // "Ara"
    QPushButton* SpeedButton1 = nullptr; // "Temizle"
    QPushButton* musteritus = nullptr;
    // Busy indicators, hidden at rest and turning while shown.
    widgets::TMesgulGostergesi* gifstokara = nullptr;
    widgets::TMesgulGostergesi* gifyeniler = nullptr;
    widgets::TMesgulGostergesi* gifkampanyali = nullptr;
    widgets::TMesgulGostergesi* gifduyuru = nullptr;
    widgets::TMesgulGostergesi* gifoncekiler = nullptr;
    widgets::TMesgulGostergesi* gifekstre = nullptr;
    widgets::TAnimasyonluResim* RxGIFAnimator2 = nullptr; // upper banner strip
    QTabWidget* sPageControl1 = nullptr;
    std::map<TSekme, QWidget*> m_sayfalar;
    std::map<TSekme, QVBoxLayout*> m_duzenler;
    QWidget* Panel5 = nullptr;
    widgets::TKayanYazi* kayanyazi = nullptr;        // the ticker
    widgets::TKayanYazi* RealTimeMarquee1 = nullptr; // the scrolling lower banner
    QLabel* Image3 = nullptr;                        // holds the lower banner's picture
};
