#pragma once

struct mpv_handle;

// A widget that draws the video of a libmpv player. The preview graph hands its player to
// the sink right after creating it and takes it back before destroying it.
class IMpvVideoSink
{
public:
    virtual ~IMpvVideoSink() = default;

    // Creates the render context on mpv; returns false when that failed (no video then).
    virtual bool attachMpv(mpv_handle *mpv) = 0;
    // Frees the render context and shows no picture; mpv is destroyed right after.
    virtual void detachMpv() = 0;
    // Frees the render context but goes on showing the last picture until the next attach
    // or detach; mpv is destroyed right after (a paused player that is let go).
    virtual void releaseMpv() = 0;
};
