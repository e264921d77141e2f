#include "sources/SessionListFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUrl>

namespace SessionListFile {

namespace {

const QByteArray kHeader = "Clipwright source list ";
constexpr int kVersion = 1;
constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

bool isTime(const QByteArray &text)
{
    static const QRegularExpression time(QStringLiteral("^\\d{2,}:\\d{2}:\\d{2}$"));
    return time.match(QString::fromLatin1(text)).hasMatch();
}

// A time cell as written: hh:mm:ss, or "-" for a cell that held no time.
QByteArray timeField(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    return isTime(bytes) ? bytes : QByteArray("-");
}

bool isTimeField(const QByteArray &text)
{
    return text == "-" || isTime(text);
}

QString timeText(const QByteArray &field)
{
    return field == "-" ? QString() : QString::fromLatin1(field);
}

bool isFlag(const QByteArray &text)
{
    return text == "0" || text == "1";
}

} // namespace

QByteArray Encode(const Session &session)
{
    QByteArray out = kHeader + QByteArray::number(kVersion) + '\n';
    out += "selected " + QByteArray::number(session.selected) + '\n';
    for (const Entry &e : session.rows) {
        out += "row " + QByteArray(e.checked ? "1" : "0") + ' ' + (e.converted ? "1" : "0") + ' ' +
               timeField(e.start) + ' ' + timeField(e.end) + ' ' +
               QUrl::toPercentEncoding(e.path, "/") + '\n';
    }
    out += "end " + QByteArray::number(session.rows.size()) + '\n';
    return out;
}

ReadResult Decode(const QByteArray &bytes)
{
    ReadResult result;
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || !lines.first().startsWith(kHeader)) {
        result.status = Status::Foreign;
        return result;
    }
    bool ok = false;
    const int version = lines.first().mid(kHeader.size()).toInt(&ok);
    if (!ok) {
        result.status = Status::Foreign;
        return result;
    }
    if (version > kVersion) {
        result.status = Status::Newer;
        return result;
    }
    result.status = Status::Damaged;
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() < 3)
        return result;
    const QList<QByteArray> selected = lines.at(1).split(' ');
    if (selected.size() != 2 || selected.first() != "selected")
        return result;
    Session session;
    session.selected = selected.at(1).toInt(&ok);
    if (!ok)
        return result;
    for (qsizetype i = 2; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> f = lines.at(i).split(' ');
        if (f.size() != 6 || f.at(0) != "row" || !isFlag(f.at(1)) || !isFlag(f.at(2)) ||
            !isTimeField(f.at(3)) || !isTimeField(f.at(4)) || f.at(5).isEmpty())
            return result;
        Entry e;
        e.checked = f.at(1) == "1";
        e.converted = f.at(2) == "1";
        e.start = timeText(f.at(3));
        e.end = timeText(f.at(4));
        e.path = QString::fromUtf8(QByteArray::fromPercentEncoding(f.at(5)));
        session.rows << e;
    }
    const QList<QByteArray> end = lines.last().split(' ');
    if (end.size() != 2 || end.first() != "end" || end.at(1).toLongLong(&ok) != session.rows.size() || !ok)
        return result;
    if (session.selected < -1 || session.selected >= session.rows.size())
        session.selected = -1;
    result.status = Status::Ok;
    result.session = session;
    return result;
}

bool Write(const QString &path, const Session &session)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(Encode(session));
    return file.commit();
}

ReadResult Read(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return ReadResult();
    if (!file.open(QIODevice::ReadOnly)) {
        ReadResult result;
        result.status = Status::Damaged;
        return result;
    }
    if (file.size() > kMaxBytes) {
        ReadResult result;
        result.status = Status::Foreign;
        return result;
    }
    return Decode(file.readAll());
}

void SetAside(const QString &path)
{
    QFile::remove(path + QStringLiteral(".bad"));
    QFile::rename(path, path + QStringLiteral(".bad"));
}

} // namespace SessionListFile
