#pragma once

#include <QByteArray>
#include <QByteArrayView>
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
    void Utf8String(QByteArrayView utf8); // text already in UTF-8; ill-formed bytes become U+FFFD
    void Int(qint64 value);
    void Double(double value); // throws TDSException for NaN or infinity
    void Bool(bool value);
    void Null();
    void Value(const QJsonValue& value); // any parsed JSON value, arrays and objects included
    void Raw(const QByteArray& json);    // an already encoded JSON value

    void Reserve(qsizetype more); // room for `more` bytes beyond what is written

    const QByteArray& Bytes() const { return m_out; }
    QByteArray Take() { return std::move(m_out); }

private:
    void Separate();
    void AppendEscapedUtf8(const char* text, qsizetype size);
    QByteArray m_out;
    std::vector<bool> m_hasItem; // per open container: something was written already
    bool m_afterKey = false;
};

} // namespace datasnap
