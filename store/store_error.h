#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// A failure of the question bank: opening the file, running a statement, writing a row.
// The text is in the program's language and is shown to the user as it stands.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};

} // namespace store
