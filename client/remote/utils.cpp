#include "client/remote/utils.h"

#include "client/remote/mesajpenceresi.h"
#include "client/remote/sayilar.h"
#include "platform/datasnap/dataset.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

MesajCevaplayici& Cevaplayici() {
    static MesajCevaplayici cevaplayici;
    return cevaplayici;
}

BipSesiCalici& Calici() {
    static BipSesiCalici calici;
    return calici;
}

// A folder path without a trailing separator, with "/" as separator.
QString KlasorYolu(const QString& yol) {
    return yol.isEmpty() ? QString() : QDir::cleanPath(yol);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Message box

QString MesajBasligi(int tur) {
    switch (tur) {
    case mtWarning:
        return u"Uyarı"_s;
    case mtError:
        return u"Hata"_s;
    case mtInformation:
        return u"Bilgi"_s;
    case mtConfirmation:
        return u"Soru"_s;
    default:
        return QGuiApplication::applicationDisplayName();
    }
}

SistemSesi MesajSesi(int tur) {
    switch (tur) {
    case mtWarning:
        return SistemSesi::Unlem;
    case mtError:
        return SistemSesi::Hata;
    case mtInformation:
        return SistemSesi::Yildiz;
    case mtConfirmation:
        return SistemSesi::Soru;
    default:
        return SistemSesi::Yok;
    }
}

void MesajCevaplayicisiniAyarla(MesajCevaplayici cevaplayici) {
    Cevaplayici() = std::move(cevaplayici);
}

void BipSesiCaliciniAyarla(BipSesiCalici calici) {
    Calici() = std::move(calici);
}

void BipSesiCal(SistemSesi ses) {
    if (Calici())
        Calici()(ses);
    else
        QApplication::beep(); // the desktop has a single beep for every kind
}

int MesajGoster(const QString& metin, int tur, MesajTuslari tuslar, int odakliTus) {
    const MesajIstegi istek{metin, tur, MesajBasligi(tur), tuslar, odakliTus, QApplication::activeWindow()};
    const SistemSesi ses = MesajSesi(tur);
    if (const MesajCevaplayici cevaplayici = Cevaplayici()) {
        if (ses != SistemSesi::Yok)
            BipSesiCal(ses);
        return cevaplayici(istek);
    }
    std::unique_ptr<MesajPenceresi> pencere = MesajPenceresiOlustur(istek);
    if (ses != SistemSesi::Yok)
        BipSesiCal(ses);
    return MesajPenceresiniCalistir(std::move(pencere));
}

void StandartMesajGoster(const QString& metin, int tur) {
    const bool hata = tur == mtError;
    MesajIstegi istek;
    istek.metin = metin;
    istek.tur = hata ? mtError : mtWarning;
    istek.baslik = hata ? u"Error"_s : u"Warning"_s;
    istek.tuslar = mbOK;
    istek.odakliTus = mbOK;
    istek.sahip = QApplication::activeWindow();
    if (const MesajCevaplayici cevaplayici = Cevaplayici()) {
        cevaplayici(istek);
        return;
    }
    QMessageBox kutu(hata ? QMessageBox::Critical : QMessageBox::Warning, istek.baslik, metin, QMessageBox::Ok,
                     istek.sahip);
    kutu.exec();
}

// ---------------------------------------------------------------------------------------------
// Folders

QString AyarKlasoruVer() {
    const QString ayarlar = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (ayarlar.isEmpty())
        return {};
    const QString klasor = KlasorYolu(ayarlar + u"/tevrano"_s);
    // The settings folder itself may be missing on a fresh account, so create the whole path.
    QDir().mkpath(klasor);
    return klasor;
}

QString BelgelerKlasoruVer() {
    return KlasorYolu(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

// ---------------------------------------------------------------------------------------------
// Data-set helpers

void OndalikBicimle(datasnap::TClientDataSet* veri) {
    SayiBicimiUygula(veri);
}

bool KayitVarMi(const datasnap::TClientDataSet* veri) {
    return veri && veri->Active() && veri->RecordCount() > 0;
}

bool SeciliVarMi(datasnap::TClientDataSet* veri) {
    if (!KayitVarMi(veri))
        return false;
    const datasnap::TField* sec = veri->FieldByName(u"SEC");
    for (veri->First(); !veri->Eof(); veri->Next())
        if (sec->AsInteger() == 1)
            return true;
    return false;
}
