#include "text/FileSizeText.h"

#include <QLocale>

#include <cmath>

namespace FileSizeText {

QString Of(qint64 count)
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

} // namespace FileSizeText
