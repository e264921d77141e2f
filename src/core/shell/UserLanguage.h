#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// Puts the program's texts and Qt's own (dialog buttons, the file dialog) into the user's
// language, as the locale names it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Our translations
// come from the program folder's translations/ (portable) or share/clipwright/translations
// (installed); Qt's from its own translations folder. A language without a translation
// leaves the English texts. Lives as long as the application.
class UserLanguage
{
public:
    // The folders searched for clipwright_<language>.qm, first match wins.
    static QStringList OwnFolders(const QString &executableDir);

    // Loads and installs both translators for `locale` into the running application.
    void Install(const QLocale &locale, const QStringList &ownFolders);

    bool HasOwnTranslation() const { return !m_own.isEmpty(); }

private:
    QTranslator m_own;
    QTranslator m_qt;
};
