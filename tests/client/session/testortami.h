#pragma once

// What the window tests share: a fake computer for the login, the deployment values pointed at a
// test server, and the seams of messages, modal windows and process termination answered and
// recorded so that no test blocks or exits.

#include "client/app/yayin.h"
#include "client/remote/baglanti.h"
#include "client/remote/utils.h"
#include "platform/system/sistem.h"
#include "platform/tasks/gorev.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

// A computer whose first disk reports `seriNo`: the machine identifier the login sends.
class TSahteMakine {
public:
    explicit TSahteMakine(const QString& seriNo) {
        const QString disk = m_kok.filePath(QStringLiteral("block/sda"));
        QDir().mkpath(disk + QStringLiteral("/device"));
        Yaz(disk + QStringLiteral("/device/serial"), seriNo);
        Yaz(disk + QStringLiteral("/removable"), QStringLiteral("0"));
        KimlikKaynaklari kaynaklar;
        kaynaklar.sistemKoku = m_kok.path();
        kaynaklar.udevVeriKoku = m_kok.filePath(QStringLiteral("udev"));
        KimlikKaynaklariniAyarla(kaynaklar);
    }
    ~TSahteMakine() { KimlikKaynaklariniAyarla({}); }
    TSahteMakine(const TSahteMakine&) = delete;
    TSahteMakine& operator=(const TSahteMakine&) = delete;

private:
    static void Yaz(const QString& yol, const QString& metin) {
        QFile dosya(yol);
        dosya.open(QIODevice::WriteOnly);
        dosya.write(metin.toUtf8() + '\n');
    }
    QTemporaryDir m_kok;
};

// Runs the real login window: types the name and password and presses Enter once it is shown.
inline int GirisiYaz(QDialog* pencere, const QString& ad, const QString& sifre) {
    QTimer::singleShot(0, pencere, [pencere, ad, sifre] {
        auto* adi = pencere->findChild<QLineEdit*>(QStringLiteral("adi"));
        auto* parola = pencere->findChild<QLineEdit*>(QStringLiteral("sifre"));
        adi->clear(); // the window may offer the name remembered from the last login
        parola->clear();
        QTest::keyClicks(adi, ad.toLower());
        QTest::keyClicks(parola, sifre);
        QTest::keyClick(parola, Qt::Key_Return);
    });
    return pencere->exec();
}

// A loopback port nobody listens on.
inline int KapaliPort() {
    QTcpServer dinleyici;
    dinleyici.listen(QHostAddress::LocalHost, 0);
    const int port = dinleyici.serverPort();
    dinleyici.close();
    return port;
}

inline QString Adres(int port) {
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

// The application server at `sunucuPortu`, the maker's host and the site at `webPortu`.
inline void Yonelt(int sunucuPortu, int webPortu) {
    yayin::TestIcinAyarla({QStringLiteral("127.0.0.1"), QString::number(sunucuPortu), Adres(webPortu),
                           Adres(webPortu) + QLatin1Char('/')});
}

// Records every message, modal window and termination; answers them as the test says.
class TSeamler {
public:
    struct TModal {
        QString sinif;
        QString baslik;
    };

    TSeamler() {
        MesajCevaplayicisiniAyarla([this](const MesajIstegi& istek) {
            mesajlar.push_back(istek);
            return mesajCevabi ? mesajCevabi(istek) : static_cast<int>(mrOk);
        });
        BipSesiCaliciniAyarla([this](SistemSesi ses) { sesler.push_back(ses); });
        sistem::ModalCalistirmayiAyarla([this](QDialog* pencere) {
            modallar.push_back({QString::fromLatin1(pencere->metaObject()->className()), pencere->windowTitle()});
            return modalCevabi ? modalCevabi(pencere) : static_cast<int>(QDialog::Rejected);
        });
        sistem::SurecBitirmeyiAyarla([this](int kod) { bitisler.push_back(kod); });
        sistem::KabuktaAcmayiAyarla([this](const QUrl& adres) {
            acilanlar.push_back(adres);
            return true;
        });
        BeklemeyiAyarla([](std::chrono::milliseconds) {});
    }

    ~TSeamler() {
        TumGorevleriBekle();
        MesajCevaplayicisiniAyarla({});
        BipSesiCaliciniAyarla({});
        sistem::ModalCalistirmayiAyarla({});
        sistem::SurecBitirmeyiAyarla({});
        sistem::KabuktaAcmayiAyarla({});
        BeklemeyiAyarla({});
    }
    TSeamler(const TSeamler&) = delete;
    TSeamler& operator=(const TSeamler&) = delete;

    // Waits for every background task while the event loop keeps running, so that a task waiting
    // for the user-interface thread can finish; continuations still due run meanwhile.
    static void TumGorevleriBekle() {
        std::atomic<bool> bitti = false;
        std::thread bekleyici([&bitti] {
            tasks::WaitForBackgroundTasks();
            bitti = true;
        });
        while (!bitti)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        bekleyici.join();
        QCoreApplication::processEvents();
    }

    QStringList MesajMetinleri() const {
        QStringList metinler;
        for (const MesajIstegi& m : mesajlar)
            metinler << m.metin;
        return metinler;
    }

    std::vector<MesajIstegi> mesajlar;
    std::vector<SistemSesi> sesler;
    std::vector<TModal> modallar;
    std::vector<int> bitisler;
    std::vector<QUrl> acilanlar;
    std::function<int(const MesajIstegi&)> mesajCevabi;
    std::function<int(QDialog*)> modalCevabi;
};

// A home folder of its own for the test process, so that settings and downloads start empty.
class TEvKlasoru {
public:
    TEvKlasoru() {
        qputenv("HOME", QFile::encodeName(m_ev.path()));
        QStandardPaths::setTestModeEnabled(true);
    }
    QString Yol() const { return m_ev.path(); }
    // Removes what earlier tests left in the settings and data folders.
    void Temizle() const {
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).removeRecursively();
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).removeRecursively();
    }

private:
    QTemporaryDir m_ev;
};
