#pragma once
// Helpers shared by the tests: a scratch folder per test and recording fakes
// of the core's ports.
#include <string>
#include <utility>
#include <vector>

#include "core/ports.h"

namespace bw::test {

// A fresh folder under the system temporary folder, removed on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }  // ends with '/'
    std::string file(const std::string& name) const { return path_ + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

private:
    std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// Root passes every permission check, so a read-only folder would not be
// read-only for tests run as root. While this lives the calling thread has no
// such power (nothing changes for other users).
class WithoutRootBypass {
public:
    WithoutRootBypass();
    ~WithoutRootBypass();
    WithoutRootBypass(const WithoutRootBypass&) = delete;
    WithoutRootBypass& operator=(const WithoutRootBypass&) = delete;
    // True when the thread still passes every check: root whose power could
    // not be dropped.
    bool bypassed() const { return root_ && !dropped_; }

private:
    bool root_ = false;
    bool dropped_ = false;
    unsigned saved_[2] = {0, 0};  // effective capability words
};

// Skips the running test where permissions cannot be made to hold.
#define BW_SKIP_IF_BYPASSED(without) \
    if ((without).bypassed())        \
    GTEST_SKIP() << "running as root, and root's permission bypass cannot be dropped here"

// A folder read-only for everyone while this lives, root included, whose
// access() checks skip the capabilities: a read-only bind mount of the folder
// over itself (root), or its write bits taken away (other users).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::string path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    // Empty once the folder is read-only; otherwise why it could not be made so.
    const std::string& failure() const { return failure_; }

private:
    std::string path_;
    std::string failure_;
    bool mounted_ = false;
};

// Records every message box, beep and address handed to the desktop;
// answers confirmations from a queue (OK when the queue is empty).
class RecordingDialogs : public IDialogs {
public:
    std::vector<std::string> infos, confirms, errors, advices, urls;
    std::vector<bool> answers;  // consumed front to back
    bool adviceTicks = false;
    bool urlResult = true;
    int beeps = 0;
    void Info(const std::string& text) override { infos.push_back(text); }
    bool Confirm(const std::string& text) override;
    void Error(const std::string& title, const std::string& text) override {
        errors.push_back(title + ": " + text);
    }
    bool Advice(const std::string& text, int) override {
        advices.push_back(text);
        return adviceTicks;
    }
    void Beep() override { ++beeps; }
    bool OpenUrl(const std::string& address) override {
        urls.push_back(address);
        return urlResult;
    }
};

class RecordingSound : public ISound {
public:
    std::vector<std::string> played;  // name, with " (loop)" when looping
    int stops = 0;
    void Play(const std::string& name, bool loop) override {
        played.push_back(loop ? name + " (loop)" : name);
    }
    void Stop() override { ++stops; }
};

class RecordingWaits : public IWaits {
public:
    std::vector<int> waits;
    void Wait(int ms) override { waits.push_back(ms); }
    void WaitResponsive(int ms) override { waits.push_back(ms); }
};

// Puts every piece of process-wide state back as a fresh process has it:
// the game state, the card size and positions, the pointer's and the drag's
// leftovers, the clock, the settings' write-failure handler and every port,
// the layers' above the core included (only the file store installed).
void ResetProcessState();

// Resets the process state and installs fresh fakes for one test; afterwards
// removes the steps and upper ports the test installed and restores the
// previous outside-world ports.
class CoreFixture {
public:
    CoreFixture();
    ~CoreFixture();
    RecordingDialogs dialogs;
    RecordingSound sound;
    RecordingWaits waits;
    TempDir dir;  // the program folder of the test

private:
    Ports saved_;
};

}  // namespace bw::test
