#include "shell/SkinPicture.h"

#include <QFile>
#include <QGuiApplication>

QString SkinPath2x(const QString &path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return path + QStringLiteral("@2x");
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QPixmap SkinPixmap(const QString &path)
{
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) {
        const QString large = SkinPath2x(path);
        if (QFile::exists(large)) {
            QPixmap picture(large);
            picture.setDevicePixelRatio(2.0);
            return picture;
        }
    }
    return QPixmap(path);
}
