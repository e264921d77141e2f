#include "platform/BuildInfo.h"

namespace platform {

QString BuildVersion()
{
    return QStringLiteral(CLIPWRIGHT_VERSION);
}

} // namespace platform
