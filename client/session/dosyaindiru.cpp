#include "client/session/dosyaindiru.h"

#include "client/app/yayin.h"
#include "client/remote/utils.h"
#include "client/session/httpadres.h"
#include "client/session/surec.h"
#include "platform/system/sistem.h"
#include "platform/tasks/gorev.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <httplib.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr std::chrono::milliseconds kBaglanmaSuresi{60000};
constexpr std::chrono::milliseconds kCevapSuresi{60000};
constexpr qint64 kIlerlemeAdimi = 64 * 1024; // progress is handed to the window at most this often

TKurulumBaslatici& Baslatici() {
    static TKurulumBaslatici baslatici;
    return baslatici;
}

QFont YaziTipi(int piksel, bool kalin) {
    QFont yazi(u"Tahoma"_s);
    yazi.setPixelSize(piksel);
    yazi.setBold(kalin);
    return yazi;
}

} // namespace

void KurulumBaslaticisiniAyarla(TKurulumBaslatici baslatici) {
    Baslatici() = std::move(baslatici);
}

struct Tdosyaindir::TIndirmeSonucu {
    bool aktarildi = false; // a whole answer arrived
    int durum = 0;          // its HTTP status
    QString neden;          // its reason phrase
    QString hata;           // the transfer's or the file's error; empty when none
};

Tdosyaindir::Tdosyaindir(QWidget* AOwner, int _y)
    : QDialog(AOwner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(u"dosyaindir"_s);
    setWindowTitle(u"Dosya İndir"_s);
    setFont(YaziTipi(11, false));
    setFixedSize(543, 309);

    m_sLabel1 = new QLabel(this);
    m_sLabel1->setObjectName(u"sLabel1"_s);
    m_sLabel1->setAlignment(Qt::AlignCenter);
    m_sLabel1->setWordWrap(true);
    m_sLabel1->setFont(YaziTipi(27, false));
    m_sLabel1->setStyleSheet(u"QLabel { color: rgb(67, 76, 88); }"_s);
    m_sLabel1->setText(u"Tevrano B2B Programının\nYeni versiyonu indirilecektir\nLütfen Bekleyiniz...!\nVersion: "_s +
                       QString::number(_y) + u"-"_s + QString::number(yayin::IstemciSurumu));

    m_bilgi = new QLabel(this);
    m_bilgi->setObjectName(u"bilgi"_s);
    m_bilgi->setFont(YaziTipi(13, true));
    m_bilgi->setContentsMargins(6, 0, 6, 2);

    auto* altPanel = new QWidget(this);
    altPanel->setObjectName(u"Panel1"_s);
    altPanel->setFixedHeight(58);
    m_ProgressBar1 = new QProgressBar(altPanel);
    m_ProgressBar1->setObjectName(u"ProgressBar1"_s);
    m_ProgressBar1->setValue(0);
    auto* altDuzen = new QVBoxLayout(altPanel);
    altDuzen->setContentsMargins(4, 4, 4, 4);
    altDuzen->addWidget(m_ProgressBar1);

    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(0);
    duzen->addWidget(m_sLabel1, 1);
    duzen->addWidget(m_bilgi);
    duzen->addWidget(altPanel);
}

std::unique_ptr<Tdosyaindir> Tdosyaindir::Yeni(QWidget* AOwner, int _y) {
    return std::unique_ptr<Tdosyaindir>(new Tdosyaindir(AOwner, _y));
}

Tdosyaindir::~Tdosyaindir() = default;

QString Tdosyaindir::HedefDosya() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/TevranoSetup.exe"_s;
}

QUrl Tdosyaindir::IndirmeAdresi() {
    return yayin::YapimciYolu(u"exe/TevranoSetup.exe");
}

const std::vector<std::pair<std::string, std::string>>& Tdosyaindir::IstekBasliklari() {
    static const std::vector<std::pair<std::string, std::string>> basliklar{
        {"Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8"},
        {"Accept-Encoding", "gzip, deflate"},
        {"Accept-Language", "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4"},
        {"User-Agent", "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
                       "Chrome/60.0.3112.32 Safari/537.36"},
    };
    return basliklar;
}

QString Tdosyaindir::IlerlemeMetni(qint64 AContentLength, qint64 AReadCount, const QLocale& yerel) {
    QLocale bicim = yerel;
    bicim.setNumberOptions(bicim.numberOptions() | QLocale::OmitGroupSeparator);
    const auto yaz = [&bicim](double deger) { return bicim.toString(deger, 'f', 2); };
    const double yuzde = static_cast<double>(AReadCount) / static_cast<double>(AContentLength) * 100.0;
    constexpr double mb = 1024.0 * 1024.0;
    return u"Bilgi: %"_s + yaz(yuzde) + u"  İndirilen: "_s + yaz(static_cast<double>(AReadCount) / mb) + u"/"_s +
           yaz(static_cast<double>(AContentLength) / mb) + u" Mb"_s;
}

