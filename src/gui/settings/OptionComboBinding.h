#pragma once

#include <QComboBox>
#include <QObject>
#include <QPointer>

class OptionListModel;

// Keeps a drop-down list widget in step with its list model: items, selected index, edit
// text and enabled state follow the model; a choice or typing of the user is written to
// the model and then reported with changed() - the list's change event, which selections
// made by the program never raise.
class OptionComboBinding : public QObject
{
    Q_OBJECT

public:
    OptionComboBinding(QComboBox *combo, OptionListModel *model, QObject *parent = nullptr);

    QComboBox *combo() const { return m_combo; }
    OptionListModel *model() const { return m_model; }

Q_SIGNALS:
    // The user chose an entry or edited the text.
    void changed();

private:
    void pullItems();
    void pullSelection();
    void pullText();
    void userChose(int index);
    void userTyped(const QString &text);

    QPointer<QComboBox> m_combo;
    OptionListModel *m_model;
    bool m_pulling = false;
    bool m_typing = false;
};
