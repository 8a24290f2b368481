#include "server/methods/kullanici.h"

#include "server/store/veritabani.h"

#include <cmath>

namespace {

QString ParametreAdi(const TCagriBaglami& c, int k) {
    return c.Imza().params.at(k).name;
}

} // namespace

const TSonucBilgisi& OturumKaydi(const TCagriBaglami& c, int k) {
    const TSonucBilgisi* kayit = c.Kayit<TSonucBilgisi>(k);
    if (!kayit)
        throw TIstekHatasi(QStringLiteral("Parameter %1 needs a session record").arg(ParametreAdi(c, k)));
    return *kayit;
}

TOturumKullanicisi OturumKullanicisi(const TCagriBaglami& c, int k) {
    const TSonucBilgisi& kayit = OturumKaydi(c, k);
    QSqlQuery q = Calistir(c.Db(),
                           QStringLiteral("SELECT K.SIRANO, K.ADI, K.MUSTERITIPI, COALESCE(K.CARINO, 0), "
                                          "COALESCE(K.SATICINO, 0) FROM MAKINELER M JOIN KULLANICILAR K "
                                          "ON K.SIRANO = M.KULLANICISIRANO "
                                          "WHERE M.BILGISAYARID = ? AND K.SIRANO = ? AND K.AKTIF = 1"),
                           {kayit.BILGISAYARID(), kayit.Sirano()});
    // The same answer for every kind of mismatch, so that it tells nothing about other users.
    if (!q.next())
        throw TIstekHatasi(QStringLiteral("The session record does not name an active user of this machine"));
    TOturumKullanicisi u;
    u.siraNo = q.value(0).toInt();
    u.adi = q.value(1).toString();
    u.musteriTipi = q.value(2).toInt();
    u.cariNo = q.value(3).toInt();
    u.saticiNo = q.value(4).toInt();
    return u;
}

int OturumCarisi(const QSqlDatabase& db, const TOturumKullanicisi& kullanici, const TSonucBilgisi& kayit) {
    const int cariNo = kullanici.Personel() ? kayit.CARINO() : kullanici.cariNo;
    if (cariNo <= 0)
        return 0;
    QSqlQuery q = Calistir(
        db, QStringLiteral("SELECT COALESCE(SATICINO, 0) FROM CARILER WHERE CARINO = ? AND AKTIF = 1"), {cariNo});
    if (!q.next())
        return 0;
    const bool temsilcisi =
        kullanici.musteriTipi != 1 || (kullanici.saticiNo > 0 && q.value(0).toInt() == kullanici.saticiNo);
    return temsilcisi ? cariNo : 0;
}

QString SinirliYazi(const TCagriBaglami& c, int k, int enFazla) {
    QString yazi = c.Yazi(k);
    if (yazi.size() > enFazla)
        throw TIstekHatasi(
            QStringLiteral("Parameter %1 is longer than %2 characters").arg(ParametreAdi(c, k)).arg(enFazla));
    return yazi;
}

double SonluSayi(const TCagriBaglami& c, int k, double enAz, double enCok) {
    const double deger = c.Ondalik(k);
    if (!std::isfinite(deger) || deger < enAz || deger > enCok)
        throw TIstekHatasi(QStringLiteral("Parameter %1 must lie between %2 and %3")
                               .arg(ParametreAdi(c, k))
                               .arg(enAz, 0, 'f', 0)
                               .arg(enCok, 0, 'f', 0));
    return deger;
}
