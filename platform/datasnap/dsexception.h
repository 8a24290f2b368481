#pragma once

#include <QString>
#include <exception>

namespace datasnap {

// Error raised by the remote layer: a failed open, a server error answer, a malformed message.
class TDSException : public std::exception {
public:
    explicit TDSException(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8()) {}
    const QString& Message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

} // namespace datasnap
