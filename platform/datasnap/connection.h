#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace datasnap {

// A name=value parameter list, as the connection's settings are written.
class TNameValueList {
public:
    QString Values(const QString& name) const;
    void SetValues(const QString& name, const QString& value);
    const QStringList& Lines() const { return m_lines; }

private:
    QStringList m_lines;
};

struct THttpAnswer {
    int status = 0;
    QString reason;
    QByteArray body;
};

// Connection to a DataSnap-style application server over HTTP (keep-alive, TCP_NODELAY).
// Opening connects and performs the handshake; closing drops the TCP connection. One thread
// uses a connection object at a time.
class TSQLConnection {
public:
    TSQLConnection(); // the designed settings
    ~TSQLConnection();
    TSQLConnection(const TSQLConnection&) = delete;
    TSQLConnection& operator=(const TSQLConnection&) = delete;

    QString ConnectionName = QStringLiteral("DataSnapCONNECTION");
    QString DriverName = QStringLiteral("DataSnap");
    bool LoginPrompt = false;
    TNameValueList& Params() { return m_params; }
    const TNameValueList& Params() const { return m_params; }

    void Open();  // throws TDSException when the server cannot be reached or the handshake fails
    void Close(); // closing a closed connection does nothing
    bool Connected() const;

    // A new, closed connection with the same driver and parameters, owned by the caller.
    std::unique_ptr<TSQLConnection> CloneConnection() const;

    // Requests on the open connection, relative to the context's REST path ("/datasnap/rest/").
    THttpAnswer Post(const QString& restPath, const QByteArray& body);
    QString RestBasePath() const;

private:
    struct Http;
    TNameValueList m_params;
    std::unique_ptr<Http> m_http;
};

} // namespace datasnap
