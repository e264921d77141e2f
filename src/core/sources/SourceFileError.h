#pragma once

#include <stdexcept>

#include <QString>

// A source file that was measured but could not be opened for reading its size. Ends the
// adding of sources; the window that started it shows the message in an error box.
class SourceFileError : public std::runtime_error
{
public:
    explicit SourceFileError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }

    const QString &message() const { return m_message; }

private:
    QString m_message;
};
