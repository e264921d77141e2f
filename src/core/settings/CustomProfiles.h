#pragma once

#include <QString>
#include <QStringList>

class MessageBoxes;

// The user's own profiles: Config/UserProfileInfo.ini holds one section per profile, whose
// one key (the profile's name again) keeps the six selections joined by "|";
// Config/UserProfileCount.ini keeps the counter that proposes new names.
class CustomProfiles
{
public:
    // New names are asked with boxes' input box.
    explicit CustomProfiles(MessageBoxes &boxes) : m_boxes(boxes) {}

    // The names of the stored profiles, in file order.
    static QStringList Names();
    // The stored selections of the profile, or empty text.
    QString Read(const QString &name) const;
    // Raises the counter, asks for a name (proposing "UserProfileInfo" + counter) and
    // stores selections under it unless the user cancels.
    void Add(const QString &selections);
    // Stores selections under name; an empty name stores nothing.
    void Save(const QString &name, const QString &selections);
    // Removes the profile, without asking.
    void Delete(const QString &name);

private:
    MessageBoxes &m_boxes;
};
