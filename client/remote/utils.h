#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <functional>

class QWidget;

namespace datasnap {
class TClientDataSet;
}

// ---------------------------------------------------------------------------------------------
// Message box

// Kind of a message; it decides the window caption and the sound.
enum MesajTuru : int { mtWarning = 0, mtError = 1, mtInformation = 2, mtConfirmation = 3, mtCustom = 4 };

// Button positions. A set of buttons is a bit set over these positions.
enum MesajTusu : int {
    mbYes = 0,
    mbNo = 1,
    mbOK = 2,
    mbCancel = 3,
    mbAbort = 4,
    mbRetry = 5,
    mbIgnore = 6,
    mbAll = 7,
    mbNoToAll = 8,
    mbYesToAll = 9,
    mbHelp = 10,
    mbClose = 11,
};
inline constexpr int MesajTusuSayisi = 12;

// Result codes of the buttons (Help has none: it does not close the window).
enum MesajSonucu : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrClose = 8,
    mrAll = 12,
    mrNoToAll = 13,
    mrYesToAll = 14,
};

// A set of message buttons. A single button converts to the set holding only it, so `mbOK` is
// the set "OK alone" (bits 4) where a set is expected.
class MesajTuslari {
public:
    constexpr MesajTuslari() = default;
    constexpr MesajTuslari(MesajTusu tus)
        : m_bitler(1u << tus) {}
    static constexpr MesajTuslari Bitlerden(unsigned bitler) {
        MesajTuslari tuslar;
        tuslar.m_bitler = bitler & TumBitler;
        return tuslar;
    }

    constexpr unsigned Bitler() const { return m_bitler; }
    constexpr bool Bos() const { return m_bitler == 0; }
    constexpr bool Iceriyor(int tus) const { return tus >= 0 && tus < MesajTusuSayisi && ((m_bitler >> tus) & 1u); }

    friend constexpr MesajTuslari operator|(MesajTuslari a, MesajTuslari b) {
        return Bitlerden(a.m_bitler | b.m_bitler);
    }
    friend constexpr bool operator==(MesajTuslari, MesajTuslari) = default;

private:
    static constexpr unsigned TumBitler = (1u << MesajTusuSayisi) - 1;
    unsigned m_bitler = 0;
};

// Without this, `mbYes | mbNo` would be the built-in integer or of the positions.
constexpr MesajTuslari operator|(MesajTusu a, MesajTusu b) {
    return MesajTuslari(a) | MesajTuslari(b);
}

inline constexpr MesajTuslari mbYesNo = mbYes | mbNo; // bits 3
inline constexpr MesajTuslari mbYesNoCancel = mbYes | mbNo | mbCancel;
inline constexpr MesajTuslari mbOKCancel = mbOK | mbCancel;
inline constexpr MesajTuslari mbAbortRetryIgnore = mbAbort | mbRetry | mbIgnore;

// Everything a message box is asked to show.
struct MesajIstegi {
    QString metin;
    int tur = mtWarning;
    QString baslik; // window caption: from the kind, or the application title for a custom kind
    MesajTuslari tuslar;
    int odakliTus = mbOK;
    QWidget* sahip = nullptr; // window the box is centred over (the active window); may be null
};

// Caption of a message of kind `tur`: "Uyarı", "Hata", "Bilgi", "Soru"; otherwise the
// application title.
QString MesajBasligi(int tur);

// Shows `metin` in a modal message box of kind `tur` with the buttons `tuslar`; the button at
// position `odakliTus` has the focus, takes Enter and comes first in the tab order. Returns the
// result code of the button that closed the box. User-interface thread only.
int MesajGoster(const QString& metin, int tur, MesajTuslari tuslar, int odakliTus);

// The toolkit's own warning or error dialog (kind mtWarning or mtError): the caption "Warning" or
// "Error", one "OK" button, untranslated. Answered by the responder of MesajGoster like any message
// (the request carries that caption and mbOK). User-interface thread only.
void StandartMesajGoster(const QString& metin, int tur);

