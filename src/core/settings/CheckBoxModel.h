#pragma once

#include <QObject>

// A check box without a window, such as the main window's "Show output directory when
// done" (chkShowOutputDirectory): ticked or not. Changed by the user through the bound
// widget or by the program (loading the settings); setting it runs no handler of the
// window, it only tells the bound widget.
class CheckBoxModel : public QObject
{
    Q_OBJECT

public:
    explicit CheckBoxModel(bool checked = false, QObject *parent = nullptr);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);

Q_SIGNALS:
    void checkedChanged(bool checked);

private:
    bool m_checked;
};
