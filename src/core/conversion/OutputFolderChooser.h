#pragma once

#include <QString>

class MessageBoxes;

// Lets the user choose the output folder in the folder browser.
class OutputFolderChooser
{
public:
    explicit OutputFolderChooser(MessageBoxes &boxes) : m_boxes(boxes) {}

    // A chosen folder must take a probe folder "test". Returns the accepted folder, or
    // current when the choice was cancelled or rejected; the folder returned is created if
    // it is missing.
    QString Choose(const QString &current);

private:
    MessageBoxes &m_boxes;
};
