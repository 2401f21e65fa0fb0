// Builds the question bank file from its text source (data/<table>/*.qb).
//
//   bankc --data DIR --out FILE [--summary]
//
// Every error is printed as "file:line: reason"; any error stops the build and writes nothing.

#include "bankbuild/bank_source.h"
#include "store/schema.h"
#include "store/store_error.h"

#include <QCoreApplication>
#include <QMap>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString dataDir;
    QString out;
    bool summary = false;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data") && i + 1 < args.size())
            dataDir = args[++i];
        else if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == QLatin1String("--summary"))
            summary = true;
        else {
            std::fprintf(stderr, "usage: bankc --data DIR --out FILE [--summary]\n");
            return 2;
        }
    }
    if (dataDir.isEmpty() || out.isEmpty()) {
        std::fprintf(stderr, "usage: bankc --data DIR --out FILE [--summary]\n");
        return 2;
    }

    bank::BankSource source;
    source.readDirectory(dataDir);
    source.validate();
    if (!source.errors.isEmpty()) {
        for (const bank::SourceError &e : source.errors)
            std::fprintf(stderr, "%s: error: %s\n", qPrintable(e.file + QLatin1Char(':') + QString::number(e.line)),
                         qPrintable(e.reason));
        std::fprintf(stderr, "bankc: %d error(s); no bank written\n", int(source.errors.size()));
        return 1;
    }
    try {
        bank::writeBank(source, out);
    } catch (const store::StoreError &e) {
        std::fprintf(stderr, "bankc: %s\n", qPrintable(e.message()));
        return 1;
    }
    if (summary) {
        for (const QString &t : store::subjectTables()) {
            QMap<QString, QPair<int, int>> perCategory;
            for (const bank::SourceQuestion &q : source.questions)
                if (q.table == t)
                    (q.multi ? perCategory[q.category].second : perCategory[q.category].first)++;
            std::printf("%s: %d questions (%d single, %d multi)\n", qPrintable(t), source.count(t),
                        source.count(t, {}, 0), source.count(t, {}, 1));
            for (auto it = perCategory.cbegin(); it != perCategory.cend(); ++it)
                std::printf("  %s: %d single, %d multi\n", qPrintable(it.key()), it.value().first,
                            it.value().second);
        }
        std::printf("kszn: %d topics\n", int(source.guide.size()));
    }
    std::printf("bankc: wrote %s (%d questions, %d guide topics)\n", qPrintable(out),
                int(source.questions.size()), int(source.guide.size()));
    return 0;
}
