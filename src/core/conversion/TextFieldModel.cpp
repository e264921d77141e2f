#include "conversion/TextFieldModel.h"

TextFieldModel::TextFieldModel(const QString &text, QObject *parent) : QObject(parent), m_text(text)
{
}

void TextFieldModel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    Q_EMIT textChanged(m_text);
}
