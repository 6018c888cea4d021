#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/text/data_file.h"
#include "support/temp_dir.h"

namespace tev {
namespace {

using test::slurp;
using test::spit;
using test::TempDir;

TEST(Items, QuotedStringsAndBareNumbers) {
    auto items = parse_items(U"\" 1山田, 太郎\",12, -3 ,\"\"");
    ASSERT_TRUE(items.ok());
    ASSERT_EQ(items->size(), 4u);
    EXPECT_EQ((*items)[0].text, U" 1山田, 太郎");  // commas inside quotes belong to the string
    EXPECT_TRUE((*items)[0].quoted);
    EXPECT_EQ((*items)[1].text, U"12");
    EXPECT_FALSE((*items)[1].quoted);
    EXPECT_EQ((*items)[2].text, U"-3");
    EXPECT_EQ((*items)[3].text, U"");
    EXPECT_TRUE((*items)[3].quoted);
    EXPECT_TRUE(parse_items(U"")->empty());
}

TEST(Items, DamagedLinesAreRefused) {
    EXPECT_FALSE(parse_items(U"\"abc").ok());
    EXPECT_FALSE(parse_items(U"\"abc\"x,1").ok());
}

TEST(ItemFile, ReportsTheFileAndLineOfAFault) {
    TempDir dir;
    spit(dir / "a.DAT", "\"ok\"\r\n\"also\"\r\n\"broken\r\n");
    auto read = read_item_file(dir.path(), "a.DAT");
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error().kind, ErrorKind::damaged);
    EXPECT_EQ(read.error().file, "a.DAT");
    EXPECT_EQ(read.error().line, 3);
    EXPECT_EQ(read.error().describe(), "a.DAT 3行目: 引用符が閉じていません");

    spit(dir / "b.DAT", "\"ok\"\r\n\"\x82\"\r\n");
    read = read_item_file(dir.path(), "b.DAT");
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error().line, 2);

    read = read_item_file(dir.path(), "none.DAT");
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error().kind, ErrorKind::missing);
}

TEST(ItemFile, AcceptsEndOfFileMarksAndBareLineFeeds) {
    TempDir dir;
    spit(dir / "a.DAT", "\"\x8b\x90\"\n\"x\"\r\n\r\n\x1a");
    auto read = read_item_file(dir.path(), "a.DAT");
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read->size(), 2u);
    EXPECT_EQ((*read)[0][0].text, U"巨");
}

TEST(ItemWriter, WritesTheSequentialFormat) {
    ItemWriter writer("w.DAT");
    writer.string(U"巨人").integer(12).integer(-3).string(U"");
    writer.end_line();
    writer.bare(U" 5");
    writer.end_line();
    ASSERT_TRUE(writer.ok());
    EXPECT_EQ(writer.bytes(), "\"\x8b\x90\x90l\",12,-3,\"\"\r\n 5\r\n");
}

TEST(ItemWriter, RefusesTextsTheFileCannotHold) {
    ItemWriter quote("q.DAT");
    quote.string(U"ok").end_line();
    quote.string(U"say \"hi\"");
    ASSERT_FALSE(quote.ok());
    EXPECT_EQ(quote.error().kind, ErrorKind::unencodable);
    EXPECT_EQ(quote.error().line, 2);

    ItemWriter hangul("h.DAT");
    hangul.string(U"김");
    EXPECT_FALSE(hangul.ok());

    TempDir dir;
    spit(dir / "h.DAT", "old");
    EXPECT_FALSE(commit_writers(dir.path(), {&hangul}).ok());
    EXPECT_EQ(slurp(dir / "h.DAT"), "old");
}

TEST(AtomicWrite, ReplacesEveryFileTogether) {
    TempDir dir;
    spit(dir / "a", "old a");
    ASSERT_TRUE(write_files_atomically(dir.path(), {{"a", "new a"}, {"b", "new b"}}).ok());
    EXPECT_EQ(slurp(dir / "a"), "new a");
    EXPECT_EQ(slurp(dir / "b"), "new b");
    EXPECT_FALSE(std::filesystem::exists(dir / "a.tmp"));
}

TEST(AtomicWrite, AFailureHalfwayLeavesEveryFileAsItWas) {
    TempDir dir;
    spit(dir / "a", "old a");
    spit(dir / "b", "old b");
    spit(dir / "c", "old c");
    // The temporary of the third file cannot be created: a folder stands in its place.
    std::filesystem::create_directory(dir / "c.tmp");
    auto status = write_files_atomically(dir.path(), {{"a", "new a"}, {"b", "new b"}, {"c", "new c"}});
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().kind, ErrorKind::write_failed);
    EXPECT_EQ(status.error().file, "c");
    EXPECT_EQ(slurp(dir / "a"), "old a");
    EXPECT_EQ(slurp(dir / "b"), "old b");
    EXPECT_EQ(slurp(dir / "c"), "old c");
    EXPECT_FALSE(std::filesystem::exists(dir / "a.tmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "b.tmp"));
}

}  // namespace
}  // namespace tev
