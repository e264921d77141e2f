// Conversion job and command-line fragments of TCommonLib.
#include "profiles/ConfigInfo.h"
#include "profiles/OptionListModel.h"
#include "shell/AppPaths.h"
#include "shell/TCommonLib.h"


namespace {

// The prefix and the text, or the default when the text is empty.
QString fragment(const QString &prefix, const QString &text, const QString &fallback)
{
    return text.isEmpty() ? fallback : prefix + text;
}

} // namespace

QString TCommonLib::DefaultAppDir()
{
    return AppPaths::Current().ProgramDir();
}

QString TCommonLib::GetCodecArg(const OptionListModel &, int index)
{
    return fragment(QStringLiteral(" "), ConfigInfo::CodecArgs().value(index),
                    QStringLiteral(" -vcodec xvid -acodec mp3"));
}

QString TCommonLib::GetVideoBitrateArg(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -b "), list.itemAt(index), QStringLiteral(" -b 512"));
}

QString TCommonLib::GetVideoSizeArg(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -s "), list.itemAt(index), QStringLiteral(" -s 320x240"));
}

QString TCommonLib::GetFrameRateArg(const OptionListModel &list, int index)
{
    // The source's own rate, capped where phones stop.
    if (list.itemAt(index) == QLatin1String(ConfigInfo::kSameFrameRate))
        return QStringLiteral(" -fpsmax %1").arg(ConfigInfo::kSameFrameRateCap);
    return fragment(QStringLiteral(" -r "), list.itemAt(index), QStringLiteral(" -r 25"));
}

QString TCommonLib::GetAspectArg(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -aspect "), list.itemAt(index),
                    QStringLiteral(" -aspect 4:3"));
}

QString TCommonLib::GetAudioBitrateArg(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -ab "), list.itemAt(index), QStringLiteral(" -ab 64"));
}

QString TCommonLib::GetVolumeArg(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -vol "), list.itemAt(index), QStringLiteral(" "));
}

QString TCommonLib::GetChannelsArg(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -ac "), list.itemAt(index).left(1), QStringLiteral(" -ac 2"));
}

QString TCommonLib::GetSampleRateArg(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -ar "), list.itemAt(index), QStringLiteral(" -ar 44100"));
}

QString TCommonLib::GetFormatArg(const OptionListModel &, int index)
{
    const QString name = ConfigInfo::FormatNames().value(index);
    if (name == QLatin1String("none"))
        return QString();
    return fragment(QStringLiteral(" -f "), name, QString());
}

QString TCommonLib::GetOutputExt(const OptionListModel &, int index)
{
    return fragment(QString(), ConfigInfo::Extensions().value(index), QStringLiteral(".avi"));
}
