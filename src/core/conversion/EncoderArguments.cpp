#include "conversion/EncoderArguments.h"

#include "profiles/ConfigInfo.h"
#include "profiles/OptionListModel.h"

namespace {

// The prefix and the text, or the default when the text is empty.
QString fragment(const QString &prefix, const QString &text, const QString &fallback)
{
    return text.isEmpty() ? fallback : prefix + text;
}

} // namespace

namespace EncoderArguments {

QString Codec(int type)
{
    return fragment(QStringLiteral(" "), ConfigInfo::CodecArgs().value(type),
                    QStringLiteral(" -vcodec xvid -acodec mp3"));
}

QString VideoBitrate(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -b "), list.itemAt(index), QStringLiteral(" -b 512"));
}

QString VideoSize(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -s "), list.itemAt(index), QStringLiteral(" -s 320x240"));
}

QString FrameRate(const OptionListModel &list, int index)
{
    // The source's own rate, capped where phones stop.
    if (list.itemAt(index) == QLatin1String(ConfigInfo::kSameFrameRate))
        return QStringLiteral(" -fpsmax %1").arg(ConfigInfo::kSameFrameRateCap);
    return fragment(QStringLiteral(" -r "), list.itemAt(index), QStringLiteral(" -r 25"));
}

QString Aspect(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -aspect "), list.itemAt(index),
                    QStringLiteral(" -aspect 4:3"));
}

QString AudioBitrate(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -ab "), list.itemAt(index), QStringLiteral(" -ab 64"));
}

QString Volume(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -vol "), list.itemAt(index), QStringLiteral(" "));
}

QString Channels(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -ac "), list.itemAt(index).left(1), QStringLiteral(" -ac 2"));
}

QString SampleRate(const OptionListModel &list, int index)
{
    return fragment(QStringLiteral(" -ar "), list.itemAt(index), QStringLiteral(" -ar 44100"));
}

QString Format(int type)
{
    const QString name = ConfigInfo::FormatNames().value(type);
    if (name == QLatin1String("none"))
        return QString();
    return fragment(QStringLiteral(" -f "), name, QString());
}

QString OutputExtension(int type)
{
    return fragment(QString(), ConfigInfo::Extensions().value(type), QStringLiteral(".avi"));
}

} // namespace EncoderArguments
