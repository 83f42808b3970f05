#include "shell/BackgroundArea.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using quillon::shell::BackgroundArea;

// The picture is decoded off the window's thread; what arrives must fit the area as it is by
// then, and a picture that cannot be decoded after all must not be tried again and again.
TEST(BackgroundArea, PictureFollowsTheAreaSizeAndAnUnreadableOneIsGivenUp) {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.jpg"));
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(good));

    BackgroundArea area;
    ASSERT_TRUE(area.loadPicture(good));
    area.resize(300, 200);
    area.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return area.pictureShown(); }, 5000));
    area.resize(500, 260);
    EXPECT_TRUE(QTest::qWaitFor([&] { return area.pictureShown(); }, 5000));

    // A picture gone by the time it is decoded.
    BackgroundArea gone;
    ASSERT_TRUE(gone.loadPicture(good));
    ASSERT_TRUE(QFile::remove(good));
    gone.resize(300, 200);
    gone.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !gone.hasPicture(); }, 5000));
}
