#include "ui/query_model.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

namespace ui {

QueryModel::QueryModel(store::Query *query, QVector<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_query(query), m_columns(std::move(columns))
{
    refreshFields();
    connect(query, &store::Query::opened, this, [this] {
        beginResetModel();
        refreshFields();
        endResetModel();
    });
    connect(query, &store::Query::rowChanged, this, [this](int row) {
        if (row >= m_query->recordCount())
            return;
        if (row >= m_rowsShown) {
            beginInsertRows({}, m_rowsShown, row);
            m_rowsShown = row + 1;
            endInsertRows();
        }
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

void QueryModel::refreshFields()
{
    m_fields.clear();
    for (const GridColumn &c : m_columns)
        m_fields.append(m_query->isOpen() ? m_query->fieldIndex(c.field) : -1);
    m_rowsShown = m_query->isOpen() ? m_query->recordCount() : 0;
}

int QueryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowsShown;
}

int QueryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant QueryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const int field = m_fields.value(index.column(), -1);
    if (field < 0 || index.row() >= m_query->recordCount())
        return {};
    return m_query->cell(index.row(), field);
}

QVariant QueryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_columns.size() ? QVariant(m_columns.at(section).title) : QVariant();
    return {};
}

QueryModel *bindGrid(QTableView *view, store::Query *query, QVector<GridColumn> columns)
{
    auto *model = new QueryModel(query, std::move(columns), view);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto applyWidths = [view, model] {
        for (int c = 0; c < model->columns().size(); ++c)
            if (model->columns().at(c).width >= 0)
                view->setColumnWidth(c, model->columns().at(c).width);
    };
    applyWidths();
    auto showCurrent = [view, query] {
        if (!query->isOpen() || query->isEmpty())
            return;
        const QModelIndex idx = view->model()->index(query->recNo() - 1, 0);
        if (view->currentIndex().row() != idx.row())
            view->setCurrentIndex(idx);
    };
    QObject::connect(query, &store::Query::opened, view, [showCurrent] { showCurrent(); });
    QObject::connect(query, &store::Query::currentChanged, view, [showCurrent] { showCurrent(); });
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, query,
                     [query](const QModelIndex &current) {
                         if (current.isValid() && query->isOpen() && current.row() + 1 != query->recNo())
                             query->setRecNo(current.row() + 1);
                     });
    showCurrent();
    return model;
}

} // namespace ui
