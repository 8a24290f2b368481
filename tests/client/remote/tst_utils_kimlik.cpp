#include "client/remote/utils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A fake sysfs and udev database in a temporary folder.
class SahteSistem {
public:
    QString Kok() const { return m_klasor.path(); }
    QString UdevKoku() const { return m_klasor.filePath(u"udev"_s); }

    // A block device; `aygitli` gives it a device folder (hardware behind it).
    void Disk(const QString& ad, bool aygitli = true) const {
        QDir().mkpath(DiskYolu(ad) + (aygitli ? u"/device"_s : QString()));
    }
    void DiskDosyasi(const QString& ad, const QString& dosya, const QByteArray& icerik) const {
        Yaz(DiskYolu(ad) + QLatin1Char('/') + dosya, icerik);
    }
    void UdevKaydi(const QString& aygit, const QByteArray& icerik) const { Yaz(UdevKoku() + u"/b"_s + aygit, icerik); }
    // A network adapter; without an address its address cannot be read.
    void Adaptor(const QString& ad, const std::optional<QByteArray>& adres, bool aygitli = true) const {
        const QString yol = m_klasor.filePath(u"class/net/"_s + ad);
        QDir().mkpath(yol + (aygitli ? u"/device"_s : QString()));
        if (adres)
            Yaz(yol + u"/address"_s, *adres + '\n');
    }

private:
    QString DiskYolu(const QString& ad) const { return m_klasor.filePath(u"block/"_s + ad); }
    static void Yaz(const QString& yol, const QByteArray& icerik) {
        QDir().mkpath(QFileInfo(yol).path());
        QFile dosya(yol);
        QVERIFY(dosya.open(QIODevice::WriteOnly));
        dosya.write(icerik);
    }

    QTemporaryDir m_klasor;
};

using Kurulum = std::function<void(const SahteSistem&)>;

QByteArray VpdSayfasi(const QByteArray& seri) {
    return QByteArray("\x00\x80\x00", 3) + char(seri.size()) + seri;
}

} // namespace

Q_DECLARE_METATYPE(Kurulum)

class TestMakineKimligi : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void kimlik_data();
    void kimlik();
    void kullaniciAdi_data();
    void kullaniciAdi();
    void bilgisayarAdi_data();
    void bilgisayarAdi();
    void ipAdresi_data();
    void ipAdresi();
    void ipAdresiTamAnaAdiniCozer();
    void sistemKaynaklariCalisir();

private:
    static void KaynaklariAyarla(const SahteSistem& sistem);
};

void TestMakineKimligi::cleanup() {
    KimlikKaynaklariniAyarla({});
}

void TestMakineKimligi::KaynaklariAyarla(const SahteSistem& sistem) {
    KimlikKaynaklari kaynaklar;
    kaynaklar.sistemKoku = sistem.Kok();
    kaynaklar.udevVeriKoku = sistem.UdevKoku();
    KimlikKaynaklariniAyarla(kaynaklar);
}

