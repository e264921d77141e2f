#include "shell/TCommonLib.h"

TCommonLib::TCommonLib() = default;
TCommonLib::~TCommonLib() = default;
