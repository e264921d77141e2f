#pragma once

#include <QString>

// A byte count as people read it.
namespace FileSizeText {

// Truncated to two decimals with " B", " KB", " MB" or " GB" ("1536" gives "1.5 KB"); a
// negative count is "0 B".
QString Of(qint64 count);

} // namespace FileSizeText