void TestMakineKimligi::kimlik_data() {
    QTest::addColumn<Kurulum>("kurulum");
    QTest::addColumn<QString>("disk");
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QString>("kimlik");

    const auto eth0 = [](const SahteSistem& s) { s.Adaptor(u"eth0"_s, "aa:bb:cc:dd:ee:0f"); };

    QTest::newRow("seri: boşluklar ve küçük harf") << Kurulum([eth0](const SahteSistem& s) {
        s.Disk(u"nvme0n1"_s);
        s.DiskDosyasi(u"nvme0n1"_s, u"device/serial"_s, "  s4ew nx0 m12 \n");
        eth0(s);
    }) << u"S4EW NX0 M12"_s << u"AA-BB-CC-DD-EE-0F"_s
                                                   << u"S4EWNX0M12"_s;
    QTest::newRow("boş seri: ilk adaptörün adresi") << Kurulum([eth0](const SahteSistem& s) {
        s.Disk(u"sda"_s);
        s.DiskDosyasi(u"sda"_s, u"device/serial"_s, "   \n");
        eth0(s);
    }) << QString() << u"AA-BB-CC-DD-EE-0F"_s << u"AA-BB-CC-DD-EE-0F"_s;
    QTest::newRow("disk yok, sıfır adresli adaptör atlanır") << Kurulum([](const SahteSistem& s) {
        s.Adaptor(u"eth0"_s, "00:00:00:00:00:00");
        s.Adaptor(u"eth1"_s, "00:1a:2b:3c:4d:5e");
    }) << QString() << u"00-1A-2B-3C-4D-5E"_s << u"00-1A-2B-3C-4D-5E"_s;
    QTest::newRow("ilk adaptör okunamıyor: boş") << Kurulum([](const SahteSistem& s) {
        s.Adaptor(u"eth0"_s, std::nullopt);
        s.Adaptor(u"eth1"_s, "00:1a:2b:3c:4d:5e");
    }) << QString() << QString() << QString();
    QTest::newRow("sıfırdan sonra okunamayan geçilir") << Kurulum([](const SahteSistem& s) {
        s.Adaptor(u"eth0"_s, "00:00:00:00:00:00");
        s.Adaptor(u"eth1"_s, std::nullopt);
        s.Adaptor(u"eth2"_s, "02:00:00:00:00:01");
    }) << QString() << u"02-00-00-00-00-01"_s << u"02-00-00-00-00-01"_s;
    QTest::newRow("hepsi sıfır: adres yok") << Kurulum([](const SahteSistem& s) {
        s.Adaptor(u"eth0"_s, "00:00:00:00:00:00");
        s.Adaptor(u"eth1"_s, "");
    }) << QString() << QString() << QString();
    QTest::newRow("donanımlı adaptör sanaldan önce") << Kurulum([](const SahteSistem& s) {
        s.Adaptor(u"docker0"_s, "02:42:ac:11:00:01", false);
        s.Adaptor(u"enp3s0"_s, "3c:7c:3f:10:20:30");
    }) << QString() << u"3C-7C-3F-10-20-30"_s << u"3C-7C-3F-10-20-30"_s;
    QTest::newRow("geri döngü sayılmaz") << Kurulum([](const SahteSistem& s) {
        s.Adaptor(u"lo"_s, "12:34:56:78:9a:bc", false);
    }) << QString() << QString() << QString();
    QTest::newRow("sanal ve çıkarılabilir diskler atlanır") << Kurulum([](const SahteSistem& s) {
        s.Disk(u"dm-0"_s, false);
        s.DiskDosyasi(u"dm-0"_s, u"serial"_s, "DMSERI");
        s.Disk(u"loop0"_s, false);
        s.Disk(u"sda"_s);
        s.DiskDosyasi(u"sda"_s, u"removable"_s, "1\n");
        s.DiskDosyasi(u"sda"_s, u"device/serial"_s, "USBBELLEK");
        s.Disk(u"sdb"_s);
        s.DiskDosyasi(u"sdb"_s, u"removable"_s, "0\n");
        s.DiskDosyasi(u"sdb"_s, u"device/serial"_s, "wd-wcc4n1234567");
    }) << u"WD-WCC4N1234567"_s << QString() << u"WD-WCC4N1234567"_s;
    QTest::newRow("ilk disk seçilir, seri yoksa sonrakine bakılmaz") << Kurulum([eth0](const SahteSistem& s) {
        s.Disk(u"sda"_s);
        s.Disk(u"sdb"_s);
        s.DiskDosyasi(u"sdb"_s, u"device/serial"_s, "IKINCI");
        eth0(s);
    }) << QString() << u"AA-BB-CC-DD-EE-0F"_s << u"AA-BB-CC-DD-EE-0F"_s;
    QTest::newRow("virtio diskin kendi serisi") << Kurulum([](const SahteSistem& s) {
        s.Disk(u"vda"_s);
        s.DiskDosyasi(u"vda"_s, u"serial"_s, "vm-disk-7\n");
    }) << u"VM-DISK-7"_s << QString() << u"VM-DISK-7"_s;
    QTest::newRow("SCSI seri sayfası") << Kurulum([](const SahteSistem& s) {
        s.Disk(u"sda"_s);
        s.DiskDosyasi(u"sda"_s, u"device/vpd_pg80"_s, VpdSayfasi("    WD-WMC1T0123456"));
    }) << u"WD-WMC1T0123456"_s << QString()
                                       << u"WD-WMC1T0123456"_s;
    QTest::newRow("udev kaydı") << Kurulum([](const SahteSistem& s) {
        s.Disk(u"sda"_s);
        s.DiskDosyasi(u"sda"_s, u"dev"_s, "8:0\n");
        s.UdevKaydi(u"8:0"_s, "S:disk/by-id/ata-X\nE:ID_SERIAL=Samsung_SSD_S3Z9NB0K\nE:ID_SERIAL_SHORT=S3Z9NB0K\n");
    }) << u"S3Z9NB0K"_s << QString()
                                << u"S3Z9NB0K"_s;
    QTest::newRow("aygıt serisi önce gelir") << Kurulum([](const SahteSistem& s) {
        s.Disk(u"sda"_s);
        s.DiskDosyasi(u"sda"_s, u"device/serial"_s, "AYGIT");
        s.DiskDosyasi(u"sda"_s, u"device/vpd_pg80"_s, VpdSayfasi("VPD"));
        s.DiskDosyasi(u"sda"_s, u"dev"_s, "8:0\n");
        s.UdevKaydi(u"8:0"_s, "E:ID_SERIAL_SHORT=UDEV\n");
    }) << u"AYGIT"_s << QString() << u"AYGIT"_s;
    QTest::newRow("ortak kimlik yerine yedek") << Kurulum([](const SahteSistem& s) {
        s.Disk(u"sda"_s);
        s.DiskDosyasi(u"sda"_s, u"device/serial"_s, "qm00001");
    }) << u"QM00001"_s << QString() << u"100000000001"_s;
    QTest::newRow("boşluklar silindikten sonra ortak kimlik") << Kurulum([](const SahteSistem& s) {
        s.Disk(u"sda"_s);
        s.DiskDosyasi(u"sda"_s, u"device/serial"_s, "0000 0000 0000 0001");
    }) << u"0000 0000 0000 0001"_s << QString() << u"100000000001"_s;
    QTest::newRow("başka kimlik değişmez") << Kurulum([](const SahteSistem& s) {
        s.Disk(u"sda"_s);
        s.DiskDosyasi(u"sda"_s, u"device/serial"_s, "QM00002");
    }) << u"QM00002"_s << QString() << u"QM00002"_s;
}

