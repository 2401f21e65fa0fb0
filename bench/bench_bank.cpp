#include "bench/bench_bank.h"

#include "store/database.h"
#include "store/schema.h"

void makeBenchBank(const QString &path, int questions, int categories)
{
    store::Database::createBank(path);
    store::Database db(path);
    store::Transaction tx(db);
    for (const QString &table : store::subjectTables()) {
        store::Statement st(db, QStringLiteral("insert into %1 (ID,lb,tm,dx,ZQda,xzda,jx,bj,sc) "
                                               "values (?,?,?,?,?,'',?,'',0)")
                                    .arg(table));
        for (int i = 1; i <= questions; ++i) {
            const bool multi = i % 5 == 0;
            st.bind(1, i);
            st.bind(2, QStringLiteral("第%1章 章节名称").arg((i - 1) % categories + 1));
            st.bind(3, QStringLiteral("根据有关规定，下列关于安全生产的说法中，正确的是（　　）。%1\n"
                                      "A．选项一\nB．选项二\nC．选项三\nD．选项四%2")
                           .arg(i)
                           .arg(multi ? QStringLiteral("\nE．选项五") : QString()));
            st.bind(4, multi ? 1 : 0);
            st.bind(5, multi ? QStringLiteral("ACD") : QStringLiteral("B"));
            st.bind(6, QStringLiteral("解析：依据有关法律条文，正确答案如上。"));
            st.step();
            st.reset();
        }
    }
    tx.commit();
}
