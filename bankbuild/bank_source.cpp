#include "bankbuild/bank_source.h"

#include "store/database.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace bank {

namespace {

constexpr int kPaperSingle = 70;
constexpr int kPaperMulti = 15;

const QRegularExpression &optionLine()
{
    static const QRegularExpression re(QStringLiteral("^([A-E])[．.、]"));
    return re;
}

QString joinLines(const QStringList &lines)
{
    QStringList copy = lines;
    while (!copy.isEmpty() && copy.first().isEmpty())
        copy.removeFirst();
    while (!copy.isEmpty() && copy.last().isEmpty())
        copy.removeLast();
    return copy.join(QLatin1Char('\n'));
}

} // namespace

QString SourceError::toString() const
{
    return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(reason);
}

const QStringList &pastPaperCategories(const QString &table)
{
    static const QHash<QString, QStringList> papers{
        {QStringLiteral("aqfg"),
         {QStringLiteral("2015法规真题"), QStringLiteral("2014法规真题"), QStringLiteral("2013法规真题")}},
        {QStringLiteral("aqgl"),
         {QStringLiteral("2015生产管理真题"), QStringLiteral("2014生产管理真题"),
          QStringLiteral("2013生产管理真题")}},
        {QStringLiteral("aqjs"),
         {QStringLiteral("2015安全生产技术真题"), QStringLiteral("2014安全生产技术真题"),
          QStringLiteral("2013安全生产技术真题")}},
    };
    static const QStringList none;
    const auto it = papers.constFind(table);
    return it == papers.cend() ? none : it.value();
}

bool answerInForm(const QString &answer, bool multi, QString *why)
{
    auto no = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (answer.isEmpty())
        return no(QStringLiteral("the answer is empty"));
    const QChar last = multi ? QLatin1Char('E') : QLatin1Char('D');
    for (int i = 0; i < answer.size(); ++i) {
        const QChar c = answer.at(i);
        if (c < QLatin1Char('A') || c > last)
            return no(QStringLiteral("answer \"%1\": letters must be upper case %2, with nothing between them")
                          .arg(answer, multi ? QStringLiteral("A-E") : QStringLiteral("A-D")));
        if (i > 0 && c <= answer.at(i - 1))
            return no(QStringLiteral("answer \"%1\": letters must be in alphabetical order, "
                                     "each once, with nothing between them")
                          .arg(answer));
    }
    if (!multi && answer.size() != 1)
        return no(QStringLiteral("answer \"%1\": a single-choice answer is one letter").arg(answer));
    return true;
}

QString optionLetters(const QString &text)
{
    QString letters;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const auto m = optionLine().match(line);
        if (m.hasMatch())
            letters += m.captured(1);
    }
    return letters;
}

void BankSource::readDirectory(const QString &dataDir)
{
    const QDir root(dataDir);
    if (!root.exists()) {
        errors.append({dataDir, 0, QStringLiteral("the data folder does not exist")});
        return;
    }
    const QStringList tables = store::subjectTables() + QStringList{QStringLiteral("kszn")};
    for (const QFileInfo &dir : root.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!tables.contains(dir.fileName()))
            errors.append({dir.filePath(), 0,
                           QStringLiteral("unknown table folder (expected one of %1)")
                               .arg(tables.join(QStringLiteral(", ")))});
    }
    for (const QString &table : tables) {
        const QDir dir(root.filePath(table));
        const QFileInfoList files =
            dir.entryInfoList({QStringLiteral("*.qb")}, QDir::Files, QDir::Name);
        for (const QFileInfo &fi : files) {
            QFile f(fi.filePath());
            if (!f.open(QIODevice::ReadOnly)) {
                errors.append({fi.filePath(), 0, QStringLiteral("cannot read: %1").arg(f.errorString())});
                continue;
            }
            const QByteArray bytes = f.readAll();
            const QString content = QString::fromUtf8(bytes);
            if (content.toUtf8() != bytes) {
                errors.append({fi.filePath(), 0, QStringLiteral("the file is not valid UTF-8")});
                continue;
            }
            if (table == QLatin1String("kszn"))
                parseGuide(fi.filePath(), content);
            else
                parseQuestions(table, fi.filePath(), content);
        }
    }
}

