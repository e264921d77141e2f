#include "profiles/OptionListModel.h"

OptionListModel::OptionListModel(QObject *parent) : QObject(parent) {}

QString OptionListModel::itemAt(int index) const
{
    if (index < 0 || index >= m_items.size())
        return QString();
    return m_items.at(index);
}

void OptionListModel::addItems(const QStringList &items)
{
    if (items.isEmpty())
        return;
    m_items << items;
    Q_EMIT itemsChanged();
}

void OptionListModel::addItem(const QString &item)
{
    addItems(QStringList{item});
}

void OptionListModel::clear()
{
    const bool hadItems = !m_items.isEmpty();
    m_items.clear();
    if (hadItems)
        Q_EMIT itemsChanged();
    setSelectedIndex(-1);
    setText(QString());
}

void OptionListModel::setSelectedIndex(int index)
{
    if (index < 0 || index >= m_items.size())
        index = -1;
    const bool changed = index != m_selected;
    m_selected = index;
    if (changed)
        Q_EMIT selectedIndexChanged(m_selected);
    setText(itemAt(m_selected));
}

void OptionListModel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    Q_EMIT textChanged(m_text);
}

void OptionListModel::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    Q_EMIT enabledChanged(m_enabled);
}
