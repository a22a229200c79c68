// Where an installed program keeps the user's files.
#include "ProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramFolderRule, InstalledProgramUsesTheUsersFolderEvenWhenItsFolderIsWritable) {
    QTemporaryDir dir;
    const QString installed = dir.path() + "/usr";
    const QString portable = dir.path() + "/portable";
    ASSERT_TRUE(QDir().mkpath(installed + "/bin") && QDir().mkpath(installed + "/share/sorvi"));
    ASSERT_TRUE(QDir().mkpath(portable + "/bin"));
    const QString home = dir.path() + "/home";

    EXPECT_EQ(ChooseProgramFolder("", installed + "/bin", home), home + "/.local/share/sorvi/");
    EXPECT_EQ(ChooseProgramFolder("", portable + "/bin", home), portable + "/bin/");
    EXPECT_EQ(ChooseProgramFolder(dir.path() + "/own", installed + "/bin", home), dir.path() + "/own/");
}
