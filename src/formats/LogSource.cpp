#include "formats/LogSource.h"

#include <sys/stat.h>

namespace sorvak {

FileOpener openFileForReading = [](const char* path) { return std::fopen(path, "rb"); };

// Only regular files are logs: a folder, a device or a FIFO counts as a
// file that cannot be opened (a FIFO would otherwise block the reader).
LogSource::LogSource(const std::string& path) : path_(path) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        file_ = openFileForReading(path.c_str());
        unreadable_ = file_ == nullptr;
    }
}

LogSource::LogSource(std::FILE* file, std::string path) : file_(file), path_(std::move(path)) {}

LogSource::~LogSource() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

size_t LogSource::read(void* buffer, size_t size) {
    if (failed_) {
        return 0;
    }
    size_t got = std::fread(buffer, 1, size, file_);
    failed_ = got < size && std::ferror(file_) != 0;
    return got;
}

int LogSource::nextByte() {
    if (failed_) {
        return EOF;
    }
    int c = std::getc(file_);
    failed_ = c == EOF && std::ferror(file_) != 0;
    return c;
}

bool LogSource::readRawLine(std::string& line) {
    line.clear();
    int c = EOF;
    while (line.size() < kMaxLine && (c = nextByte()) != EOF) {
        line.push_back(static_cast<char>(c));
        if (c == '\n') {
            return true;
        }
    }
    // A line cut at kMaxLine: its remainder, up to and including its line
    // feed, is not a line.
    if (line.size() == kMaxLine) {
        while ((c = nextByte()) != EOF && c != '\n') {
        }
    }
    return !failed_ && !line.empty();
}

bool LogSource::readLine(std::string& line) {
    if (!readRawLine(line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

void LogSource::rewind() {
    std::clearerr(file_);
    std::fseek(file_, 0, SEEK_SET);
}

std::optional<ClockParts> LogSource::modificationTime() const {
    return fileModificationTime(path_);
}

}  // namespace sorvak
