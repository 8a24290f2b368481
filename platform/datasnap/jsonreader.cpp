#include "platform/datasnap/jsonreader.h"

#include <algorithm>
#include <charconv>

namespace datasnap {

namespace {

// Containers nested deeper than this are refused (Qt's own parser has the same limit), so that
// a hostile text cannot exhaust the stack.
constexpr size_t kMaxDepth = 1024;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Decodes one UTF-8 sequence at p (at most `available` bytes): its length, 0 when it is not
// well-formed (overlong forms, surrogates and values above U+10FFFF are not).
int DecodeUtf8(const unsigned char* p, qsizetype available, char32_t& code) {
    const unsigned char b = p[0];
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (b < 0x80) {
        code = b;
        return 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
        code = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        code = b & 0x0F;
        if (b == 0xE0)
            low = 0xA0;
        else if (b == 0xED)
            high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        code = b & 0x07;
        if (b == 0xF0)
            low = 0x90;
        else if (b == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (available < length || p[1] < low || p[1] > high)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    return length;
}

} // namespace

bool IsWellFormedUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        char32_t code = 0;
        const int length = DecodeUtf8(p + i, size - i, code);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

TJsonReader::TJsonReader(QByteArrayView json)
    : m_data(json.data())
    , m_size(json.size()) {}

void TJsonReader::Fail(const char* what) const {
    throw TJsonSyntaxError(QString::fromLatin1(what), m_pos);
}

void TJsonReader::SkipSpace() {
    while (m_pos < m_size && IsSpace(m_data[m_pos]))
        ++m_pos;
}

char TJsonReader::Next() {
    SkipSpace();
    return m_pos < m_size ? m_data[m_pos] : '\0';
}

void TJsonReader::Expect(char c) {
    if (Next() != c)
        Fail(c == ':' ? "':' expected" : "unexpected character");
    ++m_pos;
}

TJsonReader::TKind TJsonReader::Peek() {
    switch (Next()) {
    case '{':
        return TKind::Object;
    case '[':
        return TKind::Array;
    case '"':
        return TKind::String;
    case 't':
    case 'f':
        return TKind::Bool;
    case 'n':
        return TKind::Null;
    default:
        if (m_pos < m_size && (m_data[m_pos] == '-' || IsDigit(m_data[m_pos])))
            return TKind::Number;
        Fail(m_pos < m_size ? "a value expected" : "unexpected end");
    }
}

void TJsonReader::Open(char bracket) {
    if (Next() != bracket)
        Fail(bracket == '{' ? "an object expected" : "an array expected");
    if (m_first.size() >= kMaxDepth)
        Fail("nested too deeply");
    ++m_pos;
    m_first.push_back(true);
}

// After the opening bracket or a member: true when a member follows (its separator consumed),
// false when the container closes here.
bool TJsonReader::Close(char bracket) {
    if (m_first.empty())
        Fail("no open container");
    const char c = Next();
    if (c == bracket) {
        ++m_pos;
        m_first.pop_back();
        return false;
    }
    if (m_first.back()) {
        m_first.back() = false;
        return true;
    }
    if (c != ',')
        Fail("',' expected");
    ++m_pos;
    return true;
}

void TJsonReader::BeginObject() {
    Open('{');
}

bool TJsonReader::NextKey(QString& key) {
    if (!Close('}'))
        return false;
    if (Next() != '"')
        Fail("a member name expected");
    key = String();
    Expect(':');
    return true;
}

void TJsonReader::BeginArray() {
    Open('[');
}

bool TJsonReader::NextItem() {
    if (!Close(']'))
        return false;
    if (Next() == ']')
        Fail("a value expected"); // a trailing comma
    return true;
}

bool TJsonReader::PlainString(QByteArrayView& text) {
    if (Next() != '"')
        return false;
    qsizetype end = m_pos + 1;
    for (; end < m_size; ++end) {
        const auto c = static_cast<unsigned char>(m_data[end]);
        if (c == '"')
            break;
        if (c < 0x20 || c == '\\' || c >= 0x80)
            return false;
    }
    if (end >= m_size)
        return false; // unterminated: String() reports it
    text = QByteArrayView(m_data + m_pos + 1, end - m_pos - 1);
    m_pos = end + 1;
    return true;
}

QString TJsonReader::String() {
    if (Next() != '"')
        Fail("a string expected");
    const qsizetype start = ++m_pos;
    // The usual text is plain ASCII without escapes: one scan, one conversion.
    bool plain = true;
    qsizetype end = start;
    for (; end < m_size; ++end) {
        const auto c = static_cast<unsigned char>(m_data[end]);
        if (c == '"')
            break;
        if (c < 0x20 || c == '\\' || c >= 0x80) {
            plain = false;
            break;
        }
    }
    if (plain) {
        if (end >= m_size) {
            m_pos = end;
            Fail("unterminated string");
        }
        m_pos = end + 1;
        return QString::fromLatin1(m_data + start, end - start);
    }

    // The closing quote (an escaped quote does not close); UTF-16 never needs more units than
    // the UTF-8 text up to it has bytes.
    for (; end < m_size && m_data[end] != '"'; ++end) {
        if (m_data[end] == '\\')
            ++end;
    }
    QString text(std::min(end, m_size) - start, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    qsizetype written = 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(m_data);
    m_pos = start;
    while (true) {
        if (m_pos >= m_size)
            Fail("unterminated string");
        const unsigned char c = bytes[m_pos];
        if (c == '"')
            break;
        if (c < 0x20)
            Fail("a control character in a string");
        if (c == '\\') {
            if (m_pos + 1 >= m_size)
                Fail("unterminated string");
            const char e = m_data[m_pos + 1];
            m_pos += 2;
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out[written++] = static_cast<char16_t>(e);
                break;
            case 'b':
                out[written++] = u'\b';
                break;
            case 'f':
                out[written++] = u'\f';
                break;
            case 'n':
                out[written++] = u'\n';
                break;
            case 'r':
                out[written++] = u'\r';
                break;
            case 't':
                out[written++] = u'\t';
                break;
            case 'u': {
                int unit = 0;
                for (int i = 0; i < 4; ++i) {
                    const int digit = m_pos + i < m_size ? HexValue(m_data[m_pos + i]) : -1;
                    if (digit < 0)
                        Fail("\\u needs four hex digits");
                    unit = unit * 16 + digit;
                }
                m_pos += 4;
                // Each escape is one UTF-16 unit; a pair of escapes forms a surrogate pair.
                out[written++] = static_cast<char16_t>(unit);
                break;
            }
            default:
                m_pos -= 2;
                Fail("an unknown escape");
            }
            continue;
        }
        char32_t code = 0;
        const int length = DecodeUtf8(bytes + m_pos, m_size - m_pos, code);
        if (length == 0)
            Fail("invalid UTF-8 in a string");
        m_pos += length;
        if (code >= 0x10000) {
            out[written++] = static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            out[written++] = static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            out[written++] = static_cast<char16_t>(code);
        }
    }
    ++m_pos; // the closing quote
    text.truncate(written);
    return text;
}

void TJsonReader::SkipNumber() {
    if (Next() == '-')
        ++m_pos;
    if (m_pos >= m_size || !IsDigit(m_data[m_pos]))
        Fail("a digit expected");
    if (m_data[m_pos] == '0') {
        ++m_pos;
    } else {
        while (m_pos < m_size && IsDigit(m_data[m_pos]))
            ++m_pos;
    }
    if (m_pos < m_size && m_data[m_pos] == '.') {
        ++m_pos;
        if (m_pos >= m_size || !IsDigit(m_data[m_pos]))
            Fail("a digit expected after '.'");
        while (m_pos < m_size && IsDigit(m_data[m_pos]))
            ++m_pos;
    }
    if (m_pos < m_size && (m_data[m_pos] == 'e' || m_data[m_pos] == 'E')) {
        ++m_pos;
        if (m_pos < m_size && (m_data[m_pos] == '+' || m_data[m_pos] == '-'))
            ++m_pos;
        if (m_pos >= m_size || !IsDigit(m_data[m_pos]))
            Fail("a digit expected in the exponent");
        while (m_pos < m_size && IsDigit(m_data[m_pos]))
            ++m_pos;
    }
}

double TJsonReader::Number() {
    if (Peek() != TKind::Number)
        Fail("a number expected");
    const qsizetype start = m_pos;
    SkipNumber();
    double value = 0;
    const auto result = std::from_chars(m_data + start, m_data + m_pos, value);
    if (result.ec != std::errc() || result.ptr != m_data + m_pos) {
        m_pos = start;
        Fail("a number out of range");
    }
    return value;
}

void TJsonReader::Literal(const char* word) {
    SkipSpace();
    for (const char* c = word; *c; ++c, ++m_pos) {
        if (m_pos >= m_size || m_data[m_pos] != *c)
            Fail("a value expected");
    }
}

bool TJsonReader::Bool() {
    const char c = Next();
    if (c == 't') {
        Literal("true");
        return true;
    }
    if (c != 'f')
        Fail("true or false expected");
    Literal("false");
    return false;
}

void TJsonReader::Null() {
    if (Next() != 'n')
        Fail("null expected");
    Literal("null");
}

void TJsonReader::SkipString() {
    String();
}

void TJsonReader::SkipNested() {
    QString key;
    if (Peek() == TKind::Object) {
        BeginObject();
        while (NextKey(key))
            Skip();
    } else {
        BeginArray();
        while (NextItem())
            Skip();
    }
}

QByteArrayView TJsonReader::Skip() {
    const TKind kind = Peek();
    const qsizetype start = m_pos;
    switch (kind) {
    case TKind::Object:
    case TKind::Array:
        SkipNested();
        break;
    case TKind::String:
        SkipString();
        break;
    case TKind::Number:
        Number();
        break;
    case TKind::Bool:
        Bool();
        break;
    case TKind::Null:
        Null();
        break;
    }
    return QByteArrayView(m_data + start, m_pos - start);
}

void TJsonReader::End() {
    if (!m_first.empty())
        Fail("unexpected end");
    SkipSpace();
    if (m_pos != m_size)
        Fail("text after the value");
}

} // namespace datasnap
