#include "sources/CodecErrorDialog.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTextLayout>

CodecErrorDialog::CodecErrorDialog(QWidget *owner, std::function<void()> openDownload)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_openDownload(std::move(openDownload))
{
    setObjectName(QStringLiteral("FrmCodeErrorForm"));
    setWindowTitle(tr("Error Info"));
    setFixedSize(413, 96);
    setModal(true);
    // The program's narrow font, also under the owner's style sheet.
    setStyleSheet(QStringLiteral("QWidget { font-family: 'Liberation Sans'; font-size: 11px; }"));
    ensurePolished();

    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("separatorLine"));
    image1->setGeometry(8, 13, 32, 32);
    image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));

    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("messageLabel"));
    m_messageLabel->setGeometry(48, 16, 357, 30);
    m_messageLabel->setWordWrap(true);
    m_messageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_messageLabel->setText(tr("Files reading error! Please check your files or install a new codec.You can click "
        "the link to download the lastest codec."));

    m_downloadLink = new QLabel(QStringLiteral("(Click here to down)"), this);
    m_downloadLink->setObjectName(QStringLiteral("downloadLink"));
    QFont linkFont = m_downloadLink->font();
    linkFont.setUnderline(true);
    m_downloadLink->setFont(linkFont);
    QPalette linkColours = m_downloadLink->palette();
    linkColours.setColor(QPalette::WindowText, Qt::blue);
    m_downloadLink->setPalette(linkColours);
    m_downloadLink->setCursor(Qt::PointingHandCursor);
    m_downloadLink->adjustSize();
    m_downloadLink->installEventFilter(this);
    placeLink();

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setGeometry(328, 61, 75, 25);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void CodecErrorDialog::placeLink()
{
    // The link follows the end of the message's last line (at 258, 30 in the design), or
    // starts a line of its own when it would not fit there.
    QTextLayout layout(m_messageLabel->text(), m_messageLabel->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    QTextLine last;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(m_messageLabel->width());
        line.setPosition(QPointF(0, y));
        y += line.height();
        last = line;
    }
    layout.endLayout();
    if (y > m_messageLabel->height())
        m_messageLabel->resize(m_messageLabel->width(), int(y) + 1);
    int x = 258;
    int top = 30;
    if (last.isValid()) {
        x = m_messageLabel->x() + int(last.naturalTextWidth()) + 4;
        top = m_messageLabel->y() + int(last.y());
        if (x + m_downloadLink->width() > width() - 4) {
            x = m_messageLabel->x();
            top = m_messageLabel->y() + int(y);
        }
    }
    m_downloadLink->move(x, top);
}

bool CodecErrorDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_downloadLink && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        openCoderDownload();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CodecErrorDialog::openCoderDownload()
{
    if (m_openDownload)
        m_openDownload();
}

void ShowCodecErrorDialog(QWidget *owner, std::function<void()> openDownload)
{
    CodecErrorDialog dialog(owner, std::move(openDownload));
    dialog.exec();
}