void BankSource::parseQuestions(const QString &table, const QString &file, const QString &content)
{
    enum class Mode { None, Case, Text, Explain };
    Mode mode = Mode::None;
    QString category;
    QString caseText;
    QStringList caseLines;
    QStringList lines;
    SourceQuestion q;
    bool open = false;
    bool answered = false;
    bool explained = false;

    auto error = [&](int line, const QString &reason) { errors.append({file, line, reason}); };

    auto finish = [&] {
        if (mode == Mode::Case)
            caseText = joinLines(caseLines);
        if (!open)
            return;
        if (mode == Mode::Explain)
            q.explanation = joinLines(lines);
        open = false;
        if (!answered) {
            error(q.line, QStringLiteral("the question has no @answer"));
            return;
        }
        if (!explained || q.explanation.trimmed().isEmpty()) {
            error(q.line, QStringLiteral("the question has no explanation (@explain)"));
            return;
        }
        questions.append(q);
    };

    const QStringList all = content.split(QLatin1Char('\n'));
    for (int i = 0; i < all.size(); ++i) {
        const int lineNo = i + 1;
        QString line = all.at(i);
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1); // also a trailing '\r'
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (!line.startsWith(QLatin1Char('@'))) {
            switch (mode) {
            case Mode::None:
                if (!line.trimmed().isEmpty())
                    error(lineNo, QStringLiteral("text outside a question (start one with @single or @multi)"));
                break;
            case Mode::Case:
                caseLines << line;
                break;
            case Mode::Text:
            case Mode::Explain:
                lines << line;
                break;
            }
            continue;
        }
        const int space = line.indexOf(QLatin1Char(' '));
        const QString directive = space < 0 ? line : line.left(space);
        const QString arg = space < 0 ? QString() : line.mid(space + 1).trimmed();

        if (directive == QLatin1String("@category")) {
            finish();
            mode = Mode::None;
            if (arg.isEmpty())
                error(lineNo, QStringLiteral("@category needs a name"));
            category = arg;
            caseText.clear();
        } else if (directive == QLatin1String("@case")) {
            finish();
            mode = Mode::Case;
            caseLines.clear();
            if (!arg.isEmpty())
                caseLines << arg;
        } else if (directive == QLatin1String("@single") || directive == QLatin1String("@multi")) {
            finish();
            q = SourceQuestion{};
            q.table = table;
            q.category = category;
            q.multi = directive == QLatin1String("@multi");
            q.file = file;
            q.line = lineNo;
            open = true;
            answered = explained = false;
            mode = Mode::Text;
            lines.clear();
            if (category.isEmpty())
                error(lineNo, QStringLiteral("a question before any @category"));
        } else if (directive == QLatin1String("@answer")) {
            if (!open || mode != Mode::Text) {
                error(lineNo, QStringLiteral("@answer outside a question text"));
                continue;
            }
            const QString stem = joinLines(lines);
            q.text = caseText.isEmpty() ? stem : caseText + QStringLiteral("\n\n") + stem;
            q.answer = arg;
            answered = true;
            mode = Mode::None;
            QString why;
            const QString options = optionLetters(stem);
            const QString expected = q.multi ? QStringLiteral("ABCDE") : QStringLiteral("ABCD");
            if (stem.trimmed().isEmpty() || stem.split(QLatin1Char('\n')).size() == options.size())
                error(q.line, QStringLiteral("the question text is empty"));
            if (!answerInForm(arg, q.multi, &why))
                error(lineNo, why);
            for (const QChar c : arg)
                if (!options.contains(c))
                    error(lineNo, QStringLiteral("answer \"%1\" names option %2, which the text lacks")
                                      .arg(arg, QString(c)));
            if (options != expected)
                error(q.line, QStringLiteral("%1 question: options must be %2 (one line each, "
                                             "\"A．…\"), found \"%3\"")
                                  .arg(q.multi ? QStringLiteral("a multi-choice")
                                               : QStringLiteral("a single-choice"),
                                       expected, options));
        } else if (directive == QLatin1String("@explain")) {
            if (!open || !answered) {
                error(lineNo, QStringLiteral("@explain before the question's @answer"));
                continue;
            }
            explained = true;
            mode = Mode::Explain;
            lines.clear();
            if (!arg.isEmpty())
                lines << arg;
        } else {
            error(lineNo, QStringLiteral("unknown directive %1").arg(directive));
        }
    }
    finish();
}

void BankSource::parseGuide(const QString &file, const QString &content)
{
    QString heading;
    GuideRow row;
    bool open = false;
    QStringList lines;
    auto finish = [&] {
        if (!open)
            return;
        open = false;
        row.text = joinLines(lines);
        if (row.text.trimmed().isEmpty())
            errors.append({file, row.line, QStringLiteral("the topic \"%1\" has no text").arg(row.topic)});
        else
            guide.append(row);
    };
    const QStringList all = content.split(QLatin1Char('\n'));
    for (int i = 0; i < all.size(); ++i) {
        const int lineNo = i + 1;
        QString line = all.at(i);
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1String("@group"))) {
            finish();
            heading = line.mid(6).trimmed();
            if (heading.isEmpty())
                errors.append({file, lineNo, QStringLiteral("@group needs a name")});
        } else if (line.startsWith(QLatin1String("@topic"))) {
            finish();
            row = GuideRow{heading, line.mid(6).trimmed(), {}, file, lineNo};
            lines.clear();
            open = true;
            if (heading.isEmpty())
                errors.append({file, lineNo, QStringLiteral("a topic before any @group")});
            if (row.topic.isEmpty())
                errors.append({file, lineNo, QStringLiteral("@topic needs a name")});
        } else if (line.startsWith(QLatin1Char('@'))) {
            errors.append({file, lineNo, QStringLiteral("unknown directive %1").arg(line.section(QLatin1Char(' '), 0, 0))});
        } else if (open) {
            lines << line;
        } else if (!line.trimmed().isEmpty()) {
            errors.append({file, lineNo, QStringLiteral("text outside a topic (start one with @topic)")});
        }
    }
    finish();
}

