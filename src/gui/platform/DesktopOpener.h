#pragma once

#include "platform/IDesktopOpener.h"

#include <QString>

#include <functional>

// The desktop's opener: xdg-open, which hands the address or file to the user's preferred
// program. xdg-open may wait for that program, so it runs on its own; when it cannot start,
// or reports that no program could open the target (as on a machine without a browser), the
// failure handler is told, on the GUI thread, with the target.
class DesktopOpener final : public IDesktopOpener
{
public:
    using FailureHandler = std::function<void(const QString &target)>;

    explicit DesktopOpener(FailureHandler onFailure = {}) : m_onFailure(std::move(onFailure)) {}

    bool OpenAddress(const QString &address) override;
    bool OpenPath(const QString &path) override;

    // What the user is told when nothing could open target: a folder wants a file manager,
    // anything else (a web or mail address, the help page) a web browser.
    static QString FailureText(const QString &target);

private:
    bool open(const QString &target);

    FailureHandler m_onFailure;
};
