#pragma once

#include <QString>
#include <QStringList>

// Reading any INI file of the settings folder (AppPaths: Config/ in the program's folder
// when portable), named without its folder.
namespace ConfigFolder {

// The section names of the file, in file order; empty when the file does not exist.
QStringList Sections(const QString &fileName);
// The value of key name in section name of the file, or empty text.
QString Value(const QString &fileName, const QString &name);

} // namespace ConfigFolder
