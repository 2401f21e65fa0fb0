#include "ui/messages.h"

#include "store/store_error.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {

// Room for the title: a short message must not squeeze the window title to "…".
void giveRoom(QMessageBox &box)
{
    box.setStyleSheet(QStringLiteral("QLabel { min-width: 180px; }"));
}

class QtMessages final : public MessageService {
public:
    void information(QWidget *owner, const QString &text) override
    {
        QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::Ok, owner);
        giveRoom(box);
        box.exec();
    }

    void plain(QWidget *owner, const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                        QMessageBox::Ok, owner);
        giveRoom(box);
        box.exec();
    }

    Answer question(QWidget *owner, const QString &text) override
    {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text,
                        QMessageBox::Yes | QMessageBox::No, owner);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        // No close button: the answer is Yes or No.
        box.setWindowFlags((box.windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowCloseButtonHint);
        giveRoom(box);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }

    void notice(QWidget *owner, const QString &text) override
    {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok, owner);
        box.setEscapeButton(QMessageBox::Ok);
        giveRoom(box);
        box.exec();
    }

    void error(QWidget *owner, const QString &text) override
    {
        QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text,
                        QMessageBox::Ok, owner);
        giveRoom(box);
        box.exec();
    }
};

QtMessages &qtMessages()
{
    static QtMessages instance;
    return instance;
}

MessageService *g_service = nullptr;

} // namespace

MessageService &messages()
{
    return g_service ? *g_service : qtMessages();
}

void setMessages(MessageService *service)
{
    g_service = service;
}

QString errorText(const std::exception &e)
{
    if (const auto *se = dynamic_cast<const store::StoreError *>(&e))
        return se->message();
    return QString::fromUtf8(e.what());
}

} // namespace ui
