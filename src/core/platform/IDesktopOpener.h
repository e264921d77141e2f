#pragma once

#include <QString>

// Hands an address, a document or a folder to the desktop (xdg-open and friends) and
// returns at once; nothing waits for or examines what the desktop does with it. The real
// one runs xdg-open; tests hand fakes in, so no test opens another program.
class IDesktopOpener
{
public:
    virtual ~IDesktopOpener() = default;

    // Opens a web or mail address ("https://...", "mailto:...") with the desktop's default
    // program for it. Returns whether the desktop accepted the request.
    virtual bool OpenAddress(const QString &address) = 0;

    // Opens a local file or folder with the desktop's default program (the file manager
    // for a folder). Returns whether the desktop accepted the request.
    virtual bool OpenPath(const QString &path) = 0;
};

