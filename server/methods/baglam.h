#pragma once

#include "platform/datasnap/dataset.h"
#include "platform/datasnap/jsonwriter.h"
#include "platform/datasnap/marshal.h"
#include "platform/datasnap/signature.h"

#include <QByteArray>
#include <QJsonArray>
#include <QSqlDatabase>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

class TVeritabani;

// What a server method needs besides its arguments.
struct TSunucuOrtami {
    TVeritabani* veritabani = nullptr;
    int istemciSurumu = 2; // the client version the server reports in the session record
};

// A failure the caller caused (a bad argument value): answered 400, nothing changed.
class TIstekHatasi : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    explicit TIstekHatasi(const QString& mesaj)
        : std::runtime_error(mesaj.toStdString()) {}
};

// One call of a server method: the checked arguments by position, and the outs and the result
// it answers with. Values are checked against the method's signature before the method runs.
class TCagriBaglami {
public:
    TCagriBaglami(const datasnap::TDSMethodSignature& imza, QJsonArray argumanlar, const TSunucuOrtami& ortam,
                  QString arayanAdres);
    ~TCagriBaglami();

    const datasnap::TDSMethodSignature& Imza() const { return m_imza; }
    const TSunucuOrtami& Ortam() const { return m_ortam; }
    const QString& ArayanAdres() const { return m_arayanAdres; }
    QSqlDatabase Db() const; // the calling worker's own connection

    QString Yazi(int k) const;
    int Tam(int k) const;
    qint64 Uzun(int k) const;
    double Ondalik(int k) const;
    bool Mantik(int k) const;
    template <class T> const T* Kayit(int k) const; // nullptr for a null argument

    // Outs by their parameter position, and the result. An out left unset answers its type's zero.
    void Cikti(int k, int deger);
    void Cikti(int k, qint64 deger);
    void Cikti(int k, double deger);
    void Cikti(int k, bool deger);
    void Cikti(int k, const QString& deger);
    void Sonuc(int deger);
    void Sonuc(bool deger);
    void Sonuc(const QString& deger);
    void SonucTablo(const datasnap::TDSTable& tablo); // a row table or a data packet, as declared
    // The same, written row by row: `satirlariYaz` writes each row as a JSON array with one value
    // per column (TFieldDef types as in WriteCell), in answer order.
    void SonucTablo(const QList<datasnap::TFieldDef>& sutunlar,
                    const std::function<void(datasnap::TJsonWriter&)>& satirlariYaz);
    void SonucAkis(const std::optional<QByteArray>& baytlar); // nullopt = no stream
    void SonucKayit(const datasnap::TObject* nesne);
    void SonucDizi(const QJsonArray& dizi);

    // A message to the callback argument at position k, delivered with the answer.
    void GeriCagir(int k, const QJsonValue& deger);

    // The answer body: {"result": [outs..., result], "callbacks": [...]?}
    QByteArray Cevap() const;

private:
    void Yaz(int k, QByteArray json);
    int SonucKonumu() const { return static_cast<int>(m_imza.params.size()); }
    const datasnap::TObject* KayitNesnesi(int k) const;

    const datasnap::TDSMethodSignature& m_imza;
    QJsonArray m_argumanlar;
    const TSunucuOrtami& m_ortam;
    QString m_arayanAdres;
    std::vector<std::unique_ptr<datasnap::TObject>> m_kayitlar; // unmarshalled record arguments
    std::vector<QByteArray> m_cikislar;                         // per position, encoded; the result last
    std::vector<std::pair<QString, QJsonValue>> m_geriCagrilar;
};

template <class T> const T* TCagriBaglami::Kayit(int k) const {
    const datasnap::TObject* nesne = KayitNesnesi(k);
    if (nesne && &nesne->ClassInfo() != &T::Sinif())
        throw TIstekHatasi(
            QStringLiteral("Parameter %1 must be %2").arg(m_imza.params[k].name, T::Sinif().qualifiedName));
    return static_cast<const T*>(nesne);
}
