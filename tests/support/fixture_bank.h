#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

// A small question bank made by a test in a temporary folder.
class FixtureBank {
public:
    FixtureBank();
    const QString &path() const { return m_path; }
    QString dir() const { return m_dir.path(); }

    // Adds a question; returns its ID. The ID counts up per table unless given.
    qint64 addQuestion(const QString &table, const QString &category, bool multi,
                       const QString &answer, const QString &text = {}, qint64 id = 0);
    // Adds `count` questions of one kind to a category; texts are "<category> n".
    void addQuestions(const QString &table, const QString &category, int count, bool multi,
                      const QString &answer = QStringLiteral("A"));
    void exec(const QString &sql, const QVariantList &args = {});
    QVariant scalar(const QString &sql, const QVariantList &args = {});

private:
    QTemporaryDir m_dir;
    QString m_path;
};
