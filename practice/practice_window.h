#pragma once

#include "practice/answer_card.h"
#include "practice/answer_panel.h"
#include "store/database.h"
#include "store/query.h"

#include <QDialog>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTableWidget;
class QToolButton;

// The practice window: the questions of one category, one at a time, with the answer card.
// Every answer, note and favourite mark is written to the question bank when it is made.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    // subjectIndex 1 to 4 chooses the subject table; category and count come from the current
    // row of the main window's category grid.
    TForm2(store::Database &connection, int subjectIndex, const QString &category, int count,
           QWidget *parent = nullptr);
    ~TForm2() override;

    // The card's numbers as the grid shows them now.
    const practice::AnswerCard &card() const { return m_card; }

    void bsSkinButton1Click(); // previous card page
    void bsSkinButton2Click(); // next card page
    void bsSkinButton3Click(); // previous question
    void bsSkinButton4Click(); // next question
    // A press of a mouse button at a point of the card (viewport coordinates).
    void bsSkinStringGrid1MouseDown(Qt::MouseButton button, const QPoint &pos);
    void btnAClick();
    void DXBClick();
    void DXCClick();
    void DXDClick();
    void datjClick();
    void btnjxClick();
    void btnbjClick();
    void bsSkinButton5Click();
    void btnscClick();

    QFrame *bsSkinPanel1 = nullptr;
    QScrollArea *labeltmArea = nullptr; // lets a long question scroll instead of being cut off
    QLabel *labeltm = nullptr;
    QFrame *bsSkinPanel2 = nullptr;
    QFrame *bsSkinPanel4 = nullptr;
    QGroupBox *bsSkinGroupBox2 = nullptr;
    QPushButton *DXA = nullptr;
    QPushButton *DXB = nullptr;
    QPushButton *DXC = nullptr;
    QPushButton *DXD = nullptr;
    QGroupBox *bsSkinGroupBox1 = nullptr;
    QCheckBox *bschkA = nullptr;
    QCheckBox *bschkB = nullptr;
    QCheckBox *bschkC = nullptr;
    QCheckBox *bschkD = nullptr;
    QCheckBox *bschkE = nullptr;
    QPushButton *datj = nullptr;
    QPushButton *btnsc = nullptr;
    QPushButton *btnbj = nullptr;
    QPushButton *btnjx = nullptr;
    QPushButton *bsSkinButton3 = nullptr;
    QPushButton *bsSkinButton4 = nullptr;
    QFrame *bsSkinPanel5 = nullptr;
    QLabel *LABLJX = nullptr;
    QFrame *bsSkinPanel3 = nullptr;
    QFrame *bsSkinPanel6 = nullptr;
    QPushButton *bsSkinButton1 = nullptr;
    QPushButton *bsSkinButton2 = nullptr;
    QTableWidget *bsSkinStringGrid1 = nullptr;
    QFrame *bsSkinPanel7 = nullptr;
    QPlainTextEdit *bsSkinMemo21 = nullptr;
    QPushButton *bsSkinButton5 = nullptr;
    QToolButton *bsSkinButtonLabel1 = nullptr;
    store::Query *ADOQuery1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate(int subjectIndex, const QString &category, int count);
    void buildLayout();
    void showCard();
    void showQuestionText();   // step (a)
    void selectQuestionCell(); // step (b)
    void showAnswerGroup();    // step (c)
    void showQuestion();       // steps (a) to (e)
    void answerSingle(const QString &letter);
    void acceptAnswer(const QString &answer);
    void connectHandler(QPushButton *button, void (TForm2::*handler)());

    practice::AnswerCard m_card;
    practice::AnswerPanel m_answers;
};

// The practice window while it is open (null otherwise).
extern TForm2 *Form2;

// Opens the practice window modally for one category and destroys it when it closes.
void openPracticeWindow(store::Database &connection, int subjectIndex, const QString &category,
                        int count);
