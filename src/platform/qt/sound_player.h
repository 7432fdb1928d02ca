#pragma once
// Plays short PCM WAVE recordings from memory on the default audio output,
// asynchronously, once or looping. A new sound replaces the one playing.
// Without an audio device, its module or a running Qt application every
// call is a silent no-op: the program keeps working, only quietly.
#include <QByteArray>
#include <QIODevice>
#include <memory>

namespace bw::platform {

// The parts of a RIFF WAVE file that playing needs.
struct PcmSound {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed little-endian)
    QByteArray samples;     // whole frames only
};

// Parses an uncompressed PCM WAVE file; false for anything else or for a
// damaged file (sizes past the end, no data, odd formats).
bool ParseWave(const QByteArray& wave, PcmSound& out);

// The samples as a stream the audio output pulls from; endless when looping.
class SampleStream : public QIODevice {
public:
    SampleStream(QByteArray samples, bool loop);
    bool isSequential() const override { return true; }
    bool atEnd() const override;
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* out, qint64 max) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray samples_;
    bool loop_;
    qint64 pos_ = 0;
};

// The audio output itself, in a module of its own beside the program
// (kSoundOutputModule), opened by the first sound.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual bool Play(const PcmSound& sound, bool loop) = 0;
    virtual void Stop() = 0;
    virtual bool Playing() const = 0;
    virtual bool HasDevice() const = 0;
};
inline constexpr const char* kSoundOutputModule = "libbw_sound_output.so";

class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts `wave` (a WAVE file's bytes), stopping whatever plays; false
    // when nothing could be started (no device, unreadable data).
    bool Play(const QByteArray& wave, bool loop);
    void Stop();
    // True while a sound is started and not stopped (a finished one-shot
    // sound may still count until the next call).
    bool Playing() const;
    // True when an audio output device exists.
    bool HasDevice() const;

private:
    // Loads the module and opens the default output the first time.
    SoundOutput* Output() const;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace bw::platform
