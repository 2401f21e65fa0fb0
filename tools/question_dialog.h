#pragma once

#include "store/database.h"
#include "store/query.h"
#include "store/statements.h"
#include "tools/bound_note.h"
#include "tools/dialog_parts.h"
#include "ui/messages.h"
#include "ui/query_model.h"

#include <QDialog>
#include <QPushButton>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QVBoxLayout;

namespace tools {

// What the search, notes and favourites dialogs have in common: a list of questions of one
// subject on the left (a bar with the subject list and a button over the data grid), the
// selected question on the right (question text, right answer, explanation), and the result
// query that the grid, memos and label show. The right-hand side follows the query's current
// row; an edit pending on a row is posted before the grid moves to another row.
class QuestionDialog : public QDialog {
    Q_OBJECT
public:
    ~QuestionDialog() override;

    QFrame *bsSkinPanel6 = nullptr;
    QFrame *bsSkinPanel7 = nullptr;
    QComboBox *bsSkinComboBox1 = nullptr;
    QPushButton *bsSkinButton1 = nullptr;
    DataGrid *DBGridEh1 = nullptr;
    QFrame *bsSkinPanel3 = nullptr;
    QPlainTextEdit *DBMemoEh1 = nullptr;
    QFrame *bsSkinPanel2 = nullptr;
    QLabel *bsSkinDBText2 = nullptr;
    QFrame *bsSkinPanel1 = nullptr;
    QPlainTextEdit *DBMemoEh2 = nullptr;
    store::Query *ADOQuery1 = nullptr;
    ui::QueryModel *DataSource1 = nullptr;

protected:
    QuestionDialog(store::Database &connection, const QString &formName, const QString &caption,
                   const QSize &clientSize, const QPoint &position, QVector<ui::GridColumn> columns,
                   QWidget *parent);

    // The grid columns of the dialogs that list notes (notes and favourites).
    static QVector<ui::GridColumn> noteColumns();

    // The layout of bsSkinPanel3 under its caption bar "题目", for the dialog to fill from the top.
    QVBoxLayout *questionSide() const { return m_questionSide; }
    // The parts of the right-hand side, each made when the dialog places it.
    void makeQuestionMemo(QWidget *parent); // DBMemoEh1, bound to tm
    QFrame *makeAnswerPanel();              // bsSkinPanel2 with bsSkinDBText2, bound to zqda
    QFrame *makeExplanationPanel();         // bsSkinPanel1 with DBMemoEh2, bound to jx
    // The note editor at the bottom of the right-hand side (notes and favourites): bsSkinPanel5
    // with the memo DBMemoEh3, bound to bj of the current row, and the button "笔记保存".
    struct NotePanel {
        QFrame *panel;
        QPlainTextEdit *memo;
        QPushButton *save;
        BoundNoteMemo *note;
    };
    NotePanel makeNotePanel();

    template <class Dialog>
    void connectHandler(QPushButton *button, Dialog *self, void (Dialog::*handler)())
    {
        connect(button, &QPushButton::clicked, self,
                [self, handler] { ui::guarded(self, [self, handler] { (self->*handler)(); }); });
    }

    bool hasCurrentRow() const;
    // The search of the search and notes dialogs: the keyword rule, then the statement of the
    // chosen subject with the keyword.
    void search(const QString &editText,
                store::Sql (*statement)(store::Subject subject, const QString &word));
    // Writes the note to the current row at once.
    void saveNote(const QString &note);

private:
    void showQuestion();

    QVBoxLayout *m_questionSide = nullptr;
};

// The texts of the dialogs' messages.
namespace text {
inline const QString kKeywordTooShort = QStringLiteral("搜索关键字必须2个汉字以上！");
inline const QString kChooseSubject = QStringLiteral("请选择科目！");
inline const QString kNoteSaved = QStringLiteral("笔记保存成功！");
inline const QString kUnmarked = QStringLiteral("已经取消收藏。");
inline const QString kNoQuestion = QStringLiteral("没有选中的题目！");
} // namespace text

} // namespace tools
