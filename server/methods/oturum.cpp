// Session and account methods: the session record of a machine, the account data, test echoes.
#include "client/remote/baglantiu.h"
#include "client/remote/mobilstokunit.h"
#include "server/methods/metotlar.h"
#include "server/store/veritabani.h"

#include <QSqlRecord>
#include <algorithm>

namespace {

// The user bound to a machine, the dealer's account of that user and the representative.
const QString kMakineninKullanicisi =
    QStringLiteral(" FROM MAKINELER M JOIN KULLANICILAR K ON K.SIRANO = M.KULLANICISIRANO "
                   "LEFT JOIN CARILER C ON C.CARINO = K.CARINO "
                   "LEFT JOIN SATICILAR S ON S.SATICINO = COALESCE(K.SATICINO, C.SATICINO) "
                   "WHERE M.BILGISAYARID = ?");

// The session record of a machine: the bound user, the dealer's account (for dealer logins),
// the representative. An unknown machine gets Varmi false and no account data.
void BuyukGetir(TCagriBaglami& c) {
    const QString kimlik = c.Yazi(0);
    TSonucBilgisi s;
    s.SetBILGISAYARID(kimlik);
    s.SetVersion(c.Ortam().istemciSurumu);
    QSqlQuery q = Calistir(c.Db(),
                           QStringLiteral("SELECT K.SIRANO, K.ADI, K.SIFRE, K.AKTIF, K.MUSTERITIPI, K.EMAIL, "
                                          "COALESCE(C.CARINO, 0), COALESCE(C.CARIKOD, ''), COALESCE(C.CARIADI, ''), "
                                          "COALESCE(S.SATICINO, 0), COALESCE(S.SATICIADI, ''), "
                                          "COALESCE(S.SATICITELEFON, ''), COALESCE(S.SATICIMAIL, '')") +
                               kMakineninKullanicisi,
                           {kimlik});
    if (q.next()) {
        s.SetVarmi(true);
        s.SetSirano(q.value(0).toInt());
        s.SetADI(q.value(1).toString());
        s.SetSIFRE(q.value(2).toString());
        s.SetAKTIF(q.value(3).toInt());
        s.SetMusteriTipi(q.value(4).toInt());
        s.SetKullanicimail(q.value(5).toString());
        s.SetCARINO(q.value(6).toInt());
        s.Setcarikod(q.value(7).toString());
        s.SetCariAdi(q.value(8).toString());
        s.SetSaticiNo(q.value(9).toInt());
        s.SetSaticiAdi(q.value(10).toString());
        s.SetSaticiTelefon(q.value(11).toString());
        s.SetSaticiMail(q.value(12).toString());
    }
    c.SonucKayit(&s);
}

// The account data registered for a machine (the dealer's account of its user, or the user's
// own data for staff). An unknown machine gets a record with only the identifier.
void MobilCariBilgisiGetir(TCagriBaglami& c) {
    const QString kimlik = c.Yazi(1);
    TMobilCariBilgisi b;
    b.SetBILGISAYARID(kimlik);
    QSqlQuery q = Calistir(
        c.Db(),
        QStringLiteral("SELECT K.ADI, K.SIFRE, K.EMAIL, COALESCE(C.CARINO, 0), COALESCE(C.CARIKOD, ''), "
                       "COALESCE(C.CARIADI, ''), COALESCE(C.ADRES1, ''), COALESCE(C.ADRES2, ''), "
                       "COALESCE(C.ILCE, ''), COALESCE(C.IL, ''), COALESCE(C.ULKE, ''), COALESCE(C.TEL1, ''), "
                       "COALESCE(C.TEL2, ''), COALESCE(C.FAX1, ''), COALESCE(C.FAX2, ''), COALESCE(C.GSM, ''), "
                       "COALESCE(C.EMAIL, ''), COALESCE(C.VERGIDAIRESI, ''), COALESCE(C.VERGINO, ''), "
                       "COALESCE(C.YETKILI, ''), COALESCE(C.ANAGRUP, ''), COALESCE(C.ALTGRUP, ''), "
                       "COALESCE(C.OZELKOD, ''), COALESCE(C.TLBORC, 0), COALESCE(C.TLALACAK, 0), "
                       "COALESCE(C.TLBAKIYE, 0), COALESCE(S.SATICIADI, ''), COALESCE(S.SATICIMAIL, ''), "
                       "COALESCE(S.SATICITELEFON, '')") +
            kMakineninKullanicisi,
        {kimlik});
    if (q.next()) {
        int i = 0;
        auto yazi = [&q, &i] { return q.value(i++).toString(); };
        b.SetKULLANICIADI(yazi());
        b.SetSIFRE(yazi());
        b.SetMAIL(yazi());
        b.SetCARINO(q.value(i++).toInt());
        b.SetCARIKOD(yazi());
        b.SetCARIADI(yazi());
        b.SetADRES1(yazi());
        b.SetADRES2(yazi());
        b.SetILCE(yazi());
        b.SetSEHIR(yazi());
        b.SetULKE(yazi());
        b.SetTEL1(yazi());
        b.SetTEL2(yazi());
        b.SetFAX1(yazi());
        b.SetFAX2(yazi());
        b.SetGSM(yazi());
        b.SetEMAIL(yazi());
        b.SetVERGIDAIRESI(yazi());
        b.SetVERGINO(yazi());
        b.SetYETKILI(yazi());
        b.SetAnaGrup(yazi());
        b.SetAltGrup(yazi());
        b.SetOzelKod(yazi());
        b.SetTLBORC(q.value(i++).toDouble());
        b.SetTLALACAK(q.value(i++).toDouble());
        b.SetTLBAKIYE(q.value(i++).toDouble());
        b.SetSATICIADI(yazi());
        b.SetSATICIMAIL(yazi());
        b.SetSATICITELEFON(yazi());
    }
    c.SonucKayit(&b);
}

void EchoString(TCagriBaglami& c) {
    c.Sonuc(c.Yazi(0));
}

// Reversed by code points, so letters outside the BMP stay whole.
void ReverseString(TCagriBaglami& c) {
    QList<uint> harfler = c.Yazi(0).toUcs4();
    std::reverse(harfler.begin(), harfler.end());
    c.Sonuc(QString::fromUcs4(reinterpret_cast<const char32_t*>(harfler.constData()), harfler.size()));
}

} // namespace

void OturumMetotlari(TMetotTablosu& tablo) {
    tablo.insert(QStringLiteral("BuyukGetir"), BuyukGetir);
    tablo.insert(QStringLiteral("MobilCariBilgisiGetir"), MobilCariBilgisiGetir);
    tablo.insert(QStringLiteral("EchoString"), EchoString);
    tablo.insert(QStringLiteral("ReverseString"), ReverseString);
}
