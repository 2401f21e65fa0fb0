// Store benchmarks on a generated bank: 100,000 questions per subject table in 20 categories
// of 5,000 questions each.
#include "bench/bench_bank.h"
#include "store/query.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString &benchBank()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = QDir(dir.path()).filePath(QStringLiteral("aqks.dll"));
        makeBenchBank(p, 100000, 20);
        return p;
    }();
    return path;
}

void BM_CategoryList(benchmark::State &state)
{
    store::Database db(benchBank());
    store::Query q(db);
    for (auto _ : state) {
        q.setSql(store::sql::categoryList(store::Subject::Law));
        q.open();
        benchmark::DoNotOptimize(q.recordCount());
    }
}
BENCHMARK(BM_CategoryList)->Unit(benchmark::kMillisecond);

void BM_PracticeQuestions5000(benchmark::State &state)
{
    store::Database db(benchBank());
    store::Query q(db);
    for (auto _ : state) {
        q.setSql(store::sql::practiceQuestions(store::Subject::Law, QStringLiteral("第7章 章节名称")));
        q.open();
        benchmark::DoNotOptimize(q.recordCount());
    }
}
BENCHMARK(BM_PracticeQuestions5000)->Unit(benchmark::kMillisecond);

void BM_PostOneAnswer(benchmark::State &state)
{
    store::Database db(benchBank());
    store::Query q(db);
    q.setSql(store::sql::practiceQuestions(store::Subject::Law, QStringLiteral("第7章 章节名称")));
    q.open();
    int row = 1;
    for (auto _ : state) {
        q.setRecNo(row++ % 4000 + 1);
        q.edit();
        q.setField(QStringLiteral("xzda"), QStringLiteral("B"));
        q.post();
    }
}
BENCHMARK(BM_PostOneAnswer)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchBank(); // build the bank before timing
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