// Answers messages in place of the window: MesajGoster hands it the request and returns its
// answer without showing anything. An empty responder restores the real window.
using MesajCevaplayici = std::function<int(const MesajIstegi&)>;
void MesajCevaplayicisiniAyarla(MesajCevaplayici cevaplayici);

// Sounds a message box makes on opening, by the values of the classic system message sounds.
enum class SistemSesi : unsigned { Yok = 0x00, Hata = 0x10, Soru = 0x20, Unlem = 0x30, Yildiz = 0x40 };

// Sound of a message of kind `tur`; a custom kind makes none.
SistemSesi MesajSesi(int tur);

// Plays system sounds. An empty player restores the real one (the desktop's beep).
using BipSesiCalici = std::function<void(SistemSesi)>;
void BipSesiCaliciniAyarla(BipSesiCalici calici);
void BipSesiCal(SistemSesi ses);

// ---------------------------------------------------------------------------------------------
// Identity of this computer

// The operating system's raw answers, before the rules of the helpers below.
QString SistemAnaBilgisayarAdi();             // host name; empty on failure
QString SistemKullaniciAdi();                 // name of the effective user; empty on failure
QString SistemIpv4Coz(const QString& anaAdi); // first IPv4 address of a host name; empty on failure

// Where the identity helpers read from. The defaults are this computer's.
struct KimlikKaynaklari {
    QString sistemKoku = QStringLiteral("/sys");             // sysfs: block devices, network adapters
    QString udevVeriKoku = QStringLiteral("/run/udev/data"); // udev's device database
    std::function<QString()> anaBilgisayarAdi = SistemAnaBilgisayarAdi;
    std::function<QString()> kullaniciAdi = SistemKullaniciAdi;
    std::function<QString(const QString&)> ipv4Coz = SistemIpv4Coz;
};
void KimlikKaynaklariniAyarla(KimlikKaynaklari kaynaklar);
KimlikKaynaklari GecerliKimlikKaynaklari();

// Disk serials that many computers report alike (the default serial of QEMU disks and a
// placeholder serial of some disk firmware); such a computer is sent the substitute instead.
inline constexpr std::array<QStringView, 2> OrtakMakineKimlikleri{u"QM00001", u"0000000000000001"};
inline constexpr QStringView YedekMakineKimligi = u"100000000001";

// The machine identifier: the disk serial, else the MAC address; no blanks; empty when neither
// could be read. Never throws.
QString BilgisayarIdVer();

// Serial of the first physical disk, trimmed and upper-case; empty when none can be read.
QString DiskSeriNoVer();

// Address of the first network adapter with a non-zero address, as "AA-BB-CC-DD-EE-FF"; empty
// when the walk finds none.
QString MacAdresiVer();

// Short host name, at most 15 characters.
QString BilgisayarAdiVer();

// Name of the user the process runs as; empty when it has 16 characters or more.
QString KullaniciAdiVer();

// First IPv4 address of this computer's host name, dotted; "127.0.0.1" when it cannot be found.
QString IpAdresiVer();

// ---------------------------------------------------------------------------------------------
// Folders

// "tevrano" in the per-user settings folder, created when missing; no trailing separator.
QString AyarKlasoruVer();

// The user's documents folder; empty when unknown.
QString BelgelerKlasoruVer();

// ---------------------------------------------------------------------------------------------
// Data-set helpers

// Gives the plain floating-point fields of `veri` the number display format "#,###,##0.00".
void OndalikBicimle(datasnap::TClientDataSet* veri);

// True when `veri` is open and holds at least one record.
bool KayitVarMi(const datasnap::TClientDataSet* veri);

// True when a record has `SEC` = 1; the cursor is left on the first such record, or at the end.
// A data set without a `SEC` field raises datasnap::TDSException.
bool SeciliVarMi(datasnap::TClientDataSet* veri);
