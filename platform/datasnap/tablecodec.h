#pragma once

#include "platform/datasnap/dataset.h"
#include "platform/datasnap/jsonwriter.h"

#include <QByteArrayView>
#include <QJsonValue>

namespace datasnap {

// Wire form of a table: {"columns": [{"name", "type", "size"?}...], "rows": [[...], ...]}.
void WriteTable(TJsonWriter& writer, const TDSTable& table);
void WriteTableColumns(TJsonWriter& writer, const QList<TFieldDef>& columns); // writes `"columns": [...]`
void WriteCell(TJsonWriter& writer, TFieldType type, const QVariant& value);

// Reads a wire table; throws TDSException for a malformed one (unknown column type, duplicate
// column name, a row of the wrong width, a value of the wrong JSON type).
TDSTable ReadTable(const QJsonValue& json);

class TJsonReader;

// The same, straight from JSON text: the value at the reader (which is left after it), or the
// whole text. The checks are those above; a member given twice is refused as well. Faulty JSON
// throws TJsonSyntaxError.
TDSTable ReadTable(TJsonReader& reader);
TDSTable ReadTable(QByteArrayView json);

} // namespace datasnap
