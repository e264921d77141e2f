#include "conversion/JobBuilder.h"

#include "conversion/CommandLineSplitter.h"
#include "conversion/ProgramRunFolder.h"
#include "conversion/SizeLimit.h"
#include "conversion/VideoCoding.h"
#include "conversion/EncoderArguments.h"
#include "platform/AppPaths.h"
#include "profiles/ConfigInfo.h"
#include "profiles/OptionLists.h"
#include "profiles/OutputOptions.h"
#include "report/AppErrors.h"
#include "report/Log.h"
#include "settings/UserSettings.h"
#include "sources/FileNames.h"
#include "sources/SourceListModel.h"
#include "text/TextSplit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace {

const QString kScriptName = QStringLiteral("VideoFile.avs");
// Output names tried when others keep taking the free one first.
constexpr int kMaxClaimAttempts = 100;

// The seconds of an hh:mm:ss text; any other shape counts as 0.
qint64 timeToSeconds(const QString &text)
{
    const QStringList parts = TextSplit::ByChar(text, ':');
    if (parts.size() != 3)
        return 0;
    qint64 seconds = 0;
    for (const QString &part : parts) {
        bool ok = false;
        const qint64 value = part.trimmed().toLongLong(&ok);
        if (!ok)
            throw EConvertError::InvalidInteger(part);
        seconds = seconds * 60 + value;
    }
    return seconds;
}

// The one-line script through which mcore reads a RealMedia source.
void writeScript(const QString &path, const QString &source)
{
    QFile file(path);
    const QByteArray line = QStringLiteral("DirectShowSource(\"%1\", fps=29.9700898503294, "
                                           "convertfps=true)\r\n")
                                .arg(source)
                                .toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(line) != line.size() ||
        !file.flush()) {
        throw EInOutError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()), 0);
    }
    file.close();
}

} // namespace

JobRefused::JobRefused(const QString &source, const QString &reason, const QString &userReason)
    : std::runtime_error(
          QStringLiteral("\"%1\" is not converted: %2").arg(source, reason).toStdString()),
      m_reason(reason), m_userReason(userReason.isEmpty() ? reason : userReason)
{
}

JobBuilder::JobBuilder(OutputOptions &options, SourceListModel &sources, UserSettings &settings,
                       Log &log)
    : ProgramDir(AppPaths::Current().ProgramDir()), m_options(options), m_sources(sources),
      m_settings(settings), m_log(log)
{
}

int JobBuilder::CutRowFor(const QString &s, int row)
{
    SourceListModel &rows = m_sources;
    // The job's own row; without one, the last row of that file. File names differ by
    // letter case here: Clip.avi and clip.avi are two files with two cuts.
    if (row >= 0 && row < rows.count() && rows.row(row).fileName() == s)
        return row;
    for (int i = rows.count() - 1; i >= 0; --i) {
        if (rows.row(i).fileName() == s)
            return i;
    }
    return -1;
}

QString JobBuilder::CutStartOf(const QString &s, int row)
{
    const int index = CutRowFor(s, row);
    if (index < 0)
        return QString();
    m_options.ApplyCustomProfile();
    return m_sources.row(index).startTime();
}

QString JobBuilder::CutSecondsOf(const QString &s, int row)
{
    const int index = CutRowFor(s, row);
    if (index < 0)
        return QString();
    const SourceRow &r = m_sources.row(index);
    return QString::number(timeToSeconds(r.endTime()) - timeToSeconds(r.startTime()));
}

QString JobBuilder::PreparedOutputFolder()
{
    QString folder = m_settings.outputFolder().text();
    if (!folder.endsWith('/'))
        folder += '/';
    try {
        if (!QDir().mkpath(folder))
            throw std::runtime_error("the output folder cannot be created");
        m_log.Write(QStringLiteral("Output directory ") + folder);
    } catch (const std::exception &) {
        m_log.Write(QStringLiteral("Output directory error. ->") + folder);
    }
    return folder;
}

int JobBuilder::OutputType() const
{
    return m_options.lists().outputType().selectedIndex();
}

