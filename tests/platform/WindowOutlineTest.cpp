// A skinned window's outline on a real X server (Xvfb, no window manager), drawn at 200%:
// the screen shows the window exactly where its 200% picture is not the key colour, pixel
// by pixel, so a rounded corner has the picture's own fine steps and not the doubled steps
// of an outline taken in the window's pixels.
#include "platform/WindowOutline.h"

#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QWidget>
#include <QtTest>

namespace {

const QRgb kKey = qRgb(255, 0, 255);
const QColor kBody(40, 160, 60);

// A window picture of w x h design pixels drawn at 200%: a rounded body on the key colour,
// its edge drawn without smoothing in the picture's own pixels.
QImage picture200(int w, int h, qreal radius)
{
    QImage image(w * 2, h * 2, QImage::Format_RGB32);
    image.fill(kKey);
    image.setDevicePixelRatio(2);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(kBody);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, w, h), radius, radius);
    p.drawPath(outline);
    return image;
}

// The whole screen in its own pixels, as the X server holds it.
QImage screenShot()
{
    QProcess import;
    import.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                            QStringLiteral("png:-")});
    if (!import.waitForFinished(30000))
        return {};
    return QImage::fromData(import.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

bool isBody(QRgb pixel)
{
    return qAbs(qRed(pixel) - kBody.red()) < 12 && qAbs(qGreen(pixel) - kBody.green()) < 12 &&
           qAbs(qBlue(pixel) - kBody.blue()) < 12;
}

} // namespace

class WindowOutlineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theScreenShowsThe200PercentOutline()
    {
        QVERIFY2(qFuzzyCompare(qApp->devicePixelRatio(), 2.0), "runs with QT_SCALE_FACTOR=2");
        const QImage picture = picture200(100, 60, 17);
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setFixedSize(100, 60);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, kBody);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        WindowOutline::Keep(&window, picture);
        window.move(30, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(500);

        const QImage screen = screenShot();
        QVERIFY(!screen.isNull());
        // The window at (60, 40) in the screen's pixels: Qt's scale of 2 is exact.
        int wrong = 0;
        int finerThanTheWindowsPixels = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const bool inside = picture.pixel(x, y) != kKey;
                if (inside != isBody(screen.pixel(60 + x, 40 + y)))
                    ++wrong;
                // A pixel whose 2x2 block is cut by the outline: only the 200% outline
                // keeps it apart from its neighbours.
                const int bx = x & ~1, by = y & ~1;
                const bool blockMixed = picture.pixel(bx, by) != picture.pixel(bx + 1, by) ||
                                        picture.pixel(bx, by) != picture.pixel(bx, by + 1) ||
                                        picture.pixel(bx, by) != picture.pixel(bx + 1, by + 1);
                if (blockMixed)
                    ++finerThanTheWindowsPixels;
            }
        }
        QVERIFY2(finerThanTheWindowsPixels > 0, "the picture's corners have fine steps");
        QCOMPARE(wrong, 0);
    }
};

QTEST_MAIN(WindowOutlineTest)
#include "WindowOutlineTest.moc"
