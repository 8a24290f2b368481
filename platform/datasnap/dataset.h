#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

namespace datasnap {

// Column kinds of the wire tables and the in-memory data set.
enum class TFieldType { Int32, Int64, Double, Currency, BCD, WideString, Boolean, Date, DateTime, Blob };

QString FieldTypeName(TFieldType type);
std::optional<TFieldType> FieldTypeFromName(QStringView name);

struct TFieldDef {
    QString name;
    TFieldType type = TFieldType::WideString;
    int size = 0; // WideString length, 0 = not given
};

// A table as it travels: typed columns and rows in the server's order. Values are held as
// int (Int32), qint64 (Int64), double (Double, Currency, BCD, Date, DateTime as OLE dates),
// QString, bool, QByteArray (Blob); an invalid QVariant is NULL.
struct TDSTable {
    QList<TFieldDef> columns;
    std::vector<QList<QVariant>> rows;

    int ColumnIndex(QStringView name) const; // case-insensitive, -1 when absent
};

// The data-packet result form: the whole content of a table, assigned with SetData.
struct TDataPacket {
    TDSTable table;
};

class TClientDataSet;

// One column of a data set, read and written at the data set's cursor.
class TField {
public:
    TField(TClientDataSet* owner, int index, TFieldDef def);

    const QString& FieldName() const { return m_def.name; }
    TFieldType DataType() const { return m_def.type; }
    int Size() const { return m_def.size; }
    int Index() const { return m_index; }
    bool IsFloat() const { return m_def.type == TFieldType::Double; } // the plain floating-point kind
    bool IsNumeric() const;

    const QString& DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString& format);

    QVariant Value() const;
    void SetValue(const QVariant& value); // the data set must be in edit or insert state
    bool IsNull() const { return !Value().isValid(); }
    int AsInteger() const;
    qint64 AsLargeInt() const;
    double AsFloat() const;
    bool AsBoolean() const;
    QString AsString() const;
    QString DisplayText() const; // the value as a grid shows it (display format, locale)

private:
    TClientDataSet* m_owner;
    int m_index;
    TFieldDef m_def;
    QString m_displayFormat;
};

// The in-memory data set a grid shows: typed fields, rows, a cursor, edit/post and
// "controls disabled" brackets that hold back view updates during a load.
class TClientDataSet : public QObject {
    Q_OBJECT
public:
    enum class TState { Inactive, Browse, Edit, Insert };

    explicit TClientDataSet(QObject* parent = nullptr);
    ~TClientDataSet() override;

    // Structure
    void SetFieldDefs(const QList<TFieldDef>& defs); // replaces the columns, empties the rows, opens
    int FieldCount() const { return static_cast<int>(m_fields.size()); }
    TField* Fields(int index) const { return m_fields.at(index).get(); }
    TField* FindField(QStringView name) const;   // case-insensitive; nullptr when absent
    TField* FieldByName(QStringView name) const; // throws TDSException when absent

    // Whole content
    void SetData(const TDataPacket& packet);   // replaces columns and rows
    void CopyFromTable(const TDSTable& table); // takes the columns, appends every row in order
    void AppendRow(QList<QVariant> values);    // one row at the end, cursor unchanged
    void EmptyDataSet();
    void Open();
    void Close();
    bool Active() const { return m_state != TState::Inactive; }
    TState State() const { return m_state; }

    // Rows and cursor
    int RecordCount() const { return Active() ? static_cast<int>(m_rows.size()) : 0; }
    int RecNo() const { return m_cursor; } // 0-based row of the cursor, -1 when empty
    void First();
    void Next();
    void Prior();
    void Last();
    void MoveTo(int row);
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    bool Locate(QStringView fieldName, const QVariant& value); // moves the cursor on success

    // Editing at the cursor
    void Edit();
    void Append(); // a new empty row at the end, in insert state
    void Post();
    void Cancel();
    void Delete();

    // Direct access for views
    QVariant ValueAt(int row, int column) const;
    QString DisplayTextAt(int row, int column) const;

    // View update brackets; nested; the last EnableControls announces the whole content anew.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return m_disableCount > 0; }

signals:
    void contentReset();      // columns or rows replaced
    void rowChanged(int row); // one row's values changed
    void cursorMoved(int row);

private:
    friend class TField;
    QVariant CurrentValue(int column) const;
    void SetCurrentValue(int column, const QVariant& value);
    void AnnounceReset();
    void AnnounceRow(int row);
    void AnnounceCursor();

    std::vector<std::unique_ptr<TField>> m_fields;
    std::vector<QList<QVariant>> m_rows;
    QList<QVariant> m_editBuffer;
    TState m_state = TState::Inactive;
    int m_cursor = -1;
    bool m_eof = true;
    bool m_bof = true;
    int m_disableCount = 0;
    bool m_pendingReset = false;
};

// Holds a data set's view updates for a scope, on every path; views are told once at the end.
class TControlsDisabled final {
public:
    explicit TControlsDisabled(TClientDataSet& dataSet)
        : m_dataSet(dataSet) {
        m_dataSet.DisableControls();
    }
    ~TControlsDisabled() { m_dataSet.EnableControls(); }
    Q_DISABLE_COPY_MOVE(TControlsDisabled)

private:
    TClientDataSet& m_dataSet;
};

// Converts a stored value to the column's kind (used when loading wire tables and on edit).
QVariant ConvertToFieldType(const QVariant& value, TFieldType type);

} // namespace datasnap
