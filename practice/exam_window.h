#pragma once

#include "practice/answer_panel.h"
#include "store/database.h"
#include "store/query.h"

#include <QDialog>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

// The mock exam window: the paper in the exam table, one question at a time, an answer card with
// a cell per question, every answer written at once, a 2:30:00 countdown, and at hand-in the
// grade, the result row and, on request, the wrong answers marked on the card.
class TFks : public QDialog {
    Q_OBJECT
public:
    explicit TFks(store::Database &connection, QWidget *parent = nullptr);
    ~TFks() override;

    int secondsLeft() const { return m_secondsLeft; }
    int questionCount() const;

    void bsSkinStringGrid1MouseDown(Qt::MouseButton button, const QPoint &pos);
    void bsSkinButton4Click(); // next question
    void bsSkinButton3Click(); // previous question
    void DXAClick();
    void DXBClick();
    void DXCClick();
    void DXDClick();
    void datjClick();
    void Timer1Timer();
    void jjclick(); // hand in
    bool FormCloseQuery();

    QFrame *bsSkinPanel1 = nullptr;
    QLabel *labeltm = nullptr;
    QFrame *bsSkinPanel4 = nullptr;
    QLabel *bsSkinStdLabel1 = nullptr;
    QLabel *bsSkinDBText1 = nullptr;
    QPushButton *bsSkinButton3 = nullptr;
    QPushButton *bsSkinButton4 = nullptr;
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
    QFrame *bsSkinPanel2 = nullptr;
    QGroupBox *bsSkinGroupBox4 = nullptr;
    QLabel *Label9 = nullptr;
    QPushButton *bsSkinButton1 = nullptr;
    QFrame *bsSkinPanel3 = nullptr;
    QTableWidget *bsSkinStringGrid1 = nullptr;
    QTimer *Timer1 = nullptr;
    store::Query *ADOQuery1 = nullptr; // the paper
    store::Query *ADOQuery2 = nullptr; // the exam results

public slots:
    void reject() override; // every way of closing asks first

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void buildLayout();
    void showQuestionText();
    void showCurrentQuestion();
    void selectQuestionCell();
    void showGivenAnswer();
    void storeAnswer(const QString &answer);
    void reviewMarking();
    void connectHandler(QPushButton *button, void (TFks::*handler)());

    practice::AnswerPanel m_answers;
    int m_secondsLeft = 0;
    bool m_handingIn = false;
};

// The exam window while it is open (null otherwise).
extern TFks *Fks;

// Opens the exam window modally on the paper in the exam table and destroys it when it closes.
void openExamWindow(store::Database &connection);
