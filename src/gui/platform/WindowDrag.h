#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Moves a frameless window while the left button is held on one of its parts: through the
// window manager when there is one (QWindow::startSystemMove), else by following the
// pointer itself. Either way one press starts one move, and the move ends with the
// button's release.
class WindowDrag : public QObject
{
    Q_OBJECT

public:
    explicit WindowDrag(QWidget *window);

    // A part of the window that starts a move when the left button is pressed on it. Its
    // presses, and the moves and release that follow them, go to the move only.
    void AddHandle(QWidget *part);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_following = false;
    QPoint m_grabOffset;
};
