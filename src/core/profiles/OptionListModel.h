#pragma once

#include <QObject>
#include <QStringList>

// A drop-down list without a window: its items, the selected index (-1 for none), whether
// it is enabled, and the text shown in its edit field. A widget binds to it; the program's
// rules change it. Signals tell the bound widget what changed; they are not the list's
// change event, which only a user's choice raises (the window forwards that itself).
class OptionListModel : public QObject
{
    Q_OBJECT

public:
    explicit OptionListModel(QObject *parent = nullptr);

    // The items in order.
    const QStringList &items() const { return m_items; }
    int count() const { return m_items.size(); }
    // The item at index, or empty text when the index is outside the list.
    QString itemAt(int index) const;

    // Appends items at the end, keeping the selection.
    void addItems(const QStringList &items);
    void addItem(const QString &item);
    // Removes every item; the list then has no selected entry and empty text.
    void clear();

    // The selected index, -1 when no entry is selected.
    int selectedIndex() const { return m_selected; }
    // Selects index; an index the list does not have leaves it with no selected entry.
    // The edit text follows the selected item.
    void setSelectedIndex(int index);
    // The selected item, or empty text when none is selected.
    QString selectedText() const { return itemAt(m_selected); }

    // The text shown in the edit field: the selected item, or what was typed since.
    const QString &text() const { return m_text; }
    // Sets the edit text as typed by the user; the selection stays as it is.
    void setText(const QString &text);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

Q_SIGNALS:
    void itemsChanged();
    void selectedIndexChanged(int index);
    void textChanged(const QString &text);
    void enabledChanged(bool enabled);

private:
    QStringList m_items;
    int m_selected = -1;
    QString m_text;
    bool m_enabled = true;
};
