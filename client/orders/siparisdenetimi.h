#pragma once

#include <QString>

namespace datasnap {
class TClientDataSet;
}

// What "Gönder" checks before an order is confirmed.
struct TSiparisGirdisi {
    bool seciliSatirVar = false; // the basket is open and has a line with SEC = 1
    bool teslimSecili = false;   // a delivery option is selected
    bool kargoTuruSecili = false;
    int kargoIndeksi = -1; // the company drop-down's current index; 0 is the blank first entry
};

// The first check that fails, in the order they are made.
enum class TSiparisEksigi { Yok, Parca, Teslim, KargoTuru, Kargo };

TSiparisEksigi SiparisEksigiBul(const TSiparisGirdisi& girdi);

// The warning of a failed check; empty for TSiparisEksigi::Yok.
QString SiparisEksigiMesaji(TSiparisEksigi eksik);

// The warning of the first failed check, empty when all pass.
QString SiparisUyarisi(const TSiparisGirdisi& girdi);

// True when `sepet` is open, holds lines and one of them has SEC = 1. Leaves the cursor on the
// first marked line, or at the end.
bool GonderilecekParcaVar(datasnap::TClientDataSet* sepet);
