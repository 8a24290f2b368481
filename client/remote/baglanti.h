#pragma once

#include "platform/datasnap/connection.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QIODevice;

class TServerMethods1Client;

// Opens the connection with up to 11 attempts 500 ms apart. With `mesaj` the failure is shown
// ("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!") on the user-interface thread; without it
// the caller reports it.
bool BaglantiKur(datasnap::TSQLConnection* baglanti, bool mesaj);

inline constexpr int BaglantiDenemeSayisi = 11;
inline constexpr std::chrono::milliseconds BaglantiDenemeAraligi{500};

// The text every unreachable server is reported with.
QString BaglantiHataMesaji();
void BaglantiHatasiniGoster(); // the error message box, on the user-interface thread

// Test seam: the wait between attempts (the real one sleeps).
using TBekleme = std::function<void(std::chrono::milliseconds)>;
void BeklemeyiAyarla(TBekleme bekleme); // empty restores the real sleep

// The call forms. `is` receives a proxy on an open connection.
using TUzakIs = std::function<void(TServerMethods1Client&)>;

// Foreground form on the shared connection: BaglantiKur with the message, the call, then the
// connection is closed and the proxy released on every path. False when the connection could not
// be opened (the message has been shown unless `mesaj` is false); an exception of the call goes to
// the caller.
bool OnPlandaCagir(datasnap::TSQLConnection& bagc, const TUzakIs& is, bool mesaj = true);

// Background form, the part that runs on the worker: a copy of `bagc`, opened with BaglantiKur
// (with the message when `mesaj`), a proxy, the call; copy and proxy released on every path.
// Every exception is caught. Returns `hata`: true when the call did not complete.
bool ArkaPlandaCagir(const datasnap::TSQLConnection& bagc, bool mesaj, const TUzakIs& is);

// Plain form: one open attempt without retries; a failure to open raises to the caller.
void DuzCagir(datasnap::TSQLConnection& baglanti, const TUzakIs& is);

// The copy of a returned stream (1024-byte pieces). Gives the bytes only when their count equals
// `boy`; an `boy` of 0 reads nothing. `herParcada` runs after each piece (e.g. to keep the window
// responsive).
std::optional<QByteArray> AkisKopyala(QIODevice* akis, qint64 boy, const std::function<void()>& herParcada = {});
