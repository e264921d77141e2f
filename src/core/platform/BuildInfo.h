#pragma once

#include <QString>

namespace platform {

// The program's version as the build stamped it ("1.0.0").
QString BuildVersion();

} // namespace platform
