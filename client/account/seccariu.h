#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class TServerMethods1Client;
class TSonucBilgisi;
class TTusSonuclari;
namespace datasnap {
class TClientDataSet;
class TDataSource;
class TDBXReader;
class TSQLConnection;
} // namespace datasnap
namespace grid {
class TVeriIzgarasi;
}

// Customer selection for sales representatives (caption "Cari Seçimi"). Choosing a customer
// writes its number, code and name into `bilgim` in place; the modal result is then Accepted.
// "Vazgeç" ends the whole program. Every remote call is made on `bag` in the plain form: one
// opening attempt, the call, and the connection is closed again.
class Tseccari final : public QDialog {
    Q_OBJECT
public:
    Tseccari(QWidget* sahip, datasnap::TSQLConnection* bag, TSonucBilgisi* bilgim);
    ~Tseccari() override;
    Q_DISABLE_COPY_MOVE(Tseccari)

    // Creates the window owned by `sahip`, writes its counts and runs it modally; the result is
    // Accepted when a customer was chosen.
    static int Ac(QWidget* sahip, datasnap::TSQLConnection* bag, TSonucBilgisi* bilgim);

    void SepetSayisiYaz(); // the basket count on its button
    void TusSonuclari();   // the order-state counts on their buttons

    // Fetches report `raporNo` for customer `cariNo` and opens it from the documents folder.
    void RaporIndir(int raporNo, int cariNo, const QString& satici, double tarih1, double tarih2);

    // Where report `raporNo` of customer `cariNo` is written: "rapor" + (raporNo + cariNo) + ".pdf"
    // in the documents folder.
    static QString RaporDosyasi(int raporNo, int cariNo);

    // The customers shown (the table CARILER).
    const datasnap::TClientDataSet& Cariler() const { return *m_cariler; }

protected:
    void showEvent(QShowEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;

private:
    using TUzakIs = std::function<void(TServerMethods1Client&)>;

    void ArayuzuKur();
    QWidget* UstCubuk();
    QWidget* AltCubuk();
    QGroupBox* BilgiPaneli();
    QPushButton* DurumTusu(const QString& ad, const QString& ipucu, const QString& simge);
    void MenuyuKur();
    void IzgarayiKur();

    bool UzakCagir(const TUzakIs& is);
    void Listele(const std::function<datasnap::TDBXReader*(TServerMethods1Client&)>& getir);
    void AramaAlaninaDon();

    int OdakliSatir() const;
    QString Deger(int satir, QStringView alan) const;
    int CariNo(int satir) const;

    void CariAraGoster();
    void CariSepetListele(int n);
    void CariSec();
    void cxGrid1DBTableView1FocusedRecordChanged();
    void Button2Click();
    void C1Click();
    void CariAlSatTablosuSatcl1Click();
    void CariTopluAlacakVadeleri1Click();

    datasnap::TSQLConnection* m_bag;
    TSonucBilgisi* m_bilgim;
    std::unique_ptr<TTusSonuclari> m_tuslar;
    datasnap::TClientDataSet* m_cariler;
    datasnap::TDataSource* m_kaynak;

    QLineEdit* m_NEdit1 = nullptr;
    QPushButton* m_sBitBtn2 = nullptr;
    QPushButton* m_sepettus = nullptr;
    QPushButton* m_alinditus = nullptr;
    QPushButton* m_onaylanditus = nullptr;
    QPushButton* m_goruldutus = nullptr;
    QPushButton* m_parcalihazirlandi = nullptr;
    QPushButton* m_hazirlanditus = nullptr;
    QPushButton* m_sevktus = nullptr;
    grid::TVeriIzgarasi* m_cxGrid1 = nullptr;
    QGroupBox* m_GroupBox1 = nullptr;
    QMenu* m_PopupMenu1 = nullptr;
    QPushButton* m_Button1 = nullptr;
    QPushButton* m_Button2 = nullptr;
};
