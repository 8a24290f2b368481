#pragma once

// The user behind a session record, as the server holds it, and the checks that the basket,
// order and catalogue methods share on their arguments.

#include "client/remote/baglantiu.h"
#include "server/methods/baglam.h"

#include <QString>

// A user of KULLANICILAR. Only the server's own values count: a session record's MusteriTipi or
// CARINO is never taken on trust.
struct TOturumKullanicisi {
    int siraNo = 0;
    QString adi;
    int musteriTipi = 0;
    int cariNo = 0;   // a dealer's own account; 0 for staff
    int saticiNo = 0; // staff: their own number; dealers: their representative
    bool Personel() const { return musteriTipi == 1 || musteriTipi == 2; }
};

// The user the session record at argument k names by its Sirano, on a machine bound to that
// user (BILGISAYARID): a login belongs to a computer as well as to a user. A null record, a
// machine not bound to that user, or an inactive user is a TIstekHatasi (answered 400).
TOturumKullanicisi OturumKullanicisi(const TCagriBaglami& c, int k);

// The active customer account a session works for, 0 for none: a dealer's own account whatever
// the record says; for staff the customer they chose (the record's CARINO) when they may work
// for it: a representative (type 1) for his own customers, type 2 for every customer.
int OturumCarisi(const QSqlDatabase& db, const TOturumKullanicisi& kullanici, const TSonucBilgisi& kayit);

// The session record at argument k (a null record is a TIstekHatasi).
const TSonucBilgisi& OturumKaydi(const TCagriBaglami& c, int k);

// Argument checks; each throws TIstekHatasi naming the parameter.
QString SinirliYazi(const TCagriBaglami& c, int k, int enFazla);            // at most enFazla characters
double SonluSayi(const TCagriBaglami& c, int k, double enAz, double enCok); // finite, in [enAz, enCok]
