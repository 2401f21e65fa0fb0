#pragma once

#include "store/query.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QVector>

class QTableView;

namespace ui {

// A grid column: the field it shows (any case) and its title.
struct GridColumn {
    QString field;
    QString title;
    int width = -1; // pixels; -1 keeps the view's default
};

// A read-only table model over a query's snapshot, for data grids. It follows the query: a new
// snapshot resets it, a posted row updates that row.
class QueryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    QueryModel(store::Query *query, QVector<GridColumn> columns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const QVector<GridColumn> &columns() const { return m_columns; }

private:
    void refreshFields();
    store::Query *m_query;
    QVector<GridColumn> m_columns;
    QVector<int> m_fields; // query field index per column, -1 when missing
    int m_rowsShown = 0;
};

// Shows the query in the view through a QueryModel, and keeps the view's current row and the
// query's current row in step, as a data-aware grid does.
QueryModel *bindGrid(QTableView *view, store::Query *query, QVector<GridColumn> columns);

} // namespace ui
