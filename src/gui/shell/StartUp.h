#pragma once

#include <QString>


class MainWindow;
class MessageBoxes;

#include <functional>

// The program's folder with a trailing "/" (AppPaths: the running executable's folder,
// symbolic links resolved).
QString ProgramDir();

// The resource module's path: Res.rcc in the program's folder.
QString ResourceModulePath();

// The text shown when the resource module is missing; it names the file looked for.
QString MissingModuleMessage(const QString &modulePath);

// Whether the resource module exists at modulePath. When it does not, tells the user with
// MissingModuleMessage and asks the program to end (terminate, by default
// QCoreApplication::exit(1)); the end takes effect when control returns to the message
// loop, so the rest of start-up still runs.
bool CheckResourceModule(MessageBoxes &messages, const QString &modulePath,
                         const std::function<void()> &terminate = {});

// The start-up routine the splash runs: checks the resource module, reads the product
// information into the window's parts and sets the window title.
void StartUp(MainWindow &mainForm);
