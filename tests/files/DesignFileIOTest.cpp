#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <csignal>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>

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
    for (const char* name :
         {"b.kst", "a.kst", "A.KST", "c.kst.bak", "kst", "d.kst.kst", "notes.txt", ".hidden.kst"})
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

TEST_F(DesignFileIO, ReplacingWritesTheWholeFileAndKeepsItsPermissions) {
    put("long.kst", std::vector<std::uint8_t>(10, 7));
    fs::permissions(dir_ / "long.kst", fs::perms(0640));
    EXPECT_EQ(replaceFile(path("long.kst"), std::vector<std::uint8_t>{1, 2, 3}), "");
    EXPECT_EQ(get("long.kst"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(fs::status(dir_ / "long.kst").permissions(), fs::perms(0640));

    EXPECT_EQ(replaceFile(path("new.kst"), std::vector<std::uint8_t>{4, 5}), "");
    EXPECT_EQ(get("new.kst"), (std::vector<std::uint8_t>{4, 5}));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(fs::status(dir_ / "new.kst").permissions(), fs::perms(0666 & ~mask));

    // Through a link: the link stays, the file it names gets the bytes.
    fs::create_symlink(dir_ / "new.kst", dir_ / "link.kst");
    EXPECT_EQ(replaceFile(path("link.kst"), std::vector<std::uint8_t>{6}), "");
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.kst"));
    EXPECT_EQ(get("new.kst"), (std::vector<std::uint8_t>{6}));
    EXPECT_TRUE(fileExists(path("link.kst")));
    EXPECT_FALSE(fileExists(path("none.kst")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3); // no temporary left
}

TEST_F(DesignFileIO, FailuresGiveTheSystemsReasonAndLeaveTheOldFile) {
    EXPECT_EQ(replaceFile(path("nodir/x.kst"), std::vector<std::uint8_t>{1}),
              "No such file or directory");
    const std::string longName = (dir_ / (std::string(300, 'a') + ".kst")).string();
    EXPECT_EQ(replaceFile(longName, std::vector<std::uint8_t>{1}), "File name too long");
    EXPECT_TRUE(listDesignFiles(dir_.string()).empty());

    fs::create_symlink("/dev/full", dir_ / "full.kst");
    EXPECT_EQ(replaceFile(path("full.kst"), std::vector<std::uint8_t>(1630, 1)),
              "it is not a regular file");
    fs::create_directory(dir_ / "folder.kst");
    EXPECT_EQ(replaceFile(path("folder.kst"), std::vector<std::uint8_t>{1}), "Is a directory");

    // The disk fills up in the middle of the write: the old file is untouched.
    // The signal keeps its default, which would end the test program as the real one: the write must keep it away.
    put("old.kst", std::vector<std::uint8_t>(1750, 9));
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldSignal = ::signal(SIGXFSZ, SIG_DFL);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const std::string reason = replaceFile(path("old.kst"), std::vector<std::uint8_t>(3000, 1));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(::signal(SIGXFSZ, oldSignal), SIG_DFL); // given back as it was
    EXPECT_EQ(reason, "File too large");
    EXPECT_EQ(get("old.kst"), std::vector<std::uint8_t>(1750, 9));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);

    EXPECT_EQ(eraseFile(path("gone.kst")), "No such file or directory");
    EXPECT_EQ(readFileHead(path("gone.kst"), 10).error, "No such file or directory");
}

TEST_F(DesignFileIO, AFileWithoutWriteBitsIsNeverReplacedNamesNotInUtf8AreMadeReadable) {
    // Judged on the bits: as root, access() would allow every one of these.
    const std::pair<unsigned, bool> cases[] = {{0444, true}, {0400, true}, {0000, true},
                                               {0644, false}, {0464, false}, {0446, false}};
    const std::vector<std::uint8_t> old(1750, 3), next{1};
    fs::create_symlink(dir_ / "d.kst", dir_ / "link.kst"); // the file it names counts
    for (const auto& [mode, readOnly] : cases) {
        put("d.kst", old);
        fs::permissions(dir_ / "d.kst", fs::perms(mode));
        EXPECT_EQ(isReadOnly(path("link.kst")), readOnly) << mode;
        EXPECT_EQ(replaceFile(path("link.kst"), next), readOnly ? "Permission denied" : "") << mode;
        EXPECT_EQ(get("d.kst"), readOnly ? old : next) << mode;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2); // no temporary
        fs::remove(dir_ / "d.kst");
    }
    EXPECT_FALSE(isReadOnly(path("missing.kst")));

    // Names that are not UTF-8 are made readable.
    const std::pair<std::string, std::string> names[] = {
        {"Mischer-\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x93\xA1.kst", "Mischer-\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x93\xA1.kst"},
        {"Mischer-\xE9.kst", "Mischer-\\xE9.kst"},                     // Latin-1
        {"a\xC0\xAF\xED\xA0\x80", "a\\xC0\\xAF\\xED\\xA0\\x80"}, // overlong "/", a surrogate
        {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},         // beyond U+10FFFF
        {"\xE4\xB8x\xFF\xC3\xA9", "\\xE4\\xB8x\\xFF\xC3\xA9"}, // cut short, never a lead
    };
    for (const auto& [bytes, shown] : names) EXPECT_EQ(readableName(bytes), shown) << shown;
}

TEST_F(DesignFileIO, ReadsAtMostTheLimit) {
    put("big.kst", std::vector<std::uint8_t>(3000, 5));
    const FileBytes head = readFileHead(path("big.kst"), 1750);
    EXPECT_EQ(head.error, "");
    EXPECT_EQ(head.bytes, std::vector<std::uint8_t>(1750, 5));
    put("small.kst", {1, 2});
    EXPECT_EQ(readFileHead(path("small.kst"), 1750).bytes, (std::vector<std::uint8_t>{1, 2}));
    EXPECT_NE(readFileHead(dir_.string(), 1750).error, "");
    // A FIFO in a design's place is refused at once instead of waiting for a writer.
    ASSERT_EQ(::mkfifo(path("pipe.kst").c_str(), 0600), 0);
    EXPECT_EQ(readFileHead(path("pipe.kst"), 1750).error, "it is not a regular file");
}

TEST_F(DesignFileIO, EraseRemovesTheFile) {
    put("x.kst", {1});
    EXPECT_EQ(eraseFile(path("x.kst")), "");
    EXPECT_FALSE(fs::exists(dir_ / "x.kst"));
}

} // namespace
