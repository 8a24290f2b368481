#include "platform/datasnap/datasource.h"

namespace datasnap {

TDataSource::TDataSource(QObject* parent)
    : QAbstractTableModel(parent) {}

void TDataSource::SetDataSet(TClientDataSet* dataSet) {
    beginResetModel();
    disconnect(m_resetConnection);
    disconnect(m_rowConnection);
    m_dataSet = dataSet;
    if (dataSet) {
        m_resetConnection = connect(dataSet, &TClientDataSet::contentReset, this, &TDataSource::Reset);
        m_rowConnection = connect(dataSet, &TClientDataSet::rowChanged, this, [this](int row) {
            if (Showing())
                emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        });
    }
    endResetModel();
}

void TDataSource::SetEnabled(bool enabled) {
    if (m_enabled == enabled)
        return;
    beginResetModel();
    m_enabled = enabled;
    endResetModel();
}

void TDataSource::Reset() {
    if (!m_enabled)
        return;
    beginResetModel();
    endResetModel();
}

int TDataSource::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !Showing() ? 0 : m_dataSet->RecordCount();
}

int TDataSource::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_enabled || !m_dataSet ? 0 : m_dataSet->FieldCount();
}

QVariant TDataSource::data(const QModelIndex& index, int role) const {
    if (!Showing() || !index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_dataSet->DisplayTextAt(index.row(), index.column());
    case Qt::EditRole:
    case ValueRole:
        return m_dataSet->ValueAt(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return m_dataSet->Fields(index.column())->IsNumeric() ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                              : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case FieldNameRole:
        return m_dataSet->Fields(index.column())->FieldName();
    default:
        return {};
    }
}

QVariant TDataSource::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || !m_dataSet || section < 0 || section >= m_dataSet->FieldCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole || role == FieldNameRole)
        return m_dataSet->Fields(section)->FieldName();
    return {};
}

int TDataSource::FieldColumn(QStringView fieldName) const {
    const TField* field = m_dataSet ? m_dataSet->FindField(fieldName) : nullptr;
    return field ? field->Index() : -1;
}

} // namespace datasnap
