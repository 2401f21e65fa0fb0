#pragma once

#include <QString>

#include <exception>

class QWidget;

namespace ui {

enum class Answer { Yes, No };

// The message boxes of the program, in their four kinds. Windows ask this service instead of
// making boxes themselves, so that tests can script the answers.
class MessageService {
public:
    virtual ~MessageService() = default;
    // Title "提示", information icon, OK.
    virtual void information(QWidget *owner, const QString &text) = 0;
    // Titled with the application title, no icon, OK.
    virtual void plain(QWidget *owner, const QString &text) = 0;
    // Title "Information", information icon, Yes and No; Yes is the default, Esc or closing is No.
    virtual Answer question(QWidget *owner, const QString &text) = 0;
    // Title "Information", information icon, OK (default; Esc answers OK).
    virtual void notice(QWidget *owner, const QString &text) = 0;
    // The general error report: application title, stop icon, OK.
    virtual void error(QWidget *owner, const QString &text) = 0;
};

// The service in use: the real boxes unless a test has put another in place.
MessageService &messages();
// Puts a service in place (nullptr: the real boxes again). The caller keeps ownership.
void setMessages(MessageService *service);

// The text of a failure for the general error report.
QString errorText(const std::exception &e);

// Runs an event handler; a failure inside it ends the handler and goes to the general error
// report, and the program goes on. Returns whether the handler ran to its end.
template <class Handler>
bool guarded(QWidget *owner, Handler &&handler) noexcept
{
    try {
        handler();
        return true;
    } catch (const std::exception &e) {
        messages().error(owner, errorText(e));
    } catch (...) {
        messages().error(owner, QStringLiteral("发生了未知错误。"));
    }
    return false;
}

} // namespace ui
