// A drag source for the runs under Xvfb: a small window that starts a drag of the files
// named on its command line as soon as a mouse button is pressed on it. The driver presses
// on it with xdotool and moves the pointer onto the target window, so the target gets a
// real drop from another program, as from a file manager.
//
//   clipwright_drag_source X Y FILE...
//
// The window (120 x 60, titled "Drag source") is placed at X, Y. When the drag ends the
// program prints "drag: copied" or "drag: ignored" and, after answering the target's
// requests for the data, exits with 0 or 1.

#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

class DragSource : public QWidget
{
public:
    explicit DragSource(const QList<QUrl> &urls) : m_urls(urls)
    {
        setWindowTitle(QStringLiteral("Drag source"));
        setFixedSize(120, 60);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x30, 0x80, 0x30));
        p.setPen(Qt::white);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("%1 file(s)").arg(m_urls.size()));
    }

    void mousePressEvent(QMouseEvent *) override
    {
        auto *drag = new QDrag(this);
        auto *mime = new QMimeData;
        mime->setUrls(m_urls);
        drag->setMimeData(mime);
        const Qt::DropAction action = drag->exec(Qt::CopyAction);
        const bool copied = action == Qt::CopyAction;
        std::printf("drag: %s\n", copied ? "copied" : "ignored");
        std::fflush(stdout);
        // The target reads the files from this program after the drop: stay a while to
        // answer it.
        QTimer::singleShot(3000, [copied] { QApplication::exit(copied ? 0 : 1); });
    }

private:
    QList<QUrl> m_urls;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: %s X Y FILE...\n", argv[0]);
        return 2;
    }
    QList<QUrl> urls;
    for (const QString &file : args.mid(3))
        urls << QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    DragSource window(urls);
    window.move(args.at(1).toInt(), args.at(2).toInt());
    window.show();
    return app.exec();
}
