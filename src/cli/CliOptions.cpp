#include "CliOptions.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

QString usage()
{
    return QCoreApplication::translate("CliOptions", "Usage: clipwright-cli [OPTIONS] FILE...\n");
}

} // namespace

std::optional<qint64> CliOptions::ParseTime(const QString &text)
{
    static const QRegularExpression shape(
        QStringLiteral("^(?:(?:(\\d+):)?([0-5]?\\d):([0-5]?\\d)|(\\d+))$"));
    const QRegularExpressionMatch match = shape.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = true;
    qint64 seconds = 0;
    if (match.capturedLength(4) > 0) {
        seconds = match.captured(4).toLongLong(&ok);
    } else {
        const qint64 hours = match.capturedLength(1) > 0 ? match.captured(1).toLongLong(&ok) : 0;
        seconds = hours * 3600 + match.captured(2).toLongLong() * 60 + match.captured(3).toLongLong();
    }
    // Beyond a million hours a time is a mistake, not a position in a file.
    if (!ok || seconds > 3600LL * 1000000)
        return std::nullopt;
    return seconds;
}

std::optional<CliOptions> CliOptions::Parse(const QStringList &arguments, QString *error)
{
    CliOptions options;
    auto fail = [error](const QString &message) {
        *error = message;
        return std::nullopt;
    };
    bool onlyFiles = false;
    for (int i = 0; i < arguments.size(); ++i) {
        QString arg = arguments.at(i);
        if (onlyFiles || arg == QLatin1String("-") || !arg.startsWith(QLatin1Char('-'))) {
            options.files << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            onlyFiles = true;
            continue;
        }
        // --name=value and -tVALUE as well as separate values.
        QString name = arg;
        std::optional<QString> inlineValue;
        if (arg.startsWith(QLatin1String("--"))) {
            const qsizetype equals = arg.indexOf(QLatin1Char('='));
            if (equals > 0) {
                name = arg.left(equals);
                inlineValue = arg.mid(equals + 1);
            }
        } else if (arg.size() > 2) {
            name = arg.left(2);
            inlineValue = arg.mid(2);
        }
        auto value = [&]() -> std::optional<QString> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments.at(++i);
        };
        auto flag = [&](bool *target) {
            if (inlineValue)
                return false;
            *target = true;
            return true;
        };
        if (name == QLatin1String("-t") || name == QLatin1String("--type") ||
            name == QLatin1String("-q") || name == QLatin1String("--quality") ||
            name == QLatin1String("-o") || name == QLatin1String("--output") ||
            name == QLatin1String("--start") || name == QLatin1String("--end") ||
            name == QLatin1String("--size-limit") || name == QLatin1String("-j") ||
            name == QLatin1String("--jobs")) {
            const std::optional<QString> v = value();
            if (!v)
                return fail(QCoreApplication::translate("CliOptions", "option %1 needs a value").arg(name));
            if (name == QLatin1String("-t") || name == QLatin1String("--type")) {
                options.type = *v;
            } else if (name == QLatin1String("-q") || name == QLatin1String("--quality")) {
                options.quality = *v;
            } else if (name == QLatin1String("--size-limit")) {
                bool ok = false;
                const double mb = v->trimmed().toDouble(&ok);
                if (!ok || !(mb > 0) || mb > 1e6)
                    return fail(QCoreApplication::translate("CliOptions", "--size-limit: \"%1\" is no size in MB above 0")
                                    .arg(*v));
                options.sizeLimitMB = mb;
            } else if (name == QLatin1String("-j") || name == QLatin1String("--jobs")) {
                bool ok = false;
                const int jobs = v->trimmed().toInt(&ok);
                if (v->trimmed() == QLatin1String("auto"))
                    options.jobs = 0;
                else if (ok && jobs >= 1 && jobs <= 256)
                    options.jobs = jobs;
                else
                    return fail(QStringLiteral("%1: \"%2\" is no number of conversions from 1 to "
                                               "256, nor auto")
                                    .arg(name, *v));
            } else if (name == QLatin1String("-o") || name == QLatin1String("--output")) {
                if (v->isEmpty())
                    return fail(QCoreApplication::translate("CliOptions", "option %1 needs a folder").arg(name));
                options.outputFolder = *v;
            } else {
                const std::optional<qint64> seconds = ParseTime(*v);
                if (!seconds) {
                    return fail(QCoreApplication::translate("CliOptions", "%1: \"%2\" is no time (hh:mm:ss or seconds)")
                                    .arg(name, *v));
                }
                (name == QLatin1String("--start") ? options.startSeconds : options.endSeconds) =
                    seconds;
            }
        } else if (name == QLatin1String("--json")) {
            if (!flag(&options.json))
                return fail(QCoreApplication::translate("CliOptions", "option --json takes no value"));
        } else if (name == QLatin1String("-h") || name == QLatin1String("--help")) {
            options.action = Action::Help;
        } else if (name == QLatin1String("--version")) {
            options.action = Action::Version;
        } else if (name == QLatin1String("--list-types")) {
            options.action = Action::ListTypes;
        } else if (name == QLatin1String("--list-profiles")) {
            options.action = Action::ListProfiles;
        } else {
            return fail(QCoreApplication::translate("CliOptions", "unknown option %1").arg(arg));
        }
    }
    if (options.startSeconds && options.endSeconds &&
        *options.startSeconds >= *options.endSeconds)
        return fail(QCoreApplication::translate("CliOptions", "--start must come before --end"));
    if (options.action == Action::Convert && options.files.isEmpty())
        return fail(QCoreApplication::translate("CliOptions", "no file given"));
    return options;
}

QString CliOptions::HelpText()
{
    return usage() + QCoreApplication::translate("CliOptions",
        "Converts video and audio files as the Clipwright window does, without a window.\n"
        "\n"
        "  -t, --type TYPE        output type: its number in --list-types, or its short name;\n"
        "                         default: the type the window starts with\n"
        "  -q, --quality LEVEL    low, acceptable, normal, excellent, superb, or a custom\n"
        "                         profile's name; default normal\n"
        "  -o, --output DIR       output folder; default: the window's saved output folder\n"
        "      --start TIME       cut start, hh:mm:ss or seconds (default: the beginning)\n"
        "      --end TIME         cut end, hh:mm:ss or seconds (default: the end)\n"
        "      --size-limit MB    each output at most MB megabytes (1048576 bytes): lower\n"
        "                         bitrates, H.264 and H.265 in two passes; a file that\n"
        "                         cannot fit fails before converting\n"
        "  -j, --jobs N           convert N files at the same time, or auto: as many as keep\n"
        "                         the cores busy for the output type; default: the window's\n"
        "                         \"Conversions at the same time\" (auto unless chosen)\n"
        "      --json             progress and results as JSON lines on standard output\n"
        "      --list-types       list the output types\n"
        "      --list-profiles    list the quality levels and custom profiles\n"
        "      --version          show the version\n"
        "  -h, --help             show this help\n"
        "\n"
        "A folder stands for the supported files inside it and its sub-folders.\n"
        "Exit status: 0 all converted, 1 some failed, 2 usage error or nothing to start,\n"
        "130 or 143 stopped by SIGINT or SIGTERM.\n");
}
