#include "platform/datasnap/jsonwriter.h"

#include "platform/datasnap/dsexception.h"

#include <QJsonArray>
#include <QJsonObject>
#include <charconv>
#include <cmath>

namespace datasnap {

void TJsonWriter::Separate() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasItem.empty()) {
        if (m_hasItem.back())
            m_out.append(',');
        m_hasItem.back() = true;
    }
}

void TJsonWriter::BeginObject() {
    Separate();
    m_out.append('{');
    m_hasItem.push_back(false);
}

void TJsonWriter::EndObject() {
    m_hasItem.pop_back();
    m_out.append('}');
}

void TJsonWriter::BeginArray() {
    Separate();
    m_out.append('[');
    m_hasItem.push_back(false);
}

void TJsonWriter::EndArray() {
    m_hasItem.pop_back();
    m_out.append(']');
}

void TJsonWriter::Key(QStringView key) {
    String(key);
    m_out.append(':');
    m_afterKey = true;
}

void TJsonWriter::Key(const char* latin1Key) {
    Key(QString::fromLatin1(latin1Key));
}

void TJsonWriter::String(QStringView text) {
    Separate();
    static const char hex[] = "0123456789abcdef";
    const QByteArray utf8 = text.toUtf8();
    m_out.reserve(m_out.size() + utf8.size() + 2);
    m_out.append('"');
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            m_out.append("\\\"");
            break;
        case '\\':
            m_out.append("\\\\");
            break;
        case '\n':
            m_out.append("\\n");
            break;
        case '\r':
            m_out.append("\\r");
            break;
        case '\t':
            m_out.append("\\t");
            break;
        default:
            if (u < 0x20) {
                m_out.append("\\u00");
                m_out.append(hex[u >> 4]);
                m_out.append(hex[u & 0xF]);
            } else {
                m_out.append(c);
            }
        }
    }
    m_out.append('"');
}

void TJsonWriter::Int(qint64 value) {
    Separate();
    m_out.append(QByteArray::number(value));
}

void TJsonWriter::Double(double value) {
    if (!std::isfinite(value))
        throw TDSException(QStringLiteral("A number that is not finite cannot be sent"));
    Separate();
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    m_out.append(buffer, result.ptr - buffer);
}

void TJsonWriter::Bool(bool value) {
    Separate();
    m_out.append(value ? "true" : "false");
}

void TJsonWriter::Null() {
    Separate();
    m_out.append("null");
}

void TJsonWriter::Raw(const QByteArray& json) {
    Separate();
    m_out.append(json);
}

void TJsonWriter::Value(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        Null();
        break;
    case QJsonValue::Bool:
        Bool(value.toBool());
        break;
    case QJsonValue::Double: {
        const double d = value.toDouble();
        if (d == std::trunc(d) && std::fabs(d) < 9007199254740992.0)
            Int(static_cast<qint64>(d));
        else
            Double(d);
        break;
    }
    case QJsonValue::String:
        String(value.toString());
        break;
    case QJsonValue::Array:
        BeginArray();
        for (const QJsonValue& item : value.toArray())
            Value(item);
        EndArray();
        break;
    case QJsonValue::Object: {
        BeginObject();
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            Key(it.key());
            Value(it.value());
        }
        EndObject();
        break;
    }
    }
}

} // namespace datasnap
