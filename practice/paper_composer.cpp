#include "practice/paper_composer.h"

#include "practice/exam_logic.h"

#include <functional>

namespace practice {

namespace {

// Numbers the rows of the exam table 1 to their count, in the order they were copied in, and
// clears their answers.
int numberPaper(store::Query &work)
{
    work.setSql(store::sql::examRows());
    work.open();
    const int count = work.recordCount();
    for (int n = 1; n <= count; ++n) {
        work.setRecNo(n);
        work.edit();
        work.setField(QStringLiteral("id"), QString::number(n));
        work.setField(QStringLiteral("xzda"), QString());
        work.post();
    }
    work.first();
    return count;
}

void run(store::Query &work, const store::Sql &sql)
{
    work.setSql(sql);
    work.execSql();
}

int compose(store::Query &work, const std::function<void()> &fill)
{
    store::Transaction transaction(work.database());
    run(work, store::sql::clearExam());
    fill();
    const int count = numberPaper(work);
    if (count == 0) {
        work.close();
        return 0; // the transaction rolls back: the previous paper stays
    }
    transaction.commit();
    return count;
}

} // namespace

int composeRandomPaper(store::Query &work, store::Subject subject, int k1, int k2)
{
    return compose(work, [&] {
        run(work, store::sql::drawRandomQuestions(subject, false, k1, kRandomSingle));
        run(work, store::sql::drawRandomQuestions(subject, true, k2, kRandomMulti));
    });
}

int composePastPaper(store::Query &work, store::Subject subject, const QString &category)
{
    return compose(work, [&] { run(work, store::sql::copyPastPaper(subject, category)); });
}

} // namespace practice
