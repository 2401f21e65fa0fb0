#include "bench/bench_bank.h"

#include "store/database.h"
#include "store/schema.h"

namespace {

// Topics that vary from question to question, so that a keyword finds a share of the bank as in
// real use, not every row.
const char *const kTopics[] = {"锅炉", "压力容器", "起重机械", "电梯", "叉车", "危险化学品", "粉尘爆炸",
                               "有限空间", "动火作业", "高处作业", "临时用电", "消防设施", "应急预案",
                               "隐患排查", "安全培训", "职业病", "事故报告"};
const char *const kActors[] = {"主要负责人", "安全生产管理人员", "从业人员", "特种作业人员", "承包单位",
                               "监理单位", "设计单位", "检验机构", "应急管理部门", "工会", "劳务派遣人员",
                               "实习学生", "外包队伍", "班组长", "值班人员", "调度员", "设备管理员",
                               "车间主任", "技术负责人", "项目经理", "安全总监", "现场监护人", "仓库管理员"};

} // namespace

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
            st.bind(3, QStringLiteral("关于%1的管理，%2应当履行的职责是（　　）。（第%3题）\n"
                                      "A．选项一\nB．选项二\nC．选项三\nD．选项四%4")
                           .arg(QString::fromUtf8(kTopics[i % 17]), QString::fromUtf8(kActors[i % 23]))
                           .arg(i)
                           .arg(multi ? QStringLiteral("\nE．选项五") : QString()));
            st.bind(4, multi ? 1 : 0);
            st.bind(5, multi ? QStringLiteral("ACD") : QStringLiteral("B"));
            st.bind(6, QStringLiteral("解析：%1的规定见有关法律条文。").arg(QString::fromUtf8(kTopics[(i * 7) % 17])));
            st.step();
            st.reset();
        }
    }
    tx.commit();
}
