#pragma once

class TCommonLib;
class TCustomProc;
class TAppFunc;
class TStrFunc;
class TFileFunc;
class TSysFunc;
class IUserDialogs;

// The program-wide references to the objects that live from start-up to exit. Start-up
// sets them (CreateFuncObjects for the four utility objects); tests may point them at
// their own objects and fakes. A reference not set yet is null.
namespace Globals {

extern TCommonLib *commonLib;
extern TCustomProc *customProc;
extern TAppFunc *appFunc;
extern TStrFunc *strFunc;
extern TFileFunc *fileFunc;
extern TSysFunc *sysFunc;
// The message boxes, input box and folder browser; without them nothing is shown and
// every question counts as cancelled.
extern IUserDialogs *userDialogs;

} // namespace Globals
