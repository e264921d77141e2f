#include "conversion/BatchDesktopNotice.h"

#include "conversion/BatchEnvironment.h"
#include "platform/IDesktopNotifier.h"
#include "platform/ISleepInhibitor.h"

#include <QCoreApplication>

namespace {

QString files(int count)
{
    // One file has its own text, so English reads right with no translation loaded.
    if (count == 1)
        return QCoreApplication::translate("BatchDesktopNotice", "1 file");
    return QCoreApplication::translate("BatchDesktopNotice", "%n files", nullptr, count);
}

} // namespace

BatchDesktopNotice::BatchDesktopNotice(const BatchEnvironment &env, int count) : m_env(env)
{
    if (count > 0 && env.SleepInhibitor) {
        env.SleepInhibitor->Inhibit(QCoreApplication::translate("BatchDesktopNotice", "Converting %1").arg(files(count)));
        m_holding = true;
    }
}

BatchDesktopNotice::~BatchDesktopNotice()
{
    release();
}

void BatchDesktopNotice::release()
{
    if (m_holding)
        m_env.SleepInhibitor->Release();
    m_holding = false;
}

void BatchDesktopNotice::JobsEnded(bool notify, int converted, int failed)
{
    // The completion actions and boxes that follow may wait for the user: no hold there.
    release();
    if (!notify || !m_env.Notifier || (m_env.IsProgramActive && m_env.IsProgramActive()))
        return;
    m_env.Notifier->Notify(QCoreApplication::translate("BatchDesktopNotice", "Conversion finished"),
                           QCoreApplication::translate("BatchDesktopNotice", "%1 converted, %2 failed.").arg(files(converted)).arg(failed));
}
