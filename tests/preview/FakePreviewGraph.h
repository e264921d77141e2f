#pragma once

#include "platform/IPreviewGraph.h"

#include <QList>
#include <QStringList>

// A preview graph that plays nothing: it records what it was told and can be made to fail.
class FakePreviewGraph : public IPreviewGraph
{
public:
    RenderResult nextRender = RenderResult::Full;
    bool failRun = false;
    bool failPause = false;
    QStringList calls;
    QList<qint64> seeks; // 100-ns units
    qint64 position = 0;
    qint64 length = 100000000; // 10 s

    bool isActive() const override { return m_active; }
    void makeActive() override { m_active = true; calls << "active"; }
    void makeInactive() override { m_active = false; m_running = false; calls << "inactive"; }
    void clear() override { m_running = false; calls << "clear"; }
    RenderResult renderFile(const QString &path) override
    {
        calls << "render " + path;
        return m_active ? nextRender : RenderResult::Failed;
    }
    bool run() override
    {
        calls << "run";
        if (!m_active || failRun)
            return false;
        m_running = true;
        return true;
    }
    bool pause() override
    {
        calls << "pause";
        if (!m_active || failPause)
            return false;
        m_running = false;
        return true;
    }
    bool stop() override { calls << "stop"; m_running = false; return m_active; }
    bool isRunning() const override { return m_running; }
    void setCurrentPosition(qint64 p) override { seeks << p; position = p; }
    qint64 currentPosition() const override { return position; }
    qint64 duration() const override { return length; }

private:
    bool m_active = false;
    bool m_running = false;
};
