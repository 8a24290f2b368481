#include "platform/datasnap/wirevalue.h"

#include <QJsonObject>
#include <cmath>

namespace datasnap {

namespace {

bool IsWholeNumber(const QJsonValue& v, double low, double high) {
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    return d == std::trunc(d) && d >= low && d <= high;
}

bool IsKeyedObject(const QJsonValue& v, QStringView key) {
    return v.isObject() && v.toObject().contains(key);
}

} // namespace

QString CheckWireValue(const QJsonValue& value, TDSType type) {
    bool fits = false;
    switch (type) {
    case TDSType::None:
        fits = value.isUndefined();
        break;
    case TDSType::String:
        fits = value.isString();
        break;
    case TDSType::Integer:
        fits = IsWholeNumber(value, -2147483648.0, 2147483647.0);
        break;
    case TDSType::Int64:
        fits = IsWholeNumber(value, -9007199254740992.0, 9007199254740992.0);
        break;
    case TDSType::Double:
        fits = value.isDouble();
        break;
    case TDSType::Boolean:
        fits = value.isBool();
        break;
    case TDSType::Record:
        fits = value.isNull() || (value.isObject() && value.toObject().value(u"type").isString());
        break;
    case TDSType::Callback:
        fits = value.isNull() || (IsKeyedObject(value, u"callback") && value.toObject().value(u"callback").isString());
        break;
    case TDSType::RowTable:
        fits = IsKeyedObject(value, u"table") && value.toObject().value(u"table").isObject();
        break;
    case TDSType::DataPacket:
        fits = IsKeyedObject(value, u"datapacket") && value.toObject().value(u"datapacket").isObject();
        break;
    case TDSType::Stream:
        fits = value.isNull() || (IsKeyedObject(value, u"stream") && value.toObject().value(u"stream").isString());
        break;
    case TDSType::JsonArray:
        fits = value.isArray();
        break;
    }
    return fits ? QString() : QStringLiteral("expected %1").arg(TypeName(type));
}

} // namespace datasnap
