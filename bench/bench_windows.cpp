// Window timings on the offscreen platform, over a generated bank whose categories hold 5,000
// questions each (100,000 per subject):
//   - opening the practice window until it has painted question 1,
//   - a right answer until the next question has painted,
//   - composing a random paper and opening the exam window until it has painted.
// Each figure is the median of several runs; "painted" means the whole window rendered (grab()).
#include "bench/bench_bank.h"
#include "practice/exam_logic.h"
#include "practice/exam_window.h"
#include "practice/paper_composer.h"
#include "practice/practice_window.h"
#include "store/query.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString bank = QDir(dir.path()).filePath(QStringLiteral("aqks.dll"));
    makeBenchBank(bank, 100000, 20);
    store::Database db(bank);
    const QString category = QStringLiteral("第7章 章节名称");

    std::vector<double> openMs;
    std::vector<double> answerMs;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer t;
        t.start();
        TForm2 w(db, 1, category, 5000);
        w.show();
        (void)w.grab(); // renders the whole window now
        openMs.push_back(double(t.nsecsElapsed()) / 1e6);
        for (int a = 0; a < 5; ++a) {
            QElapsedTimer ta;
            ta.start();
            w.DXBClick(); // the bench bank's single-choice answer is B
            (void)w.grab(); // renders the whole window now
            answerMs.push_back(double(ta.nsecsElapsed()) / 1e6);
        }
    }
    std::sort(openMs.begin(), openMs.end());
    std::sort(answerMs.begin(), answerMs.end());

    std::vector<double> examMs;
    store::Query work(db);
    practice::DrawSource draws;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer t;
        t.start();
        practice::composeRandomPaper(work, store::Subject::Management, draws.next(), draws.next());
        TFks w(db);
        w.show();
        (void)w.grab(); // renders the whole window now
        examMs.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(examMs.begin(), examMs.end());

    std::printf("practice window open to question 1 painted (5,000-question category): median %.1f ms\n",
                openMs[openMs.size() / 2]);
    std::printf("right answer to next question painted: median %.2f ms\n", answerMs[answerMs.size() / 2]);
    std::printf("random paper composed and exam window painted (100,000-question subject): median %.1f ms\n",
                examMs[examMs.size() / 2]);
    return 0;
}
