#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/FileTime.h"

namespace sorvak {

// Opens a file for reading in binary mode, as fopen does. Tests swap it to
// see what happens when a file that exists cannot be read (they run with
// the right to read any file).
using FileOpener = std::FILE* (*)(const char* path);
extern FileOpener openFileForReading;

// A log file open for reading in binary mode, with the line reading that
// every text reader shares. A read that fails (an I/O error, not the end of
// the file) stops every later read and is remembered: what was read then is
// not the whole file. The bytes come from a file or from memory; the readers
// see no difference.
class LogSource {
  public:
    // The longest line a reader takes, line feed included. The rest of a
    // longer line is skipped: it is never read as a line of its own.
    static constexpr size_t kMaxLine = 254;

    // Opens `path`; check isOpen().
    explicit LogSource(const std::string& path);
    // Takes an already open stream (owned and closed by this object).
    LogSource(std::FILE* file, std::string path);
    // Reads `bytes` as the content of a file named `path`, which has no
    // modification time.
    static LogSource fromBytes(std::string bytes, std::string path);
    ~LogSource();
    LogSource(const LogSource&) = delete;
    LogSource& operator=(const LogSource&) = delete;

    bool isOpen() const { return file_ != nullptr || memory_.has_value(); }
    // True when the path names a regular file that could not be opened (no
    // read permission, say), as opposed to a name that does not exist.
    bool isUnreadable() const { return unreadable_; }
    const std::string& path() const { return path_; }

    // Reads up to `size` bytes; returns how many were read.
    size_t read(void* buffer, size_t size);
    // Reads one line of at most kMaxLine bytes and strips one LF and then one
    // CR. False at the end of the file or after a failed read.
    bool readLine(std::string& line);
    // Reads one line as readLine does but keeps its line end.
    bool readRawLine(std::string& line);
    // Back to the first byte; a failed read stays remembered.
    void rewind();
    // True once a read has failed.
    bool failed() const { return failed_; }

    // The file's last-modification time in local time.
    std::optional<ClockParts> modificationTime() const;

  private:
    struct Memory {
        std::string bytes;
        size_t position = 0;
    };
    LogSource(Memory memory, std::string path);

    // The next byte, or EOF at the end of the file or after a failed read.
    int nextByte();
    // readRawLine over bytes in memory, a line at a time.
    bool readMemoryLine(std::string& line);

    std::FILE* file_ = nullptr;
    std::optional<Memory> memory_;
    std::string path_;
    bool unreadable_ = false;
    bool failed_ = false;
};

}  // namespace sorvak