int BankSource::count(const QString &table, const QString &category, int multi) const
{
    int n = 0;
    for (const SourceQuestion &q : questions)
        if (q.table == table && (category.isEmpty() || q.category == category)
            && (multi < 0 || int(q.multi) == multi))
            ++n;
    return n;
}

void BankSource::validate()
{
    QHash<QString, const SourceQuestion *> seen; // table + text
    for (const SourceQuestion &q : questions) {
        const QString key = q.table + QLatin1Char('\x1f') + q.text;
        if (const auto it = seen.constFind(key); it != seen.cend())
            errors.append({q.file, q.line,
                           QStringLiteral("the same question text stands already at %1:%2")
                               .arg(it.value()->file)
                               .arg(it.value()->line)});
        else
            seen.insert(key, &q);
    }
    for (const QString &table : store::subjectTables().mid(0, 3)) {
        const int single = count(table, {}, 0);
        const int multi = count(table, {}, 1);
        if (single < kPaperSingle || multi < kPaperMulti)
            errors.append({table, 0,
                           QStringLiteral("a random paper needs at least %1 single-choice and %2 "
                                          "multi-choice questions; the table has %3 and %4")
                               .arg(kPaperSingle)
                               .arg(kPaperMulti)
                               .arg(single)
                               .arg(multi)});
        for (const QString &paper : pastPaperCategories(table)) {
            QString kinds;
            QString file;
            for (const SourceQuestion &q : questions)
                if (q.table == table && q.category == paper) {
                    kinds += q.multi ? QLatin1Char('m') : QLatin1Char('s');
                    file = q.file;
                }
            if (kinds.isEmpty())
                continue; // not shipped yet
            const QString expected = QString(kPaperSingle, QLatin1Char('s')) + QString(kPaperMulti, QLatin1Char('m'));
            if (kinds != expected)
                errors.append({file, 0,
                               QStringLiteral("the past paper \"%1\" must hold %2 single-choice then "
                                              "%3 multi-choice questions in that order; it holds %4 "
                                              "single and %5 multi (%6 in all)")
                                   .arg(paper)
                                   .arg(kPaperSingle)
                                   .arg(kPaperMulti)
                                   .arg(kinds.count(QLatin1Char('s')))
                                   .arg(kinds.count(QLatin1Char('m')))
                                   .arg(kinds.size())});
        }
    }
}

void writeBank(const BankSource &source, const QString &path)
{
    const QString temp = path + QStringLiteral(".building");
    QFile::remove(temp);
    QFile::remove(temp + QStringLiteral("-wal"));
    QFile::remove(temp + QStringLiteral("-shm"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    store::Database::createBank(temp);
    {
        store::Database db(temp);
        store::Transaction tx(db);
        QHash<QString, qint64> ids;
        for (const QString &t : store::subjectTables()) {
            store::Statement st(db, QStringLiteral("insert into %1 (ID,lb,tm,dx,ZQda,xzda,jx,bj,sc) "
                                                   "values (?,?,?,?,?,'',?,'',0)")
                                        .arg(t));
            for (const SourceQuestion &q : source.questions) {
                if (q.table != t)
                    continue;
                st.bind(1, ++ids[t]);
                st.bind(2, q.category);
                st.bind(3, q.text);
                st.bind(4, q.multi ? 1 : 0);
                st.bind(5, q.answer);
                st.bind(6, q.explanation);
                st.step();
                st.reset();
            }
        }
        store::Statement guide(db, QStringLiteral("insert into kszn (fl1,fl2,flxx) values (?,?,?)"));
        for (const GuideRow &g : source.guide) {
            guide.bind(1, g.heading);
            guide.bind(2, g.topic);
            guide.bind(3, g.text);
            guide.step();
            guide.reset();
        }
        tx.commit();
        // A shipped bank is one self-contained file.
        db.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        db.exec(QStringLiteral("VACUUM"));
    }
    QFile::remove(path);
    if (!QFile::rename(temp, path))
        throw store::StoreError(QStringLiteral("cannot move %1 to %2").arg(temp, path));
}

} // namespace bank
