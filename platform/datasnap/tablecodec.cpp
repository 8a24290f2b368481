#include "platform/datasnap/tablecodec.h"

#include "platform/datasnap/dsexception.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <cmath>

namespace datasnap {

namespace {

[[noreturn]] void Malformed(const QString& what) {
    throw TDSException(QStringLiteral("Malformed table: %1").arg(what));
}

bool IsWhole(double d, double limit) {
    return std::isfinite(d) && d == std::trunc(d) && std::fabs(d) <= limit;
}

QVariant ReadCell(const QJsonValue& json, const TFieldDef& column) {
    if (json.isNull())
        return {};
    switch (column.type) {
    case TFieldType::Int32:
        if (!json.isDouble() || !IsWhole(json.toDouble(), 2147483648.0) || json.toDouble() > 2147483647.0)
            Malformed(QStringLiteral("column %1 needs a 32-bit whole number").arg(column.name));
        return static_cast<int>(json.toDouble());
    case TFieldType::Int64:
        if (!json.isDouble() || !IsWhole(json.toDouble(), 9007199254740992.0))
            Malformed(QStringLiteral("column %1 needs a whole number").arg(column.name));
        return static_cast<qint64>(json.toDouble());
    case TFieldType::Double:
    case TFieldType::Currency:
    case TFieldType::BCD:
    case TFieldType::Date:
    case TFieldType::DateTime:
        if (!json.isDouble())
            Malformed(QStringLiteral("column %1 needs a number").arg(column.name));
        return json.toDouble();
    case TFieldType::WideString:
        if (!json.isString())
            Malformed(QStringLiteral("column %1 needs a string").arg(column.name));
        return json.toString();
    case TFieldType::Boolean:
        if (!json.isBool())
            Malformed(QStringLiteral("column %1 needs true or false").arg(column.name));
        return json.toBool();
    case TFieldType::Blob:
        if (!json.isString())
            Malformed(QStringLiteral("column %1 needs base64 text").arg(column.name));
        return QByteArray::fromBase64(json.toString().toLatin1());
    }
    return {};
}

TFieldDef ReadColumn(const QJsonValue& json) {
    const QJsonObject object = json.toObject();
    if (!json.isObject() || !object.value(u"name").isString() || !object.value(u"type").isString())
        Malformed(QStringLiteral("a column needs a name and a type"));
    TFieldDef def;
    def.name = object.value(u"name").toString();
    const auto type = FieldTypeFromName(object.value(u"type").toString());
    if (!type)
        Malformed(QStringLiteral("unknown column type %1").arg(object.value(u"type").toString()));
    def.type = *type;
    def.size = object.value(u"size").toInt(0);
    return def;
}

} // namespace

void WriteCell(TJsonWriter& writer, TFieldType type, const QVariant& value) {
    if (!value.isValid() || value.isNull()) {
        writer.Null();
        return;
    }
    switch (type) {
    case TFieldType::Int32:
    case TFieldType::Int64:
        writer.Int(value.toLongLong());
        break;
    case TFieldType::Double:
    case TFieldType::Currency:
    case TFieldType::BCD:
    case TFieldType::Date:
    case TFieldType::DateTime:
        writer.Double(value.toDouble());
        break;
    case TFieldType::WideString:
        writer.String(value.toString());
        break;
    case TFieldType::Boolean:
        writer.Bool(value.toBool());
        break;
    case TFieldType::Blob:
        writer.String(QString::fromLatin1(value.toByteArray().toBase64()));
        break;
    }
}

void WriteTableColumns(TJsonWriter& writer, const QList<TFieldDef>& columns) {
    writer.Key("columns");
    writer.BeginArray();
    for (const TFieldDef& column : columns) {
        writer.BeginObject();
        writer.Key("name");
        writer.String(column.name);
        writer.Key("type");
        writer.String(FieldTypeName(column.type));
        if (column.size > 0) {
            writer.Key("size");
            writer.Int(column.size);
        }
        writer.EndObject();
    }
    writer.EndArray();
}

void WriteTable(TJsonWriter& writer, const TDSTable& table) {
    writer.BeginObject();
    WriteTableColumns(writer, table.columns);
    writer.Key("rows");
    writer.BeginArray();
    for (const QList<QVariant>& row : table.rows) {
        writer.BeginArray();
        for (int i = 0; i < table.columns.size(); ++i)
            WriteCell(writer, table.columns[i].type, row.value(i));
        writer.EndArray();
    }
    writer.EndArray();
    writer.EndObject();
}

TDSTable ReadTable(const QJsonValue& json) {
    const QJsonObject object = json.toObject();
    if (!json.isObject() || !object.value(u"columns").isArray() || !object.value(u"rows").isArray())
        Malformed(QStringLiteral("columns and rows are needed"));

    TDSTable table;
    QSet<QString> names;
    for (const QJsonValue& column : object.value(u"columns").toArray()) {
        table.columns.append(ReadColumn(column));
        const QString key = table.columns.last().name.toUpper();
        if (names.contains(key))
            Malformed(QStringLiteral("duplicate column %1").arg(table.columns.last().name));
        names.insert(key);
    }

    const QJsonArray rows = object.value(u"rows").toArray();
    table.rows.reserve(rows.size());
    const qsizetype width = table.columns.size();
    for (const QJsonValue& rowJson : rows) {
        const QJsonArray cells = rowJson.toArray();
        if (!rowJson.isArray() || cells.size() != width)
            Malformed(QStringLiteral("a row needs %1 values").arg(width));
        QList<QVariant> row;
        row.reserve(width);
        for (qsizetype i = 0; i < width; ++i)
            row.append(ReadCell(cells.at(i), table.columns[i]));
        table.rows.push_back(std::move(row));
    }
    return table;
}

} // namespace datasnap
