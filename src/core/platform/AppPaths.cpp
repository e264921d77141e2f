#include "platform/AppPaths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

const QString kFolderName = QStringLiteral("Clipwright");

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// An XDG base folder: the variable when it holds an absolute path, else HOME + fallback.
QString xdgFolder(const QProcessEnvironment &env, const QString &variable,
                  const QString &fallback)
{
    const QString value = env.value(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return withSlash(QDir::cleanPath(value));
    QString home = env.value(QStringLiteral("HOME"));
    if (home.isEmpty() || !QDir::isAbsolutePath(home))
        home = QDir::homePath();
    return withSlash(QDir::cleanPath(home + QLatin1Char('/') + fallback));
}

// A folder this user can add files to (the real user, as the kernel would judge it).
bool isWritableFolder(const QString &folder)
{
    return QFileInfo(folder).isDir() &&
           ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

// Makes a folder and any missing parents, private to the user as the XDG base directory
// rules ask.
void makePrivateFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return;
    const QString parent = QFileInfo(QDir::cleanPath(folder)).absolutePath();
    if (parent != QDir::cleanPath(folder))
        makePrivateFolder(parent);
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
}

std::optional<AppPaths> &currentPaths()
{
    static std::optional<AppPaths> paths;
    return paths;
}

} // namespace

AppPaths::AppPaths(Mode mode, const QString &programDir, const QString &configDir,
                   const QString &logDir)
    : m_mode(mode), m_programDir(programDir), m_configDir(configDir), m_logDir(logDir)
{
}

AppPaths AppPaths::Portable(const QString &programDir)
{
    const QString folder = withSlash(programDir);
    return AppPaths(Mode::Portable, folder, folder + QStringLiteral("Config/"), folder);
}

AppPaths AppPaths::Decide(const QString &programDir, const QProcessEnvironment &env)
{
    const QString folder = withSlash(programDir);
    if (isWritableFolder(folder + QStringLiteral("Config")))
        return Portable(folder);
    return AppPaths(Mode::Installed, folder,
                    xdgFolder(env, QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral(".config")) +
                        kFolderName + QLatin1Char('/'),
                    xdgFolder(env, QStringLiteral("XDG_STATE_HOME"),
                              QStringLiteral(".local/state")) +
                        kFolderName + QLatin1Char('/'));
}

QString AppPaths::ConfigFile(const QString &fileName) const
{
    // A portable program's Config/ folder is made by whoever sets the program up, never by
    // the program; the per-user folder of an installed program is made here.
    if (m_mode == Mode::Installed)
        makePrivateFolder(m_configDir);
    return m_configDir + fileName;
}

QString AppPaths::PreparedLogDir() const
{
    if (m_mode == Mode::Installed)
        makePrivateFolder(m_logDir);
    return m_logDir;
}

const AppPaths &AppPaths::Current()
{
    std::optional<AppPaths> &paths = currentPaths();
    if (!paths)
        paths = Portable(ExecutableDir());
    return *paths;
}

void AppPaths::SetCurrent(const AppPaths &paths)
{
    currentPaths() = paths;
}

QString AppPaths::ExecutableDir()
{
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (exe.isEmpty())
        return withSlash(QDir::currentPath());
    return withSlash(QFileInfo(exe).absolutePath());
}
