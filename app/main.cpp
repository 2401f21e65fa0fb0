#include "app/bank_location.h"
#include "app/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace {

// For the start-up benchmark: with QUIZORA_EXIT_AFTER_FIRST_PAINT set, the program reports the
// first paint of the main window on standard output and quits.
class FirstPaintProbe : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, [] {
                std::printf("first-paint\n");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quizora"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1"));
    QApplication::setWindowIcon(TSkinForm::programIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quizora: 安全生产考试练习"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption bankOption(QStringLiteral("bank"),
                                        QStringLiteral("题库文件（默认为 gdiplus/aqks.dll）。"),
                                        QStringLiteral("FILE"));
    parser.addOption(bankOption);
    parser.process(application);

    const QString bank = app::locateBank(parser.value(bankOption), QDir::currentPath(),
                                         QCoreApplication::applicationDirPath());
    TForm1 form(bank);
    FirstPaintProbe probe;
    if (qEnvironmentVariableIsSet("QUIZORA_EXIT_AFTER_FIRST_PAINT"))
        form.installEventFilter(&probe);
    form.show();
    return application.exec();
}
