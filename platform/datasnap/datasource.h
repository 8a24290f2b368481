#pragma once

#include "platform/datasnap/dataset.h"

#include <QAbstractTableModel>
#include <QPointer>

namespace datasnap {

// Shows a data set to Qt views: one column per field, one row per record. Detaching (during a
// load) makes the model empty, so nothing half-loaded is painted; attaching shows the content anew.
class TDataSource : public QAbstractTableModel {
    Q_OBJECT
public:
    // Roles beyond Qt's: the raw value and the field name of a column.
    enum Role { ValueRole = Qt::UserRole + 1, FieldNameRole };

    explicit TDataSource(QObject* parent = nullptr);

    void SetDataSet(TClientDataSet* dataSet);
    TClientDataSet* DataSet() const { return m_dataSet; }
    void SetEnabled(bool enabled); // false = detached
    bool Enabled() const { return m_enabled; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int FieldColumn(QStringView fieldName) const; // -1 when absent

private:
    bool Showing() const { return m_enabled && m_dataSet && m_dataSet->Active(); }
    void Reset();

    QPointer<TClientDataSet> m_dataSet;
    bool m_enabled = true;
    QMetaObject::Connection m_resetConnection;
    QMetaObject::Connection m_rowConnection;
};

} // namespace datasnap
