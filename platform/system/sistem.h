#pragma once

// Services of the operating system and of modal windows, each behind one replaceable hook so
// that tests can drive the real windows headless without blocking or exiting.

#include <QString>
#include <QUrl>
#include <functional>

class QDialog;
class QWidget;

namespace sistem {

// Ends the process at once with `kod`: no clean-up, nothing saved (the real one calls _exit).
[[noreturn]] void SurecBitir(int kod);
// A hook returns normally instead; SurecBitir then throws TSurecBitti so the caller's code stops.
struct TSurecBitti {
    int kod;
};
void SurecBitirmeyiAyarla(std::function<void(int)> kanca); // empty restores the real one

// Opens a file or address with the desktop's default program. False when nothing could open it.
bool KabuktaAc(const QUrl& adres);
void KabuktaAcmayiAyarla(std::function<bool(const QUrl&)> kanca);

// Runs a dialog modally and returns its result (QDialog::exec). A hook may answer instead, or
// drive the real dialog and return its result.
int ModalCalistir(QDialog* pencere);
void ModalCalistirmayiAyarla(std::function<int(QDialog*)> kanca);

// The standard "save file" dialog: the chosen path, or empty when cancelled.
QString KayitDosyasiSor(QWidget* sahip, const QString& baslik, const QString& klasor, const QString& suzgec);
void KayitDosyasiSormayiAyarla(std::function<QString(const QString& baslik, const QString& suzgec)> kanca);

} // namespace sistem
