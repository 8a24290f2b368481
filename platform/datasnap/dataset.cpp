#include "platform/datasnap/dataset.h"

#include "platform/datasnap/dsexception.h"
#include "platform/datasnap/numberformat.h"

#include <QDateTime>
#include <QLocale>
#include <array>
#include <cmath>

namespace datasnap {

namespace {

struct TypeName {
    TFieldType type;
    const char* name;
};

constexpr std::array<TypeName, 10> kTypeNames{{
    {TFieldType::Int32, "Int32"},
    {TFieldType::Int64, "Int64"},
    {TFieldType::Double, "Double"},
    {TFieldType::Currency, "Currency"},
    {TFieldType::BCD, "BCD"},
    {TFieldType::WideString, "WideString"},
    {TFieldType::Boolean, "Boolean"},
    {TFieldType::Date, "Date"},
    {TFieldType::DateTime, "DateTime"},
    {TFieldType::Blob, "Blob"},
}};

// OLE Automation date (days since 1899-12-30) to a date and a wall-clock time. The value carries
// no time zone; the date-time is built without one so no zone lookup is made per cell.
QDate OleToDate(double ole) {
    static const QDate epoch(1899, 12, 30);
    return epoch.addDays(static_cast<qint64>(std::floor(ole)));
}

QDateTime OleToDateTime(double ole) {
    const double days = std::floor(ole);
    const qint64 msecs = std::llround((ole - days) * 86400000.0);
    return QDateTime(OleToDate(ole), QTime(0, 0), Qt::UTC).addMSecs(msecs);
}

} // namespace

QString FieldTypeName(TFieldType type) {
    for (const TypeName& t : kTypeNames)
        if (t.type == type)
            return QString::fromLatin1(t.name);
    return {};
}

std::optional<TFieldType> FieldTypeFromName(QStringView name) {
    for (const TypeName& t : kTypeNames)
        if (name == QLatin1String(t.name))
            return t.type;
    return std::nullopt;
}

int TDSTable::ColumnIndex(QStringView name) const {
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant ConvertToFieldType(const QVariant& value, TFieldType type) {
    if (!value.isValid() || value.isNull())
        return {};
    switch (type) {
    case TFieldType::Int32:
        return value.toInt();
    case TFieldType::Int64:
        return value.toLongLong();
    case TFieldType::Double:
    case TFieldType::Currency:
    case TFieldType::BCD:
    case TFieldType::Date:
    case TFieldType::DateTime:
        return value.toDouble();
    case TFieldType::WideString:
        return value.toString();
    case TFieldType::Boolean:
        return value.toBool();
    case TFieldType::Blob:
        return value.toByteArray();
    }
    return value;
}

// ---------------------------------------------------------------------------------------------
// TField

TField::TField(TClientDataSet* owner, int index, TFieldDef def)
    : m_owner(owner)
    , m_index(index)
    , m_def(std::move(def)) {}

bool TField::IsNumeric() const {
    switch (m_def.type) {
    case TFieldType::Int32:
    case TFieldType::Int64:
    case TFieldType::Double:
    case TFieldType::Currency:
    case TFieldType::BCD:
        return true;
    default:
        return false;
    }
}

void TField::SetDisplayFormat(const QString& format) {
    m_displayFormat = format;
    m_owner->AnnounceReset();
}

QVariant TField::Value() const {
    return m_owner->CurrentValue(m_index);
}

void TField::SetValue(const QVariant& value) {
    m_owner->SetCurrentValue(m_index, ConvertToFieldType(value, m_def.type));
}

int TField::AsInteger() const {
    return Value().toInt();
}

qint64 TField::AsLargeInt() const {
    return Value().toLongLong();
}

double TField::AsFloat() const {
    return Value().toDouble();
}

bool TField::AsBoolean() const {
    return Value().toBool();
}

QString TField::AsString() const {
    return Value().toString();
}

QString TField::DisplayText() const {
    return m_owner->RecNo() < 0 ? QString() : m_owner->DisplayTextAt(m_owner->RecNo(), m_index);
}

// ---------------------------------------------------------------------------------------------
// TClientDataSet

TClientDataSet::TClientDataSet(QObject* parent)
    : QObject(parent) {}

TClientDataSet::~TClientDataSet() = default;

void TClientDataSet::SetFieldDefs(const QList<TFieldDef>& defs) {
    m_fields.clear();
    m_fields.reserve(defs.size());
    for (int i = 0; i < defs.size(); ++i)
        m_fields.push_back(std::make_unique<TField>(this, i, defs[i]));
    m_rows.clear();
    m_state = TState::Browse;
    m_cursor = -1;
    m_eof = m_bof = true;
    AnnounceReset();
}

TField* TClientDataSet::FindField(QStringView name) const {
    for (const auto& field : m_fields)
        if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return field.get();
    return nullptr;
}

TField* TClientDataSet::FieldByName(QStringView name) const {
    TField* field = FindField(name);
    if (!field)
        throw TDSException(QStringLiteral("Field '%1' not found").arg(name));
    return field;
}

void TClientDataSet::SetData(const TDataPacket& packet) {
    DisableControls();
    SetFieldDefs(packet.table.columns);
    m_rows = packet.table.rows;
    First();
    EnableControls();
}

void TClientDataSet::CopyFromTable(const TDSTable& table) {
    DisableControls();
    SetFieldDefs(table.columns);
    m_rows.reserve(table.rows.size());
    for (const QList<QVariant>& row : table.rows)
        AppendRow(row);
    First();
    EnableControls();
}

void TClientDataSet::AppendRow(QList<QVariant> values) {
    if (!Active())
        throw TDSException(QStringLiteral("Dataset not in browse state"));
    values.resize(FieldCount());
    for (int i = 0; i < FieldCount(); ++i)
        values[i] = ConvertToFieldType(values[i], m_fields[i]->DataType());
    m_rows.push_back(std::move(values));
    if (m_cursor < 0) {
        m_cursor = 0;
        m_eof = m_bof = false;
    }
    AnnounceReset();
}

void TClientDataSet::EmptyDataSet() {
    m_rows.clear();
    m_cursor = -1;
    m_eof = m_bof = true;
    if (Active())
        m_state = TState::Browse;
    AnnounceReset();
}

void TClientDataSet::Open() {
    if (m_state == TState::Inactive)
        m_state = TState::Browse;
    First();
    AnnounceReset();
}

void TClientDataSet::Close() {
    m_state = TState::Inactive;
    m_rows.clear();
    m_cursor = -1;
    m_eof = m_bof = true;
    AnnounceReset();
}

void TClientDataSet::First() {
    if (m_state == TState::Edit || m_state == TState::Insert)
        Post();
    m_cursor = m_rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.empty();
    AnnounceCursor();
}

void TClientDataSet::Next() {
    if (m_state == TState::Edit || m_state == TState::Insert)
        Post();
    if (m_cursor + 1 < static_cast<int>(m_rows.size())) {
        ++m_cursor;
        m_bof = false;
        m_eof = false;
    } else {
        m_eof = true;
    }
    AnnounceCursor();
}

void TClientDataSet::Prior() {
    if (m_cursor > 0) {
        --m_cursor;
        m_eof = false;
        m_bof = false;
    } else {
        m_bof = true;
    }
    AnnounceCursor();
}

void TClientDataSet::Last() {
    m_cursor = static_cast<int>(m_rows.size()) - 1;
    m_eof = true;
    m_bof = m_rows.empty();
    AnnounceCursor();
}

void TClientDataSet::MoveTo(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    m_cursor = row;
    m_eof = m_bof = false;
    AnnounceCursor();
}

bool TClientDataSet::Locate(QStringView fieldName, const QVariant& value) {
    const TField* field = FieldByName(fieldName);
    const QVariant wanted = ConvertToFieldType(value, field->DataType());
    for (int row = 0; row < static_cast<int>(m_rows.size()); ++row) {
        if (m_rows[row][field->Index()] == wanted) {
            MoveTo(row);
            return true;
        }
    }
    return false;
}

void TClientDataSet::Edit() {
    if (m_state != TState::Browse || m_cursor < 0)
        throw TDSException(QStringLiteral("Dataset not in browse state or empty"));
    m_editBuffer = m_rows[m_cursor];
    m_state = TState::Edit;
}

void TClientDataSet::Append() {
    if (m_state != TState::Browse)
        throw TDSException(QStringLiteral("Dataset not in browse state"));
    m_editBuffer = QList<QVariant>(FieldCount());
    m_state = TState::Insert;
}

void TClientDataSet::Post() {
    if (m_state == TState::Edit) {
        m_rows[m_cursor] = m_editBuffer;
        m_state = TState::Browse;
        AnnounceRow(m_cursor);
    } else if (m_state == TState::Insert) {
        m_rows.push_back(m_editBuffer);
        m_cursor = static_cast<int>(m_rows.size()) - 1;
        m_eof = m_bof = false;
        m_state = TState::Browse;
        AnnounceReset();
    }
    m_editBuffer.clear();
}

void TClientDataSet::Cancel() {
    if (m_state == TState::Edit || m_state == TState::Insert)
        m_state = TState::Browse;
    m_editBuffer.clear();
}

void TClientDataSet::Delete() {
    if (m_cursor < 0)
        return;
    Cancel();
    m_rows.erase(m_rows.begin() + m_cursor);
    if (m_cursor >= static_cast<int>(m_rows.size()))
        m_cursor = static_cast<int>(m_rows.size()) - 1;
    m_eof = m_bof = m_rows.empty();
    AnnounceReset();
}

QVariant TClientDataSet::ValueAt(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(m_rows.size()) || column < 0 || column >= FieldCount())
        return {};
    return m_rows[row][column];
}

QString TClientDataSet::DisplayTextAt(int row, int column) const {
    const QVariant value = ValueAt(row, column);
    if (!value.isValid())
        return {};
    const TField* field = m_fields[column].get();
    const QLocale locale;
    switch (field->DataType()) {
    case TFieldType::Double:
    case TFieldType::Currency:
    case TFieldType::BCD:
        if (!field->DisplayFormat().isEmpty())
            return FormatFloat(field->DisplayFormat(), value.toDouble(), locale);
        return locale.toString(value.toDouble(), 'g', 15);
    case TFieldType::Date:
        return locale.toString(OleToDate(value.toDouble()), QLocale::ShortFormat);
    case TFieldType::DateTime:
        return locale.toString(OleToDateTime(value.toDouble()), QLocale::ShortFormat);
    case TFieldType::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case TFieldType::Blob:
        return QStringLiteral("(BLOB)");
    default:
        return value.toString();
    }
}

void TClientDataSet::DisableControls() {
    ++m_disableCount;
}

void TClientDataSet::EnableControls() {
    if (m_disableCount == 0)
        return;
    if (--m_disableCount == 0 && m_pendingReset) {
        m_pendingReset = false;
        emit contentReset();
        emit cursorMoved(m_cursor);
    }
}

QVariant TClientDataSet::CurrentValue(int column) const {
    if (m_state == TState::Edit || m_state == TState::Insert)
        return m_editBuffer.value(column);
    return ValueAt(m_cursor, column);
}

void TClientDataSet::SetCurrentValue(int column, const QVariant& value) {
    if (m_state != TState::Edit && m_state != TState::Insert)
        throw TDSException(QStringLiteral("Dataset not in edit or insert mode"));
    m_editBuffer[column] = value;
}

void TClientDataSet::AnnounceReset() {
    if (ControlsDisabled()) {
        m_pendingReset = true;
        return;
    }
    emit contentReset();
}

void TClientDataSet::AnnounceRow(int row) {
    if (ControlsDisabled()) {
        m_pendingReset = true;
        return;
    }
    emit rowChanged(row);
}

void TClientDataSet::AnnounceCursor() {
    if (!ControlsDisabled())
        emit cursorMoved(m_cursor);
}

} // namespace datasnap
