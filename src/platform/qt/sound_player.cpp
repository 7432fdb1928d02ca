#include "platform/qt/sound_player.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QIODevice>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/paths.h"

namespace bw::platform {

namespace {

quint32 U32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 U16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

// What the sound libraries say while the output opens: a desktop without a
// sound server is no fault of the game, so their messages are held back and
// the first one is told, in the program's one line about it.
QString& HeldMessage() {
    static QString first;
    return first;
}
void HoldMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
    if (HeldMessage().isEmpty()) HeldMessage() = text;
}

}  // namespace

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
    std::unique_ptr<SoundOutput> output;
    bool opened = false;
};

SoundPlayer::SoundPlayer() : impl_(std::make_unique<Impl>()) {}

SoundPlayer::~SoundPlayer() {
    Stop();
}

SoundOutput* SoundPlayer::Output() const {
    if (impl_->opened) return impl_->output.get();
    impl_->opened = true;
    // Without an application object Qt Multimedia cannot run; stay silent.
    if (!QCoreApplication::instance()) return nullptr;
    // Qt Multimedia and the sound server's libraries come with the module:
    // a run that plays nothing never loads them.
    HeldMessage().clear();
    const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
    const char* problem = nullptr;
    if (void* module = dlopen(ModulePath(kSoundOutputModule).c_str(), RTLD_NOW | RTLD_LOCAL)) {
        auto create = reinterpret_cast<SoundOutput* (*)()>(dlsym(module, "bw_create_sound_output"));
        if (create) impl_->output.reset(create());
        if (!impl_->output)
            problem = "the sound output module is damaged";
        else if (!impl_->output->HasDevice())
            problem = "no audio output device";
    } else {
        problem = "the sound output module cannot be loaded";
    }
    qInstallMessageHandler(previous);
    if (problem) {
        const QString held = HeldMessage();
        std::fprintf(stderr, "brindlewick: sounds are off: %s%s%s%s\n", problem,
                     held.isEmpty() ? "" : " (", qPrintable(held), held.isEmpty() ? "" : ")");
    }
    return impl_->output.get();
}

bool SoundPlayer::HasDevice() const {
    SoundOutput* out = Output();
    return out && out->HasDevice();
}

bool SoundPlayer::Playing() const {
    return impl_->output && impl_->output->Playing();
}

bool SoundPlayer::Play(const QByteArray& wave, bool loop) {
    Stop();
    PcmSound pcm;
    if (!ParseWave(wave, pcm)) return false;
    SoundOutput* out = Output();
    return out && out->Play(pcm, loop);
}

void SoundPlayer::Stop() {
    if (impl_->output) impl_->output->Stop();
}

}  // namespace bw::platform
