#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The progress dialog's pictures: its background, whose magenta pixels lie outside the
// window's shape, and the three faces of its Stop button. The program loads them from
// ":/skin/converting/"; the same drawing makes the committed files and stands in when the
// resources are not linked.
namespace ConvertingSkin {

inline const QColor kTransparentKey(255, 0, 255);

enum class Face { Up, Hot, Down };

// 435 x 205 pixels.
QImage DrawBackground();
// 100 x 26 pixels, with transparent corners.
QImage DrawStopButton(Face face);

// The picture from the resources, or drawn when the resources lack it.
QImage Background();
QImage StopButton(Face face);

// Resource file name of a face: "btnStop_up.png" and so on.
QString StopButtonFileName(Face face);

} // namespace ConvertingSkin
