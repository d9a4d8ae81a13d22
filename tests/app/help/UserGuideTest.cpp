// Where the program finds its user guide.
#include "app/help/UserGuide.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(UserGuide, IsFoundInTheFirstFolderThatHoldsIt)
{
    QTemporaryDir empty;
    QTemporaryDir installed;
    QFile guide(installed.filePath(QLatin1String(userguide::kFileName)));
    ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
    guide.close();
    EXPECT_EQ(userguide::locate({ empty.path() }), QString());
    EXPECT_EQ(userguide::locate({ empty.path(), installed.path() }), QFileInfo(guide).absoluteFilePath());
    EXPECT_FALSE(userguide::locate().isEmpty()); // the build tree's own guide
}
