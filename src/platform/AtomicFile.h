#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace sorvak {

// Writes some of the bytes to an open descriptor as write(2) does: the count
// written, or -1 with errno set.
using WriteBytes = std::function<ssize_t(int fd, const char* data, size_t size)>;

// write(2) itself.
ssize_t writeToDescriptor(int fd, const char* data, size_t size);

// Replaces the file at `path` with `bytes` so that it is never seen emptied or
// half-written: the bytes go to a new file in the same folder, which is
// flushed to the disk and only then renamed over the target. An existing file
// keeps its permissions (and its owner, where the saver may set it); a
// symbolic link is followed, so the file it points to is replaced, not the
// link. A target that exists and is not a regular file, or that the saver may
// not write (no write permission for the saver, or no write bit at all), is
// refused. On any
// failure the target is left as it was, the new file is removed, and false is
// returned.
bool replaceFileContents(const std::string& path, std::string_view bytes,
                         const WriteBytes& write = writeToDescriptor);

}  // namespace sorvak
