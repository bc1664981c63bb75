#pragma once

#include <QString>
#include <stdexcept>

namespace linkvale {

// Raised by every table operation that cannot be carried out. The message is
// written for the user: it names the table file and says what went wrong.
class TableError : public std::runtime_error {
public:
    explicit TableError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace linkvale
