// clipwright-cli: the window's conversions from scripts, on the same core, without a display.
#include "CliConversion.h"
#include "CliOptions.h"
#include "CliReport.h"
#include "conversion/ProgramRunFolder.h"
#include "platform/MediaProbe.h"
#include "profiles/ConfigInfo.h"
#include "settings/CustomProfiles.h"
#include "shell/ProgramParts.h"
#include "shell/UserLanguage.h"
#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QProcessEnvironment>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

enum ExitStatus { kAllConverted = 0, kSomeFailed = 1, kUsageError = 2 };

std::atomic<int> g_stopSignal{0};

void onStopSignal(int signal)
{
    g_stopSignal.store(signal);
}

// SIGINT and SIGTERM stop the running job; the loop that waits for it sees the flag. A
// hang-up (a lost ssh connection) stops it the same way rather than leaving the encoder
// behind, and a reader that went away makes writes fail rather than end the program.
void installStopHandlers()
{
    struct sigaction action
    {
    };
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int usageError(const QString &message)
{
    print(stderr, QCoreApplication::translate("CliMain", "clipwright-cli: %1\nTry 'clipwright-cli --help'.\n").arg(message));
    return kUsageError;
}

void listTypes()
{
    const QStringList names = ConfigInfo::ShortNames();
    QStringList captions = ConfigInfo::OutputTypes();
    captions.removeLast();
    for (int i = 0; i < captions.size() && i < names.size(); ++i)
        print(stdout, QStringLiteral("%1  %2  %3\n")
                          .arg(i + 1, 2)
                          .arg(names.at(i), -8)
                          .arg(captions.at(i)));
}

void listProfiles()
{
    QStringList captions = ConfigInfo::QualityNames();
    captions.removeLast();
    const QStringList levels = CliConversion::LevelNames();
    for (int i = 0; i < levels.size(); ++i)
        print(stdout, QStringLiteral("%1  %2\n").arg(levels.at(i), -10).arg(captions.at(i)));
    for (const QString &name : CustomProfiles::Names())
        print(stdout, QStringLiteral("%1  custom profile\n").arg(name, -10));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    UserLanguage language;
    language.Install(QLocale::system(), UserLanguage::OwnFolders(AppPaths::ExecutableDir()));
    QCoreApplication::setApplicationName(QStringLiteral("Clipwright"));
    installStopHandlers();
    // The window's settings, custom profiles, log and mode: the same program folder decides.
    AppPaths::SetCurrent(
        AppPaths::Decide(AppPaths::ExecutableDir(), QProcessEnvironment::systemEnvironment()));

    QString error;
    const std::optional<CliOptions> options =
        CliOptions::Parse(QCoreApplication::arguments().mid(1), &error);
    if (!options)
        return usageError(error);

    switch (options->action) {
    case CliOptions::Action::Help:
        print(stdout, CliOptions::HelpText());
        return kAllConverted;
    case CliOptions::Action::Version:
        print(stdout, QStringLiteral("clipwright-cli " CLIPWRIGHT_VERSION "\n"));
        return kAllConverted;
    case CliOptions::Action::ListTypes:
        listTypes();
        return kAllConverted;
    case CliOptions::Action::ListProfiles:
        listProfiles();
        return kAllConverted;
    case CliOptions::Action::Convert:
        break;
    }

    // Output names and run folders that a killed Clipwright left behind are given back
    // before this run claims names of its own.
    ProgramRunFolder::RemoveLeftovers();
    ProgramParts parts;
    MediaProbe probe;
    CliReport report(options->json, ::isatty(STDOUT_FILENO) == 1);
    CliConversion conversion(parts, probe, report);
    try {
        if (!conversion.Choose(*options, &error))
            return usageError(error);
    } catch (const std::exception &failure) {
        // A custom profile that cannot be read, as the window would show it.
        return usageError(QString::fromUtf8(failure.what()));
    }
    if (conversion.AddSources(*options) == 0) {
        report.Summary();
        print(stderr, QCoreApplication::translate("CliMain", "clipwright-cli: no file to convert\n"));
        return kUsageError;
    }

    const int signal = conversion.ConvertAll(g_stopSignal);
    report.Summary();
    if (signal != 0)
        return 128 + signal;
    return report.FailedCount() == 0 ? kAllConverted : kSomeFailed;
}
