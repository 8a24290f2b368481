#include "platform/datasnap/jsonwriter.h"

#include "platform/datasnap/dsexception.h"
#include "platform/datasnap/jsonreader.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
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

namespace {

const char hexDigits[] = "0123456789abcdef";

// The escape of one byte of UTF-8 text, or nullptr when the byte stands for itself. Bytes below
// 0x20 without a short form get a \u00XX escape (written by the caller).
const char* ShortEscape(unsigned char c) {
    switch (c) {
    case '"':
        return "\\\"";
    case '\\':
        return "\\\\";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        return nullptr;
    }
}

bool NeedsEscape(unsigned char c) {
    return c < 0x20 || c == '"' || c == '\\';
}

} // namespace

void TJsonWriter::Reserve(qsizetype more) {
    // Grows geometrically: reserving the exact size on every value would copy the whole
    // output again and again.
    const qsizetype needed = m_out.size() + more;
    if (needed > m_out.capacity())
        m_out.reserve(std::max(needed, 2 * m_out.capacity()));
}

void TJsonWriter::AppendEscapedUtf8(const char* text, qsizetype size) {
    Reserve(size + 2);
    m_out.append('"');
    qsizetype plain = 0; // start of the run of bytes not yet copied
    for (qsizetype i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!NeedsEscape(c))
            continue;
        m_out.append(text + plain, i - plain);
        plain = i + 1;
        if (const char* escape = ShortEscape(c)) {
            m_out.append(escape);
        } else {
            const char unicode[] = {'\\', 'u', '0', '0', hexDigits[c >> 4], hexDigits[c & 0xF]};
            m_out.append(unicode, sizeof unicode);
        }
    }
    m_out.append(text + plain, size - plain);
    m_out.append('"');
}

void TJsonWriter::String(QStringView text) {
    Separate();
    // Plain ASCII without anything to escape (the usual item text) is narrowed in place;
    // anything else goes through Qt's UTF-8 encoder, which also decides what a lone surrogate
    // becomes.
    const qsizetype size = text.size();
    const char16_t* units = text.utf16();
    bool plain = true;
    for (qsizetype i = 0; i < size && plain; ++i)
        plain = units[i] < 0x80 && !NeedsEscape(static_cast<unsigned char>(units[i]));
    if (!plain) {
        const QByteArray utf8 = text.toUtf8();
        AppendEscapedUtf8(utf8.constData(), utf8.size());
        return;
    }
    Reserve(size + 2);
    const qsizetype start = m_out.size();
    m_out.resize(start + size + 2);
    char* out = m_out.data() + start;
    *out++ = '"';
    for (qsizetype i = 0; i < size; ++i)
        *out++ = static_cast<char>(units[i]);
    *out = '"';
}

void TJsonWriter::Utf8String(QByteArrayView utf8) {
    if (!IsWellFormedUtf8(utf8)) {
        String(QString::fromUtf8(utf8)); // the answer stays valid UTF-8 whatever was stored
        return;
    }
    Separate();
    AppendEscapedUtf8(utf8.data(), utf8.size());
}

void TJsonWriter::Int(qint64 value) {
    Separate();
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    m_out.append(buffer, result.ptr - buffer);
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