void TestMakineKimligi::kimlik() {
    QFETCH(Kurulum, kurulum);
    QFETCH(QString, disk);
    QFETCH(QString, mac);
    QFETCH(QString, kimlik);
    const SahteSistem sistem;
    kurulum(sistem);
    KaynaklariAyarla(sistem);

    QCOMPARE(DiskSeriNoVer(), disk);
    QCOMPARE(MacAdresiVer(), mac);
    QCOMPARE(BilgisayarIdVer(), kimlik);
}

void TestMakineKimligi::kullaniciAdi_data() {
    QTest::addColumn<QString>("ham");
    QTest::addColumn<QString>("ad");

    QTest::newRow("kısa") << u"ahmet"_s << u"ahmet"_s;
    QTest::newRow("15 karakter sığar") << u"muhasebe.kullan"_s << u"muhasebe.kullan"_s;
    QTest::newRow("16 karakter: boş") << u"muhasebe.kullanı"_s << QString();
    QTest::newRow("daha uzun: boş") << u"muhasebe.kullanicisi"_s << QString();
    QTest::newRow("okunamadı") << QString() << QString();
}

void TestMakineKimligi::kullaniciAdi() {
    QFETCH(QString, ham);
    QFETCH(QString, ad);
    KimlikKaynaklari kaynaklar;
    kaynaklar.kullaniciAdi = [ham] { return ham; };
    KimlikKaynaklariniAyarla(kaynaklar);

    QCOMPARE(KullaniciAdiVer(), ad);
}

