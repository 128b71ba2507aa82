#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <random>
#include <utility>

namespace sorvak {
namespace {

constexpr int kMaxLinkHops = 40;
constexpr int kMaxNameAttempts = 100;

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The path with every symbolic link at its end followed; nothing for a loop
// or an unreadable link.
std::optional<std::string> followLinks(std::string path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        std::string target(static_cast<size_t>(info.st_size) + 1, '\0');
        ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<size_t>(length) >= target.size()) {
            return std::nullopt;
        }
        target.resize(static_cast<size_t>(length));
        path = target.front() == '/' ? target : folderOf(path) + "/" + target;
    }
    return std::nullopt;
}

// What the new file takes over from the file it replaces.
struct FileAccess {
    mode_t permissions;
    std::pair<uid_t, gid_t> owner;
};

// The existing target's permissions and owner; nothing for a new file, which
// keeps the permissions it is created with. False for a target that is not a
// regular file or may not be written.
bool accessFor(const std::string& path, std::optional<FileAccess>& access) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) {
        // The rename would replace a file the saver may not write (a file
        // made read-only, another user's file) just because its folder is
        // writable; such a file is refused, even for a privileged saver.
        if (!S_ISREG(info.st_mode) || (info.st_mode & 0222) == 0 ||
            ::access(path.c_str(), W_OK) != 0) {
            return false;
        }
        access = FileAccess{info.st_mode & 07777, std::pair{info.st_uid, info.st_gid}};
        return true;
    }
    return errno == ENOENT;
}

// Creates a file of a new name in the folder, with the permissions the
// process's file-creation mask leaves of rw-rw-rw-, as any new file gets;
// its descriptor, or -1.
int createTemporary(const std::string& folder, std::string& name) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        name = folder + "/.sorvak-save-";
        for (int i = 0; i < 6; ++i) {
            name += kLetters[random() % (sizeof kLetters - 1)];
        }
        int fd = open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes, const WriteBytes& write) {
    while (!bytes.empty()) {
        ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Makes the folder's new entry durable; a folder that cannot be synced
// leaves the file written all the same.
void syncFolder(const std::string& folder) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

bool fillNewFile(int fd, const std::optional<FileAccess>& access, std::string_view bytes,
                 const WriteBytes& write) {
    bool kept = true;
    if (access) {
        // Only a privileged saver can hand the file back to its owner; anyone
        // else becomes its owner, as with any new file.
        [[maybe_unused]] int ignored = fchown(fd, access->owner.first, access->owner.second);
        kept = fchmod(fd, access->permissions) == 0;
    }
    bool written = kept && writeAll(fd, bytes, write) && fsync(fd) == 0;
    return close(fd) == 0 && written;
}

}  // namespace

ssize_t writeToDescriptor(int fd, const char* data, size_t size) {
    return ::write(fd, data, size);
}

bool replaceFileContents(const std::string& path, std::string_view bytes, const WriteBytes& write) {
    std::optional<std::string> target = followLinks(path);
    std::optional<FileAccess> access;
    if (!target || !accessFor(*target, access)) {
        return false;
    }
    std::string folder = folderOf(*target);
    std::string temporary;
    int fd = createTemporary(folder, temporary);
    if (fd < 0) {
        return false;
    }
    if (!fillNewFile(fd, access, bytes, write) || rename(temporary.c_str(), target->c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

}  // namespace sorvak
