#pragma once

#include "ui/messages.h"

#include <QList>
#include <QString>

// A message service for tests: records every box and answers questions from a script
// (No when the script has run out, as Esc would).
class ScriptedMessages : public ui::MessageService {
public:
    enum class Kind { Information, Plain, Question, Notice, Error };
    struct Shown {
        Kind kind;
        QString text;
    };

    ScriptedMessages() { ui::setMessages(this); }
    ~ScriptedMessages() override { ui::setMessages(nullptr); }

    void information(QWidget *, const QString &text) override { shown.append({Kind::Information, text}); }
    void plain(QWidget *, const QString &text) override { shown.append({Kind::Plain, text}); }
    ui::Answer question(QWidget *, const QString &text) override
    {
        shown.append({Kind::Question, text});
        return answers.isEmpty() ? ui::Answer::No : answers.takeFirst();
    }
    void notice(QWidget *, const QString &text) override { shown.append({Kind::Notice, text}); }
    void error(QWidget *, const QString &text) override { shown.append({Kind::Error, text}); }

    QStringList texts(Kind kind) const;
    int count(Kind kind) const { return int(texts(kind).size()); }
    void clear() { shown.clear(); }

    QList<Shown> shown;
    QList<ui::Answer> answers;
};
