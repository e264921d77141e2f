#pragma once

#include <QString>
#include <QtGlobal>

// The preview graph: plays one file for the preview window. Positions and durations are in
// 100-nanosecond units. The real one sits on libmpv; tests may hand in fakes.
class IPreviewGraph
{
public:
    // How far rendering a file got.
    enum class RenderResult {
        Full,    // every selected audio and video track decodes
        Partial, // the file plays, but some of its tracks cannot be decoded
        Failed   // the file cannot be played at all
    };

    virtual ~IPreviewGraph() = default;

    // Active means a graph exists to which the video window and position source attach.
    virtual bool isActive() const = 0;
    // Makes a new, empty graph (nothing happens when one exists).
    virtual void makeActive() = 0;
    // Drops the graph and any file it holds; the video window shows its background.
    virtual void makeInactive() = 0;
    // Stops and unloads the file; the graph stays active and empty.
    virtual void clear() = 0;

    // Loads path into the active graph, paused at its beginning.
    virtual RenderResult renderFile(const QString &path) = 0;

    // Each returns false when the graph could not do it (no graph, nothing loaded).
    virtual bool run() = 0;
    virtual bool pause() = 0;
    virtual bool stop() = 0;
    // True between a successful run() and the next pause(), stop() or makeInactive().
    virtual bool isRunning() const = 0;

    // Moves to an absolute position; the outcome is not reported.
    virtual void setCurrentPosition(qint64 position) = 0;
    // The current position; equal to the duration once the end of the file is reached.
    virtual qint64 currentPosition() const = 0;
    virtual qint64 duration() const = 0;

    // One line that tells the user why the last renderFile() did not give a full preview
    // (the player library missing, the file unreadable); empty when nothing is known.
    virtual QString failureReason() const { return QString(); }
};
