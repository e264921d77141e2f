#include "platform/ResourceModule.h"

#include <QAtomicInt>
#include <QFile>
#include <QResource>

namespace {

QAtomicInt g_nextRoot;

QByteArray readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

ResourceModule::~ResourceModule()
{
    Unload();
}

bool ResourceModule::Load(const QString &path)
{
    Unload();
    // Each object maps the file under its own root, so two objects may hold the module at
    // the same time (the splash and the product information both load it).
    const QString root = QStringLiteral("/clipwright-res-%1").arg(g_nextRoot.fetchAndAddRelaxed(1));
    if (path.isEmpty() || !QResource::registerResource(path, root))
        return false;
    m_path = path;
    m_root = root;
    return true;
}

void ResourceModule::Unload()
{
    if (m_root.isEmpty())
        return;
    QResource::unregisterResource(m_path, m_root);
    m_root.clear();
    m_path.clear();
}

QString ResourceModule::String(int id) const
{
    if (!IsLoaded())
        return {};
    const QByteArray bytes = readResource(QStringLiteral(":%1/strings/%2").arg(m_root).arg(id));
    return QString::fromUtf8(bytes).trimmed().left(kMaxTextLength);
}

QByteArray ResourceModule::Picture(const QString &name) const
{
    if (!IsLoaded())
        return {};
    return readResource(QStringLiteral(":%1/%2").arg(m_root, name));
}
