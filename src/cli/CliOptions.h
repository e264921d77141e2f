#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What clipwright-cli was asked to do, read from its arguments.
struct CliOptions
{
    enum class Action { Convert, Help, Version, ListTypes, ListProfiles };
    Action action = Action::Convert;
    // Empty: the window's.
    QString type;
    QString quality;
    QString outputFolder;
    // The cut in whole seconds; empty: from the beginning, to the end.
    std::optional<qint64> startSeconds;
    std::optional<qint64> endSeconds;
    // Each output at most this many MB; 0: no limit.
    double sizeLimitMB = 0;
    bool json = false;
    // Conversions at the same time: 0 Automatic, else that many; empty: the window's
    // setting.
    std::optional<int> jobs;
    QStringList files;

    // Reads arguments (without the program's name). Returns the options, or nothing and
    // the reason in error for a usage error.
    static std::optional<CliOptions> Parse(const QStringList &arguments, QString *error);
    // A time given as hh:mm:ss (or mm:ss) or as whole seconds, in seconds; nothing when it
    // is neither.
    static std::optional<qint64> ParseTime(const QString &text);
    // The text of --help.
    static QString HelpText();
};
