#pragma once
// The one way sectioned text is split into lines: LF ends a line and one CR
// before it is dropped; a last line without LF counts when it is not empty.
#include <string>

namespace bw::platform {

// Opens `path` (open(2) flags, close-on-exec added) only when it is a regular
// file; -1 otherwise.
int OpenRegularFile(const std::string& path, int flags);

// Reads a regular file (or text already in memory) line by line, holding one
// line and one 8192-byte block of the file.
class LineReader {
public:
    explicit LineReader(const std::string& path);
    struct Text {
        std::string bytes;
    };
    explicit LineReader(Text text);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;
    // The file opened (text is always open).
    bool ok() const { return ok_; }
    // A read error happened (the lines so far are incomplete).
    bool failed() const { return failed_; }
    bool Next(std::string& line);

private:
    void Fill();
    int fd_ = -1;
    bool ok_ = false;
    std::string buf_;
    size_t pos_ = 0;
    bool eof_ = false;
    bool failed_ = false;
};

}  // namespace bw::platform
