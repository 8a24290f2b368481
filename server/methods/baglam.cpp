#include "server/methods/baglam.h"

#include "platform/datasnap/jsonwriter.h"
#include "platform/datasnap/tablecodec.h"
#include "server/store/veritabani.h"

#include <QJsonObject>

using datasnap::TDSType;
using datasnap::TJsonWriter;

namespace {

QByteArray Kodla(const std::function<void(TJsonWriter&)>& yaz) {
    TJsonWriter w;
    yaz(w);
    return w.Take();
}

// The zero of a declared kind, for outs and results a method left unset.
QByteArray Sifir(TDSType tur) {
    switch (tur) {
    case TDSType::String:
        return QByteArray("\"\"");
    case TDSType::Boolean:
        return QByteArray("false");
    case TDSType::Integer:
    case TDSType::Int64:
    case TDSType::Double:
        return QByteArray("0");
    case TDSType::JsonArray:
        return QByteArray("[]");
    case TDSType::RowTable:
        return QByteArray(R"({"table":{"columns":[],"rows":[]}})");
    case TDSType::DataPacket:
        return QByteArray(R"({"datapacket":{"columns":[],"rows":[]}})");
    default:
        return QByteArray("null");
    }
}

} // namespace

TCagriBaglami::TCagriBaglami(const datasnap::TDSMethodSignature& imza, QJsonArray argumanlar,
                             const TSunucuOrtami& ortam, QString arayanAdres)
    : m_imza(imza)
    , m_argumanlar(std::move(argumanlar))
    , m_ortam(ortam)
    , m_arayanAdres(std::move(arayanAdres))
    , m_kayitlar(imza.params.size())
    , m_cikislar(imza.params.size() + 1) {
    for (int k = 0; k < imza.params.size(); ++k)
        if (imza.params[k].type == TDSType::Record)
            m_kayitlar[k] = datasnap::Unmarshal(m_argumanlar.at(k)); // an unknown class throws
}

TCagriBaglami::~TCagriBaglami() = default;

QSqlDatabase TCagriBaglami::Db() const {
    return m_ortam.veritabani->Baglanti();
}

QString TCagriBaglami::Yazi(int k) const {
    return m_argumanlar.at(k).toString();
}

int TCagriBaglami::Tam(int k) const {
    return static_cast<int>(m_argumanlar.at(k).toDouble());
}

qint64 TCagriBaglami::Uzun(int k) const {
    return static_cast<qint64>(m_argumanlar.at(k).toDouble());
}

double TCagriBaglami::Ondalik(int k) const {
    return m_argumanlar.at(k).toDouble();
}

bool TCagriBaglami::Mantik(int k) const {
    return m_argumanlar.at(k).toBool();
}

const datasnap::TObject* TCagriBaglami::KayitNesnesi(int k) const {
    return m_kayitlar.at(k).get();
}

void TCagriBaglami::Yaz(int k, QByteArray json) {
    m_cikislar.at(k) = std::move(json);
}

void TCagriBaglami::Cikti(int k, int deger) {
    Yaz(k, QByteArray::number(deger));
}

void TCagriBaglami::Cikti(int k, qint64 deger) {
    Yaz(k, QByteArray::number(deger));
}

void TCagriBaglami::Cikti(int k, double deger) {
    Yaz(k, Kodla([deger](TJsonWriter& w) { w.Double(deger); }));
}

void TCagriBaglami::Cikti(int k, bool deger) {
    Yaz(k, deger ? "true" : "false");
}

void TCagriBaglami::Cikti(int k, const QString& deger) {
    Yaz(k, Kodla([&deger](TJsonWriter& w) { w.String(deger); }));
}

void TCagriBaglami::Sonuc(int deger) {
    Cikti(SonucKonumu(), deger);
}

void TCagriBaglami::Sonuc(bool deger) {
    Cikti(SonucKonumu(), deger);
}

void TCagriBaglami::Sonuc(const QString& deger) {
    Cikti(SonucKonumu(), deger);
}

void TCagriBaglami::SonucTablo(const datasnap::TDSTable& tablo) {
    const char* anahtar = m_imza.result == TDSType::DataPacket ? "datapacket" : "table";
    Yaz(SonucKonumu(), Kodla([&](TJsonWriter& w) {
            w.BeginObject();
            w.Key(anahtar);
            datasnap::WriteTable(w, tablo);
            w.EndObject();
        }));
}

void TCagriBaglami::SonucTablo(const QList<datasnap::TFieldDef>& sutunlar,
                               const std::function<void(TJsonWriter&)>& satirlariYaz) {
    const char* anahtar = m_imza.result == TDSType::DataPacket ? "datapacket" : "table";
    Yaz(SonucKonumu(), Kodla([&](TJsonWriter& w) {
            w.BeginObject();
            w.Key(anahtar);
            w.BeginObject();
            datasnap::WriteTableColumns(w, sutunlar);
            w.Key("rows");
            w.BeginArray();
            satirlariYaz(w);
            w.EndArray();
            w.EndObject();
            w.EndObject();
        }));
}

void TCagriBaglami::SonucAkis(const std::optional<QByteArray>& baytlar) {
    if (!baytlar) {
        Yaz(SonucKonumu(), "null");
        return;
    }
    Yaz(SonucKonumu(), Kodla([&](TJsonWriter& w) {
            w.BeginObject();
            w.Key("stream");
            w.String(QString::fromLatin1(baytlar->toBase64()));
            w.EndObject();
        }));
}

void TCagriBaglami::SonucKayit(const datasnap::TObject* nesne) {
    Yaz(SonucKonumu(), datasnap::MarshalToJson(nesne));
}

void TCagriBaglami::SonucDizi(const QJsonArray& dizi) {
    Yaz(SonucKonumu(), Kodla([&](TJsonWriter& w) { w.Value(dizi); }));
}

void TCagriBaglami::GeriCagir(int k, const QJsonValue& deger) {
    const QString id = m_argumanlar.at(k).toObject().value(u"callback").toString();
    if (!id.isEmpty())
        m_geriCagrilar.emplace_back(id, deger);
}

QByteArray TCagriBaglami::Cevap() const {
    TJsonWriter w;
    qsizetype boyut = 64;
    for (const QByteArray& parca : m_cikislar)
        boyut += parca.size() + 1;
    w.Reserve(boyut); // one allocation for a large table instead of a series of growths
    w.BeginObject();
    w.Key("result");
    w.BeginArray();
    for (int k = 0; k < m_imza.params.size(); ++k)
        if (m_imza.params[k].out)
            w.Raw(m_cikislar[k].isEmpty() ? Sifir(m_imza.params[k].type) : m_cikislar[k]);
    if (m_imza.HasResult())
        w.Raw(m_cikislar.back().isEmpty() ? Sifir(m_imza.result) : m_cikislar.back());
    w.EndArray();
    if (!m_geriCagrilar.empty()) {
        w.Key("callbacks");
        w.BeginArray();
        for (const auto& [id, deger] : m_geriCagrilar) {
            w.BeginObject();
            w.Key("id");
            w.String(id);
            w.Key("value");
            w.Value(deger);
            w.EndObject();
        }
        w.EndArray();
    }
    w.EndObject();
    return w.Take();
}
