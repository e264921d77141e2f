#include "settings/CheckBoxModel.h"

CheckBoxModel::CheckBoxModel(bool checked, QObject *parent) : QObject(parent), m_checked(checked) {}

void CheckBoxModel::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    Q_EMIT checkedChanged(m_checked);
}
