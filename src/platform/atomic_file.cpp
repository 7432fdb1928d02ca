#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/line_reader.h"
#include "platform/paths.h"
#include "platform/tempfile.h"

namespace bw::platform {

namespace {

constexpr size_t kBuffer = 65536;
constexpr size_t kCopyBlock = 8192;

void SyncFolderOf(const std::string& path) {
    const std::string dir = DirOf(path);
    int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0) return;
    ::fsync(dfd);
    ::close(dfd);
}

// 0 when `target` may be replaced: a regular file that may be written,
// or a free name. A read-only file is kept, as an update in place keeps it.
int TargetProblem(const std::string& target) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
    if (!S_ISREG(st.st_mode)) return RegularFileProblem(target, Links::kRefuse);
    return WriteProtected(target, st) ? EACCES : 0;
}

// A committed temporary file waiting for its sync and swap.
struct PendingSwap {
    int fd = -1;
    std::string temp, target, path, prefix;
};

// Finishes a commit: sync, close, swap in; 0 or the errno of the failure.
int FinishSwap(const PendingSwap& job) {
    int err = ::fsync(job.fd) != 0 ? errno : 0;
    if (::close(job.fd) != 0 && err == 0) err = errno;
    if (!err) err = TargetProblem(job.target);
    if (err) {
        ::unlink(job.temp.c_str());
        return err;
    }
    return SwapInFile(job.temp, job.target);
}

class BackgroundWriter {
public:
    ~BackgroundWriter() { Stop(); }

    void Start() {
        std::lock_guard lock(mutex_);
        if (thread_.joinable()) return;
        stop_ = false;
        thread_ = std::thread([this] { Run(); });
    }
    bool running() {
        std::lock_guard lock(mutex_);
        return thread_.joinable();
    }
    // Waits for the queue, then ends the thread.
    void Stop() {
        {
            std::lock_guard lock(mutex_);
            if (!thread_.joinable()) return;
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
        std::lock_guard lock(mutex_);
        thread_ = std::thread();
    }
    // False when the writer is not running: the caller finishes it itself.
    bool HandOver(PendingSwap job) {
        {
            std::lock_guard lock(mutex_);
            if (!thread_.joinable() || stop_) return false;
            queue_.push_back(std::move(job));
        }
        wake_.notify_all();
        return true;
    }
    bool Pending(const std::string& path) {
        std::lock_guard lock(mutex_);
        return std::any_of(queue_.begin(), queue_.end(),
                           [&](const PendingSwap& j) { return j.path == path; });
    }
    void Finish() {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [this] { return queue_.empty(); });
    }
    std::vector<BackgroundFailure> TakeFailures(const std::string& prefix) {
        std::lock_guard lock(mutex_);
        std::vector<BackgroundFailure> taken;
        auto keep = std::stable_partition(failures_.begin(), failures_.end(),
                                          [&](const Failure& f) { return f.prefix != prefix; });
        for (auto it = keep; it != failures_.end(); ++it) taken.push_back(it->failure);
        failures_.erase(keep, failures_.end());
        return taken;
    }

private:
    struct Failure {
        std::string prefix;
        BackgroundFailure failure;
    };

    void Run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
            if (queue_.empty()) return;  // stopped, and nothing is left to write
            // The job stays queued while it runs: it is pending until swapped in.
            const PendingSwap job = queue_.front();
            lock.unlock();
            const int err = FinishSwap(job);
            lock.lock();
            queue_.pop_front();
            if (err) failures_.push_back({job.prefix, {job.path, err}});
            if (queue_.empty()) idle_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<PendingSwap> queue_;
    std::vector<Failure> failures_;
    std::thread thread_;
    bool stop_ = false;
};

// Destroyed after main returns, which waits for the last writes.
BackgroundWriter& Writer() {
    static BackgroundWriter writer;
    return writer;
}

}  // namespace

void SetBackgroundWrites(bool on) {
    if (on)
        Writer().Start();
    else
        Writer().Stop();
}

bool BackgroundWritePending(const std::string& path) {
    return Writer().Pending(path);
}

void FinishBackgroundWrites() {
    Writer().Finish();
}

std::vector<BackgroundFailure> TakeBackgroundFailures(const std::string& prefix) {
    return Writer().TakeFailures(prefix);
}

int SwapInFile(const std::string& tempPath, const std::string& target) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        ::chmod(tempPath.c_str(), st.st_mode & 07777);
    // rename(2) swaps the folder entry in one step: whoever looks, and
    // whenever the process dies, sees the old file or the new one.
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tempPath.c_str());
        return err;
    }
    SyncFolderOf(target);
    return 0;
}

