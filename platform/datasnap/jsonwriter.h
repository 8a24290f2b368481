#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QStringView>
#include <vector>

namespace datasnap {

// Streaming JSON writer that keeps keys in the order they are written (QJsonObject sorts them,
// and the wire order of record fields is their declaration order).
class TJsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(QStringView key);
    void Key(const char* latin1Key);
    void String(QStringView text);
    void Int(qint64 value);
    void Double(double value); // throws TDSException for NaN or infinity
    void Bool(bool value);
    void Null();
    void Value(const QJsonValue& value); // any parsed JSON value, arrays and objects included
    void Raw(const QByteArray& json);    // an already encoded JSON value

    const QByteArray& Bytes() const { return m_out; }
    QByteArray Take() { return std::move(m_out); }

private:
    void Separate();
    QByteArray m_out;
    std::vector<bool> m_hasItem; // per open container: something was written already
    bool m_afterKey = false;
};

} // namespace datasnap
