#pragma once

// Media files for the preview tests, made with the ffmpeg tool once per test program.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <functional>

namespace previewtest {

// Runs the event loop until done() holds or timeoutMs has passed; returns done().
inline bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

// Runs the ffmpeg tool; returns true when it succeeded.
inline bool ffmpeg(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("ffmpeg"),
            QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")} + args);
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Replaces every occurrence of from with to (same length) in a copy of source.
inline bool patchCopy(const QString &source, const QString &target, const QByteArray &from,
                      const QByteArray &to)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray data = in.readAll();
    if (!data.contains(from))
        return false;
    data.replace(from, to);
    QFile out(target);
    return out.open(QIODevice::WriteOnly) && out.write(data) == data.size();
}

class Clips
{
public:
    // A clip of the given length with test picture and tone.
    QString video(int seconds, const QString &size = QStringLiteral("160x120"))
    {
        const QString path = m_dir.filePath(QStringLiteral("v%1_%2.mp4").arg(seconds).arg(size));
        if (!QFile::exists(path))
            ffmpeg({"-f", "lavfi", "-i", QStringLiteral("testsrc=size=%1:rate=25:duration=%2").arg(size).arg(seconds),
                    "-f", "lavfi", "-i", QStringLiteral("sine=frequency=440:duration=%1").arg(seconds),
                    "-c:v", "mpeg4", "-q:v", "5", "-c:a", "aac", "-shortest", path});
        return path;
    }

    QString audioOnly(int seconds)
    {
        const QString path = m_dir.filePath(QStringLiteral("a%1.m4a").arg(seconds));
        if (!QFile::exists(path))
            ffmpeg({"-f", "lavfi", "-i", QStringLiteral("sine=frequency=440:duration=%1").arg(seconds),
                    "-c:a", "aac", path});
        return path;
    }

    // A clip whose audio track names a codec nothing can decode: the picture plays, the
    // sound does not.
    QString undecodableAudio()
    {
        const QString mkv = m_dir.filePath(QStringLiteral("base.mkv"));
        const QString path = m_dir.filePath(QStringLiteral("undecodable-audio.mkv"));
        if (!QFile::exists(path)) {
            ffmpeg({"-i", video(2), "-c", "copy", mkv});
            patchCopy(mkv, path, "A_AAC", "A_QQQ");
        }
        return path;
    }

    // A file that starts like a clip but whose content is noise.
    QString damaged()
    {
        const QString path = m_dir.filePath(QStringLiteral("damaged.mp4"));
        if (!QFile::exists(path)) {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            QByteArray noise(64 * 1024, '\0');
            quint32 x = 12345;
            for (char &c : noise) {
                x = x * 1103515245u + 12345u;
                c = char(x >> 24);
            }
            f.write(noise);
        }
        return path;
    }

    // Nearly ten hours of video, one small frame a minute.
    QString veryLong()
    {
        const QString path = m_dir.filePath(QStringLiteral("long.mkv"));
        if (!QFile::exists(path))
            ffmpeg({"-f", "lavfi", "-i", "color=c=blue:size=32x32:rate=1:d=600", "-vf",
                    "setpts=PTS*60", "-c:v", "mpeg4", path});
        return path;
    }

    // A copy of a clip under name, for a test that deletes or changes it.
    QString copyOf(const QString &source, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile::remove(path);
        QFile::copy(source, path);
        return path;
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

} // namespace previewtest
