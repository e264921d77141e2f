#include "sources/AddingFilesWindow.h"

#include <exception>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include "shell/SkinPicture.h"
#include "sources/SourceFileError.h"

AddingFilesWindow::AddingFilesWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("addingFilesWindow"));
    setFixedSize(273, 45);
    setModal(true);
    m_skin = SkinPixmap(QStringLiteral(":/skin/busy/background.png"));

    m_infoLabel = new QLabel(tr("Installing File..."), this);
    m_infoLabel->setObjectName(QStringLiteral("infoLabel"));
    m_infoLabel->setGeometry(0, 16, 273, 28);
    m_infoLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    m_infoLabel->setFont(font);
    m_infoLabel->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    m_spinnerTimer = new QTimer(this);
    m_spinnerTimer->setObjectName(QStringLiteral("spinnerTimer"));
    m_spinnerTimer->setInterval(1000);
    connect(m_spinnerTimer, &QTimer::timeout, this, &AddingFilesWindow::turnSpinner);
    m_workTimer = new QTimer(this);
    m_workTimer->setObjectName(QStringLiteral("workTimer"));
    m_workTimer->setInterval(300);
    connect(m_workTimer, &QTimer::timeout, this, &AddingFilesWindow::startWork);
}

void AddingFilesWindow::SetFileList(const QStringList *fileList)
{
    m_fileList = fileList ? fileList : &m_emptyList;
}

const QStringList &AddingFilesWindow::FileList() const
{
    return *m_fileList;
}

void AddingFilesWindow::SetAddFiles(std::function<void(const QStringList &)> addFiles)
{
    m_addFiles = std::move(addFiles);
}

void AddingFilesWindow::SetSaveInitDir(std::function<void()> saveInitDir)
{
    m_saveInitDir = std::move(saveInitDir);
}

QString AddingFilesWindow::TakeError()
{
    QString error;
    error.swap(m_error);
    return error;
}

QString AddingFilesWindow::SpinText(int step)
{
    static const char signs[] = {'|', '/', '-', '\\'};
    return tr("Installing File...  ") + QLatin1Char(signs[(qBound(1, step, 4)) - 1]);
}

void AddingFilesWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (parentWidget()) {
        const QRect owner = parentWidget()->window()->frameGeometry();
        move(owner.center() - rect().center());
    }
    onShown();
}

void AddingFilesWindow::onShown()
{
    m_spinIndex = 1;
    m_error.clear();
    m_spinnerTimer->start();
    m_workTimer->start();
}

void AddingFilesWindow::turnSpinner()
{
    QCoreApplication::processEvents();
    m_spinIndex = m_spinIndex + 1 > 4 ? 1 : m_spinIndex + 1;
    m_infoLabel->setText(SpinText(m_spinIndex));
}

void AddingFilesWindow::startWork()
{
    // Let the window paint itself before the work holds the thread.
    QCoreApplication::processEvents();
    m_workTimer->stop();
    m_working = true;
    try {
        if (m_addFiles)
            m_addFiles(*m_fileList);
        if (m_saveInitDir)
            m_saveInitDir();
    } catch (const SourceFileError &error) {
        m_error = error.message();
    } catch (const std::exception &error) {
        m_error = QString::fromUtf8(error.what());
    }
    m_working = false;
    accept();
}

void AddingFilesWindow::closeEvent(QCloseEvent *event)
{
    // The window closes itself when the work is over; until then it stays.
    if (m_working || m_workTimer->isActive()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void AddingFilesWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape does not end the work half-way.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AddingFilesWindow::done(int result)
{
    onClosed();
    QDialog::done(result);
}

void AddingFilesWindow::onClosed()
{
    m_spinnerTimer->stop();
    m_workTimer->stop();
}

void AddingFilesWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The skin's picture stretched over the window; a drawn one when the skin has none.
    if (!m_skin.isNull()) {
        painter.drawPixmap(rect(), m_skin);
        return;
    }
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(0x3b, 0x5b, 0x8a));
    background.setColorAt(1, QColor(0x1f, 0x33, 0x55));
    painter.fillRect(rect(), background);
    painter.setPen(QColor(0x9b, 0xb4, 0xd8));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
