#include "platform/datasnap/adminclient.h"

#include "platform/datasnap/dsexception.h"

namespace datasnap {

TDSAdminClient::TDSAdminClient(TSQLConnection* connection, bool instanceOwner)
    : FDBXConnection(connection)
    , FInstanceOwner(instanceOwner) {
    if (!connection || !connection->Connected())
        throw TDSException(QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened."));
}

TDSAdminClient::~TDSAdminClient() = default;

} // namespace datasnap
