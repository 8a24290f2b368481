// Identity of this computer on Linux: disk serial from sysfs or udev, adapter addresses from
// sysfs, host and user names from the C library.
#include "client/remote/utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <arpa/inet.h>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <optional>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kSifirMac = u"00-00-00-00-00-00";
constexpr qsizetype kAdUzunluguSiniri = 16; // room for 15 characters and the terminating zero

std::mutex& KaynakKilidi() {
    static std::mutex kilit;
    return kilit;
}

KimlikKaynaklari& Kaynaklar() {
    static KimlikKaynaklari kaynaklar;
    return kaynaklar;
}

std::optional<QByteArray> DosyaOku(const QString& yol) {
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly))
        return std::nullopt;
    return dosya.readAll();
}

QString MetinOku(const QString& yol) {
    return QString::fromUtf8(DosyaOku(yol).value_or(QByteArray())).trimmed();
}

QStringList SiraliAltKlasorler(const QString& klasor) {
    QStringList adlar = QDir(klasor).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(adlar.begin(), adlar.end());
    return adlar;
}

// --- Disk

// A physical disk has a device behind it (loop, ram, zram, dm and md devices have none) and is
// not removable (optical drives, floppies, card readers and most USB sticks are).
bool FizikselDiskMi(const QString& diskKlasoru) {
    return QFileInfo::exists(diskKlasoru + u"/device"_s) && MetinOku(diskKlasoru + u"/removable"_s) != u"1"_s;
}

// The first physical disk in name order, as its folder under <sys>/block; empty when none.
QString IlkFizikselDisk(const QString& sistemKoku) {
    const QString blok = sistemKoku + u"/block"_s;
    for (const QString& ad : SiraliAltKlasorler(blok)) {
        const QString klasor = blok + QLatin1Char('/') + ad;
        if (FizikselDiskMi(klasor))
            return klasor;
    }
    return {};
}

// SCSI "unit serial number" page: page code 0x80, payload length in byte 3, serial after byte 4.
QString VpdSeriNosu(const QString& yol) {
    const QByteArray sayfa = DosyaOku(yol).value_or(QByteArray());
    if (sayfa.size() < 4 || static_cast<unsigned char>(sayfa.at(1)) != 0x80)
        return {};
    QByteArray seri = sayfa.mid(4, static_cast<unsigned char>(sayfa.at(3)));
    const qsizetype sifir = seri.indexOf('\0');
    if (sifir >= 0)
        seri.truncate(sifir);
    return QString::fromLatin1(seri).trimmed();
}

// ID_SERIAL_SHORT of the disk in udev's database entry "b<major>:<minor>".
QString UdevSeriNosu(const QString& diskKlasoru, const QString& udevVeriKoku) {
    const QString aygit = MetinOku(diskKlasoru + u"/dev"_s);
    if (aygit.isEmpty())
        return {};
    const QByteArray kayit = DosyaOku(udevVeriKoku + u"/b"_s + aygit).value_or(QByteArray());
    constexpr QByteArrayView anahtar = "E:ID_SERIAL_SHORT=";
    for (const QByteArray& satir : kayit.split('\n'))
        if (satir.startsWith(anahtar))
            return QString::fromUtf8(satir.mid(anahtar.size())).trimmed();
    return {};
}

// Sources in order: the device's serial (NVMe, SCSI, MMC), the disk's own serial (virtio), the
// SCSI serial page (SATA and SAS disks), udev's record.
QString DiskinSeriNosu(const QString& diskKlasoru, const QString& udevVeriKoku) {
    for (const QString& yol : {diskKlasoru + u"/device/serial"_s, diskKlasoru + u"/serial"_s}) {
        const QString seri = MetinOku(yol);
        if (!seri.isEmpty())
            return seri;
    }
    const QString vpd = VpdSeriNosu(diskKlasoru + u"/device/vpd_pg80"_s);
    return vpd.isEmpty() ? UdevSeriNosu(diskKlasoru, udevVeriKoku) : vpd;
}

// --- Network adapters

// Adapters except the loopback: those with a device behind them first, then the virtual ones
// (bridges, tunnels, container links, whose addresses change), each group in name order.
QStringList AgBagdastiricilari(const QString& sistemKoku) {
    const QString ag = sistemKoku + u"/class/net"_s;
    QStringList fiziksel;
    QStringList sanal;
    for (const QString& ad : SiraliAltKlasorler(ag)) {
        if (ad == u"lo"_s)
            continue;
        const QString klasor = ag + QLatin1Char('/') + ad;
        (QFileInfo::exists(klasor + u"/device"_s) ? fiziksel : sanal).append(klasor);
    }
    return fiziksel + sanal;
}

// The first six bytes of the adapter's hardware address as "AA-BB-CC-DD-EE-FF" (missing bytes
// are zero); nullopt when the address cannot be read.
std::optional<QString> AdaptorAdresi(const QString& klasor) {
    const std::optional<QByteArray> icerik = DosyaOku(klasor + u"/address"_s);
    if (!icerik)
        return std::nullopt;
    const QByteArray metin = icerik->trimmed();
    std::array<unsigned, 6> baytlar{};
    const QList<QByteArray> parcalar = metin.isEmpty() ? QList<QByteArray>() : metin.split(':');
    for (qsizetype i = 0; i < parcalar.size(); ++i) {
        bool tamam = false;
        const unsigned bayt = parcalar[i].toUInt(&tamam, 16);
        if (!tamam || parcalar[i].size() > 2)
            return std::nullopt;
        if (i < 6)
            baytlar[i] = bayt;
    }
    QStringList onaltilik;
    for (unsigned bayt : baytlar)
        onaltilik.append(u"%1"_s.arg(bayt, 2, 16, QLatin1Char('0')).toUpper());
    return onaltilik.join(QLatin1Char('-'));
}

