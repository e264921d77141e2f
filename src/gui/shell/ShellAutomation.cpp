#include "shell/ShellAutomation.h"

#include "shell/TFrmFlashForm.h"
#include "shell/TFrmMainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace {

QWidget *findWidget(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name)
            return top;
        if (auto *child = top->findChild<QWidget *>(name))
            return child;
    }
    return nullptr;
}

void pumpFor(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

ShellAutomation::ShellAutomation(TFrmMainForm *form, const QString &scriptPath, QObject *parent)
    : QObject(parent), m_form(form)
{
    QFile script(scriptPath);
    if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "automation: cannot read %s\n", qPrintable(scriptPath));
        return;
    }
    for (const QString &line : QString::fromUtf8(script.readAll()).split(QLatin1Char('\n'))) {
        const QString command = line.trimmed();
        if (!command.isEmpty() && !command.startsWith(QLatin1Char('#')))
            m_lines << command;
    }
    if (form->IsReady())
        QTimer::singleShot(0, this, &ShellAutomation::start);
    else
        connect(form, &TFrmMainForm::ready, this, &ShellAutomation::start, Qt::QueuedConnection);
}

ShellAutomation *ShellAutomation::FromEnvironment(TFrmMainForm *form)
{
    const QString path = qEnvironmentVariable("CLIPWRIGHT_AUTOMATION");
    if (path.isEmpty())
        return nullptr;
    return new ShellAutomation(form, path, form);
}

void ShellAutomation::start()
{
    runNext();
}

void ShellAutomation::runNext()
{
    while (m_next < m_lines.size()) {
        const QString line = m_lines.at(m_next++);
        if (!run(line))
            return;
    }
}

void ShellAutomation::fail(const QString &message)
{
    std::fprintf(stderr, "automation: %s\n", qPrintable(message));
    std::fflush(stderr);
    QCoreApplication::exit(3);
}

bool ShellAutomation::run(const QString &line)
{
    const QString verb = line.section(QLatin1Char(' '), 0, 0);
    const QString rest = line.section(QLatin1Char(' '), 1);
    if (verb == QLatin1String("drop")) {
        auto *mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(rest)});
        const QPoint at(m_form->width() / 2, m_form->height() - 60);
        QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_form, &enter);
        QDropEvent drop(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_form, &drop);
        delete mime;
    } else if (verb == QLatin1String("select")) {
        auto *combo = qobject_cast<QComboBox *>(findWidget(rest.section(QLatin1Char(' '), 0, 0)));
        const int index = rest.section(QLatin1Char(' '), 1, 1).toInt();
        if (!combo || index < 0 || index >= combo->count()) {
            fail(QStringLiteral("cannot select: ") + line);
            return false;
        }
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    } else if (verb == QLatin1String("click")) {
        auto *button = qobject_cast<QAbstractButton *>(findWidget(rest));
        if (!button) {
            fail(QStringLiteral("no button ") + rest);
            return false;
        }
        button->click();
    } else if (verb == QLatin1String("wait")) {
        pumpFor(rest.toInt());
    } else if (verb == QLatin1String("waitfor")) {
        const QString name = rest.section(QLatin1Char(' '), 0, 0);
        const bool shown = rest.section(QLatin1Char(' '), 1, 1) != QLatin1String("hidden");
        QDeadlineTimer deadline(60000);
        for (;;) {
            QWidget *widget = findWidget(name);
            if (widget && widget->isVisible() == shown)
                break;
            if (!widget && !shown)
                break;
            if (deadline.hasExpired()) {
                fail(QStringLiteral("timed out: ") + line);
                return false;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    } else if (verb == QLatin1String("later")) {
        const int ms = rest.section(QLatin1Char(' '), 0, 0).toInt();
        const QString command = rest.section(QLatin1Char(' '), 1);
        QTimer::singleShot(ms, this, [this, command] { run(command); });
    } else if (verb == QLatin1String("shot")) {
        const QString name = rest.section(QLatin1Char(' '), 0, 0);
        const QString file = rest.section(QLatin1Char(' '), 1);
        QScreen *screen = QGuiApplication::primaryScreen();
        QPixmap picture;
        if (name == QLatin1String("screen")) {
            picture = screen->grabWindow(0);
        } else {
            QWidget *widget = findWidget(name);
            if (!widget || !widget->isVisible()) {
                fail(QStringLiteral("nothing to shoot: ") + name);
                return false;
            }
            // The screen's pixels where the window is, so the outline shows as it appears.
            const QRect frame = widget->window()->frameGeometry();
            picture = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        }
        if (picture.isNull() || !picture.save(file)) {
            fail(QStringLiteral("cannot save ") + file);
            return false;
        }
    } else if (verb == QLatin1String("report")) {
        std::fprintf(stderr, "ready_epoch_ms=%lld splash_ms=%lld startup_in_splash_ms=%lld\n",
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()),
                     static_cast<long long>(TFrmFlashForm::LastShownMs()),
                     static_cast<long long>(TFrmFlashForm::LastStartUpMs()));
        std::fflush(stderr);
    } else if (verb == QLatin1String("dismiss-boxes")) {
        // Message boxes are answered with their default button and logged, so a script
        // never hangs on one; the caller checks the log.
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            std::fprintf(stderr, "automation: message box: %s\n", qPrintable(box->text()));
            std::fflush(stderr);
            QAbstractButton *answer = box->defaultButton();
            if (!answer && !box->buttons().isEmpty())
                answer = box->buttons().first();
            if (answer)
                answer->click();
            else
                box->reject();
        });
        timer->start(200);
    } else if (verb == QLatin1String("close")) {
        m_form->close();
    } else {
        fail(QStringLiteral("unknown command: ") + line);
        return false;
    }
    return true;
}
