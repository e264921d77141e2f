#pragma once

#include <mutex>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "platform/IMediaProbe.h"

// Media fixtures made with the ffmpeg tool, and a probe whose answers a test sets.
namespace SourceFixtures {

// Makes a clip of seconds length (small picture and a tone) at path; false on failure.
inline bool MakeClip(const QString &path, double seconds, const QString &videoCodec = "mpeg4",
                     const QString &audioCodec = "aac")
{
    QProcess ffmpeg;
    QStringList arguments{"-v",
                          "error",
                          "-y",
                          "-f",
                          "lavfi",
                          "-i",
                          "testsrc=size=64x48:rate=10",
                          "-f",
                          "lavfi",
                          "-i",
                          "sine=frequency=440:sample_rate=22050",
                          "-t",
                          QString::number(seconds),
                          "-c:v",
                          videoCodec};
    if (!audioCodec.isEmpty())
        arguments << "-c:a" << audioCodec;
    arguments << "-shortest" << path;
    ffmpeg.start("ffmpeg", arguments);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0 && QFile::exists(path);
}

// Writes bytes that no demuxer recognises.
inline bool MakeDamagedFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 251);
    return file.write(noise) == noise.size();
}

} // namespace SourceFixtures

// A probe that answers from tables: a duration (100-ns units) and a size per path; paths
// not in the tables cannot be rendered, and sizes not in the table cannot be opened.
class FakeMediaProbe : public IMediaProbe
{
public:
    QHash<QString, qint64> durations;
    QHash<QString, qint64> sizes;
    QStringList rendered;

    std::optional<qint64> RenderDuration(const QString &path) override
    {
        // Files are measured on several threads at once.
        const std::lock_guard<std::mutex> lock(m_mutex);
        rendered << path;
        if (!durations.contains(path))
            return std::nullopt;
        return durations.value(path);
    }
    std::optional<qint64> FileSize(const QString &path, QString *reason) override
    {
        if (!sizes.contains(path)) {
            if (reason)
                *reason = QStringLiteral("Permission denied");
            return std::nullopt;
        }
        return sizes.value(path);
    }

private:
    std::mutex m_mutex;
};