AtomicFile::AtomicFile(const std::string& target, const std::string& prefix)
    : path_(target), prefix_(prefix), target_(target) {
    failed_ = true;
    if (int err = TargetProblem(target_)) {
        error_ = err;
        refused_ = true;
        return;
    }
    const std::string dir = DirOf(target_);
    errno = 0;
    temp_ = CreateTempFile(dir.empty() ? "./" : dir, prefix);
    if (temp_.empty()) {
        error_ = errno ? errno : EIO;
        return;
    }
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        ::unlink(temp_.c_str());
        temp_.clear();
        return;
    }
    owned_ = true;
    failed_ = false;
}

AtomicFile::~AtomicFile() {
    Abandon();
}

void AtomicFile::Fail(int err) {
    if (!failed_) error_ = err ? err : EIO;
    failed_ = true;
}

bool AtomicFile::Flush() {
    if (failed_) return false;
    const char* p = buffer_.data();
    size_t n = buffer_.size();
    while (n > 0) {
        ssize_t w = ::write(fd_, p, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            Fail(w < 0 ? errno : ENOSPC);
            break;
        }
        p += w;
        n -= static_cast<size_t>(w);
    }
    buffer_.clear();
    return !failed_;
}

void AtomicFile::Write(const char* data, size_t n) {
    if (failed_) return;
    buffer_.append(data, n);
    if (buffer_.size() >= kBuffer) Flush();
}

bool AtomicFile::WriteNow(const char* data, size_t n) {
    if (!Flush()) return false;
    ssize_t w;
    do {
        w = ::write(fd_, data, n);
    } while (w < 0 && errno == EINTR);
    if (w == static_cast<ssize_t>(n)) return true;
    Fail(w < 0 ? errno : ENOSPC);
    return false;
}

bool AtomicFile::CopyFrom(int sourceFd, int64_t from, int64_t to) {
    std::string chunk;
    for (int64_t pos = from;;) {
        size_t want = kCopyBlock;
        if (to >= 0) {
            if (pos >= to) return true;
            want = static_cast<size_t>(std::min<int64_t>(to - pos, kCopyBlock));
        }
        chunk.resize(want);
        ssize_t r;
        do {
            r = ::pread(sourceFd, chunk.data(), want, static_cast<off_t>(pos));
        } while (r < 0 && errno == EINTR);
        if (r < 0) return false;
        if (r == 0) return to < 0;
        Write(chunk.data(), static_cast<size_t>(r));
        pos += r;
    }
}

AtomicFile::Result AtomicFile::Commit() {
    if (fd_ < 0) return Result::kNotCreated;
    Flush();
    // Without the sync a power cut after the rename could leave the new
    // name on an empty file.
    if (!failed_ && ::fsync(fd_) != 0) Fail(errno);
    if (failed_) {
        Abandon();
        return Result::kWriteFailed;
    }
    if (::close(fd_) != 0) {
        fd_ = -1;
        Fail(errno);
        Abandon();
        return Result::kWriteFailed;
    }
    fd_ = -1;
    // What took the target's place meanwhile is not replaced either.
    if (int err = TargetProblem(target_)) {
        refused_ = true;
        Fail(err);
        Abandon();
        return Result::kRenameFailed;
    }
    // From here on the temporary file is the rename's: swapped in, or
    // removed by a failed swap. Its name stays readable for messages.
    owned_ = false;
    if (int err = SwapInFile(temp_, target_)) {
        Fail(err);
        return Result::kRenameFailed;
    }
    return Result::kDone;
}

AtomicFile::Result AtomicFile::CommitInBackground() {
    if (fd_ < 0 || !Writer().running()) return Commit();
    // What can be known now is told now: a full disk shows in the writes,
    // anything but a file in the target's place in the look at it.
    if (int err = failed_ ? 0 : TargetProblem(target_)) {
        refused_ = true;
        Fail(err);
        Abandon();
        return Result::kRenameFailed;
    }
    if (!Flush()) {
        Abandon();
        return Result::kWriteFailed;
    }
    if (!Writer().HandOver({fd_, temp_, target_, path_, prefix_})) return Commit();
    fd_ = -1;
    owned_ = false;
    return Result::kDone;
}

void AtomicFile::Abandon() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (owned_ && !temp_.empty()) ::unlink(temp_.c_str());
    owned_ = false;
    buffer_.clear();
}

int ReplaceFileContent(const std::string& target, const std::string& bytes,
                       const std::string& prefix) {
    AtomicFile out(target, prefix);
    out.Write(bytes);
    out.Commit();
    return out.error();
}

}  // namespace bw::platform
