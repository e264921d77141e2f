#include "shell/UserLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

QStringList UserLanguage::OwnFolders(const QString &executableDir)
{
    const QDir dir(executableDir);
    return {dir.absoluteFilePath(QStringLiteral("translations")),
            QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../../share/clipwright/translations")))};
}

void UserLanguage::Install(const QLocale &locale, const QStringList &ownFolders)
{
    // clipwright_en holds only the English plural forms ("1 file", "2 files"): the texts of
    // any language we do not translate.
    bool loaded = false;
    for (const QString &folder : ownFolders)
        loaded = loaded || m_own.load(locale, QStringLiteral("clipwright"), QStringLiteral("_"), folder);
    for (const QString &folder : ownFolders)
        loaded = loaded || m_own.load(QStringLiteral("clipwright_en"), folder);
    if (loaded)
        QCoreApplication::installTranslator(&m_own);
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}
