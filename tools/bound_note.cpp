#include "tools/bound_note.h"

#include "tools/dialog_parts.h"
#include "tools/text_rules.h"
#include "ui/messages.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace tools {

namespace {

const QString kNote = QStringLiteral("bj");

// The editor's text exactly as it holds it. Unlike toPlainText() this keeps no-break spaces;
// paragraph and line separators become line feeds.
QString editorText(const QPlainTextEdit *memo)
{
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

bool hasRow(const store::Query &query)
{
    return query.isOpen() && !query.isEmpty();
}

} // namespace

BoundNoteMemo::BoundNoteMemo(QPlainTextEdit *memo, store::Query *query, QWidget *owner)
    : QObject(memo), m_memo(memo), m_query(query), m_owner(owner)
{
    connect(query, &store::Query::opened, this, &BoundNoteMemo::showCurrent);
    connect(query, &store::Query::currentChanged, this, &BoundNoteMemo::showCurrent);
    connect(query, &store::Query::rowChanged, this, &BoundNoteMemo::showCurrent);
    connect(memo, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_loading)
            typed();
    });
    showCurrent();
}

QString BoundNoteMemo::noteText() const
{
    return noteForStore(editorText(m_memo));
}

void BoundNoteMemo::showCurrent()
{
    const bool row = hasRow(*m_query);
    m_memo->setReadOnly(!row);
    const QString text = row ? textForEditor(currentText(*m_query, kNote)) : QString();
    if (editorText(m_memo) == text)
        return; // already shown: the cursor stays where the user left it
    m_loading = true;
    m_memo->setPlainText(text);
    m_loading = false;
}

void BoundNoteMemo::typed()
{
    ui::guarded(m_owner, [this] {
        if (!hasRow(*m_query))
            return;
        if (!m_query->isEditing())
            m_query->edit();
        m_query->setField(kNote, noteText());
    });
}

} // namespace tools
