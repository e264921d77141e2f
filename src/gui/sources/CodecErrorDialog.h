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
    explicit CodecErrorDialog(QWidget *owner = nullptr);

    // What a click on the link does (the codec download command of the main window).
    static void SetCodecDownloadHandler(std::function<void()> handler);

    QLabel *Label1() const { return m_label1; }
    QLabel *Label2() const { return m_label2; }
    QPushButton *BitBtn1() const { return m_bitBtn1; }

public Q_SLOTS:
    void Label2Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeLink();

    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QPushButton *m_bitBtn1 = nullptr;
};

// Shows the codec error dialog modally over owner and returns when the user closed it.
void ShowCodecErrorDialog(QWidget *owner);
