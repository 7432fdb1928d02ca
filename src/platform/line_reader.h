#pragma once
// The one way sectioned text is split into lines: LF ends a line and one CR
// before it is dropped; a last line without LF counts when it is not empty.
#include <sys/stat.h>

#include <cstddef>
#include <string>

namespace bw::platform {

// Whether a symbolic link in a file's place is followed. The files the
// program writes (in its DATA folder) are taken only as they are: a link
// there is not a file of the program's own, so it is neither read nor
// written through. The read-only program files and the pictures a player
// chooses may be links (packagers and players make them on purpose).
enum class Links { kRefuse, kFollow };

// 0 when `path` is a regular file, else why not: ENOENT missing, ELOOP a
// refused link, EISDIR a folder, ENODEV anything else (a pipe, a device, a
// socket), or the errno of lstat/stat. Looks without opening anything.
int RegularFileProblem(const std::string& path, Links links = Links::kRefuse);

// The reason for a failure as a player reads it: the system's text, but a
// refused link, a file that is no regular file and a UTF-16 text (EILSEQ)
// say what they are.
std::string FileErrorText(int err);

// Whether a regular file is not to be written: it has no write permission
// bit at all (a read-only file, which root respects too) or this user may
// not write it.
bool WriteProtected(const std::string& path, const struct stat& st);

// Opens `path` (open(2) flags, close-on-exec added) only when it is a
// regular file; -1 otherwise, with errno as RegularFileProblem tells it
// (EACCES for a write to a write-protected file).
// Never blocks and never opens a pipe or a device: the type is looked at
// before the open, which is non-blocking and checked again on the handle.
int OpenRegularFile(const std::string& path, int flags, Links links = Links::kRefuse);

// The whole content of a regular file of at most `maxBytes`; 0 on success,
// EFBIG when larger, else the errno of the failure.
int ReadRegularFile(const std::string& path, std::string& out, size_t maxBytes,
                    Links links = Links::kRefuse);

// Reads a regular file (or text already in memory) line by line, holding one
// line and one 8192-byte block of the file.
class LineReader {
public:
    explicit LineReader(const std::string& path, Links links = Links::kRefuse);
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
