// Also built into the audio output module, which reads its sounds from it.
#include <algorithm>
#include <cstring>

#include "platform/qt/sound_player.h"

namespace bw::platform {

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

}  // namespace bw::platform
