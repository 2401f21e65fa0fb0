// Store benchmarks on a generated bank: 100,000 questions per subject table in 20 categories
// of 5,000 questions each.
//
//   bench_store [BANK]   (BANK: also compose papers from that bank, e.g. the shipped one)
#include "bench/bench_bank.h"
#include "practice/exam_logic.h"
#include "practice/paper_composer.h"
#include "store/query.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

// A search as the search dialog runs it: a 2-character and a 4-character keyword, each found in
// about one question in nine (in the text or the explanation).
void BM_Search(benchmark::State &state, const char *word)
{
    store::Database db(benchBank());
    store::Query q(db);
    for (auto _ : state) {
        q.setSql(store::sql::searchQuestions(store::Subject::Law, QString::fromUtf8(word)));
        q.open();
        benchmark::DoNotOptimize(q.recordCount());
    }
    state.counters["rows"] = q.recordCount();
}
BENCHMARK_CAPTURE(BM_Search, two_characters, "锅炉")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, four_characters, "压力容器")->Unit(benchmark::kMillisecond);

// Composing a random paper (70 + 15 questions drawn by Rnd(-ID*k)) from a subject table.
void BM_ComposeRandomPaper(benchmark::State &state, const QString &bank)
{
    store::Database db(bank.isEmpty() ? benchBank() : bank);
    store::Query work(db);
    practice::DrawSource draws(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(practice::composeRandomPaper(work, store::Subject::Management, draws.next(), draws.next()));
}
BENCHMARK_CAPTURE(BM_ComposeRandomPaper, bench_bank_100000, QString())->Unit(benchmark::kMillisecond);

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
    // With a bank file as argument (the shipped bank, say), composing is measured on it too.
    static QTemporaryDir copyDir;
    if (argc > 1) {
        const QString copy = QDir(copyDir.path()).filePath(QStringLiteral("given.dll"));
        QFile::copy(QString::fromLocal8Bit(argv[1]), copy);
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        benchmark::RegisterBenchmark("BM_ComposeRandomPaper/given_bank", [copy](benchmark::State &state) {
            BM_ComposeRandomPaper(state, copy);
        })->Unit(benchmark::kMillisecond);
    }
    benchBank(); // build the bank before timing
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
