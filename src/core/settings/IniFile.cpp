#include "settings/IniFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "report/AppErrors.h"

namespace {

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// UTF-8 to text; a byte-order mark is a character like any other, so a first line that
// starts with one is no header.
QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// Creates a new hidden file beside path for its next content, with the usual permissions
// for a new file of this user. Returns the descriptor, or -1 with errno set.
int createTempBeside(const QByteArray &path, QByteArray &temp)
{
    static std::atomic<unsigned> serial{0};
    const qsizetype slash = path.lastIndexOf('/');
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = path.left(slash + 1) + '.' + path.mid(slash + 1) + '.' +
               QByteArray::number(qint64(::getpid())) + '-' + QByteArray::number(serial++) + ".tmp";
        const int fd =
            ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

IniFile::IniFile(const QString &fileName) : m_fileName(fileName)
{
    if (QFileInfo::exists(m_fileName))
        LoadLines();
}

IniFile::~IniFile() = default;

QByteArray IniFile::Trimmed(const QByteArray &line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isBlank(line.at(begin)))
        ++begin;
    while (end > begin && isBlank(line.at(end - 1)))
        --end;
    return line.mid(begin, end - begin);
}

bool IniFile::IsSectionLine(const QByteArray &line)
{
    const QByteArray t = Trimmed(line);
    return !t.isEmpty() && t.startsWith('[') && t.endsWith(']');
}

QString IniFile::KeyOfLine(const QByteArray &line)
{
    const qsizetype eq = line.indexOf('=');
    return decode(Trimmed(eq < 0 ? line : line.left(eq)));
}

QString IniFile::ValueOfLine(const QByteArray &line)
{
    const qsizetype eq = line.indexOf('=');
    return eq < 0 ? QString() : decode(Trimmed(line.mid(eq + 1)));
}

qsizetype IniFile::IndexOfSection(const QString &section) const
{
    const QString header = QLatin1Char('[') + section + QLatin1Char(']');
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        // Cheap length check first: a header can only match a line of similar size.
        if (m_lines.at(i).size() < header.size() || m_lines.at(i).size() > 4 * header.size())
            continue;
        if (decode(m_lines.at(i)).compare(header, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void IniFile::ReadSections(QStringList *strings) const
{
    if (!strings)
        throw std::invalid_argument("Param Strings must be assigned");
    strings->clear();
    for (const QByteArray &line : m_lines) {
        if (!IsSectionLine(line))
            continue;
        const QByteArray t = Trimmed(line);
        strings->append(decode(Trimmed(t.mid(1, t.size() - 2))));
    }
}

QString IniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    if (m_lines.isEmpty())
        return def;
    const qsizetype header = IndexOfSection(section);
    if (header < 0)
        return def;
    for (qsizetype i = header + 1; i < m_lines.size(); ++i) {
        const QByteArray &line = m_lines.at(i);
        if (IsSectionLine(line))
            break;
        if (!line.contains('=') || KeyOfLine(line) != key)
            continue;
        const QString value = ValueOfLine(line);
        return value.isEmpty() ? def : value;
    }
    return def;
}

bool IniFile::TryStrToInt(const QString &text, qint32 &value)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    const bool hex = i < text.size() && text.at(i) == QLatin1Char('$');
    if (hex)
        ++i;
    if (i >= text.size())
        return false;
    const quint64 limit =
        hex ? 0xFFFFFFFFull : quint64(std::numeric_limits<qint32>::max()) + (negative ? 1 : 0);
    quint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        magnitude = magnitude * (hex ? 16 : 10) + digit;
        if (magnitude > limit)
            return false;
    }
    // Hexadecimal digits give the 32-bit pattern: $FFFFFFFF is -1.
    const qint64 signedValue = hex ? qint64(qint32(quint32(magnitude))) : qint64(magnitude);
    value = qint32(negative ? -signedValue : signedValue);
    return true;
}

qint32 IniFile::ReadInteger(const QString &section, const QString &key, qint32 def) const
{
    QString t = ReadString(section, key, QString());
    if (t.size() > 2 && t.at(0) == QLatin1Char('0') &&
        (t.at(1) == QLatin1Char('x') || t.at(1) == QLatin1Char('X')))
        t.replace(0, 2, QLatin1Char('$'));
    qint32 value = 0;
    return TryStrToInt(t, value) ? value : def;
}

void IniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    const QByteArray keyLine = (key + QLatin1Char('=') + value).toUtf8();
    const qsizetype header = IndexOfSection(section);
    if (header < 0) {
        m_lines << QByteArray() << (QLatin1Char('[') + section + QLatin1Char(']')).toUtf8();
        if (!key.isEmpty())
            m_lines << keyLine;
    } else {
        qsizetype i = header + 1;
        bool replaced = false;
        for (; i < m_lines.size(); ++i) {
            const QByteArray &line = m_lines.at(i);
            if (IsSectionLine(line))
                break;
            if (line.contains('=') && KeyOfLine(line) == key) {
                m_lines[i] = keyLine;
                replaced = true;
                break;
            }
        }
        if (!replaced && !key.isEmpty())
            m_lines.insert(i, keyLine);
    }
    SaveLines();
}

