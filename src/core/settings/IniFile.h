#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The program's own reader and writer of its INI files (the Config folder's settings,
// custom profiles and counter). Use one short-lived object per task: construct it for a
// path, make one or a few calls, let it go.
//
// Its rules, which callers can see:
// - a section header is a line whose trimmed text starts with "[" and ends with "]"; a
//   section is found only by a line equal to "[" + name + "]" as a whole, letter case
//   ignored, and only the first such header counts;
// - a key line is any other line holding "="; key and value are the trimmed texts before
//   and after the first "=", and a key matches only exactly, letter case included;
// - an empty value counts as missing;
// - lines end at CR, LF or CR LF on reading and with CR LF on writing; lines that are
//   neither headers nor key lines are kept byte for byte;
// - every write rewrites the whole file at once, through a temporary file that replaces
//   the old one only when every byte of it is written and synced to the disk, so a save
//   that fails at any step (a full disk, a crash) leaves the old file as it was.
//
// Texts are UTF-8; bytes that are not UTF-8 are kept as they are in lines not written.
// Trimming removes every character of code 32 or less at both ends.
class IniFile
{
public:
    // Loads the file's lines when it exists; a missing file gives no lines. Throws
    // EInOutError "Cannot open file "<path>". <reason>" when it exists but cannot be read.
    explicit IniFile(const QString &fileName);
    ~IniFile();

    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    // Clears strings and fills it with the names of all section headers in file order,
    // repeats included. Throws std::invalid_argument "Param Strings must be assigned" for
    // a null list.
    void ReadSections(QStringList *strings) const;
    // The value of key in section, or def when there is none or it is empty.
    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    // The value as a signed 32-bit integer (decimal, "$1A" or "0x1A" hexadecimal), or def
    // when there is none or it is not a complete number in range.
    qint32 ReadInteger(const QString &section, const QString &key, qint32 def) const;
    // Sets key in section to value (adding the section and key when missing) and saves the
    // file. Throws EInOutError "Cannot create file "<path>". <reason>" when it cannot be
    // written; the change stays in memory.
    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, qint32 value);
    // Removes the section's header and body and saves the file; a missing section leaves
    // the file untouched.
    void EraseSection(const QString &section);

    const QString &FileName() const { return m_fileName; }
    // The lines in memory, without line ends.
    const QList<QByteArray> &Lines() const { return m_lines; }

    // Reads text as a signed 32-bit integer the way ReadInteger does (without the "0x"
    // rewrite): an optional sign, then decimal digits or "$" and hexadecimal digits.
    static bool TryStrToInt(const QString &text, qint32 &value);

private:
    static QByteArray Trimmed(const QByteArray &line);
    static bool IsSectionLine(const QByteArray &line);
    static QString KeyOfLine(const QByteArray &line);
    static QString ValueOfLine(const QByteArray &line);
    // The index of the section's header line, or -1.
    qsizetype IndexOfSection(const QString &section) const;
    void LoadLines();
    void SaveLines();
    // Replaces the file at path by data: written to a new file beside it, synced, then
    // renamed over it. 0 on success, else the errno of the step that failed (the old file
    // is then untouched and no new file is left).
    static int SaveAtomically(const QString &path, const QByteArray &data);

    QString m_fileName;
    QList<QByteArray> m_lines;
};
