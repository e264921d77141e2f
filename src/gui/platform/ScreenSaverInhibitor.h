#pragma once

#include <QObject>

// Keeps the desktop's screen saver away while the preview shows video, through the
// freedesktop screen saver service on the session bus. Without a session bus or the
// service nothing happens. Calls never wait for the bus.
class ScreenSaverInhibitor : public QObject
{
    Q_OBJECT

public:
    explicit ScreenSaverInhibitor(QObject *parent = nullptr);
    ~ScreenSaverInhibitor() override;

    // Asks for (true) or gives back (false) the inhibition; repeated calls change nothing.
    void setInhibited(bool inhibited);
    bool isInhibited() const { return m_wanted; }

private:
    void release();

    bool m_wanted = false;
    uint m_cookie = 0;
    bool m_haveCookie = false;
};
