#include "platform/datasnap/connection.h"

#include "platform/datasnap/dsexception.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <httplib.h>

namespace datasnap {

namespace {

constexpr time_t kConnectTimeoutSeconds = 3;
constexpr time_t kReadTimeoutSeconds = 60;

QString TransportError(httplib::Error error, const QString& host, int port) {
    return QStringLiteral("Cannot reach %1:%2 (%3)")
        .arg(host)
        .arg(port)
        .arg(QString::fromStdString(httplib::to_string(error)));
}

} // namespace

QString TNameValueList::Values(const QString& name) const {
    const QString prefix = name + QLatin1Char('=');
    for (const QString& line : m_lines)
        if (line.startsWith(prefix, Qt::CaseInsensitive))
            return line.mid(prefix.size());
    return {};
}

void TNameValueList::SetValues(const QString& name, const QString& value) {
    const QString prefix = name + QLatin1Char('=');
    for (QString& line : m_lines) {
        if (line.startsWith(prefix, Qt::CaseInsensitive)) {
            line = prefix + value;
            return;
        }
    }
    m_lines.append(prefix + value);
}

struct TSQLConnection::Http {
    std::unique_ptr<httplib::Client> client;
    QString host;
    int port = 0;
};

TSQLConnection::TSQLConnection() {
    m_params.SetValues(QStringLiteral("DriverUnit"), QStringLiteral("Data.DBXDataSnap"));
    m_params.SetValues(QStringLiteral("CommunicationProtocol"), QStringLiteral("tcp/ip"));
    m_params.SetValues(QStringLiteral("HostName"), QStringLiteral("localhost"));
    m_params.SetValues(QStringLiteral("Port"), QStringLiteral("9090"));
    m_params.SetValues(QStringLiteral("DatasnapContext"), QStringLiteral("datasnap/"));
    m_params.SetValues(QStringLiteral("DSProxyPort"), QStringLiteral("8090"));
    m_params.SetValues(QStringLiteral("Filters"), QStringLiteral("{}"));
}

TSQLConnection::~TSQLConnection() = default;

QString TSQLConnection::RestBasePath() const {
    return QLatin1Char('/') + m_params.Values(QStringLiteral("DatasnapContext")) + QStringLiteral("rest/");
}

void TSQLConnection::Open() {
    if (Connected())
        return;
    auto http = std::make_unique<Http>();
    http->host = m_params.Values(QStringLiteral("HostName"));
    http->port = m_params.Values(QStringLiteral("Port")).toInt();
    http->client = std::make_unique<httplib::Client>(http->host.toStdString(), http->port);
    http->client->set_tcp_nodelay(true);
    http->client->set_keep_alive(true);
    http->client->set_connection_timeout(kConnectTimeoutSeconds, 0);
    http->client->set_read_timeout(kReadTimeoutSeconds, 0);
    http->client->set_write_timeout(kReadTimeoutSeconds, 0);

    const std::string path = (RestBasePath() + QStringLiteral("DSAdmin/GetPlatformName")).toStdString();
    httplib::Result answer = http->client->Get(path);
    if (!answer)
        throw TDSException(TransportError(answer.error(), http->host, http->port));
    if (answer->status != 200)
        throw TDSException(QStringLiteral("Handshake refused: HTTP %1").arg(answer->status));
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(answer->body));
    if (!document.isObject() || !document.object().value(u"result").isArray())
        throw TDSException(QStringLiteral("Handshake answer without result"));
    m_http = std::move(http);
}

void TSQLConnection::Close() {
    if (m_http) {
        m_http->client->stop();
        m_http.reset();
    }
}

bool TSQLConnection::Connected() const {
    return m_http != nullptr;
}

std::unique_ptr<TSQLConnection> TSQLConnection::CloneConnection() const {
    auto copy = std::make_unique<TSQLConnection>();
    copy->ConnectionName = ConnectionName;
    copy->DriverName = DriverName;
    copy->LoginPrompt = LoginPrompt;
    copy->m_params = m_params;
    return copy;
}

THttpAnswer TSQLConnection::Post(const QString& restPath, const QByteArray& body) {
    if (!m_http)
        throw TDSException(QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened."));
    const std::string path = (RestBasePath() + restPath).toStdString();
    httplib::Result answer = m_http->client->Post(path, body.constData(), static_cast<size_t>(body.size()),
                                                  "application/json; charset=utf-8");
    if (!answer)
        throw TDSException(TransportError(answer.error(), m_http->host, m_http->port));
    THttpAnswer result;
    result.status = answer->status;
    result.reason = QString::fromStdString(answer->reason);
    result.body = QByteArray::fromStdString(answer->body);
    return result;
}

} // namespace datasnap