QString JobBuilder::Build(const QString &s, int row)
{
    ConversionJob &job = Job;
    OptionLists &boxes = m_options.lists();
    OptionListModel &types = boxes.outputType();
    const int t = types.selectedIndex();

    CutStart = CutStartOf(s, row);
    CutSeconds = CutSecondsOf(s, row);
    job.CutArg = (!CutStart.isEmpty() && !CutSeconds.isEmpty())
                     ? QStringLiteral(" -ss ") + CutStart + QStringLiteral(" -t ") + CutSeconds
                     : QString();
    job.InputFile = s;
    // A cut that holds no time gives the encoder nothing to convert: the job is not started,
    // and the user learns which cut to mend.
    if (!job.CutArg.isEmpty() && CutSeconds.toLongLong() <= 0) {
        static const char *const kEmptyCut = QT_TRANSLATE_NOOP(
            "JobBuilder", "its cut from %1 to %2 holds nothing to convert; set the end after "
                          "the start");
        const int index = CutRowFor(s, row);
        const QString end = index >= 0 ? m_sources.row(index).endTime() : QString();
        // The log keeps English; the failure list speaks the user's language.
        throw JobRefused(s, QString::fromLatin1(kEmptyCut).arg(CutStart, end),
                         QCoreApplication::translate("JobBuilder", kEmptyCut).arg(CutStart, end));
    }

    job.CodecArg = EncoderArguments::Codec(t);
    job.VideoBitrateArg =
        EncoderArguments::VideoBitrate(boxes.videoBitrate(), boxes.videoBitrate().selectedIndex());
    job.VideoSizeArg =
        EncoderArguments::VideoSize(boxes.videoSize(), boxes.videoSize().selectedIndex());
    job.FrameRateArg =
        EncoderArguments::FrameRate(boxes.frameRate(), boxes.frameRate().selectedIndex());
    job.AspectArg =
        EncoderArguments::Aspect(boxes.aspectRatio(), boxes.aspectRatio().selectedIndex());
    job.AudioBitrateArg =
        EncoderArguments::AudioBitrate(boxes.audioBitrate(), boxes.audioBitrate().selectedIndex());
    job.VolumeArg =
        EncoderArguments::Volume(boxes.volumeGain(), boxes.volumeGain().selectedIndex());
    job.ChannelsArg =
        EncoderArguments::Channels(boxes.audioChannels(), boxes.audioChannels().selectedIndex());
    job.SampleRateArg =
        EncoderArguments::SampleRate(boxes.sampleRate(), boxes.sampleRate().selectedIndex());
    job.FormatArg = EncoderArguments::Format(t);
    // A 16:9 frame size is shown as 16:9, whatever the aspect list says: its pictures would
    // otherwise be stretched to 4:3 on the phone.
    if (ConfigInfo::IsWideSize(boxes.videoSize().selectedText()))
        job.AspectArg = QStringLiteral(" -aspect 16:9");
    job.VideoCodingArg = VideoCoding::ArgFor(job.CodecArg, job.VideoSizeArg, job.FrameRateArg,
                                             job.VideoBitrateArg);
    if (SizeLimitMB > 0)
        fitIntoSizeLimit(t, s);

    job.OutputDir = PreparedOutputFolder();
    job.OutputBaseName = FileNames::BaseNameOf(s);
    job.OutputExt = EncoderArguments::OutputExtension(t);

    // RealMedia goes through the script; the extension is compared exactly. Each running
    // program has its own script: a second program never reads this job's.
    const int dot = s.lastIndexOf('.');
    const QString sourceExt = dot >= 0 ? s.mid(dot) : QString();
    if (sourceExt == QLatin1String(".rm") || sourceExt == QLatin1String(".rmvb")) {
        const QString script =
            (ScriptFolder.isEmpty() ? ProgramRunFolder::Path() : ScriptFolder) + kScriptName;
        writeScript(script, s);
        job.EncoderFile = ProgramDir + QStringLiteral("mcore");
        job.InputFile = script;
    } else {
        job.EncoderFile = ProgramDir + QStringLiteral("tcore");
    }

    // The free name is taken on disk at once, so that a second program, or a file that
    // appears meanwhile, is never overwritten; a name taken in between gives the next one.
    // A folder that cannot take the file leaves the name unclaimed: the encoder cannot
    // write there either and reports why.
    QString out;
    for (int attempt = 0;; ++attempt) {
        out = FileNames::UniqueFileName(job.OutputDir + job.OutputBaseName + job.OutputExt);
        const int error = ClaimedOutput.Claim(out);
        if (error != EEXIST)
            break;
        if (attempt == kMaxClaimAttempts) {
            throw EInOutError(QStringLiteral("Cannot create file \"%1\". %2")
                                  .arg(out, QString::fromLocal8Bit(std::strerror(error))),
                              error);
        }
    }

    // Paths are quoted so that any file name reaches the encoder unchanged; an ordinary
    // name just stands between two double quotes.
    const QString head = job.EncoderFile + QStringLiteral(" -y -i ") +
                         CommandLineSplitter::QuoteArgument(job.InputFile);
    const QString tail = QStringLiteral(" ") + CommandLineSplitter::QuoteArgument(out);
    const QString codec = job.CodecArg.trimmed();
    const QString ext = job.OutputExt;

    if (codec.left(7) == QLatin1String("-vcodec")) {
        return head + job.CodecArg + job.VideoBitrateArg + job.VideoSizeArg + job.FrameRateArg +
               job.AspectArg + job.VideoCodingArg + job.AudioBitrateArg + job.VolumeArg + job.ChannelsArg +
               job.SampleRateArg + job.FormatArg + job.CutArg + tail;
    }
    if (codec.left(7) == QLatin1String("-target"))
        return head + job.CodecArg + job.CutArg + tail;
    if (codec.left(7) == QLatin1String("-acodec")) {
        if (ext == QLatin1String(".3gp") || ext == QLatin1String(".3g2") ||
            ext == QLatin1String(".amr")) {
            return head + job.CodecArg + job.VideoSizeArg + job.VideoBitrateArg +
                   job.AudioBitrateArg + job.VolumeArg + QStringLiteral(" -ac 1 -ar 8000") +
                   job.FormatArg + job.CutArg + tail;
        }
        return head + job.CodecArg + job.AudioBitrateArg + job.VolumeArg + job.ChannelsArg +
               job.SampleRateArg + job.FormatArg + job.CutArg + tail;
    }
    if (codec.left(5) == QLatin1String("-none"))
        m_log.Write(QStringLiteral("Create convert parameter failure."));
    return QString();
}