// --- C library

struct AdresBilgisiSilici {
    void operator()(addrinfo* bilgi) const { freeaddrinfo(bilgi); }
};

template <typename Islev> QString HatasizOku(Islev islev) {
    try {
        return islev();
    } catch (...) {
        return {};
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Sources

void KimlikKaynaklariniAyarla(KimlikKaynaklari kaynaklar) {
    const std::lock_guard kilit(KaynakKilidi());
    Kaynaklar() = std::move(kaynaklar);
}

KimlikKaynaklari GecerliKimlikKaynaklari() {
    const std::lock_guard kilit(KaynakKilidi());
    return Kaynaklar();
}

QString SistemAnaBilgisayarAdi() {
    std::array<char, 256> tampon{};
    if (gethostname(tampon.data(), tampon.size() - 1) != 0)
        return {};
    return QString::fromLocal8Bit(tampon.data());
}

QString SistemKullaniciAdi() {
    const long onerilen = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> tampon(onerilen > 0 ? static_cast<size_t>(onerilen) : 16384);
    passwd kayit{};
    passwd* sonuc = nullptr;
    if (getpwuid_r(geteuid(), &kayit, tampon.data(), tampon.size(), &sonuc) != 0 || !sonuc)
        return {};
    return QString::fromLocal8Bit(sonuc->pw_name);
}

QString SistemIpv4Coz(const QString& anaAdi) {
    if (anaAdi.isEmpty())
        return {};
    addrinfo istek{};
    istek.ai_family = AF_INET;
    istek.ai_socktype = SOCK_STREAM;
    addrinfo* ham = nullptr;
    if (getaddrinfo(anaAdi.toLocal8Bit().constData(), nullptr, &istek, &ham) != 0 || !ham)
        return {};
    const std::unique_ptr<addrinfo, AdresBilgisiSilici> cevap(ham);
    std::array<char, INET_ADDRSTRLEN> metin{};
    const auto* adres = reinterpret_cast<const sockaddr_in*>(cevap->ai_addr);
    if (!inet_ntop(AF_INET, &adres->sin_addr, metin.data(), metin.size()))
        return {};
    return QString::fromLatin1(metin.data());
}

// ---------------------------------------------------------------------------------------------
// Identity

QString DiskSeriNoVer() {
    const KimlikKaynaklari kaynaklar = GecerliKimlikKaynaklari();
    const QString disk = IlkFizikselDisk(kaynaklar.sistemKoku);
    if (disk.isEmpty())
        return {};
    return DiskinSeriNosu(disk, kaynaklar.udevVeriKoku).trimmed().toUpper();
}

// Walks on only while the address kept so far is all zeros, so an adapter that cannot be read
// before any address was kept ends the walk empty. All zeros is no address.
QString MacAdresiVer() {
    QString metin;
    for (const QString& adaptor : AgBagdastiricilari(GecerliKimlikKaynaklari().sistemKoku)) {
        if (const std::optional<QString> adres = AdaptorAdresi(adaptor))
            metin = *adres;
        if (metin != kSifirMac)
            break;
    }
    return metin == kSifirMac ? QString() : metin;
}

QString BilgisayarIdVer() {
    QString kimlik = HatasizOku(DiskSeriNoVer).trimmed();
    if (kimlik.isEmpty())
        kimlik = HatasizOku(MacAdresiVer).trimmed();
    kimlik.removeIf([](QChar c) { return c.isSpace(); });
    const bool ortak =
        std::find(OrtakMakineKimlikleri.begin(), OrtakMakineKimlikleri.end(), kimlik) != OrtakMakineKimlikleri.end();
    return ortak ? YedekMakineKimligi.toString() : kimlik;
}

// The desktop's computer name is at most 15 characters: a longer host name is cut, as the
// network name of a computer is derived from its host name.
QString BilgisayarAdiVer() {
    const QString ad = HatasizOku(GecerliKimlikKaynaklari().anaBilgisayarAdi);
    return ad.section(QLatin1Char('.'), 0, 0).left(kAdUzunluguSiniri - 1);
}

QString KullaniciAdiVer() {
    const QString ad = HatasizOku(GecerliKimlikKaynaklari().kullaniciAdi);
    return ad.size() >= kAdUzunluguSiniri ? QString() : ad;
}

QString IpAdresiVer() {
    const KimlikKaynaklari kaynaklar = GecerliKimlikKaynaklari();
    const QString anaAdi = HatasizOku(kaynaklar.anaBilgisayarAdi);
    const QString adres = HatasizOku([&] { return anaAdi.isEmpty() ? QString() : kaynaklar.ipv4Coz(anaAdi); });
    return adres.isEmpty() ? u"127.0.0.1"_s : adres;
}
