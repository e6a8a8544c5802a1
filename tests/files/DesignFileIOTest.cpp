#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>

#include "files/DesignFileIO.h"

using namespace kestrel::designfile;
namespace fs = std::filesystem;

namespace {

class DesignFileIO : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kestrel-io-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }
    void put(const char* name, std::vector<std::uint8_t> bytes) const {
        std::ofstream(path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::vector<std::uint8_t> get(const char* name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
};

TEST_F(DesignFileIO, ListsOnlyRegularFilesEndingInKst) {
    for (const char* name : {"b.kst", "a.kst", "A.KST", "c.kst.bak", "kst", "d.kst.kst", "notes.txt"})
        put(name, {1});
    fs::create_directory(dir_ / "folder.kst");
    fs::create_symlink(dir_ / "a.kst", dir_ / "link.kst");
    fs::create_symlink(dir_ / "missing", dir_ / "dangling.kst");
    EXPECT_EQ(listDesignFiles(dir_.string()),
              (std::vector<std::string>{"a.kst", "b.kst", "d.kst.kst", "link.kst"}));
}

TEST_F(DesignFileIO, AnEmptyOrMissingDirectoryListsNothing) {
    EXPECT_TRUE(listDesignFiles(dir_.string()).empty());
    EXPECT_TRUE(listDesignFiles((dir_ / "gone").string()).empty());
}

TEST_F(DesignFileIO, WritingOverAFileKeepsWhatLiesBeyondTheImage) {
    put("long.kst", std::vector<std::uint8_t>(10, 7));
    EXPECT_EQ(writeFileHead(path("long.kst"), std::vector<std::uint8_t>{1, 2, 3}), "");
    EXPECT_EQ(get("long.kst"), (std::vector<std::uint8_t>{1, 2, 3, 7, 7, 7, 7, 7, 7, 7}));

    put("short.kst", {9});
    EXPECT_EQ(writeFileHead(path("short.kst"), std::vector<std::uint8_t>{1, 2, 3}), "");
    EXPECT_EQ(get("short.kst"), (std::vector<std::uint8_t>{1, 2, 3}));

    EXPECT_EQ(writeFileHead(path("new.kst"), std::vector<std::uint8_t>{4, 5}), "");
    EXPECT_EQ(get("new.kst"), (std::vector<std::uint8_t>{4, 5}));
}

TEST_F(DesignFileIO, FailuresGiveTheSystemsReasonAndLeaveNoFile) {
    EXPECT_EQ(writeFileHead(path("nodir/x.kst"), std::vector<std::uint8_t>{1}),
              "No such file or directory");
    const std::string longName = (dir_ / (std::string(300, 'a') + ".kst")).string();
    EXPECT_EQ(writeFileHead(longName, std::vector<std::uint8_t>{1}), "File name too long");
    EXPECT_TRUE(listDesignFiles(dir_.string()).empty());

    // A device that is always full: the write fails after the open succeeded.
    fs::create_symlink("/dev/full", dir_ / "full.kst");
    EXPECT_EQ(writeFileHead(path("full.kst"), std::vector<std::uint8_t>(1630, 1)),
              "No space left on device");

    EXPECT_EQ(eraseFile(path("gone.kst")), "No such file or directory");
    EXPECT_EQ(readFileHead(path("gone.kst"), 10).error, "No such file or directory");
}

TEST_F(DesignFileIO, ReadsAtMostTheLimit) {
    put("big.kst", std::vector<std::uint8_t>(3000, 5));
    const FileBytes head = readFileHead(path("big.kst"), 1750);
    EXPECT_EQ(head.error, "");
    EXPECT_EQ(head.bytes, std::vector<std::uint8_t>(1750, 5));
    put("small.kst", {1, 2});
    EXPECT_EQ(readFileHead(path("small.kst"), 1750).bytes, (std::vector<std::uint8_t>{1, 2}));
    EXPECT_NE(readFileHead(dir_.string(), 1750).error, "");
}

TEST_F(DesignFileIO, EraseRemovesTheFile) {
    put("x.kst", {1});
    EXPECT_EQ(eraseFile(path("x.kst")), "");
    EXPECT_FALSE(fs::exists(dir_ / "x.kst"));
}

} // namespace
