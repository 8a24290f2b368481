#pragma once

// The item dialog "Sepete Ekle": an item's codes, picture, prices and the total for the chosen
// quantity, filled from a row of a product list or from a basket line.

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace datasnap {
class TClientDataSet;
class TSQLConnection;
} // namespace datasnap

namespace widgets {
class TParaKutusu;
class TSayiKutusu;
} // namespace widgets

// The list an item row comes from.
enum class TStokListesi { Stok, Yeniler, Kampanyali };

class Tstokayarinti final : public QDialog {
    Q_OBJECT
public:
    explicit Tstokayarinti(QWidget* sahip); // centred on `sahip`'s window when shown
    ~Tstokayarinti() override;
    Q_DISABLE_COPY_MOVE(Tstokayarinti)

    // Fills the dialog from the row under the cursor of `liste` (stok, YENILER or kampstok);
    // `musteriTipi` decides whether `birimfiyat` is editable.
    void ListeSatiriniGoster(const datasnap::TClientDataSet& liste, TStokListesi tur, int musteriTipi);
    // Fills the dialog from the basket line under the cursor of `sepet`.
    void SepetSatiriniGoster(const datasnap::TClientDataSet& sepet);

    QLabel* Image1() const; // the picture area
    // The quantity: once confirmed, the one confirmed; before, the box's text read as a number
    // (unreadable: 1).
    int Miktar() const;
    double BirimFiyat() const;          // the unit price box's value
    bool BirimFiyatDegisebilir() const; // the user may change the unit price in this flow

    // The numbers held beside the controls (never sent anywhere).
    double KdvliFiyat() const { return kdvlifiyat; }
    double KdvOran() const { return kdvoran; }
    std::array<double, 4> Indirimler() const { return {ind1, ind2, ind3, ind4}; }

protected:
    void showEvent(QShowEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    bool event(QEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void Kur();
    QWidget* UstPanelKur();
    QWidget* AltPanelKur();
    void Ortala();
    void AdediSec();
    void TutariHesapla();
    void Onayla(int miktar);
    void OnaylamayiDene();
    bool adetKeyPress(QKeyEvent* olay);
    int YaziliMiktar(bool* okundu) const;
    void DegerleriYaz(double fiyat, double net, double kdvDahil);

    QLabel* barkod = nullptr;
    QLabel* adi = nullptr;
    QLabel* finishkod = nullptr;
    QLabel* marka = nullptr;
    QLabel* model = nullptr;
    QLabel* image1 = nullptr;
    widgets::TSayiKutusu* adet = nullptr;
    QLabel* Label2 = nullptr;
    widgets::TParaKutusu* birimfiyat = nullptr;
    QLabel* indirimoran = nullptr;
    widgets::TParaKutusu* indtutar = nullptr;
    widgets::TParaKutusu* kdvdahiltutar = nullptr;
    widgets::TParaKutusu* geneltutar = nullptr;
    QPushButton* siparisEkle = nullptr;
    QPushButton* vazgec = nullptr;

    double kdvlifiyat = 0;
    double kdvoran = 0;
    double ind1 = 0;
    double ind2 = 0;
    double ind3 = 0;
    double ind4 = 0;
    int m_onaylananMiktar = 0; // 0 until the dialog is confirmed
};

// Loads the picture of item `stokno` into `resim` through ResimVer5 on the main connection `bagc`,
// opened (with the connection message on failure) and closed here. No picture and no message for
// an item without one or a transfer cut short; any other error is shown in a plain message box as
// the error's class name, ": " and its text. `resim` is left empty unless a picture arrives.
void StokResmiGoster(datasnap::TSQLConnection& bagc, int stokno, QLabel* resim);
