#include "shell/TCustomProc.h"

TCustomProc::TCustomProc() = default;
TCustomProc::~TCustomProc() = default;
