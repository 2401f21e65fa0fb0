#pragma once

#include "store/database.h"
#include "store/query.h"
#include "store/statements.h"

namespace practice {

// Writes an exam paper into the exam table, in one transaction: the previous paper is replaced
// completely, or, when any step fails, stays as it was. The rows are numbered 1 to their count in
// the order they were copied, with their answers cleared. `work` is the query the composition
// runs its statements on; it is left open on the paper. Returns the number of questions; with none
// the previous paper is kept and 0 is returned.

// A random paper: 70 single-choice questions in the order of draw k1, then 15 multi-choice
// questions in the order of draw k2 (draw 0: stored order).
int composeRandomPaper(store::Query &work, store::Subject subject, int k1, int k2);
// A past paper: every question of the category, in stored order.
int composePastPaper(store::Query &work, store::Subject subject, const QString &category);

} // namespace practice
