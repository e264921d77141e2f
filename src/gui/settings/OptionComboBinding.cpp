#include "settings/OptionComboBinding.h"

#include <QComboBox>
#include <QLineEdit>

#include "profiles/OptionListModel.h"

OptionComboBinding::OptionComboBinding(QComboBox *combo, OptionListModel *model, QObject *parent)
    : QObject(parent), m_combo(combo), m_model(model)
{
    if (combo->isEditable()) {
        // Typed names stay typed: no completion, and Enter adds no entry.
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
        connect(combo->lineEdit(), &QLineEdit::textEdited, this, &OptionComboBinding::userTyped);
    }
    connect(combo, &QComboBox::activated, this, &OptionComboBinding::userChose);
    connect(model, &OptionListModel::itemsChanged, this, &OptionComboBinding::pullItems);
    connect(model, &OptionListModel::selectedIndexChanged, this,
            &OptionComboBinding::pullSelection);
    connect(model, &OptionListModel::textChanged, this, &OptionComboBinding::pullText);
    connect(model, &OptionListModel::enabledChanged, combo, &QWidget::setEnabled);
    combo->setEnabled(model->isEnabled());
    pullItems();
}

void OptionComboBinding::pullItems()
{
    if (m_typing || !m_combo)
        return;
    m_pulling = true;
    m_combo->blockSignals(true);
    m_combo->clear();
    m_combo->addItems(m_model->items());
    m_combo->blockSignals(false);
    m_pulling = false;
    pullSelection();
}

void OptionComboBinding::pullSelection()
{
    if (m_typing || !m_combo)
        return;
    m_pulling = true;
    m_combo->blockSignals(true);
    m_combo->setCurrentIndex(m_model->selectedIndex());
    m_combo->blockSignals(false);
    m_pulling = false;
    pullText();
}

void OptionComboBinding::pullText()
{
    if (m_typing || !m_combo || !m_combo->isEditable())
        return;
    if (m_combo->currentText() == m_model->text())
        return;
    m_pulling = true;
    m_combo->blockSignals(true);
    m_combo->setEditText(m_model->text());
    m_combo->blockSignals(false);
    m_pulling = false;
}

void OptionComboBinding::userChose(int index)
{
    if (m_pulling)
        return;
    m_model->setSelectedIndex(index);
    Q_EMIT changed();
}

void OptionComboBinding::userTyped(const QString &text)
{
    if (m_pulling)
        return;
    // An entry is selected while the text names it exactly; otherwise none is.
    // The edit field keeps what is typed and where the cursor is.
    const int index = m_model->items().indexOf(text);
    m_typing = true;
    m_model->setSelectedIndex(index);
    m_model->setText(text);
    m_typing = false;
    Q_EMIT changed();
}
