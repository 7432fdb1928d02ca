#pragma once
// The one way the program replaces a file it rewrites: the new content goes
// to a temporary file in the target's folder, is synced to the disk, and one
// rename swaps it in for the target; then the folder is synced so that the
// rename itself survives a power cut. A kill or a crash at any instant leaves
// the old file or the new one, never an empty, truncated or missing file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bw::platform {

// Only a regular file of the program's own that may be written is replaced,
// or a name not yet taken: a symbolic link, a folder, a pipe or a device in
// the target's place, or a read-only file, fails the replacement before
// anything is written (error() tells which: as RegularFileProblem does, or
// EACCES), and nothing is created or changed outside the target's folder.

// Renames a finished temporary file over `target`, giving it the target's
// permission bits, and syncs the folder. On failure the temporary file is
// removed, the target is untouched and the result is the errno (0 on success).
int SwapInFile(const std::string& tempPath, const std::string& target);

class AtomicFile {
public:
    enum class Result { kDone, kNotCreated, kWriteFailed, kRenameFailed };

    // Creates the temporary file (prefix: its first three characters) beside
    // `target`, unless the target is there but no regular file.
    AtomicFile(const std::string& target, const std::string& prefix);
    ~AtomicFile();  // an uncommitted file is abandoned
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool created() const { return fd_ >= 0; }
    bool failed() const { return failed_; }
    // The target itself cannot be replaced (not a regular file of its own).
    bool refused() const { return refused_; }
    const std::string& target() const { return target_; }
    // The temporary file's name (empty when it could not be created); it
    // stays readable after Commit for messages.
    const std::string& tempPath() const { return temp_; }
    // errno of the first failure; 0 while there is none.
    int error() const { return error_; }

    // Buffered writes; the first failure is remembered and stops the rest.
    void Write(const char* data, size_t n);
    void Write(const std::string& bytes) { Write(bytes.data(), bytes.size()); }
    // Writes past the buffer in one call; false unless written whole.
    bool WriteNow(const char* data, size_t n);
    // Copies bytes [from, to) of an open file (to < 0: up to its end); false
    // when the source could not be read (the write state is unchanged).
    bool CopyFrom(int sourceFd, int64_t from, int64_t to);

    // Flushes and syncs the temporary file, then swaps it in. Anything but
    // kDone leaves the target as it was and removes the temporary file.
    Result Commit();
    // Commit with its slow half (the syncs and the swap, milliseconds on a
    // busy disk) handed to the background writer when that is switched on;
    // the file's bytes, order and crash safety are Commit's. kDone then means
    // written and handed over: a later failure of the swap is told by
    // TakeBackgroundFailures. Without background writes it is Commit.
    Result CommitInBackground();
    void Abandon();

private:
    bool Flush();
    void Fail(int err);

    std::string path_;  // as the caller named it: background failures tell it
    std::string prefix_;
    std::string target_;
    std::string temp_;
    std::string buffer_;
    int fd_ = -1;
    bool owned_ = false;  // the temporary file is ours to remove
    bool failed_ = false;
    bool refused_ = false;
    int error_ = 0;
};

// Replaces the whole content of `target` with `bytes`; 0 on success, else the
// errno of the failure (the target is then unchanged).
int ReplaceFileContent(const std::string& target, const std::string& bytes,
                       const std::string& prefix);

// The background writer: one thread that syncs and swaps in, in the order
// they were handed over, the files committed with CommitInBackground. Off
// until switched on; switching it off waits for what was handed over.
void SetBackgroundWrites(bool on);
// True while a file committed for `path` is not yet swapped in (or failed).
bool BackgroundWritePending(const std::string& path);
// Waits until everything handed over is swapped in or has failed. The
// writer also finishes its work when the process exits normally.
void FinishBackgroundWrites();
struct BackgroundFailure {
    std::string path;  // as given to the AtomicFile
    int error = 0;
};
// The failures of background swaps of files with this temporary-file prefix
// since the last call, oldest first.
std::vector<BackgroundFailure> TakeBackgroundFailures(const std::string& prefix);

}  // namespace bw::platform
