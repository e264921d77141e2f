#pragma once

#include <functional>

#include <QDialog>

class QLabel;
class QPushButton;

// The codec error dialog ("Error Info"): shown for a source file that cannot be read, with
// a link to download a codec pack.
class CodecErrorDialog : public QDialog
{
    Q_OBJECT

public:
    // openDownload is what a click on the link does (the codec download command of the
    // main window); without one the link does nothing.
    explicit CodecErrorDialog(QWidget *owner = nullptr, std::function<void()> openDownload = {});

    QLabel *messageLabel() const { return m_messageLabel; }
    QLabel *downloadLink() const { return m_downloadLink; }
    QPushButton *okButton() const { return m_okButton; }

public Q_SLOTS:
    void openCoderDownload();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeLink();

    std::function<void()> m_openDownload;
    QLabel *m_messageLabel = nullptr;
    QLabel *m_downloadLink = nullptr;
    QPushButton *m_okButton = nullptr;
};

// Shows the codec error dialog modally over owner and returns when the user closed it.
void ShowCodecErrorDialog(QWidget *owner, std::function<void()> openDownload = {});
