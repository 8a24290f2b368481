#include "platform/datasnap/signature.h"

namespace datasnap {

QString TypeName(TDSType type) {
    switch (type) {
    case TDSType::None:
        return QStringLiteral("none");
    case TDSType::String:
        return QStringLiteral("string");
    case TDSType::Integer:
        return QStringLiteral("Integer");
    case TDSType::Int64:
        return QStringLiteral("Int64");
    case TDSType::Double:
        return QStringLiteral("Double");
    case TDSType::Boolean:
        return QStringLiteral("Boolean");
    case TDSType::Record:
        return QStringLiteral("record");
    case TDSType::Callback:
        return QStringLiteral("callback");
    case TDSType::RowTable:
        return QStringLiteral("row table");
    case TDSType::DataPacket:
        return QStringLiteral("data packet");
    case TDSType::Stream:
        return QStringLiteral("stream");
    case TDSType::JsonArray:
        return QStringLiteral("JSON array");
    }
    return {};
}

int TDSMethodSignature::OutCount() const {
    int count = 0;
    for (const TDSParamSig& p : params)
        count += p.out ? 1 : 0;
    return count;
}

} // namespace datasnap
