#pragma once

#include <QProcessEnvironment>
#include <QString>

// Where the program's own files are read from and where its settings and log are written.
//
// The program folder (the running executable's folder, symbolic links resolved) holds the
// encoders, Res.rcc and Help.html. What is written depends on the mode:
// - portable: the program folder holds a Config/ folder that this user can write; the INI
//   files are in that Config/ folder and log.txt in the program folder;
// - installed (otherwise, e.g. installed under /usr): the INI files are in
//   $XDG_CONFIG_HOME/Clipwright/ and log.txt in $XDG_STATE_HOME/Clipwright/, both folders
//   made when first written to.
// The mode is decided once at start-up (Decide, then SetCurrent); everything that reads or
// writes these files asks Current().
class AppPaths
{
public:
    enum class Mode { Portable, Installed };

    // The paths for a program folder under the given environment (HOME, XDG_CONFIG_HOME,
    // XDG_STATE_HOME; an XDG variable that is unset, empty or not absolute counts as unset).
    static AppPaths Decide(const QString &programDir, const QProcessEnvironment &env);
    // Portable paths in a program folder, whatever it holds.
    static AppPaths Portable(const QString &programDir);

    Mode GetMode() const { return m_mode; }
    bool IsPortable() const { return m_mode == Mode::Portable; }
    // The folders, each with a trailing "/".
    QString ProgramDir() const { return m_programDir; }
    QString ConfigDir() const { return m_configDir; }
    QString LogDir() const { return m_logDir; }

    // The path of an INI file of the settings folder (file name without folder). In
    // installed mode the folder is made when missing, so that a first write finds it; a
    // folder that cannot be made shows up as the write's own error.
    QString ConfigFile(const QString &fileName) const;
    // The folder log.txt is written to; in installed mode made when missing, as above.
    QString PreparedLogDir() const;

    // The program-wide paths; until start-up sets them, portable in the executable's folder.
    static const AppPaths &Current();
    static void SetCurrent(const AppPaths &paths);
    // The running executable's folder with a trailing "/", symbolic links resolved.
    static QString ExecutableDir();

private:
    AppPaths(Mode mode, const QString &programDir, const QString &configDir,
             const QString &logDir);

    Mode m_mode;
    QString m_programDir;
    QString m_configDir;
    QString m_logDir;
};
