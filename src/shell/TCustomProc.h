#pragma once

// The controller for profiles, jobs, the batch, custom profiles, settings and preview
// control. One instance lives from start-up to exit (see Globals.h).
//
// Several subsystems add operations here. Keep each group's definitions in a file of its
// own (TCustomProc_<Topic>.cpp) and add declarations under a comment naming the group.
class TCustomProc
{
public:
    TCustomProc();
    ~TCustomProc();
};
