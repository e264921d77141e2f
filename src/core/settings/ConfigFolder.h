#pragma once

#include <QString>
#include <QStringList>

// Reading any INI file of the settings folder (AppPaths: Config/ in the program's folder
// when portable), named without its folder.
namespace ConfigFolder {

// The section names of the file, in file order; empty when the file does not exist.
QStringList Sections(const QString &fileName);

} // namespace ConfigFolder
