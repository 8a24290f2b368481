#pragma once

#include "platform/datasnap/connection.h"

namespace datasnap {

// Base of generated server proxies: borrows an open connection, never owns it.
class TDSAdminClient {
public:
    // Throws TDSException when the connection is missing or not open.
    explicit TDSAdminClient(TSQLConnection* connection, bool instanceOwner = true);
    virtual ~TDSAdminClient();
    TDSAdminClient(const TDSAdminClient&) = delete;
    TDSAdminClient& operator=(const TDSAdminClient&) = delete;

protected:
    TSQLConnection* FDBXConnection;
    bool FInstanceOwner;
};

} // namespace datasnap
