#pragma once

#include <QByteArray>
#include <QString>

// The preview turns pictures upright itself: libmpv's own rotation fails in its software
// renderer on quarter turns, and it does not mirror.
namespace VideoOrientation {

// The libavfilter chain that shows a stored picture upright, from a display matrix
// (libavutil's 3x3 layout, 16.16 fixed point): a quarter turn or transposition, then
// mirroring; empty for an upright picture or no matrix.
QByteArray FilterForMatrix(const qint32 *matrix);

// The same for the first video stream of a local file, read from its header; empty when the
// file cannot be read or shows upright as stored.
QByteArray UprightFilter(const QString &path);

} // namespace VideoOrientation
