#pragma once

#include <stdexcept>

#include <QString>

// Errors that reach the application's general error box with their message. The message is
// UTF-8 in what().

// A file could not be opened, created, read or written; code is the system's error number
// (0 when the system gave none).
class EInOutError : public std::runtime_error
{
public:
    EInOutError(const QString &message, int code)
        : std::runtime_error(message.toStdString()), m_code(code)
    {
    }
    int code() const { return m_code; }

private:
    int m_code;
};

// A text that should be a number is not one.
class EConvertError : public std::runtime_error
{
public:
    explicit EConvertError(const QString &message) : std::runtime_error(message.toStdString()) {}

    // "'x' is not a valid integer value"
    static EConvertError InvalidInteger(const QString &text)
    {
        return EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
    // "'x' is not a valid floating point value"
    static EConvertError InvalidFloat(const QString &text)
    {
        return EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
};
