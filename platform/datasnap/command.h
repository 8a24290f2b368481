#pragma once

#include "platform/datasnap/connection.h"
#include "platform/datasnap/dataset.h"
#include "platform/datasnap/marshal.h"
#include "platform/datasnap/signature.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonValue>
#include <memory>
#include <optional>
#include <vector>

namespace datasnap {

// Receives the values a server sends to a callback argument during a method.
class TDBXCallback {
public:
    virtual ~TDBXCallback() = default;
    virtual void Execute(const QJsonValue& value) = 0;
};

// A forward-only reader over a returned row table; owned by the command that returned it.
class TDBXReader {
public:
    explicit TDBXReader(TDSTable table)
        : m_table(std::move(table)) {}
    const QList<TFieldDef>& Columns() const { return m_table.columns; }
    int ColumnCount() const { return static_cast<int>(m_table.columns.size()); }
    bool Next(); // moves to the next row; false at the end
    QVariant Value(int column) const;

private:
    TDSTable m_table;
    qsizetype m_row = -1;
};

// Copies every row of the reader into the data set in reader order, with the reader's columns,
// controls disabled so the views redraw once.
void CopyReaderToClientDataSet(TDBXReader& reader, TClientDataSet& target);

class TDBXCommand;
class TJsonReader;

// One positional parameter of a server-method command: written before execution (in), read after
// it (out and the result).
class TDBXParameter {
public:
    TDBXParameter(TDBXCommand& owner, TDSParamSig signature);
    const TDSParamSig& Signature() const { return m_sig; }

    void SetWideString(const QString& value);
    void SetInt32(int value);
    void SetInt64(qint64 value);
    void SetDouble(double value);
    void SetBoolean(bool value);
    void SetNull();
    void SetJSONValue(QByteArray encodedJson); // a marshalled object, owned by the command
    void SetCallbackValue(TDBXCallback* callback);

    bool IsNull() const { return m_value.isNull() || m_value.isUndefined(); }
    QString GetWideString() const;
    int GetInt32() const;
    qint64 GetInt64() const;
    double GetDouble() const;
    bool GetBoolean() const;
    TDBXReader* GetDBXReader();        // owned by the command
    TDataPacket GetDataPacket() const; // a value for the caller
    QIODevice* GetStream();            // owned by the command; nullptr for no stream
    const QJsonArray* GetJSONArray();  // owned by the command
    TObject* GetObject();              // owned by the command; nullptr for null

private:
    friend class TDBXCommand;
    void WriteRequestValue(TJsonWriter& writer, int position) const;
    void Clear();

    TDBXCommand& m_owner;
    TDSParamSig m_sig;
    QJsonValue m_value;   // in: scalar values; out and result: the received value
    QByteArray m_encoded; // in: a marshalled object
    TDBXCallback* m_callback = nullptr;
    std::optional<TDSTable> m_table; // out and result: a table decoded from the answer
    std::unique_ptr<TDBXReader> m_reader;
    std::unique_ptr<QBuffer> m_stream;
    std::unique_ptr<QJsonArray> m_array;
    std::unique_ptr<TObject> m_object;
};

// A server-method command on an open connection: command type "DataSnap.ServerMethod", text
// "TServerMethods1.<name>". Parameters are set and read by position; the result occupies the
// position after the last parameter. Results stay owned by the command until its next execution
// or its release.
class TDBXCommand {
public:
    explicit TDBXCommand(TSQLConnection& connection);
    ~TDBXCommand();

    QString CommandType;
    QString Text;

    void Prepare(const TDSMethodSignature& signature);
    int ParameterCount() const { return static_cast<int>(m_params.size()); }
    TDBXParameter& Parameter(int position);
    void ExecuteUpdate(); // throws TDSException with the server's message on failure

private:
    QString MethodPath() const;
    QByteArray RequestBody() const;
    void ReadAnswer(const THttpAnswer& answer);
    void ReadResult(TDBXParameter& out, TJsonReader& reader, int index);
    void DeliverCallbacks(const QJsonValue& callbacks);

    TSQLConnection& m_connection;
    TDSMethodSignature m_signature;
    std::vector<std::unique_ptr<TDBXParameter>> m_params;
};

} // namespace datasnap
