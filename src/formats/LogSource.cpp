#include "formats/LogSource.h"

#include <sys/stat.h>

#include <algorithm>

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

LogSource::LogSource(Memory memory, std::string path)
    : memory_(std::move(memory)), path_(std::move(path)) {}

LogSource LogSource::fromBytes(std::string bytes, std::string path) {
    return LogSource(Memory{std::move(bytes)}, std::move(path));
}

LogSource::~LogSource() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

size_t LogSource::read(void* buffer, size_t size) {
    if (failed_) {
        return 0;
    }
    if (memory_) {
        size_t got = std::min(size, memory_->bytes.size() - memory_->position);
        memory_->bytes.copy(static_cast<char*>(buffer), got, memory_->position);
        memory_->position += got;
        return got;
    }
    size_t got = std::fread(buffer, 1, size, file_);
    failed_ = got < size && std::ferror(file_) != 0;
    return got;
}

int LogSource::nextByte() {
    if (failed_) {
        return EOF;
    }
    if (memory_) {
        const std::string& bytes = memory_->bytes;
        return memory_->position < bytes.size()
                   ? static_cast<unsigned char>(bytes[memory_->position++])
                   : EOF;
    }
    int c = std::getc(file_);
    failed_ = c == EOF && std::ferror(file_) != 0;
    return c;
}

bool LogSource::readRawLine(std::string& line) {
    line.clear();
    if (memory_) {
        return readMemoryLine(line);
    }
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

bool LogSource::readMemoryLine(std::string& line) {
    std::string_view rest = std::string_view(memory_->bytes).substr(memory_->position);
    size_t end = rest.find('\n');
    size_t length = end == std::string_view::npos ? rest.size() : end + 1;
    line.assign(rest.substr(0, std::min(length, kMaxLine)));
    memory_->position += length;
    return !line.empty();
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
    if (memory_) {
        memory_->position = 0;
        return;
    }
    std::clearerr(file_);
    std::fseek(file_, 0, SEEK_SET);
}

std::optional<ClockParts> LogSource::modificationTime() const {
    if (memory_) {
        return std::nullopt;
    }
    return fileModificationTime(path_);
}

}  // namespace sorvak
