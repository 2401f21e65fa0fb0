#pragma once

#include <QString>
#include <QStringList>

namespace store {

// The seven tables of a question bank, as created by the bank builder and the tests.
QString schemaSql();
// Names of the tables every bank file must hold.
const QStringList &requiredTables();
// Names of the subject tables in subject-index order (1 aqfg … 4 alfx).
const QStringList &subjectTables();

} // namespace store
