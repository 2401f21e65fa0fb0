// Times the whole program from process start to the first paint of its main window (the
// category list shown), on the offscreen platform, and prints the median of several runs.
//
//   bench_startup [BANK] [RUNS]    (default: a generated bank of 100,000 questions per subject)
#include "bench/bench_bank.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTemporaryDir dir;
    QString bank = args.value(1);
    if (bank.isEmpty()) {
        bank = QDir(dir.path()).filePath(QStringLiteral("aqks.dll"));
        makeBenchBank(bank, 100000, 20);
    }
    const int runs = args.value(2, QStringLiteral("11")).toInt();

    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QUIZORA_EXIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
        p.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral(QUIZORA_EXE), {QStringLiteral("--bank"), bank});
        if (!p.waitForStarted() || !p.waitForReadyRead(30000)) {
            std::fprintf(stderr, "the program did not report its first paint\n");
            return 1;
        }
        const double elapsed = double(t.nsecsElapsed()) / 1e6;
        if (!p.readAllStandardOutput().contains("first-paint")) {
            std::fprintf(stderr, "unexpected output from the program\n");
            return 1;
        }
        p.waitForFinished(10000);
        ms.push_back(elapsed);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("start to first paint: median %.1f ms, min %.1f ms, max %.1f ms (%d runs)\n",
                ms[ms.size() / 2], ms.front(), ms.back(), runs);
    return 0;
}
