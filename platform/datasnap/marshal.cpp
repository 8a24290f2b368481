#include "platform/datasnap/marshal.h"

#include "platform/datasnap/dsexception.h"

#include <QHash>
#include <QJsonArray>
#include <cmath>
#include <mutex>

namespace datasnap {

namespace {

std::mutex& RegistryMutex() {
    static std::mutex mutex;
    return mutex;
}

QHash<QString, const TClassInfo*>& Registry() {
    static QHash<QString, const TClassInfo*> registry;
    return registry;
}

[[noreturn]] void WrongType(const char* wireName, const char* wanted) {
    throw TDSException(QStringLiteral("Field %1 needs %2").arg(QLatin1String(wireName), QLatin1String(wanted)));
}

} // namespace

void RegisterClass(const TClassInfo& info) {
    std::lock_guard lock(RegistryMutex());
    Registry().insert(info.qualifiedName, &info);
}

const TClassInfo* FindClass(QStringView qualifiedName) {
    std::lock_guard lock(RegistryMutex());
    return Registry().value(qualifiedName.toString(), nullptr);
}

void TJSONMarshal::Marshal(const TObject* object) {
    if (!object) {
        m_writer.Null();
        return;
    }
    const TClassInfo& info = object->ClassInfo();
    m_writer.BeginObject();
    m_writer.Key("type");
    m_writer.String(info.qualifiedName);
    m_writer.Key("id");
    m_writer.Int(m_nextId++);
    m_writer.Key("fields");
    m_writer.BeginObject();
    info.writeFields(*object, *this);
    m_writer.EndObject();
    m_writer.EndObject();
}

QByteArray MarshalToJson(const TObject* object) {
    TJsonWriter writer;
    TJSONMarshal marshal(writer);
    marshal.Marshal(object);
    return writer.Take();
}

std::unique_ptr<TObject> Unmarshal(const QJsonValue& json) {
    if (json.isNull() || json.isUndefined())
        return nullptr;
    const QJsonObject object = json.toObject();
    if (!json.isObject() || !object.value(u"type").isString())
        throw TDSException(QStringLiteral("A marshalled object needs its type"));
    const QString typeName = object.value(u"type").toString();
    const TClassInfo* info = FindClass(typeName);
    if (!info)
        throw TDSException(QStringLiteral("Unknown class %1").arg(typeName));
    const QJsonValue fields = object.value(u"fields");
    if (!fields.isObject() && !fields.isUndefined())
        throw TDSException(QStringLiteral("The fields of %1 must be an object").arg(typeName));
    std::unique_ptr<TObject> result = info->create();
    info->readFields(*result, fields.toObject());
    return result;
}

void WriteField(TJSONMarshal& m, const char* wireName, const QString& value) {
    m.Writer().Key(wireName);
    m.Writer().String(value);
}

void WriteField(TJSONMarshal& m, const char* wireName, int value) {
    m.Writer().Key(wireName);
    m.Writer().Int(value);
}

void WriteField(TJSONMarshal& m, const char* wireName, double value) {
    m.Writer().Key(wireName);
    m.Writer().Double(value);
}

void WriteField(TJSONMarshal& m, const char* wireName, bool value) {
    m.Writer().Key(wireName);
    m.Writer().Bool(value);
}

void ReadField(const QJsonObject& fields, const char* wireName, QString& target) {
    const QJsonValue value = fields.value(QLatin1String(wireName));
    if (value.isUndefined())
        return;
    if (!value.isString())
        WrongType(wireName, "a string");
    target = value.toString();
}

void ReadField(const QJsonObject& fields, const char* wireName, int& target) {
    const QJsonValue value = fields.value(QLatin1String(wireName));
    if (value.isUndefined())
        return;
    const double d = value.toDouble();
    if (!value.isDouble() || d != std::trunc(d) || d < -2147483648.0 || d > 2147483647.0)
        WrongType(wireName, "a 32-bit whole number");
    target = static_cast<int>(d);
}

void ReadField(const QJsonObject& fields, const char* wireName, double& target) {
    const QJsonValue value = fields.value(QLatin1String(wireName));
    if (value.isUndefined())
        return;
    if (!value.isDouble())
        WrongType(wireName, "a number");
    target = value.toDouble();
}

void ReadField(const QJsonObject& fields, const char* wireName, bool& target) {
    const QJsonValue value = fields.value(QLatin1String(wireName));
    if (value.isUndefined())
        return;
    if (!value.isBool())
        WrongType(wireName, "true or false");
    target = value.toBool();
}

std::vector<std::unique_ptr<TObject>> ReadObjectArray(const QJsonObject& fields, const char* wireName,
                                                      const TClassInfo& itemClass) {
    const QJsonValue value = fields.value(QLatin1String(wireName));
    if (!value.isArray())
        WrongType(wireName, "an array of objects");
    std::vector<std::unique_ptr<TObject>> items;
    for (const QJsonValue& item : value.toArray()) {
        std::unique_ptr<TObject> object = Unmarshal(item);
        if (!object || &object->ClassInfo() != &itemClass)
            throw TDSException(
                QStringLiteral("Field %1 holds only %2 objects").arg(QLatin1String(wireName), itemClass.qualifiedName));
        items.push_back(std::move(object));
    }
    return items;
}

} // namespace datasnap
