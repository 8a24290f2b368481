#include "platform/system/sistem.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <mutex>
#include <unistd.h>

namespace sistem {

namespace {

// Hooks are set by tests on the user-interface thread; SurecBitir may be called from a worker,
// so that one is guarded.
std::mutex& BitirmeKilidi() {
    static std::mutex kilit;
    return kilit;
}

std::function<void(int)>& BitirmeKancasi() {
    static std::function<void(int)> kanca;
    return kanca;
}

std::function<bool(const QUrl&)>& AcmaKancasi() {
    static std::function<bool(const QUrl&)> kanca;
    return kanca;
}

std::function<int(QDialog*)>& ModalKancasi() {
    static std::function<int(QDialog*)> kanca;
    return kanca;
}

std::function<QString(const QString&, const QString&)>& DosyaKancasi() {
    static std::function<QString(const QString&, const QString&)> kanca;
    return kanca;
}

} // namespace

void SurecBitir(int kod) {
    std::function<void(int)> kanca;
    {
        std::lock_guard kilit(BitirmeKilidi());
        kanca = BitirmeKancasi();
    }
    if (kanca) {
        kanca(kod);
        throw TSurecBitti{kod};
    }
    ::_exit(kod);
}

void SurecBitirmeyiAyarla(std::function<void(int)> kanca) {
    std::lock_guard kilit(BitirmeKilidi());
    BitirmeKancasi() = std::move(kanca);
}

bool KabuktaAc(const QUrl& adres) {
    if (AcmaKancasi())
        return AcmaKancasi()(adres);
    return QDesktopServices::openUrl(adres);
}

void KabuktaAcmayiAyarla(std::function<bool(const QUrl&)> kanca) {
    AcmaKancasi() = std::move(kanca);
}

int ModalCalistir(QDialog* pencere) {
    if (ModalKancasi())
        return ModalKancasi()(pencere);
    return pencere->exec();
}

void ModalCalistirmayiAyarla(std::function<int(QDialog*)> kanca) {
    ModalKancasi() = std::move(kanca);
}

QString KayitDosyasiSor(QWidget* sahip, const QString& baslik, const QString& klasor, const QString& suzgec) {
    if (DosyaKancasi())
        return DosyaKancasi()(baslik, suzgec);
    return QFileDialog::getSaveFileName(sahip, baslik, klasor, suzgec);
}

void KayitDosyasiSormayiAyarla(std::function<QString(const QString&, const QString&)> kanca) {
    DosyaKancasi() = std::move(kanca);
}

} // namespace sistem
