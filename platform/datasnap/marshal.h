#pragma once

#include "platform/datasnap/dsexception.h"
#include "platform/datasnap/jsonwriter.h"

#include <QJsonObject>
#include <QString>
#include <memory>
#include <vector>

namespace datasnap {

class TObject;
class TJSONMarshal;

// What the marshaller knows of a record class: its qualified wire name ("unit.Class"), how to
// create one, and how to write and read its fields.
struct TClassInfo {
    QString qualifiedName;
    std::unique_ptr<TObject> (*create)();
    void (*writeFields)(const TObject& object, TJSONMarshal& marshal);
    void (*readFields)(TObject& object, const QJsonObject& fields);
};

// Root of every record class that crosses the wire.
class TObject {
public:
    virtual ~TObject() = default;
    virtual const TClassInfo& ClassInfo() const = 0;
};

// Classes known to the unmarshaller, by qualified name. Registration is idempotent and thread-safe.
void RegisterClass(const TClassInfo& info);
const TClassInfo* FindClass(QStringView qualifiedName);

// Writes objects as {"type": ..., "id": n, "fields": {...}}, numbering the objects of one
// message from 1.
class TJSONMarshal {
public:
    explicit TJSONMarshal(TJsonWriter& writer)
        : m_writer(writer) {}
    void Marshal(const TObject* object); // null writes null
    TJsonWriter& Writer() { return m_writer; }

private:
    TJsonWriter& m_writer;
    int m_nextId = 1;
};

// Encodes one object on its own (a parameter value).
QByteArray MarshalToJson(const TObject* object);

// Turns a marshalled object back into an object of the class named in it. null gives nullptr;
// an unknown class, a missing "fields" object or a field of the wrong JSON type throws TDSException.
std::unique_ptr<TObject> Unmarshal(const QJsonValue& json);

// Unmarshals and checks the class: a T or nullptr for null; another class throws.
template <class T> std::unique_ptr<T> UnmarshalAs(const QJsonValue& json) {
    std::unique_ptr<TObject> object = Unmarshal(json);
    if (!object)
        return nullptr;
    if (&object->ClassInfo() != &T::Sinif())
        throw TDSException(QStringLiteral("Expected %1, received %2")
                               .arg(T::Sinif().qualifiedName, object->ClassInfo().qualifiedName));
    return std::unique_ptr<T>(static_cast<T*>(object.release()));
}

// Field readers and writers for the record classes. A missing field keeps the target as it is;
// a field of the wrong JSON type throws TDSException naming it.
void WriteField(TJSONMarshal& m, const char* wireName, const QString& value);
void WriteField(TJSONMarshal& m, const char* wireName, int value);
void WriteField(TJSONMarshal& m, const char* wireName, double value);
void WriteField(TJSONMarshal& m, const char* wireName, bool value);
void ReadField(const QJsonObject& fields, const char* wireName, QString& target);
void ReadField(const QJsonObject& fields, const char* wireName, int& target);
void ReadField(const QJsonObject& fields, const char* wireName, double& target);
void ReadField(const QJsonObject& fields, const char* wireName, bool& target);

// An owned list of records on the wire: "FItems" (or another name) as an array of objects.
template <class T>
void WriteObjectArray(TJSONMarshal& m, const char* wireName, const std::vector<std::unique_ptr<T>>& items) {
    m.Writer().Key(wireName);
    m.Writer().BeginArray();
    for (const auto& item : items)
        m.Marshal(item.get());
    m.Writer().EndArray();
}

std::vector<std::unique_ptr<TObject>> ReadObjectArray(const QJsonObject& fields, const char* wireName,
                                                      const TClassInfo& itemClass);

template <class T>
void ReadObjectArray(const QJsonObject& fields, const char* wireName, std::vector<std::unique_ptr<T>>& target) {
    if (!fields.contains(QLatin1String(wireName)))
        return;
    std::vector<std::unique_ptr<TObject>> objects = ReadObjectArray(fields, wireName, T::Sinif());
    target.clear();
    for (auto& object : objects)
        target.emplace_back(static_cast<T*>(object.release()));
}

} // namespace datasnap