void IniFile::WriteInteger(const QString &section, const QString &key, qint32 value)
{
    WriteString(section, key, QString::number(value));
}

void IniFile::EraseSection(const QString &section)
{
    const qsizetype header = IndexOfSection(section);
    if (header < 0)
        return;
    qsizetype end = header + 1;
    while (end < m_lines.size() && !IsSectionLine(m_lines.at(end)))
        ++end;
    m_lines.remove(header, end - header);
    if (header > 0)
        m_lines.insert(header, QByteArray());
    SaveLines();
}

void IniFile::LoadLines()
{
    QFile file(m_fileName);
    // A folder, a pipe or a device in place of the file would never give whole lines: one
    // could block or read without end.
    if (!QFileInfo(m_fileName).isFile()) {
        throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2")
                              .arg(nativePath(m_fileName), QStringLiteral("Not a regular file")),
                          0);
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2")
                              .arg(nativePath(m_fileName), file.errorString()),
                          0);
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2")
                              .arg(nativePath(m_fileName), file.errorString()),
                          0);
    }
    m_lines.clear();
    qsizetype start = 0;
    const qsizetype size = data.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data.at(i);
        if (c != '\r' && c != '\n')
            continue;
        m_lines << data.mid(start, i - start);
        if (c == '\r' && i + 1 < size && data.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        m_lines << data.mid(start);
}

void IniFile::SaveLines()
{
    const auto fail = [this](const QString &reason) {
        throw EInOutError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(nativePath(m_fileName), reason), 0);
    };
    // A read-only file stays as it is, although its folder would let us replace it. A file
    // without its owner's write permission counts as read-only for every user, root too.
    const QFileInfo info(m_fileName);
    if (info.isDir())
        fail(QStringLiteral("Is a directory"));
    if (info.exists() && (!info.isWritable() || !(info.permissions() & QFile::WriteOwner)))
        fail(QStringLiteral("Permission denied"));

    QByteArray data;
    qsizetype total = 0;
    for (const QByteArray &line : m_lines)
        total += line.size() + 2;
    data.reserve(total);
    for (const QByteArray &line : m_lines) {
        data += line;
        data += "\r\n";
    }
    // A link is followed, so the file it names is replaced and the link stays.
    const QString target =
        info.isSymLink() && info.exists() ? info.canonicalFilePath() : m_fileName;
    const int error = SaveAtomically(target, data);
    if (error != 0)
        fail(QString::fromLocal8Bit(std::strerror(error)));
}

int IniFile::SaveAtomically(const QString &path, const QByteArray &data)
{
    // The new content goes to a hidden file beside the old one; only when every byte of it
    // is written and on the disk does it take the old file's name. Any failure before that
    // leaves the old file as it was.
    const QByteArray finalPath = QFile::encodeName(path);
    QByteArray temp;
    const int fd = createTempBeside(finalPath, temp);
    if (fd < 0)
        return errno;
    const auto abandon = [&](int error, bool open) {
        if (open)
            ::close(fd);
        ::unlink(temp.constData());
        return error;
    };
    // A replaced file keeps its permissions.
    struct stat old
    {
    };
    if (::stat(finalPath.constData(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0)
        return abandon(errno, true);
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + written, size_t(data.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return abandon(n < 0 ? errno : ENOSPC, true);
        written += n;
    }
    if (::fsync(fd) != 0)
        return abandon(errno, true);
    if (::close(fd) != 0)
        return abandon(errno, false);
    if (::rename(temp.constData(), finalPath.constData()) != 0)
        return abandon(errno, false);
    // The new name reaches the disk with its folder. The file is in place by now, so a
    // failure here leaves nothing to report.
    const qsizetype slash = finalPath.lastIndexOf('/');
    const QByteArray folder =
        slash < 0 ? QByteArray(".") : finalPath.left(qMax<qsizetype>(slash, 1));
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return 0;
}
