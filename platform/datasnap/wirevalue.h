#pragma once

#include "platform/datasnap/signature.h"

#include <QJsonValue>

namespace datasnap {

// Checks a parsed JSON value against a declared kind (wire rules: Integer is a whole number in
// the 32-bit range, Int64 a whole number of magnitude at most 2^53, a table under its key
// "table" or "datapacket", a stream as {"stream": base64} or null, a record an object or null).
// Returns an empty text when it fits, else what is wrong.
QString CheckWireValue(const QJsonValue& value, TDSType type);

} // namespace datasnap
