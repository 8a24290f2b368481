#include "platform/datasnap/tablecodec.h"

#include "platform/datasnap/dsexception.h"
#include "platform/datasnap/jsonreader.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <cmath>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

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

// Shares the repeated texts of one column (brands, units, groups): a value met again down the
// rows becomes the same implicitly shared QString instead of another allocation. A column whose
// values are mostly distinct (codes) stops being remembered once that shows.
class TTextCache {
public:
    QString Text(QByteArrayView latin1) {
        if (!m_enabled || latin1.size() > kLongest)
            return QString::fromLatin1(latin1);
        const std::string_view key(latin1.data(), static_cast<size_t>(latin1.size()));
        if (const auto it = m_texts.find(key); it != m_texts.end()) {
            ++m_hits;
            return it->second;
        }
        QString text = QString::fromLatin1(latin1);
        if (m_texts.size() < kEntries)
            m_texts.emplace(key, text);
        else if (m_hits < m_texts.size())
            m_enabled = false;
        return text;
    }

private:
    static constexpr qsizetype kLongest = 64;
    static constexpr size_t kEntries = 64;
    std::unordered_map<std::string_view, QString> m_texts; // keys point into the JSON text
    size_t m_hits = 0;
    bool m_enabled = true;
};

// The same checks as ReadCell, on a value read straight from the text. Texts of plain ASCII go
// through the column's cache.
QVariant ReadCell(TJsonReader& reader, const TFieldDef& column, TTextCache& cache) {
    using TKind = TJsonReader::TKind;
    const TKind kind = reader.Peek();
    if (kind == TKind::Null) {
        reader.Null();
        return {};
    }
    switch (column.type) {
    case TFieldType::Int32: {
        const double d = kind == TKind::Number ? reader.Number() : NAN; // NaN fails the check
        if (!IsWhole(d, 2147483648.0) || d > 2147483647.0)
            Malformed(QStringLiteral("column %1 needs a 32-bit whole number").arg(column.name));
        return static_cast<int>(d);
    }
    case TFieldType::Int64: {
        const double d = kind == TKind::Number ? reader.Number() : NAN;
        if (!IsWhole(d, 9007199254740992.0))
            Malformed(QStringLiteral("column %1 needs a whole number").arg(column.name));
        return static_cast<qint64>(d);
    }
    case TFieldType::Double:
    case TFieldType::Currency:
    case TFieldType::BCD:
    case TFieldType::Date:
    case TFieldType::DateTime:
        if (kind != TKind::Number)
            Malformed(QStringLiteral("column %1 needs a number").arg(column.name));
        return reader.Number();
    case TFieldType::WideString: {
        if (kind != TKind::String)
            Malformed(QStringLiteral("column %1 needs a string").arg(column.name));
        QByteArrayView plain;
        return reader.PlainString(plain) ? cache.Text(plain) : reader.String();
    }
    case TFieldType::Boolean:
        if (kind != TKind::Bool)
            Malformed(QStringLiteral("column %1 needs true or false").arg(column.name));
        return reader.Bool();
    case TFieldType::Blob:
        if (kind != TKind::String)
            Malformed(QStringLiteral("column %1 needs base64 text").arg(column.name));
        return QByteArray::fromBase64(reader.String().toLatin1());
    }
    return {};
}

// A column's "size" as QJsonValue::toInt(0) reads it: a whole number in the int range, else 0.
int ReadSize(TJsonReader& reader) {
    if (reader.Peek() != TJsonReader::TKind::Number) {
        reader.Skip();
        return 0;
    }
    const double d = reader.Number();
    return IsWhole(d, 2147483647.0) && d >= -2147483648.0 ? static_cast<int>(d) : 0;
}

TFieldDef ReadColumn(TJsonReader& reader) {
    using TKind = TJsonReader::TKind;
    const auto noNameOrType = [] { Malformed(QStringLiteral("a column needs a name and a type")); };
    if (reader.Peek() != TKind::Object)
        noNameOrType();
    TFieldDef def;
    std::optional<QString> name, typeName;
    QString key;
    reader.BeginObject();
    while (reader.NextKey(key)) {
        if (key == u"name" || key == u"type") {
            std::optional<QString>& target = key == u"name" ? name : typeName;
            if (target)
                Malformed(QStringLiteral("a column with two %1 members").arg(key));
            if (reader.Peek() != TKind::String)
                noNameOrType();
            target = reader.String();
        } else if (key == u"size") {
            def.size = ReadSize(reader);
        } else {
            reader.Skip();
        }
    }
    if (!name || !typeName)
        noNameOrType();
    def.name = *name;
    const auto type = FieldTypeFromName(*typeName);
    if (!type)
        Malformed(QStringLiteral("unknown column type %1").arg(*typeName));
    def.type = *type;
    return def;
}

void ReadColumns(TJsonReader& reader, TDSTable& table) {
    QSet<QString> names;
    reader.BeginArray();
    while (reader.NextItem()) {
        table.columns.append(ReadColumn(reader));
        const QString key = table.columns.last().name.toUpper();
        if (names.contains(key))
            Malformed(QStringLiteral("duplicate column %1").arg(table.columns.last().name));
        names.insert(key);
    }
}

void ReadRows(TJsonReader& reader, TDSTable& table) {
    const qsizetype width = table.columns.size();
    const auto wrongWidth = [width] { Malformed(QStringLiteral("a row needs %1 values").arg(width)); };
    std::vector<TTextCache> caches(static_cast<size_t>(width));
    reader.BeginArray();
    while (reader.NextItem()) {
        if (reader.Peek() != TJsonReader::TKind::Array)
            wrongWidth();
        QList<QVariant> row;
        row.reserve(width);
        reader.BeginArray();
        while (reader.NextItem()) {
            if (row.size() == width)
                wrongWidth();
            row.append(ReadCell(reader, table.columns[row.size()], caches[static_cast<size_t>(row.size())]));
        }
        if (row.size() != width)
            wrongWidth();
        table.rows.push_back(std::move(row));
    }
}

} // namespace

TDSTable ReadTable(TJsonReader& reader) {
    using TKind = TJsonReader::TKind;
    const auto incomplete = [] { Malformed(QStringLiteral("columns and rows are needed")); };
    if (reader.Peek() != TKind::Object)
        incomplete();
    TDSTable table;
    bool haveColumns = false;
    bool haveRows = false;
    QByteArrayView rowsText; // rows that came before the columns, read once the columns are known
    QString key;
    reader.BeginObject();
    while (reader.NextKey(key)) {
        if (key == u"columns" || key == u"rows") {
            bool& seen = key == u"columns" ? haveColumns : haveRows;
            if (seen)
                Malformed(QStringLiteral("two %1 members").arg(key));
            seen = true;
            if (reader.Peek() != TKind::Array)
                incomplete();
            if (key == u"columns")
                ReadColumns(reader, table);
            else if (haveColumns)
                ReadRows(reader, table);
            else
                rowsText = reader.Skip();
        } else {
            reader.Skip();
        }
    }
    if (!haveColumns || !haveRows)
        incomplete();
    if (!rowsText.isEmpty()) {
        TJsonReader rows(rowsText);
        ReadRows(rows, table);
        rows.End();
    }
    return table;
}

TDSTable ReadTable(QByteArrayView json) {
    TJsonReader reader(json);
    TDSTable table = ReadTable(reader);
    reader.End();
    return table;
}

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
