#include "app/platform_profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace linkvale;

namespace {

TEST(WindowsFavoritesFolder, FollowsTheUserFolderOfTheStartFolder) {
    struct Case {
        const char* start;
        const char* favorites;
    };
    const Case cases[] = {
        {R"(C:\Users\guest1\Documents\App)", R"(C:\Users\guest1\Favorites)"},
        {R"(D:\Users\guest1\Documents\App)", R"(C:\Users\guest1\Favorites)"}, // always C:
        {R"(C:\Users\guest1\App)", R"(C:\Favorites)"}, // too little below the user folder
        {R"(C:\Users\ab\123456789012)", R"(C:\Users\ab\Favorites)"}, // 12 below the user
        {R"(C:\Users\ab\12345678901)", R"(C:\Favorites)"},           // only 11
        {R"(C:\Data\Users\pat\Documents\Linkvale)", R"(C:\Users\pat\Favorites)"},
        {R"(C:\users\guest1\Documents\App)", R"(C:\users\guest1\Documents\App)"}, // case matters
        {R"(C:\Program Files\Linkvale)", R"(C:\Program Files\Linkvale)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(windowsFavoritesFolder(QString::fromLatin1(c.start)),
                  QString::fromLatin1(c.favorites))
            << c.start;
}

TEST(LinuxProfile, PathsAndCaptionsHangBelowTheProgramFolder) {
    const PlatformProfile p = linuxProfile(QStringLiteral("/home/pat/.local/share/linkvale"));
    EXPECT_EQ(p.BMP_PATH, QStringLiteral("/home/pat/.local/share/linkvale/Bmps/"));
    EXPECT_EQ(p.favoritesPath, QStringLiteral("/home/pat/.local/share/linkvale/Favorites"));
    EXPECT_EQ(p.signedOnCaption(QStringLiteral("Samples")),
              QStringLiteral("Linkvale 10.1 for Linux - Samples"));
}

TEST(ProgramFolders, AreMadeInOrderUntilTheFirstThatCannotBe) {
    const QStringList folders = linuxProfile(QString()).programFolders;
    struct Case {
        const char* blocker; // a plain file where a folder should go
        QStringList made;
    };
    const Case cases[] = {
        {nullptr, {"Styles", "Samples", "Bmps", "Images", "Help", "Favorites"}},
        {"Styles", {}},
        {"Bmps", {"Styles", "Samples"}},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        if (c.blocker != nullptr) {
            QFile file(dir.filePath(QLatin1String(c.blocker)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        createProgramFolders(dir.path(), folders);
        const QStringList made = QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        EXPECT_EQ(QSet<QString>(made.begin(), made.end()),
                  QSet<QString>(c.made.begin(), c.made.end()))
            << (c.blocker ? c.blocker : "none");
    }
}

} // namespace
