// The trim strip widget with the mouse: dragging the handles within their limits, Esc ending
// a drag, clicks on the outer images, and the handle faces.

#include "preview/PreviewPlayer.h"
#include "preview/TrimStrip.h"
#include "preview/TrimStripModel.h"
#include "sources/SourceListModel.h"

#include <QApplication>
#include <QTest>
#include <QSet>
#include <QTime>

#include <gtest/gtest.h>

namespace {

class StripWidget : public ::testing::Test
{
protected:
    StripWidget()
    {
        list.appendRow(SourceRow::ForNewSource("/m/a.mp4", "1 MB", "00:03:20"));
        list.setSelected(0, true);
        model.LoadSelectedRow();
        strip.show();
        QApplication::processEvents();
    }

    QString start() const { return list.cell(0, SourceRow::kStartColumn); }
    QString end() const { return list.cell(0, SourceRow::kEndColumn); }

    SourceListModel list;
    PreviewPlayer player;
    TrimStripModel model{list, player};
    TrimStrip strip{model};
};

TEST_F(StripWidget, PartsFollowTheModel)
{
    EXPECT_EQ(strip.size(), QSize(260, 19));
    EXPECT_EQ(strip.leftPart()->geometry(), QRect(0, 0, 1, 19));
    EXPECT_EQ(strip.startHandle()->geometry(), QRect(1, 0, 19, 19));
    EXPECT_EQ(strip.middlePart()->geometry(), QRect(20, 0, 220, 19));
    EXPECT_EQ(strip.endHandle()->geometry(), QRect(240, 0, 19, 19));
    EXPECT_EQ(strip.rightPart()->geometry(), QRect(259, 0, 1, 19));
    model.SetLeft(50);
    model.SetRight(30);
    EXPECT_EQ(strip.startHandle()->x(), 50);
    EXPECT_EQ(strip.endHandle()->x(), 211);
    EXPECT_EQ(strip.middlePart()->width(), 142);
    EXPECT_TRUE(strip.repaintTimer().isActive());
    EXPECT_EQ(strip.repaintTimer().interval(), 10);
    EXPECT_EQ(strip.startHandle()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(StripWidget, DraggingMovesTheHandlesWithinTheirLimits)
{
    QTest::mousePress(strip.startHandle(), Qt::LeftButton, {}, QPoint(9, 9));
    QTest::mouseMove(strip.startHandle(), QPoint(9 + 109, 9));
    EXPECT_EQ(model.Left(), 110);
    EXPECT_EQ(start(), "00:01:38"); // 49 % of 200 s, set while dragging
    QTest::mouseRelease(strip.startHandle(), Qt::LeftButton, {}, QPoint(9, 9));
    EXPECT_EQ(model.Left(), 110);

    // Far past the end handle: every part keeps 1 px.
    QTest::mousePress(strip.startHandle(), Qt::LeftButton, {}, QPoint(9, 9));
    QTest::mouseMove(strip.startHandle(), QPoint(400, 9));
    QTest::mouseRelease(strip.startHandle(), Qt::LeftButton, {}, QPoint(9, 9));
    EXPECT_EQ(model.Left(), 220);
    EXPECT_EQ(model.Middle(), 1);

    // The end handle grows its image to the right as it moves left; Esc ends the drag.
    model.SetLeft(1);
    QTest::mousePress(strip.endHandle(), Qt::LeftButton, {}, QPoint(9, 9));
    QTest::mouseMove(strip.endHandle(), QPoint(9 - 109, 9));
    EXPECT_EQ(model.Right(), 110);
    EXPECT_EQ(end(), "00:01:40");
    QTest::keyClick(strip.endHandle(), Qt::Key_Escape);
    QTest::mouseMove(strip.endHandle(), QPoint(9 - 20, 9));
    EXPECT_EQ(model.Right(), 110); // no longer dragged
    QTest::mouseRelease(strip.endHandle(), Qt::LeftButton, {}, QPoint(9, 9));
}

TEST_F(StripWidget, ClicksStepTheHandles)
{
    model.SetRight(40);
    QTest::mouseClick(strip.rightPart(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 9));
    EXPECT_EQ(model.Right(), 30);
    QTest::mouseClick(strip.rightPart(), Qt::RightButton, {}, QPoint(5, 9));
    EXPECT_EQ(model.Right(), 30);
    model.SetLeft(40);
    QTest::mouseClick(strip.leftPart(), Qt::LeftButton, Qt::ControlModifier, QPoint(5, 9));
    EXPECT_EQ(model.Left(), 39);
    QTest::mouseDClick(strip.leftPart(), Qt::LeftButton, {}, QPoint(5, 9));
    EXPECT_LE(model.Left(), 34); // the press and the double click each step 5 px
    QTest::mouseClick(strip.middlePart(), Qt::LeftButton, {}, QPoint(5, 9));
    EXPECT_LE(model.Left(), 34);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *w) { w->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        count += e->type() == QEvent::Paint;
        return false;
    }
};

TEST_F(StripWidget, FacesPaintOnlyWhenWhatTheyShowChanges)
{
    QTest::qWait(100);
    PaintCounter start(strip.startHandle()), end(strip.endHandle());
    int ticks = 0;
    QObject::connect(&strip.repaintTimer(), &QTimer::timeout, [&ticks] { ++ticks; });
    QTest::qWait(300);
    EXPECT_GT(ticks, 5); // the timer goes on ticking
    EXPECT_EQ(start.count, 0);
    EXPECT_EQ(end.count, 0);

    // A moved handle shows itself at its new place; the other one stays as it was.
    model.SetLeft(60);
    QTest::qWait(100);
    EXPECT_GT(start.count, 0);
    EXPECT_EQ(end.count, 0);

    // A drag of the end handle repaints it; once the drag is over, painting stops again.
    QTest::mousePress(strip.endHandle(), Qt::LeftButton, {}, QPoint(9, 9));
    QTest::mouseMove(strip.endHandle(), QPoint(9 - 30, 9));
    QTest::mouseRelease(strip.endHandle(), Qt::LeftButton, {}, QPoint(9 - 30, 9));
    QTest::qWait(100);
    EXPECT_GT(end.count, 0);
    start.count = end.count = 0;
    QTest::qWait(200);
    EXPECT_EQ(start.count + end.count, 0);

    // A new button-face colour is shown at once.
    QPalette pal = strip.startHandle()->palette();
    pal.setColor(QPalette::Button, Qt::darkRed);
    strip.startHandle()->setPalette(pal);
    QTest::qWait(100);
    EXPECT_GT(start.count, 0);
    EXPECT_EQ(strip.startHandle()->grab().toImage().pixelColor(0, 0), QColor(Qt::darkRed));
}

TEST_F(StripWidget, HandleFacesLeaveBlackOut)
{
    const QImage face = strip.startHandle()->grab().toImage();
    const QColor background = strip.startHandle()->palette().color(QPalette::Button);
    EXPECT_EQ(face.pixelColor(0, 0), background); // a black corner of the picture
    const QImage picture = TrimStrip::imgL();
    ASSERT_FALSE(picture.isNull());
    int coloured = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            coloured += face.pixelColor(x, y) != background;
    EXPECT_GT(coloured, 40); // the handle's mark is drawn
}

// Drawn at 150% (QT_SCALE_FACTOR=1.5, as the test is also run), the 200% picture is scaled
// smoothly: the triangle's slanted edges blend into the handle's colour in pixels of colours
// the picture does not have, where scaling pixel by pixel would step them.
TEST_F(StripWidget, HandleEdgesBlendAt150Percent)
{
    if (!qFuzzyCompare(qApp->devicePixelRatio(), 1.5))
        GTEST_SKIP() << "runs at 150% only";
    strip.startHandle()->clearFocus();
    const QImage face = strip.startHandle()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(face.size(), QSize(29, 29)); // 19 x 19 at 150%
    QSet<QRgb> own = {strip.startHandle()->palette().color(QPalette::Button).rgb()};
    const QImage picture = TrimStrip::imgL().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            own.insert(picture.pixel(x, y));
    int blended = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            blended += !own.contains(face.pixel(x, y));
    EXPECT_GE(blended, 10);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// With the focus (Tab reaches the handles), the keyboard moves a handle as a drag does:
// Left and Right by a second of the file, Shift by ten, Home and End to the ends.
TEST_F(StripWidget, KeysMoveTheFocusedHandle)
{
    auto seconds = [](const QString &hhmmss) { return QTime(0, 0).secsTo(QTime::fromString(hhmmss)); };
    ASSERT_TRUE(strip.startHandle()->focusPolicy() & Qt::TabFocus);
    ASSERT_TRUE(strip.endHandle()->focusPolicy() & Qt::TabFocus);

    strip.startHandle()->setFocus();
    QTest::keyClick(strip.startHandle(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(start(), "00:00:10");
    // The strip shows a 200 s file in steps of 2 s: each press moves to the next one.
    QTest::keyClick(strip.startHandle(), Qt::Key_Right);
    EXPECT_EQ(start(), "00:00:12");
    QTest::keyClick(strip.startHandle(), Qt::Key_Right);
    EXPECT_EQ(start(), "00:00:14");
    QTest::keyClick(strip.startHandle(), Qt::Key_Left);
    EXPECT_EQ(start(), "00:00:12");
    QTest::keyClick(strip.startHandle(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(start(), "00:00:02");
    QTest::keyClick(strip.startHandle(), Qt::Key_End);
    EXPECT_LE(model.Middle(), 1); // up to the end handle, as far as a drag goes
    QTest::keyClick(strip.startHandle(), Qt::Key_Home);
    EXPECT_EQ(model.Left(), 1);
    EXPECT_EQ(start(), "00:00:00");

    strip.endHandle()->setFocus();
    QTest::keyClick(strip.endHandle(), Qt::Key_Left, Qt::ShiftModifier);
    const int shortened = seconds(end());
    EXPECT_NEAR(shortened, 190, 2);
    QTest::keyClick(strip.endHandle(), Qt::Key_Left);
    EXPECT_LT(seconds(end()), shortened);
    QTest::keyClick(strip.endHandle(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_GE(seconds(end()), shortened + 8);
    QTest::keyClick(strip.endHandle(), Qt::Key_Home);
    EXPECT_LE(model.Middle(), 1);
    QTest::keyClick(strip.endHandle(), Qt::Key_End);
    EXPECT_EQ(model.Right(), 1);
}

// Without a loaded row the keys do nothing.
TEST(StripWidgetEmpty, KeysWithoutARowDoNothing)
{
    SourceListModel list;
    PreviewPlayer player;
    TrimStripModel model{list, player};
    TrimStrip strip{model};
    const int left = model.Left();
    QTest::keyClick(strip.startHandle(), Qt::Key_Right);
    QTest::keyClick(strip.startHandle(), Qt::Key_End);
    EXPECT_EQ(model.Left(), left);
}
