// The user's data folder: where it is, and its first-start filling from the shipped files.
#include "ui/shell/user_data_folder.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "support/temp_dir.h"

namespace tev::ui {
namespace {

namespace fs = std::filesystem;

// The folder rule of the Linux desktop (XDG), on POSIX paths: "/home/u" names no folder on Windows.
#ifdef _WIN32
#define TEVARDIN_POSIX_PATHS_ONLY() GTEST_SKIP() << "the rule of the Linux desktop, on POSIX paths"
#else
#define TEVARDIN_POSIX_PATHS_ONLY() static_cast<void>(0)
#endif

TEST(UserDataFolder, XdgDataHomeWinsOverHome) {
    TEVARDIN_POSIX_PATHS_ONLY();
    EXPECT_EQ(user_data_folder("/x/data", "/home/u"), fs::path("/x/data/tevardin"));
}

TEST(UserDataFolder, UnsetOrRelativeXdgDataHomeFallsBackToHome) {
    TEVARDIN_POSIX_PATHS_ONLY();
    EXPECT_EQ(user_data_folder(nullptr, "/home/u"), fs::path("/home/u/.local/share/tevardin"));
    EXPECT_EQ(user_data_folder("", "/home/u"), fs::path("/home/u/.local/share/tevardin"));
    EXPECT_EQ(user_data_folder("rel/dir", "/home/u"), fs::path("/home/u/.local/share/tevardin"));
}

TEST(UserDataFolder, OnWindowsItIsTheRoamingApplicationDataFolders) {
#ifndef _WIN32
    GTEST_SKIP() << "the Windows desktop's own folder";
#else
    const fs::path folder = user_data_folder("/x/data", "/home/u");  // neither counts there
    EXPECT_TRUE(folder.is_absolute());
    EXPECT_EQ(folder.filename(), fs::path("Tevardin"));
#endif
}

TEST(UserDataFolder, NoHomeAtAllGivesNoFolder) {
    TEVARDIN_POSIX_PATHS_ONLY();
    EXPECT_TRUE(user_data_folder(nullptr, nullptr).empty());
    EXPECT_TRUE(user_data_folder(nullptr, "relative").empty());
}

TEST(ShippedDataFolder, SitsInShareBesideTheBinFolder) {
    EXPECT_EQ(shipped_data_folder("/usr/bin/tevardin", nullptr), fs::path("/usr/share/tevardin/data"));
    EXPECT_EQ(shipped_data_folder("/usr/bin/tevardin", "/src/data"), fs::path("/src/data"));
}

TEST(SeedUserData, FirstStartCopiesEveryShippedFileIntoANewFolder) {
    test::TempDir tmp;
    fs::create_directories(tmp / "shipped");
    test::spit(tmp / "shipped/Tevardin.ini", "Disp Year= 1996\r\n1996\r\n");
    test::spit(tmp / "shipped/TEVARDIN.HLP", "help");
    const fs::path target = tmp / "home/.local/share/tevardin";
    ASSERT_TRUE(seed_user_data(tmp / "shipped", target));
    EXPECT_EQ(test::slurp(target / "Tevardin.ini"), "Disp Year= 1996\r\n1996\r\n");
    EXPECT_EQ(test::slurp(target / "TEVARDIN.HLP"), "help");
}

TEST(SeedUserData, NeverOverwritesTheUsersOwnFiles) {
    test::TempDir tmp;
    fs::create_directories(tmp / "shipped");
    fs::create_directories(tmp / "mine");
    test::spit(tmp / "shipped/Tev_1996.DAT", "empty season");
    test::spit(tmp / "shipped/TEVARDIN.HLP", "new help");
    test::spit(tmp / "mine/Tev_1996.DAT", "the user's season");
    ASSERT_TRUE(seed_user_data(tmp / "shipped", tmp / "mine"));
    EXPECT_EQ(test::slurp(tmp / "mine/Tev_1996.DAT"), "the user's season");
    EXPECT_EQ(test::slurp(tmp / "mine/TEVARDIN.HLP"), "new help");  // a file it lacked is added
}

TEST(SeedUserData, NoShippedDataStillMakesTheFolder) {
    test::TempDir tmp;
    ASSERT_TRUE(seed_user_data(tmp / "nowhere", tmp / "mine"));
    EXPECT_TRUE(fs::is_directory(tmp / "mine"));
}

TEST(SeedUserData, AFolderThatCannotBeMadeIsToldNotHidden) {
#ifdef _WIN32
    GTEST_SKIP() << "a read-only folder is made with POSIX modes";
#else
    if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    test::TempDir tmp;
    fs::create_directories(tmp / "locked");
    ::chmod((tmp / "locked").c_str(), 0500);
    const Status seeded = seed_user_data(tmp / "nowhere", tmp / "locked/tevardin");
    ::chmod((tmp / "locked").c_str(), 0700);
    ASSERT_FALSE(seeded);
    EXPECT_EQ(seeded.error().kind, ErrorKind::write_failed);
#endif
}

TEST(SeedUserData, AFileInTheWayOfTheFolderIsAnError) {
    test::TempDir tmp;
    test::spit(tmp / "tevardin", "not a folder");
    EXPECT_FALSE(seed_user_data(tmp / "nowhere", tmp / "tevardin"));
}

}  // namespace
TEST(SeedNewFolder, ANamedFolderThatIsMissingOrEmptyIsMadeFromTheShippedData) {
    test::TempDir tmp;
    fs::create_directories(tmp / "shipped");
    test::spit(tmp / "shipped/Tevardin.ini", "Disp Year= 1996\r\n1996\r\n");
    fs::create_directories(tmp / "empty");
    ASSERT_TRUE(seed_new_folder(tmp / "shipped", tmp / "new/season"));
    ASSERT_TRUE(seed_new_folder(tmp / "shipped", tmp / "empty"));
    EXPECT_EQ(test::slurp(tmp / "new/season/Tevardin.ini"), "Disp Year= 1996\r\n1996\r\n");
    EXPECT_EQ(test::slurp(tmp / "empty/Tevardin.ini"), "Disp Year= 1996\r\n1996\r\n");
}

TEST(SeedNewFolder, AFolderWithAnythingInItIsLeftAsItIs) {
    test::TempDir tmp;
    fs::create_directories(tmp / "shipped");
    test::spit(tmp / "shipped/Tevardin.ini", "shipped");
    test::spit(tmp / "shipped/RIRE1996.DAT", "shipped");
    fs::create_directories(tmp / "part");
    test::spit(tmp / "part/Tevardin.ini", "the user's");
    ASSERT_TRUE(seed_new_folder(tmp / "shipped", tmp / "part"));
    EXPECT_EQ(test::slurp(tmp / "part/Tevardin.ini"), "the user's");
    EXPECT_FALSE(fs::exists(tmp / "part/RIRE1996.DAT"));  // the season stays as incomplete as it was
    test::spit(tmp / "a file", "x");
    EXPECT_TRUE(seed_new_folder(tmp / "shipped", tmp / "a file"));  // the start then says it is no folder
    EXPECT_EQ(test::slurp(tmp / "a file"), "x");
}

}  // namespace tev::ui
