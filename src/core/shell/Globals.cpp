#include "shell/Globals.h"

namespace Globals {

TCommonLib *commonLib = nullptr;
TCustomProc *customProc = nullptr;
TAppFunc *appFunc = nullptr;
TStrFunc *strFunc = nullptr;
TFileFunc *fileFunc = nullptr;
TSysFunc *sysFunc = nullptr;
IUserDialogs *userDialogs = nullptr;

} // namespace Globals