void TestMakineKimligi::bilgisayarAdi_data() {
    QTest::addColumn<QString>("ham");
    QTest::addColumn<QString>("ad");

    QTest::newRow("kısa") << u"ofis-pc"_s << u"ofis-pc"_s;
    QTest::newRow("alan adı atılır") << u"ofis-pc.bayi.local"_s << u"ofis-pc"_s;
    QTest::newRow("15 karakterle kesilir") << u"muhasebe-bilgisayari-2"_s << u"muhasebe-bilgis"_s;
    QTest::newRow("okunamadı") << QString() << QString();
}

void TestMakineKimligi::bilgisayarAdi() {
    QFETCH(QString, ham);
    QFETCH(QString, ad);
    KimlikKaynaklari kaynaklar;
    kaynaklar.anaBilgisayarAdi = [ham] { return ham; };
    KimlikKaynaklariniAyarla(kaynaklar);

    QCOMPARE(BilgisayarAdiVer(), ad);
}

void TestMakineKimligi::ipAdresi_data() {
    QTest::addColumn<QString>("anaAdi");
    QTest::addColumn<QString>("cozulen");
    QTest::addColumn<QString>("adres");

    QTest::newRow("çözüldü") << u"ofis-pc"_s << u"192.168.1.20"_s << u"192.168.1.20"_s;
    QTest::newRow("çözülemedi") << u"ofis-pc"_s << QString() << u"127.0.0.1"_s;
    QTest::newRow("ana bilgisayar adı yok") << QString() << u"10.0.0.1"_s << u"127.0.0.1"_s;
}

void TestMakineKimligi::ipAdresi() {
    QFETCH(QString, anaAdi);
    QFETCH(QString, cozulen);
    QFETCH(QString, adres);
    KimlikKaynaklari kaynaklar;
    kaynaklar.anaBilgisayarAdi = [anaAdi] { return anaAdi; };
    kaynaklar.ipv4Coz = [cozulen](const QString&) { return cozulen; };
    KimlikKaynaklariniAyarla(kaynaklar);

    QCOMPARE(IpAdresiVer(), adres);
}

void TestMakineKimligi::ipAdresiTamAnaAdiniCozer() {
    QString sorulan;
    KimlikKaynaklari kaynaklar;
    kaynaklar.anaBilgisayarAdi = [] { return u"muhasebe-bilgisayari-2.bayi.local"_s; };
    kaynaklar.ipv4Coz = [&](const QString& ad) {
        sorulan = ad;
        return u"10.1.2.3"_s;
    };
    KimlikKaynaklariniAyarla(kaynaklar);

    QCOMPARE(IpAdresiVer(), u"10.1.2.3"_s);
    QCOMPARE(sorulan, u"muhasebe-bilgisayari-2.bayi.local"_s);
}

void TestMakineKimligi::sistemKaynaklariCalisir() {
    QCOMPARE(SistemIpv4Coz(u"localhost"_s), u"127.0.0.1"_s);
    QCOMPARE(SistemIpv4Coz(QString()), QString());
    QVERIFY(!SistemAnaBilgisayarAdi().isEmpty());
    QVERIFY(!SistemKullaniciAdi().isEmpty());
}

QTEST_GUILESS_MAIN(TestMakineKimligi)
#include "tst_utils_kimlik.moc"