void JobBuilder::fitIntoSizeLimit(int t, const QString &s)
{
    ConversionJob &job = Job;
    // The bitrates the fragments carry, and what the type can lower: AMR-NB sound stays at
    // its 12.2 kbit/s mode.
    auto number = [](const QString &fragment) {
        return fragment.trimmed().section(QLatin1Char(' '), -1).toInt();
    };
    const bool video = ConfigInfo::HoldsVideo(t);
    const bool amr = job.CodecArg.contains(QLatin1String("amr_nb"));
    const SizeLimit::Fit fit =
        SizeLimit::FitInto(SizeLimitMB, CutSeconds.toDouble(), video ? number(job.VideoBitrateArg) : 0,
                           number(job.AudioBitrateArg), amr ? 13 : 0);
    if (!fit.refusal.isEmpty())
        throw JobRefused(s, fit.refusal, fit.userRefusal);
    if (video)
        job.VideoBitrateArg = QStringLiteral(" -b %1").arg(fit.videoK);
    if (!amr)
        job.AudioBitrateArg = QStringLiteral(" -ab %1").arg(fit.audioK);
    // H.264 and H.265 take two passes to land on the bitrate.
    job.VideoCodingArg = VideoCoding::ArgFor(job.CodecArg, job.VideoSizeArg, job.FrameRateArg,
                                             job.VideoBitrateArg);
    if (!job.VideoCodingArg.isEmpty())
        job.VideoCodingArg += QStringLiteral(" -pass 2");
}
