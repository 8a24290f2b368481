#pragma once

#include "platform/datasnap/dsexception.h"

#include <QByteArrayView>
#include <QString>
#include <vector>

namespace datasnap {

// Faulty JSON text (the offset is in bytes from the start of the text given to the reader).
class TJsonSyntaxError : public TDSException {
public:
    TJsonSyntaxError(const QString& what, qsizetype offset)
        : TDSException(QStringLiteral("Malformed JSON at byte %1: %2").arg(offset).arg(what)) {}
};

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values above
// U+10FFFF).
bool IsWellFormedUtf8(QByteArrayView bytes);

// A strict pull reader of JSON text in UTF-8 (RFC 8259: no comments, no trailing commas, no
// raw control characters or invalid UTF-8 in strings), read front to back, value by value, so
// that a large answer can be decoded straight into its target without a document tree.
// Every fault throws TJsonSyntaxError.
//
//     r.BeginObject();
//     while (r.NextKey(key)) { ...read or Skip() one value... }
//     r.BeginArray();
//     while (r.NextItem()) { ...read or Skip() one value... }
class TJsonReader {
public:
    enum class TKind { Object, Array, String, Number, Bool, Null };

    explicit TJsonReader(QByteArrayView json);

    TKind Peek(); // the kind of the next value

    void BeginObject();
    bool NextKey(QString& key); // false once the object is closed
    void BeginArray();
    bool NextItem(); // false once the array is closed

    QString String();
    // A string that needs no decoding (printable ASCII, no escapes): its bytes in the text, and
    // true; false, with nothing read, for any other value.
    bool PlainString(QByteArrayView& text);
    double Number(); // the nearest double; a number beyond the double range is a fault
    bool Bool();
    void Null();

    QByteArrayView Skip(); // checks one value of any kind and returns its text
    void End();            // only white space may follow the value read

    qsizetype Offset() const { return m_pos; }

private:
    [[noreturn]] void Fail(const char* what) const;
    void SkipSpace();
    char Next(); // the next byte after white space, not consumed; 0 at the end
    void Expect(char c);
    void Literal(const char* word);
    void SkipNumber();
    void SkipString();
    void SkipNested();
    void Open(char bracket);
    bool Close(char bracket);

    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    std::vector<bool> m_first; // per open container: no member read yet
};

} // namespace datasnap
