// The utility operations of TCommonLib: splitting, numbers, sizes, durations, message
// boxes, the log and file names.
#include <cmath>
#include <stdexcept>

#include <QLocale>

#include "platform/IUserDialogs.h"
#include "shell/AppErrors.h"
#include "shell/AppPaths.h"
#include "shell/Func.h"
#include "shell/Globals.h"
#include "shell/TAppFunc.h"
#include "shell/TCommonLib.h"
#include "shell/TFileFunc.h"

namespace {

// The program's one TFileFunc, or a stand-in where start-up has not made it (tests).
TFileFunc &fileFunc()
{
    static TFileFunc standIn;
    return Globals::fileFunc ? *Globals::fileFunc : standIn;
}

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

} // namespace

QStringList TCommonLib::SplitByChar(const QString &text, QChar delimiter)
{
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype at = text.indexOf(delimiter); at >= 0; at = text.indexOf(delimiter, start)) {
        pieces << text.mid(start, at - start);
        start = at + 1;
    }
    if (start < text.size())
        pieces << text.mid(start);
    return pieces;
}

bool TCommonLib::ShowMsg(const QString &text, int type)
{
    static const IUserDialogs::Icon icons[] = {
        IUserDialogs::Icon::Error, IUserDialogs::Icon::Warning, IUserDialogs::Icon::Question,
        IUserDialogs::Icon::Information};
    if (type < 0 || type > 3 || !Globals::userDialogs)
        return false;
    Globals::userDialogs->MessageBox(AppTitle(), text, icons[type], IUserDialogs::Buttons::Ok);
    return true;
}

double TCommonLib::ParseNumber(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;

    QString kept;
    bool dot = false, plus = false, minus = false;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            kept += c;
        } else if (c == QLatin1Char('.') && !dot) {
            dot = true;
            kept += c;
        } else if (c == QLatin1Char('+') && !plus) {
            plus = true;
            kept += c;
        } else if (c == QLatin1Char('-') && !minus) {
            minus = true;
            kept += c;
        }
    }
    // A sign counts only in first place.
    QString number = kept.left(1);
    for (qsizetype i = 1; i < kept.size(); ++i)
        if (kept.at(i) != QLatin1Char('+') && kept.at(i) != QLatin1Char('-'))
            number += kept.at(i);

    if (number.isEmpty() || number == QLatin1String("-") || number == QLatin1String("+"))
        return 0;
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (!ok)
        throw EConvertError::InvalidFloat(number);
    return value;
}

QString TCommonLib::FormatSize(qint64 count)
{
    if (count < 0)
        count = 0;
    double value;
    QString unit;
    if (count < (qint64(1) << 30)) {
        value = double(count);
        unit = QStringLiteral(" B");
        if (value >= 1024) {
            value /= 1024;
            unit = QStringLiteral(" KB");
        }
        if (value >= 1024) {
            value /= 1024;
            unit = QStringLiteral(" MB");
        }
    } else {
        value = double(count) / 1024 / 1024 / 1024;
        unit = QStringLiteral(" GB");
    }
    value = std::trunc(value * 100) / 100;
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15) + unit;
}

QString TCommonLib::FormatDuration(qint64 seconds)
{
    // Counted in seconds rather than milliseconds, so that no count can overflow.
    if (seconds < 0)
        seconds = 0;
    QString text;
    text += seconds < 3600 ? QStringLiteral("00") : PadQuotient(2, 3600, seconds);
    seconds %= 3600;
    text += QLatin1Char(':');
    text += seconds < 60 ? QStringLiteral("00") : PadQuotient(2, 60, seconds);
    seconds %= 60;
    text += QLatin1Char(':');
    text += PadQuotient(2, 1, seconds);
    return text;
}

QString TCommonLib::PadQuotient(qint64 width, qint64 divisor, qint64 value)
{
    if (divisor == 0)
        throw std::invalid_argument("Division by zero");
    QString text = QString::number(value / divisor);
    if (text.size() < width)
        text.prepend(QString(width - text.size(), QLatin1Char('0')));
    return text;
}

void TCommonLib::WriteLog(const QString &message)
{
    const AppPaths &paths = AppPaths::Current();
    try {
        TAppFunc::WriteLogIn(paths.PreparedLogDir(), message);
    } catch (const EInOutError &error) {
        // A log that cannot be written (a full disk, a folder that cannot be made) is told
        // once; the conversions go on, portable or installed.
        if (!m_logFailureShown) {
            m_logFailureShown = true;
            ShowMsg(QString::fromUtf8(error.what()), 0);
        }
    }
}

QString TCommonLib::BaseNameOf(const QString &path)
{
    return fileFunc().BaseNameOf(path);
}

QString TCommonLib::FolderOf(const QString &path)
{
    return fileFunc().FolderOf(path);
}

QString TCommonLib::MakeUniqueFileName(const QString &path)
{
    return fileFunc().MakeUniqueFileName(path);
}
