#include "server/store/veritabani.h"

#include <QSqlError>
#include <atomic>
#include <map>

namespace {

std::atomic<quint64> sonVeritabaniKimligi{0};
std::atomic<quint64> sonIsParcacigiKimligi{0};

// The connections that the current thread opened, one per TVeritabani; removed when the thread ends.
class TIsParcacigiBaglantilari {
public:
    ~TIsParcacigiBaglantilari() {
        for (const auto& [kimlik, ad] : m_adlar)
            Kaldir(ad);
    }

    quint64 IsParcacigi() const { return m_isParcacigi; }

    const QString* Bul(quint64 veritabani) const {
        const auto it = m_adlar.find(veritabani);
        return it == m_adlar.end() ? nullptr : &it->second;
    }

    void Ekle(quint64 veritabani, const QString& ad) { m_adlar[veritabani] = ad; }

    void Sil(quint64 veritabani) {
        const auto it = m_adlar.find(veritabani);
        if (it == m_adlar.end())
            return;
        Kaldir(it->second);
        m_adlar.erase(it);
    }

private:
    static void Kaldir(const QString& ad) {
        {
            QSqlDatabase db = QSqlDatabase::database(ad, false);
            if (db.isValid())
                db.close();
        }
        QSqlDatabase::removeDatabase(ad);
    }

    quint64 m_isParcacigi = ++sonIsParcacigiKimligi;
    std::map<quint64, QString> m_adlar;
};

TIsParcacigiBaglantilari& BuIsParcacigi() {
    thread_local TIsParcacigiBaglantilari baglantilar;
    return baglantilar;
}

void Pragma(QSqlDatabase& db, const QString& komut) {
    QSqlQuery sorgu(db);
    if (!sorgu.exec(komut))
        throw TVeritabaniHatasi(komut, sorgu.lastError());
}

void Ayarla(QSqlDatabase& db) {
    Pragma(db, QStringLiteral("PRAGMA busy_timeout = 5000"));
    Pragma(db, QStringLiteral("PRAGMA journal_mode = WAL"));
    Pragma(db, QStringLiteral("PRAGMA synchronous = FULL"));
    Pragma(db, QStringLiteral("PRAGMA foreign_keys = ON"));
    // The rows of a wide search lie scattered over the file: with the default 2 MiB cache each
    // search read most of its pages again, one system call per page.
    Pragma(db, QStringLiteral("PRAGMA cache_size = -16384"));
}

} // namespace

TVeritabaniHatasi::TVeritabaniHatasi(const QString& mesaj)
    : std::runtime_error(mesaj.toStdString()) {}

TVeritabaniHatasi::TVeritabaniHatasi(const QString& baglam, const QSqlError& hata)
    : std::runtime_error((hata.text() + QStringLiteral(" [") + baglam + QStringLiteral("]")).toStdString()) {}

TVeritabani::TVeritabani(QString dosyaYolu)
    : m_dosyaYolu(std::move(dosyaYolu))
    , m_kimlik(++sonVeritabaniKimligi) {}

TVeritabani::~TVeritabani() {
    BaglantiyiKapat();
}

QString TVeritabani::BaglantiAdi() const {
    return QStringLiteral("tevrano-%1-%2").arg(m_kimlik).arg(BuIsParcacigi().IsParcacigi());
}

QSqlDatabase TVeritabani::Baglanti() const {
    auto& baglantilar = BuIsParcacigi();
    if (const QString* ad = baglantilar.Bul(m_kimlik))
        return QSqlDatabase::database(*ad, false);

    const QString ad = BaglantiAdi();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
    db.setDatabaseName(m_dosyaYolu);
    baglantilar.Ekle(m_kimlik, ad);
    if (!db.open()) {
        const QSqlError hata = db.lastError();
        db = QSqlDatabase();
        baglantilar.Sil(m_kimlik);
        throw TVeritabaniHatasi(m_dosyaYolu, hata);
    }
    try {
        Ayarla(db);
    } catch (...) {
        db = QSqlDatabase();
        baglantilar.Sil(m_kimlik);
        throw;
    }
    return db;
}

void TVeritabani::BaglantiyiKapat() const {
    BuIsParcacigi().Sil(m_kimlik);
}

TIslem::TIslem(QSqlDatabase db)
    : m_db(std::move(db)) {
    Calistir(m_db, QStringLiteral("BEGIN IMMEDIATE"));
    m_acik = true;
}

TIslem::~TIslem() {
    if (!m_acik)
        return;
    QSqlQuery sorgu(m_db);
    sorgu.exec(QStringLiteral("ROLLBACK"));
}

void TIslem::Onayla() {
    Calistir(m_db, QStringLiteral("COMMIT"));
    m_acik = false;
}

QSqlQuery Hazirla(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery sorgu(db);
    sorgu.setForwardOnly(true);
    if (!sorgu.prepare(sql))
        throw TVeritabaniHatasi(sql, sorgu.lastError());
    return sorgu;
}

void Calistir(QSqlQuery& sorgu) {
    if (!sorgu.exec())
        throw TVeritabaniHatasi(sorgu.lastQuery(), sorgu.lastError());
}

void DegerBagla(QSqlQuery& sorgu, int sira, const QVariant& deger) {
    if (deger.typeId() == QMetaType::QString && deger.toString().isNull())
        sorgu.bindValue(sira, QStringLiteral(""));
    else
        sorgu.bindValue(sira, deger);
}

QSqlQuery Calistir(const QSqlDatabase& db, const QString& sql, const QVariantList& degerler) {
    QSqlQuery sorgu = Hazirla(db, sql);
    for (int i = 0; i < degerler.size(); ++i)
        DegerBagla(sorgu, i, degerler.at(i));
    Calistir(sorgu);
    return sorgu;
}

QVariant TekDeger(const QSqlDatabase& db, const QString& sql, const QVariantList& degerler) {
    QSqlQuery sorgu = Calistir(db, sql, degerler);
    return sorgu.next() ? sorgu.value(0) : QVariant();
}
