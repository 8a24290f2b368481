#pragma once

// Two customers of known content added to a seeded demo database before the server starts:
// 1234 of the first representative (TEMSILCI1) and 1235 of the second.
//   1234: balance 250.50 in its favour; 2 basket lines; orders: 1 received, 2 approved,
//         1 partly prepared; one open back-order line (5 ordered, 2 delivered), one closed and
//         one delivered line; a sales invoice of 1,000.00 on 10 May 2025 and collections of 400.00
//         on 20 May and 850.50 on 25 May.
//   1235: one basket line, one shipped order.

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace carifiksturu {

inline constexpr int kCari = 1234;
inline constexpr int kBaskaTemsilcininCarisi = 1235;
inline const QString kCariAdi = QStringLiteral("DENEME OTO YEDEK PARÇA");
inline const QString kCariKod = QStringLiteral("120.99.1234");
inline const QString kBaskaCariAdi = QStringLiteral("KONTROL MAKİNA SANAYİ");
inline const QString kTemsilci1Adi = QStringLiteral("AHMET YILMAZ");

// OLE dates of the fixture (2025-05-10, 2025-05-20, 2025-05-25).
inline constexpr double kFaturaTarihi = 45787.0;
inline constexpr double kTahsilatTarihi = 45797.0;
inline constexpr double kIkinciTahsilatTarihi = 45802.0;

inline bool Calistir(QSqlDatabase& db, const QString& sql, const QVariantList& degerler = {}) {
    QSqlQuery q(db);
    q.prepare(sql);
    for (int i = 0; i < degerler.size(); ++i)
        q.bindValue(i, degerler[i]);
    if (!q.exec()) {
        qWarning("fixture: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        return false;
    }
    return true;
}

inline bool SatirEkle(QSqlDatabase& db, const QString& tablo, int idNo, double miktar, double teslim, int kapandi) {
    const QString sql =
        tablo == QLatin1String("SEPET")
            ? QStringLiteral("INSERT INTO SEPET (CARINO, STOK_STOKNO, MIKTAR, BIRIMFIYAT, NETBIRIMFIYAT, TUTAR, "
                             "INDIRIMTUTAR, NETTUTAR, KDV, VERGITUTARI, KDVLITUTAR, TARIH) "
                             "VALUES (?, 1, ?, 10, 10, 10, 0, 10, 20, 2, 12, 45800)")
            : QStringLiteral("INSERT INTO SIPARIS_SATIRLARI (IDNO, STOK_STOKNO, MIKTAR, TESLIMEDILEN, KAPANDI, "
                             "ILKFIYAT, BIRIMFIYAT, NETBIRIMFIYAT, TUTAR, INDIRIMTUTAR, NETTUTAR, KDV, "
                             "VERGITUTARI, KDVLITUTAR, TARIH) VALUES (?, 2, ?, ?, ?, 10, 10, 10, 10, 0, 10, 20, "
                             "2, 12, 45800)");
    return tablo == QLatin1String("SEPET") ? Calistir(db, sql, {idNo, miktar})
                                           : Calistir(db, sql, {idNo, miktar, teslim, kapandi});
}

inline int SiparisEkle(QSqlDatabase& db, int cariNo, int durum) {
    if (!Calistir(db, QStringLiteral("INSERT INTO SIPARISLER (CARINO, TARIH, DURUM) VALUES (?, 45800, ?)"),
                  {cariNo, durum}))
        return 0;
    QSqlQuery q(QStringLiteral("SELECT MAX(IDNO) FROM SIPARISLER"), db);
    return q.next() ? q.value(0).toInt() : 0;
}

// Adds the two customers to the database file `dosya`. False when a statement failed.
inline bool Ekle(const QString& dosya) {
    bool tamam = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("carifiksturu"));
        db.setDatabaseName(dosya);
        if (!db.open())
            return false;
        const QString cari = QStringLiteral(
            "INSERT INTO CARILER (CARINO, CARIKOD, CARIADI, ADRES1, ILCE, IL, TEL1, GSM, YETKILI, VERGIDAIRESI, "
            "VERGINO, EMAIL, INDIRIM, VADE, SATICINO, TLBORC, TLALACAK, TLBAKIYE) "
            "VALUES (?, ?, ?, 'SANAYİ SİTESİ 4. BLOK NO: 7', 'ODUNPAZARI', 'ESKİŞEHİR', ?, '0532 000 00 00', "
            "'AYŞE TEST', 'ODUNPAZARI V.D.', '1234567890', 'deneme@example.com', 12.5, 45, ?, ?, ?, ?)");
        tamam &= Calistir(db, cari,
                          {kCari, kCariKod, kCariAdi, QStringLiteral("0222 555 12 34"), 1, 1000.0, 1250.5, -250.5});
        tamam &= Calistir(db, cari,
                          {kBaskaTemsilcininCarisi, QStringLiteral("120.99.1235"), kBaskaCariAdi,
                           QStringLiteral("0222 555 12 35"), 2, 0.0, 0.0, 0.0});
        tamam &= SatirEkle(db, QStringLiteral("SEPET"), kCari, 1, 0, 0);
        tamam &= SatirEkle(db, QStringLiteral("SEPET"), kCari, 3, 0, 0);
        tamam &= SatirEkle(db, QStringLiteral("SEPET"), kBaskaTemsilcininCarisi, 1, 0, 0);
        const int alindi = SiparisEkle(db, kCari, 1);
        SiparisEkle(db, kCari, 2);
        SiparisEkle(db, kCari, 2);
        const int parcali = SiparisEkle(db, kCari, 4);
        tamam &= alindi > 0 && parcali > 0 && SiparisEkle(db, kBaskaTemsilcininCarisi, 6) > 0;
        tamam &= SatirEkle(db, QStringLiteral("SIPARIS_SATIRLARI"), parcali, 5, 2, 0); // open: 3 left
        tamam &= SatirEkle(db, QStringLiteral("SIPARIS_SATIRLARI"), parcali, 4, 1, 1); // cancelled balance
        tamam &= SatirEkle(db, QStringLiteral("SIPARIS_SATIRLARI"), parcali, 2, 2, 0); // delivered
        const QString hareket = QStringLiteral("INSERT INTO CARI_HAREKETLER (CARINO, TARIH, VADETARIHI, TURADI, "
                                               "EVRAK, BORC, ALACAK) VALUES (?, ?, ?, ?, ?, ?, ?)");
        tamam &= Calistir(db, hareket,
                          {kCari, kFaturaTarihi, kFaturaTarihi + 30, QStringLiteral("Satış Faturası"),
                           QStringLiteral("FTR-1234"), 1000.0, 0.0});
        tamam &= Calistir(db, hareket,
                          {kCari, kTahsilatTarihi, kTahsilatTarihi, QStringLiteral("Tahsilat"),
                           QStringLiteral("THS-1234"), 0.0, 400.0});
        tamam &= Calistir(db, hareket,
                          {kCari, kIkinciTahsilatTarihi, kIkinciTahsilatTarihi, QStringLiteral("Tahsilat"),
                           QStringLiteral("THS-1235"), 0.0, 850.5});
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("carifiksturu"));
    return tamam;
}

} // namespace carifiksturu
