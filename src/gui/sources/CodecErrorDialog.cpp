#include "sources/CodecErrorDialog.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTextLayout>

namespace {

std::function<void()> &codecDownloadHandler()
{
    static std::function<void()> handler;
    return handler;
}

} // namespace

CodecErrorDialog::CodecErrorDialog(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("FrmCodeErrorForm"));
    setWindowTitle(QStringLiteral("Error Info"));
    setFixedSize(413, 96);
    setModal(true);
    // The program's narrow font, also under the owner's style sheet.
    setStyleSheet(QStringLiteral("QWidget { font-family: 'Liberation Sans'; font-size: 11px; }"));
    ensurePolished();

    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(8, 13, 32, 32);
    image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));

    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(48, 16, 357, 30);
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label1->setText(QStringLiteral(
        "Files reading error! Please check your files or install a new codec.You can click "
        "the link to download the lastest codec."));

    m_label2 = new QLabel(QStringLiteral("(Click here to down)"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    QFont linkFont = m_label2->font();
    linkFont.setUnderline(true);
    m_label2->setFont(linkFont);
    QPalette linkColours = m_label2->palette();
    linkColours.setColor(QPalette::WindowText, Qt::blue);
    m_label2->setPalette(linkColours);
    m_label2->setCursor(Qt::PointingHandCursor);
    m_label2->adjustSize();
    m_label2->installEventFilter(this);
    placeLink();

    m_bitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    m_bitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_bitBtn1->setGeometry(328, 61, 75, 25);
    m_bitBtn1->setDefault(true);
    connect(m_bitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void CodecErrorDialog::SetCodecDownloadHandler(std::function<void()> handler)
{
    codecDownloadHandler() = std::move(handler);
}

void CodecErrorDialog::placeLink()
{
    // The link follows the end of the message's last line (at 258, 30 in the design), or
    // starts a line of its own when it would not fit there.
    QTextLayout layout(m_label1->text(), m_label1->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    QTextLine last;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(m_label1->width());
        line.setPosition(QPointF(0, y));
        y += line.height();
        last = line;
    }
    layout.endLayout();
    if (y > m_label1->height())
        m_label1->resize(m_label1->width(), int(y) + 1);
    int x = 258;
    int top = 30;
    if (last.isValid()) {
        x = m_label1->x() + int(last.naturalTextWidth()) + 4;
        top = m_label1->y() + int(last.y());
        if (x + m_label2->width() > width() - 4) {
            x = m_label1->x();
            top = m_label1->y() + int(y);
        }
    }
    m_label2->move(x, top);
}

bool CodecErrorDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label2 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Label2Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CodecErrorDialog::Label2Click()
{
    if (codecDownloadHandler())
        codecDownloadHandler()();
}

void ShowCodecErrorDialog(QWidget *owner)
{
    CodecErrorDialog dialog(owner);
    dialog.exec();
}
