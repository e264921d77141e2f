#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// Creates the four utility objects (TAppFunc, TSysFunc, TStrFunc, TFileFunc) once and sets
// their program-wide references (Globals.h). A second call keeps the objects it made first.
void CreateFuncObjects();

// Refills list with the non-empty pieces of text between delimiters: "a..b." at "." gives
// a, b.
void SplitToList(const QString &text, QChar delimiter, QStringList &list);

// The application's message box with its title as caption and the information icon.
// Type 1 shows OK, 2 Yes and No, 3 Yes, No and Cancel; gives the code of the button
// pressed (IUserDialogs::Button). Another type, or no dialogs installed, shows nothing and
// gives 0.
int AppMessageBox(const QString &text, int type);

// The application's title, the caption of its message boxes.
QString AppTitle();
