// The skin pictures compiled into the program: every one comes at 100% and at 200%, and the
// program picks the picture for the screen's scale. Runs at QT_SCALE_FACTOR=2.

#include "shell/SkinPicture.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QStringList skinPictures()
{
    QStringList pictures;
    QDirIterator it(QStringLiteral(":/skin"), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QLatin1String("@2x.png")))
            pictures << path;
    }
    return pictures;
}

TEST(SkinPicture, EveryPictureComesAtTwiceTheSize)
{
    const QStringList pictures = skinPictures();
    // Main window, progress dialog and busy window pictures.
    ASSERT_GE(pictures.size(), 50);
    for (const QString &path : pictures) {
        SCOPED_TRACE(path.toStdString());
        const QImage small(path);
        const QImage large(SkinPath2x(path));
        ASSERT_FALSE(small.isNull());
        ASSERT_FALSE(large.isNull());
        EXPECT_EQ(large.size(), small.size() * 2);
    }
}

TEST(SkinPicture, AboveOneHundredPercentThe200PercentPictureCoversTheSamePlace)
{
    ASSERT_GT(qGuiApp->devicePixelRatio(), 1.0);
    const QString path = QStringLiteral(":/skin/main/btnConvert_up.png");
    const QPixmap picture = SkinPixmap(path);
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.size(), QSize(220, 80));
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(110, 40));
    EXPECT_EQ(SkinPath2x(path), QStringLiteral(":/skin/main/btnConvert_up@2x.png"));
}

TEST(SkinPicture, WithoutA200PercentPictureThe100PercentOneIsTaken)
{
    // The window outlines are read from the 100% pictures; a name without a 200% picture
    // still loads.
    QImage one(4, 4, QImage::Format_RGB32);
    one.fill(Qt::red);
    const QString path = QDir::temp().filePath(QStringLiteral("clipwright-skin-test.png"));
    ASSERT_TRUE(one.save(path));
    const QPixmap picture = SkinPixmap(path);
    EXPECT_EQ(picture.size(), QSize(4, 4));
    EXPECT_EQ(picture.devicePixelRatio(), 1.0);
    QFile::remove(path);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
