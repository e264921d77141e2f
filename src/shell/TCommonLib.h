#pragma once

// The controller for the job record, command-line fragments, probing, list commands,
// process control, completion actions and utility operations. One instance lives from
// start-up to exit (see Globals.h).
//
// Several subsystems add operations here. Keep each group's definitions in a file of its
// own (TCommonLib_<Topic>.cpp) and add declarations under a comment naming the group.
class TCommonLib
{
public:
    TCommonLib();
    ~TCommonLib();
};
