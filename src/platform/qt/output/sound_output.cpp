// The module libbw_sound_output.so: PCM sounds played on the default audio
// output through Qt Multimedia. SoundPlayer loads it with the first sound.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <memory>

#include "platform/qt/sound_player.h"

namespace bw::platform {
namespace {

class QtSoundOutput : public SoundOutput {
public:
    QtSoundOutput() : device_(QMediaDevices::defaultAudioOutput()) {}
    ~QtSoundOutput() override { Stop(); }

    bool HasDevice() const override { return !device_.isNull(); }
    bool Playing() const override { return sink_ && sink_->state() != QAudio::StoppedState; }

    bool Play(const PcmSound& pcm, bool loop) override {
        Stop();
        if (device_.isNull()) return false;
        QAudioFormat format;
        format.setSampleRate(pcm.sampleRate);
        format.setChannelCount(pcm.channels);
        format.setSampleFormat(pcm.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        if (!device_.isFormatSupported(format)) return false;
        stream_ = std::make_unique<SampleStream>(pcm.samples, loop);
        stream_->open(QIODevice::ReadOnly);
        sink_ = std::make_unique<QAudioSink>(device_, format);
        sink_->start(stream_.get());
        if (sink_->error() != QAudio::NoError) {
            Stop();
            return false;
        }
        return true;
    }

    void Stop() override {
        if (sink_) sink_->stop();
        sink_.reset();  // the sink goes before the stream it reads
        stream_.reset();
    }

private:
    QAudioDevice device_;
    std::unique_ptr<SampleStream> stream_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace
}  // namespace bw::platform

extern "C" __attribute__((visibility("default"))) bw::platform::SoundOutput*
bw_create_sound_output() {
    return new bw::platform::QtSoundOutput;
}
