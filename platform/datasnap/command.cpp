#include "platform/datasnap/command.h"

#include "platform/datasnap/dsexception.h"
#include "platform/datasnap/jsonreader.h"
#include "platform/datasnap/tablecodec.h"
#include "platform/datasnap/wirevalue.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace datasnap {

namespace {

[[noreturn]] void BadAnswer(const QString& what) {
    throw TDSException(QStringLiteral("Malformed server answer: %1").arg(what));
}

QString CallbackId(int position) {
    return QStringLiteral("cb%1").arg(position);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TDBXReader

bool TDBXReader::Next() {
    if (m_row + 1 >= static_cast<qsizetype>(m_table.rows.size())) {
        m_row = static_cast<qsizetype>(m_table.rows.size());
        return false;
    }
    ++m_row;
    return true;
}

QVariant TDBXReader::Value(int column) const {
    if (m_row < 0 || m_row >= static_cast<qsizetype>(m_table.rows.size()))
        return {};
    return m_table.rows[m_row].value(column);
}

void CopyReaderToClientDataSet(TDBXReader& reader, TClientDataSet& target) {
    const TControlsDisabled held(target);
    target.SetFieldDefs(reader.Columns());
    while (reader.Next()) {
        QList<QVariant> row;
        row.reserve(reader.ColumnCount());
        for (int i = 0; i < reader.ColumnCount(); ++i)
            row.append(reader.Value(i));
        target.AppendRow(std::move(row));
    }
    target.First();
}

// ---------------------------------------------------------------------------------------------
// TDBXParameter

TDBXParameter::TDBXParameter(TDBXCommand& owner, TDSParamSig signature)
    : m_owner(owner)
    , m_sig(std::move(signature)) {
    Q_UNUSED(m_owner);
}

void TDBXParameter::SetWideString(const QString& value) {
    m_value = value;
}

void TDBXParameter::SetInt32(int value) {
    m_value = value;
}

void TDBXParameter::SetInt64(qint64 value) {
    m_value = static_cast<double>(value);
}

void TDBXParameter::SetDouble(double value) {
    m_value = value;
}

void TDBXParameter::SetBoolean(bool value) {
    m_value = value;
}

void TDBXParameter::SetNull() {
    m_value = QJsonValue(QJsonValue::Null);
    m_encoded.clear();
    m_callback = nullptr;
}

void TDBXParameter::SetJSONValue(QByteArray encodedJson) {
    m_encoded = std::move(encodedJson);
}

void TDBXParameter::SetCallbackValue(TDBXCallback* callback) {
    m_callback = callback;
}

QString TDBXParameter::GetWideString() const {
    return m_value.toString();
}

int TDBXParameter::GetInt32() const {
    return static_cast<int>(m_value.toDouble());
}

qint64 TDBXParameter::GetInt64() const {
    return static_cast<qint64>(m_value.toDouble());
}

double TDBXParameter::GetDouble() const {
    return m_value.toDouble();
}

bool TDBXParameter::GetBoolean() const {
    return m_value.toBool();
}

TDBXReader* TDBXParameter::GetDBXReader() {
    if (!m_reader)
        m_reader = std::make_unique<TDBXReader>(m_table ? *m_table : ReadTable(m_value.toObject().value(u"table")));
    return m_reader.get();
}

TDataPacket TDBXParameter::GetDataPacket() const {
    return TDataPacket{m_table ? *m_table : ReadTable(m_value.toObject().value(u"datapacket"))};
}

QIODevice* TDBXParameter::GetStream() {
    if (IsNull())
        return nullptr;
    if (!m_stream) {
        m_stream = std::make_unique<QBuffer>();
        const QByteArray bytes = QByteArray::fromBase64(m_value.toObject().value(u"stream").toString().toLatin1());
        m_stream->setData(bytes);
        m_stream->open(QIODevice::ReadOnly);
    }
    return m_stream.get();
}

const QJsonArray* TDBXParameter::GetJSONArray() {
    if (!m_array)
        m_array = std::make_unique<QJsonArray>(m_value.toArray());
    return m_array.get();
}

TObject* TDBXParameter::GetObject() {
    if (!m_object && !IsNull())
        m_object = Unmarshal(m_value);
    return m_object.get();
}

void TDBXParameter::WriteRequestValue(TJsonWriter& writer, int position) const {
    if (m_sig.out) {
        writer.Null();
    } else if (m_sig.type == TDSType::Callback && m_callback) {
        writer.BeginObject();
        writer.Key("callback");
        writer.String(CallbackId(position));
        writer.EndObject();
    } else if (!m_encoded.isEmpty()) {
        writer.Raw(m_encoded);
    } else {
        writer.Value(m_value);
    }
}

void TDBXParameter::Clear() {
    m_table.reset();
    m_reader.reset();
    m_stream.reset();
    m_array.reset();
    m_object.reset();
    if (m_sig.out)
        m_value = QJsonValue();
}

// ---------------------------------------------------------------------------------------------
// TDBXCommand

TDBXCommand::TDBXCommand(TSQLConnection& connection)
    : m_connection(connection) {}

TDBXCommand::~TDBXCommand() = default;

void TDBXCommand::Prepare(const TDSMethodSignature& signature) {
    m_signature = signature;
    m_params.clear();
    for (const TDSParamSig& p : signature.params)
        m_params.push_back(std::make_unique<TDBXParameter>(*this, p));
    if (signature.HasResult()) {
        TDSParamSig result;
        result.type = signature.result;
        result.out = true;
        result.recordClass = signature.resultClass;
        m_params.push_back(std::make_unique<TDBXParameter>(*this, result));
    }
}

TDBXParameter& TDBXCommand::Parameter(int position) {
    if (position < 0 || position >= ParameterCount())
        throw TDSException(QStringLiteral("%1 has no parameter at position %2").arg(Text).arg(position));
    return *m_params[position];
}

QString TDBXCommand::MethodPath() const {
    const qsizetype dot = Text.indexOf(QLatin1Char('.'));
    const QString className = Text.left(dot);
    const QString method = Text.mid(dot + 1);
    return className + QStringLiteral("/%22") + QString::fromLatin1(QUrl::toPercentEncoding(method)) +
           QStringLiteral("%22");
}

QByteArray TDBXCommand::RequestBody() const {
    TJsonWriter writer;
    writer.BeginObject();
    writer.Key("_parameters");
    writer.BeginArray();
    for (int i = 0; i < m_signature.params.size(); ++i)
        m_params[i]->WriteRequestValue(writer, i);
    writer.EndArray();
    writer.EndObject();
    return writer.Take();
}

void TDBXCommand::ExecuteUpdate() {
    for (auto& p : m_params)
        p->Clear(); // results of the previous execution are released here
    ReadAnswer(m_connection.Post(MethodPath(), RequestBody()));
}

namespace {

// One JSON value given as text, parsed by Qt (for everything but tables, which are decoded
// straight into their rows).
QJsonValue ParseValue(QByteArrayView text) {
    QByteArray wrapped;
    wrapped.reserve(text.size() + 2);
    wrapped.append('[').append(text.data(), text.size()).append(']');
    return QJsonDocument::fromJson(wrapped).array().at(0);
}

// The key a table travels under, or nullptr for a value that is not a table.
const char* TableKey(TDSType type) {
    switch (type) {
    case TDSType::RowTable:
        return "table";
    case TDSType::DataPacket:
        return "datapacket";
    default:
        return nullptr;
    }
}

} // namespace

void TDBXCommand::ReadAnswer(const THttpAnswer& answer) {
    if (answer.status != 200) {
        const QJsonValue error = QJsonDocument::fromJson(answer.body).object().value(u"error");
        if (error.isString())
            throw TDSException(error.toString());
        throw TDSException(QStringLiteral("HTTP %1 %2").arg(answer.status).arg(answer.reason));
    }
    std::vector<TDBXParameter*> outs;
    for (auto& p : m_params) {
        if (p->m_sig.out)
            outs.push_back(p.get());
    }
    const int expected = static_cast<int>(outs.size());
    const QString countProblem = QStringLiteral("%1 needs %2 result values").arg(m_signature.name).arg(expected);

    // One pass over the answer; a table is decoded into its parameter on the way, so that a
    // large one is never held as a document tree as well.
    bool haveResult = false;
    int count = 0;
    QByteArrayView callbacks;
    try {
        TJsonReader reader(answer.body);
        if (reader.Peek() != TJsonReader::TKind::Object)
            BadAnswer(QStringLiteral("not a JSON object"));
        reader.BeginObject();
        QString key;
        while (reader.NextKey(key)) {
            if (key == u"result" && !haveResult && reader.Peek() == TJsonReader::TKind::Array) {
                haveResult = true;
                reader.BeginArray();
                while (reader.NextItem()) {
                    if (count < expected)
                        ReadResult(*outs[count], reader, count);
                    else
                        reader.Skip();
                    ++count;
                }
            } else if (key == u"result") {
                BadAnswer(countProblem);
            } else if (key == u"callbacks") {
                callbacks = reader.Skip();
            } else {
                reader.Skip();
            }
        }
        reader.End();
    } catch (const TJsonSyntaxError&) {
        BadAnswer(QStringLiteral("not a JSON object"));
    }
    if (!haveResult || count != expected)
        BadAnswer(countProblem);
    if (!callbacks.isNull())
        DeliverCallbacks(ParseValue(callbacks));
}

void TDBXCommand::ReadResult(TDBXParameter& out, TJsonReader& reader, int index) {
    const auto wrongType = [&](const QJsonValue& value) {
        const QString problem = CheckWireValue(value, out.m_sig.type);
        if (!problem.isEmpty())
            BadAnswer(QStringLiteral("result %1 of %2: %3").arg(index).arg(m_signature.name, problem));
    };
    const char* tableKey = TableKey(out.m_sig.type);
    if (!tableKey || reader.Peek() != TJsonReader::TKind::Object) {
        const QJsonValue value = ParseValue(reader.Skip());
        wrongType(value);
        out.m_value = value;
        return;
    }
    // {"table": {...}} or {"datapacket": {...}}; other members are ignored.
    reader.BeginObject();
    QString key;
    while (reader.NextKey(key)) {
        if (key == QLatin1String(tableKey) && !out.m_table && reader.Peek() == TJsonReader::TKind::Object)
            out.m_table = ReadTable(reader);
        else
            reader.Skip();
    }
    if (!out.m_table)
        wrongType(QJsonValue());
    out.m_value = QJsonObject();
}

void TDBXCommand::DeliverCallbacks(const QJsonValue& callbacks) {
    if (callbacks.isUndefined())
        return;
    if (!callbacks.isArray())
        BadAnswer(QStringLiteral("callbacks must be an array"));
    for (const QJsonValue& message : callbacks.toArray()) {
        const QString id = message.toObject().value(u"id").toString();
        for (int i = 0; i < m_signature.params.size(); ++i) {
            TDBXParameter& p = *m_params[i];
            if (p.m_sig.type == TDSType::Callback && p.m_callback && CallbackId(i) == id)
                p.m_callback->Execute(message.toObject().value(u"value"));
        }
    }
}

} // namespace datasnap
