#pragma once

// The new-version window (caption "Dosya İndir"). Opened by the login when the server reports
// another client version: it downloads the installer from the maker's host with its progress,
// saves it in the local application-data folder, starts it unattended and ends the program. A
// failed transfer or an answer other than 200 is reported and ends the program without starting
// anything. There is no way to skip it: the window cannot be closed by the user.

#include <QDialog>
#include <QLocale>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QProgressBar;

class Tdosyaindir final : public QDialog {
    Q_OBJECT
public:
    // `_y` is the version the server reported.
    static std::unique_ptr<Tdosyaindir> Yeni(QWidget* AOwner, int _y);
    ~Tdosyaindir() override;
    Q_DISABLE_COPY_MOVE(Tdosyaindir)

    bool basladi() const { return m_basladi; }

    // "TevranoSetup.exe" in the user's local (non-roaming) application-data folder.
    static QString HedefDosya();
    // The maker's host, "exe/TevranoSetup.exe".
    static QUrl IndirmeAdresi();
    // "Bilgi: %50.00  İndirilen: 1.00/2.00 Mb": percent, downloaded and total MiB, two decimals
    // with the locale's decimal separator.
    static QString IlerlemeMetni(qint64 AContentLength, qint64 AReadCount, const QLocale& yerel = QLocale());

    // Starts the download the first time the window becomes active; later calls do nothing.
    void FormActivate();

    // The request's headers, as sent.
    static const std::vector<std::pair<std::string, std::string>>& IstekBasliklari();

    void reject() override; // Escape and the close request are ignored

protected:
    bool event(QEvent* olay) override;

private:
    Tdosyaindir(QWidget* AOwner, int _y);
    struct TIndirmeSonucu;
    void Indir();
    static void Getir(const QUrl& adres, const QString& hedef, const QPointer<Tdosyaindir>& pencere,
                      TIndirmeSonucu& sonuc);
    void NetHTTPClient1ReceiveData(qint64 AContentLength, qint64 AReadCount);
    void NetHTTPClient1RequestError(const QString& AError);
    void IndirmeBitti(const TIndirmeSonucu& sonuc);
    void KurulumBaslat(const QString& dosya);

    bool m_basladi = false;
    QLabel* m_sLabel1 = nullptr;
    QLabel* m_bilgi = nullptr;
    QProgressBar* m_ProgressBar1 = nullptr;
};

// Starts the saved installer with its parameters; false when it could not be started. The real
// one starts the file as a detached program. An empty hook restores it (test seam).
using TKurulumBaslatici = std::function<bool(const QString& dosya, const QStringList& parametreler)>;
void KurulumBaslaticisiniAyarla(TKurulumBaslatici baslatici);
