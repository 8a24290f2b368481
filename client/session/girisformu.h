#pragma once

// The login window (caption "Giriş"). It learns the external address from the maker's address
// service, fetches the session record of this computer from the application server, checks the
// typed name and password against it and lets sales staff choose a customer. Modal result
// Accepted: `Bilgim` holds the logged-in session. Every other outcome keeps the window open or
// ends the process.

#include "client/session/disadres.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TSonucBilgisi;
namespace datasnap {
class TSQLConnection;
}
namespace widgets {
class TMesgulGostergesi;
}

class Tgirisform final : public QDialog {
    Q_OBJECT
public:
    // `bagim` and `Bilgim` are the main window's connection and session record, borrowed. The
    // window has no parent window, so it has a task-bar button of its own while the main window is
    // still hidden; its creator owns it.
    Tgirisform(datasnap::TSQLConnection* bagim, TSonucBilgisi* Bilgim);
    ~Tgirisform() override;
    Q_DISABLE_COPY_MOVE(Tgirisform)

    datasnap::TSQLConnection* bagim() const { return m_bagim; }
    TSonucBilgisi* Bilgim() const { return m_Bilgim; }
    const QString& idsi() const { return m_idsi; }
    bool DenemeSuruyor() const { return m_denemeSuruyor; } // a login attempt is running

    // "ayar.ini" in the program's settings folder.
    static QString AyarDosyasiYolu();

signals:
    void denemeBitti(); // an attempt has been decided (the window is idle again, or about to close)

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void KontrolleriKur();
    void SiralamayiKur();
    void FormCreate();
    void AyarOku();
    void AyarKaydet();
    bool adiKeyDown(int tus);
    bool sifreKeyDown(int tus);
    void BosAlanUyarisi(QLineEdit* kutu, const QString& mesaj);
    void Button1Click();
    void Button2Click();
    void Devamet(const QString& adres);
    struct TOturumSonucu;
    static void OturumAl(datasnap::TSQLConnection& kopya, const QString& idsi, const TIptalBayragi& iptal,
                         TOturumSonucu& sonuc);
    void OturumKarari(const TOturumSonucu& sonuc);
    void OturumKarariniUygula();
    void YeniSurumAc();
    void IstekFormuAc(const QString& siteAdresi);
    void CariSecimiAc();
    void Bekleme(bool surer);
    void BostaKal();
    void DenemeyiBitir();

    datasnap::TSQLConnection* m_bagim;
    TSonucBilgisi* m_Bilgim;
    QString m_idsi;
    bool m_baglimi = false;
    bool m_denemeSuruyor = false;
    TIptalBayragi m_iptal;

    QLabel* m_Image1 = nullptr;
    QCheckBox* m_benihatirla = nullptr;
    QLabel* m_Label1 = nullptr;
    QLineEdit* m_adi = nullptr;
    QLabel* m_Label2 = nullptr;
    QLineEdit* m_sifre = nullptr;
    QPushButton* m_Button1 = nullptr;
    widgets::TMesgulGostergesi* m_RxGIFAnimator1 = nullptr;
    QPushButton* m_Button2 = nullptr;
    QLabel* m_RxLabel1 = nullptr;
};
