#pragma once

#include <QObject>
#include <QString>

// A one-line edit field without a window, such as the main window's output folder field
// (edtOutputFolder): its text, changed by the user through the bound widget or by the
// program (settings, folder chooser).
class TextFieldModel : public QObject
{
    Q_OBJECT

public:
    explicit TextFieldModel(const QString &text = QString(), QObject *parent = nullptr);

    const QString &text() const { return m_text; }
    void setText(const QString &text);

Q_SIGNALS:
    void textChanged(const QString &text);

private:
    QString m_text;
};