bool Tdosyaindir::event(QEvent* olay) {
    if (olay->type() == QEvent::WindowActivate)
        BitirebilirCalistir([this] { FormActivate(); });
    return QDialog::event(olay);
}

void Tdosyaindir::reject() {}

void Tdosyaindir::FormActivate() {
    Indir();
}

void Tdosyaindir::Indir() {
    if (m_basladi)
        return;
    m_basladi = true;
    const QString hedef = HedefDosya();
    QDir().mkpath(QFileInfo(hedef).path());
    if (QFileInfo::exists(hedef))
        QFile::remove(hedef);
    auto sonuc = std::make_shared<TIndirmeSonucu>();
    tasks::RunInBackground(
        this,
        [adres = IndirmeAdresi(), hedef, pencere = QPointer<Tdosyaindir>(this), sonuc] {
            Getir(adres, hedef, pencere, *sonuc);
        },
        [this, sonuc] { BitirebilirCalistir([this, sonuc] { IndirmeBitti(*sonuc); }); });
}

// The background half: the whole answer into memory, then, for a 200 answer, into the target file.
// Progress goes to the window through the event loop; `pencere` is only read there.
void Tdosyaindir::Getir(const QUrl& adres, const QString& hedef, const QPointer<Tdosyaindir>& pencere,
                        TIndirmeSonucu& sonuc) {
    const THttpAdres a = HttpAdresi(adres);
    httplib::Client istemci(a.kok);
    istemci.set_connection_timeout(kBaglanmaSuresi);
    istemci.set_read_timeout(kCevapSuresi);
    istemci.set_follow_location(true);
    httplib::Headers basliklar;
    for (const auto& [ad, deger] : IstekBasliklari())
        basliklar.emplace(ad, deger);
    qint64 bildirilen = -1;
    const auto ilerleme = [&pencere, &bildirilen](uint64_t okunan, uint64_t uzunluk) {
        const auto o = static_cast<qint64>(okunan);
        const auto u = static_cast<qint64>(uzunluk);
        if (bildirilen >= 0 && o - bildirilen < kIlerlemeAdimi && o != u)
            return true;
        bildirilen = o;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [pencere, u, o] {
                if (pencere)
                    pencere->NetHTTPClient1ReceiveData(u, o);
            },
            Qt::QueuedConnection);
        return true; // the download is never aborted from here
    };
    const httplib::Result cevap = istemci.Get(a.yol, basliklar, ilerleme);
    if (!cevap) {
        sonuc.hata = QString::fromStdString(httplib::to_string(cevap.error()));
        return;
    }
    sonuc.aktarildi = true;
    sonuc.durum = cevap->status;
    sonuc.neden = QString::fromStdString(cevap->reason);
    if (sonuc.durum != 200)
        return;
    QSaveFile dosya(hedef);
    if (!dosya.open(QIODevice::WriteOnly) ||
        dosya.write(cevap->body.data(), static_cast<qint64>(cevap->body.size())) !=
            static_cast<qint64>(cevap->body.size()) ||
        !dosya.commit()) {
        sonuc.hata = dosya.errorString();
        return;
    }
    QFile::setPermissions(hedef, QFile::permissions(hedef) | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                     QFileDevice::ExeOther);
}

void Tdosyaindir::NetHTTPClient1ReceiveData(qint64 AContentLength, qint64 AReadCount) {
    if (AContentLength <= 0)
        return;
    m_bilgi->setText(IlerlemeMetni(AContentLength, AReadCount));
    // A bar counts in int: lengths beyond that are shown in KiB.
    const int olcek = AContentLength > std::numeric_limits<int>::max() ? 1024 : 1;
    m_ProgressBar1->setMaximum(static_cast<int>(AContentLength / olcek));
    m_ProgressBar1->setValue(static_cast<int>(AReadCount / olcek));
}

void Tdosyaindir::NetHTTPClient1RequestError(const QString& AError) {
    StandartMesajGoster(u"Hata Oluştu !\r\nHata: "_s + AError, mtError);
    sistem::SurecBitir(0);
}

void Tdosyaindir::IndirmeBitti(const TIndirmeSonucu& sonuc) {
    if (sonuc.aktarildi && sonuc.durum != 200) {
        NetHTTPClient1RequestError(u"HTTP %1 %2"_s.arg(sonuc.durum).arg(sonuc.neden).trimmed());
        return;
    }
    if (!sonuc.hata.isEmpty()) {
        NetHTTPClient1RequestError(sonuc.hata);
        return;
    }
    KurulumBaslat(HedefDosya());
}

// The installer is started unattended; whether it could be started is not reported.
void Tdosyaindir::KurulumBaslat(const QString& dosya) {
    const QStringList parametreler{u"/silent"_s};
    if (Baslatici())
        Baslatici()(dosya, parametreler);
    else
        QProcess::startDetached(dosya, parametreler);
    sistem::SurecBitir(0);
}
