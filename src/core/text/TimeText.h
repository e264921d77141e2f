#pragma once

#include <QString>

// Durations as the windows show them.
namespace TimeText {

// Whole seconds as hh:mm:ss, hours taking more digits from 100 hours on; negative seconds
// give "00:00:00".
QString FromSeconds(qint64 seconds);

} // namespace TimeText
