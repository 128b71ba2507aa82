#include "platform/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/FullDisk.h"
#include "support/TempDir.h"

namespace sorvak {
namespace {

namespace fs = std::filesystem;

// The names in the folder, so a test can see that no temporary file is left.
std::vector<std::string> entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

mode_t permissionsOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

// A write that fails with a full disk once `budget` bytes are written.
WriteBytes failingAfter(size_t budget) {
    return [budget](int fd, const char* data, size_t size) mutable -> ssize_t {
        if (budget == 0) {
            errno = ENOSPC;
            return -1;
        }
        size_t part = std::min(size, budget);
        budget -= part;
        return ::write(fd, data, part);
    };
}

TEST(AtomicFile, ReplacesAFileAndKeepsItsPermissions) {
    test::TempDir dir;
    std::string path = dir.write("log.qgb", "old bytes");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    // Only a privileged saver can keep another user's file theirs.
    bool privileged = geteuid() == 0;
    if (privileged) {
        ASSERT_EQ(chown(path.c_str(), 4321, 4322), 0);
    }
    ASSERT_TRUE(replaceFileContents(path, "new"));
    EXPECT_EQ(test::readFile(path), "new");
    EXPECT_EQ(permissionsOf(path), 0640u);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    if (privileged) {
        EXPECT_EQ(info.st_uid, 4321u);
        EXPECT_EQ(info.st_gid, 4322u);
    }
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"log.qgb"});
}

TEST(AtomicFile, CreatesANewFileAsTheCreationMaskSays) {
    test::TempDir dir;
    mode_t old = umask(022);
    bool written = replaceFileContents(dir.file("new.spc"), "");
    umask(old);
    ASSERT_TRUE(written);
    EXPECT_EQ(test::readFile(dir.file("new.spc")), "");
    EXPECT_EQ(permissionsOf(dir.file("new.spc")), 0644u);
}

TEST(AtomicFile, FollowsSymbolicLinksToTheFileTheyName) {
    test::TempDir dir;
    fs::create_directory(dir.file("real"));
    std::string target = dir.write("real/log.all", "old");
    fs::create_symlink("real/log.all", dir.file("hop"));
    fs::create_symlink(dir.file("hop"), dir.file("link.all"));
    ASSERT_TRUE(replaceFileContents(dir.file("link.all"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.all")));
    EXPECT_TRUE(fs::is_symlink(dir.file("hop")));
    EXPECT_EQ(test::readFile(target), "new");
    EXPECT_EQ(entries(dir.file("real")), std::vector<std::string>{"log.all"});
}

TEST(AtomicFile, RefusesWhatIsNotARegularFile) {
    test::TempDir dir;
    fs::create_directory(dir.file("folder"));
    ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0600), 0);
    fs::create_symlink("loop", dir.file("loop"));
    for (const char* name : {"folder", "fifo", "loop", "missing/x.qgb"}) {
        EXPECT_FALSE(replaceFileContents(dir.file(name), "bytes")) << name;
    }
    EXPECT_TRUE(fs::is_empty(dir.file("folder")));
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"fifo", "folder", "loop"}));
}

TEST(AtomicFile, RefusesAFileWithoutWritePermissionInAWritableFolder) {
    test::TempDir dir;
    std::string path = dir.write("log.qgb", "old bytes");
    fs::create_symlink("log.qgb", dir.file("link.qgb"));
    for (mode_t mode : {0444, 0555, 0000}) {
        ASSERT_EQ(chmod(path.c_str(), mode), 0);
        EXPECT_FALSE(replaceFileContents(path, "new")) << mode;
        EXPECT_FALSE(replaceFileContents(dir.file("link.qgb"), "new")) << mode;
        EXPECT_EQ(permissionsOf(path), mode);
    }
    ASSERT_EQ(chmod(path.c_str(), 0644), 0);
    EXPECT_EQ(test::readFile(path), "old bytes");
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"link.qgb", "log.qgb"}));
}

TEST(AtomicFile, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    test::TempDir dir;
    std::string path = dir.write("log.qgb", "old bytes");
    std::string bytes(100000, 'x');
    for (size_t budget : {size_t{0}, size_t{1}, size_t{65536}, bytes.size() - 1}) {
        EXPECT_FALSE(replaceFileContents(path, bytes, failingAfter(budget))) << budget;
        EXPECT_EQ(test::readFile(path), "old bytes");
        EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"log.qgb"});
    }
    EXPECT_TRUE(replaceFileContents(path, bytes, failingAfter(bytes.size())));
    EXPECT_EQ(test::readFile(path), bytes);
}

TEST(AtomicFile, AFullDiskLeavesTheOldFileAndNoTemporary) {
    test::TempDir dir;
    std::string path = dir.write("log.qgb", "old bytes");
    std::string bytes(10000, 'x');
    EXPECT_TRUE(test::holdsOnAFullDisk(4096, [&] { return !replaceFileContents(path, bytes); }));
    EXPECT_EQ(test::readFile(path), "old bytes");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"log.qgb"});
}

}  // namespace
}  // namespace sorvak
