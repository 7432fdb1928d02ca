#include "platform/qt/sound_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QIODevice>
#include <QMediaDevices>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace bw::platform {

namespace {

quint32 U32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 U16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

}  // namespace

SampleStream::SampleStream(QByteArray samples, bool loop)
    : samples_(std::move(samples)), loop_(loop) {}

bool SampleStream::atEnd() const {
    return !loop_ && pos_ >= samples_.size();
}

qint64 SampleStream::bytesAvailable() const {
    const qint64 left = loop_ ? samples_.size() : samples_.size() - pos_;
    return left + QIODevice::bytesAvailable();
}

qint64 SampleStream::readData(char* out, qint64 max) {
    qint64 n = 0;
    while (n < max) {
        if (pos_ >= samples_.size()) {
            if (!loop_ || samples_.isEmpty()) break;
            pos_ = 0;
        }
        const qint64 chunk = std::min<qint64>(max - n, samples_.size() - pos_);
        std::memcpy(out + n, samples_.constData() + pos_, static_cast<size_t>(chunk));
        pos_ += chunk;
        n += chunk;
    }
    return n;
}

bool ParseWave(const QByteArray& wave, PcmSound& out) {
    const qint64 size = wave.size();
    const char* d = wave.constData();
    if (size < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
        return false;
    bool haveFormat = false, haveData = false;
    int format = 0, channels = 0, rate = 0, bits = 0;
    qint64 dataAt = 0, dataSize = 0;
    qint64 at = 12;
    while (at + 8 <= size) {
        const qint64 chunk = U32(d + at + 4);
        if (chunk > size - at - 8) return false;  // runs past the end: damaged
        if (std::memcmp(d + at, "fmt ", 4) == 0) {
            if (chunk < 16) return false;
            format = U16(d + at + 8);
            channels = U16(d + at + 10);
            rate = static_cast<int>(std::min<quint32>(U32(d + at + 12), 1000000));
            bits = U16(d + at + 22);
            haveFormat = true;
        } else if (std::memcmp(d + at, "data", 4) == 0) {
            dataAt = at + 8;
            dataSize = chunk;
            haveData = true;
        }
        at += 8 + chunk + (chunk & 1);  // chunks are padded to even sizes
    }
    if (!haveFormat || !haveData || format != 1) return false;
    if (channels < 1 || channels > 2 || rate < 4000 || rate > 192000 || (bits != 8 && bits != 16))
        return false;
    const qint64 frame = channels * bits / 8;
    dataSize -= dataSize % frame;
    if (dataSize <= 0) return false;
    out.sampleRate = rate;
    out.channels = channels;
    out.bitsPerSample = bits;
    out.samples = wave.mid(dataAt, dataSize);
    return true;
}

struct SoundPlayer::Impl {
    QAudioDevice device;
    std::unique_ptr<SampleStream> stream;
    std::unique_ptr<QAudioSink> sink;
};

SoundPlayer::SoundPlayer() : impl_(std::make_unique<Impl>()) {
    // Without an application object Qt Multimedia cannot run; stay silent.
    if (QCoreApplication::instance()) impl_->device = QMediaDevices::defaultAudioOutput();
}

SoundPlayer::~SoundPlayer() {
    Stop();
}

bool SoundPlayer::HasDevice() const {
    return !impl_->device.isNull();
}

bool SoundPlayer::Playing() const {
    return impl_->sink && impl_->sink->state() != QAudio::StoppedState;
}

bool SoundPlayer::Play(const QByteArray& wave, bool loop) {
    Stop();
    if (!QCoreApplication::instance() || impl_->device.isNull()) return false;
    PcmSound pcm;
    if (!ParseWave(wave, pcm)) return false;
    QAudioFormat format;
    format.setSampleRate(pcm.sampleRate);
    format.setChannelCount(pcm.channels);
    format.setSampleFormat(pcm.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!impl_->device.isFormatSupported(format)) return false;
    impl_->stream = std::make_unique<SampleStream>(pcm.samples, loop);
    impl_->stream->open(QIODevice::ReadOnly);
    impl_->sink = std::make_unique<QAudioSink>(impl_->device, format);
    impl_->sink->start(impl_->stream.get());
    if (impl_->sink->error() != QAudio::NoError) {
        Stop();
        return false;
    }
    return true;
}

void SoundPlayer::Stop() {
    if (impl_->sink) impl_->sink->stop();
    impl_->sink.reset();  // the sink goes before the stream it reads
    impl_->stream.reset();
}

}  // namespace bw::platform
