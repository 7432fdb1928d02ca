// The event sounds, synthesised as 16-bit mono PCM WAVE recordings: card
// noises from filtered noise bursts, chimes from decaying bell partials.
// Every sound is normalised below full scale and faded at both ends, so
// none clicks or clips.
#include <QtEndian>
#include <cmath>

#include "artgen.h"

namespace artgen {

namespace {

constexpr int kRate = 22050;
constexpr double kTau = 6.28318530717958647692;

using Buffer = std::vector<double>;

Buffer Silence(double seconds) {
    return Buffer(static_cast<size_t>(seconds * kRate), 0.0);
}

// RBJ biquad filters. Retuning keeps the filter's state, so a band can
// sweep without clicks.
class Biquad {
public:
    void BandPass(double freq, double q) {
        double w = kTau * freq / kRate, a = std::sin(w) / (2 * q), c = std::cos(w);
        Set(a, 0, -a, 1 + a, -2 * c, 1 - a);
    }
    void LowPass(double freq, double q = 0.707) {
        double w = kTau * freq / kRate, a = std::sin(w) / (2 * q), c = std::cos(w);
        Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + a, -2 * c, 1 - a);
    }
    double Run(double x) {
        double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    void Set(double b0, double b1, double b2, double a0, double a1, double a2) {
        b0_ = b0 / a0;
        b1_ = b1 / a0;
        b2_ = b2 / a0;
        a1_ = a1 / a0;
        a2_ = a2 / a0;
    }
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Adds a burst of filtered noise: the sound of card on card or on cloth.
// `sweep` moves the band centre from `freq` to `freq * sweep` over the burst.
void Noise(Buffer& out, double at, double length, double freq, double q, double gain, double attack,
           uint32_t seed, double sweep = 1.0) {
    Rng rng(seed);
    size_t start = static_cast<size_t>(at * kRate), n = static_cast<size_t>(length * kRate);
    Biquad lp, bp;
    lp.LowPass(9000);
    for (size_t i = 0; i < n && start + i < out.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        if (i % 32 == 0) bp.BandPass(freq * std::pow(sweep, t / length), q);
        double env = std::min(1.0, t / attack) * std::exp(-t / (length * 0.28));
        out[start + i] += gain * env * lp.Run(bp.Run(rng.Range(-1, 1)));
    }
}

// Adds a bell-like tone: a fundamental and inharmonic partials decaying at
// different rates.
void Bell(Buffer& out, double at, double freq, double length, double gain) {
    const double partials[][3] = {
        {1.0, 1.0, 1.0}, {2.0, 0.45, 0.6}, {2.76, 0.25, 0.4}, {5.4, 0.12, 0.2}};
    size_t start = static_cast<size_t>(at * kRate), n = static_cast<size_t>(length * kRate);
    for (size_t i = 0; i < n && start + i < out.size(); ++i) {
        double t = static_cast<double>(i) / kRate, v = 0;
        for (const auto& pt : partials)
            v += pt[1] * std::sin(kTau * freq * pt[0] * t) * std::exp(-t / (length * 0.35 * pt[2]));
        double attack = std::min(1.0, t / 0.004);
        out[start + i] += gain * attack * v;
    }
}

// A soft low thump (a card landing on the cloth).
void Thump(Buffer& out, double at, double freq, double gain) {
    size_t start = static_cast<size_t>(at * kRate), n = static_cast<size_t>(0.08 * kRate);
    for (size_t i = 0; i < n && start + i < out.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        out[start + i] += gain * std::sin(kTau * freq * t * (1 - t * 2)) * std::exp(-t / 0.018) *
                          std::min(1.0, t / 0.002);
    }
}

double Note(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// Peak at `peak` of full scale, short fades at both ends, then 16-bit PCM.
QByteArray Wave(Buffer b, double peak = 0.7) {
    double max = 1e-9;
    for (double v : b) max = std::max(max, std::abs(v));
    const size_t fade = static_cast<size_t>(0.003 * kRate);
    for (size_t i = 0; i < b.size(); ++i) {
        double g = peak / max;
        if (i < fade) g *= static_cast<double>(i) / fade;
        if (b.size() - 1 - i < fade) g *= static_cast<double>(b.size() - 1 - i) / fade;
        b[i] *= g;
    }
    QByteArray data(static_cast<int>(b.size() * 2), '\0');
    for (size_t i = 0; i < b.size(); ++i) {
        qint16 s = static_cast<qint16>(std::lround(std::clamp(b[i], -1.0, 1.0) * 32767));
        qToLittleEndian<qint16>(s, data.data() + 2 * i);
    }
    QByteArray wav;
    auto u32 = [&wav](quint32 v) {
        char buf[4];
        qToLittleEndian<quint32>(v, buf);
        wav.append(buf, 4);
    };
    auto u16 = [&wav](quint16 v) {
        char buf[2];
        qToLittleEndian<quint16>(v, buf);
        wav.append(buf, 2);
    };
    wav.append("RIFF");
    u32(static_cast<quint32>(36 + data.size()));
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    wav.append("data");
    u32(static_cast<quint32>(data.size()));
    wav.append(data);
    return wav;
}

// ---- the sounds

QByteArray CardFlick(uint32_t seed) {
    Buffer b = Silence(0.09);
    Noise(b, 0, 0.07, 2600, 0.9, 1.0, 0.001, seed, 0.6);
    Thump(b, 0.004, 150, 0.25);
    return Wave(b, 0.6);
}

QByteArray CardPlace(double pitch, uint32_t seed) {
    Buffer b = Silence(0.12);
    Noise(b, 0, 0.08, 1500 * pitch, 0.8, 1.0, 0.0015, seed, 0.5);
    Thump(b, 0.0, 120 * pitch, 0.6);
    return Wave(b, 0.6);
}

QByteArray Shuffle() {
    // A riffle: many quick flicks speeding up, then slowing to a stop. Quiet
    // at both ends so the loop during a deal does not jump.
    Buffer b = Silence(0.95);
    double t = 0.02;
    Rng rng(77);
    for (int i = 0; t < 0.85; ++i) {
        double phase = t / 0.85;
        double gap = 0.028 - 0.018 * std::sin(phase * 3.14159);
        Noise(b, t, 0.03, rng.Range(2200, 3600), 1.2, 0.6 + 0.4 * std::sin(phase * 3.14159), 0.001,
              100 + static_cast<uint32_t>(i));
        t += gap * rng.Range(0.8, 1.2);
    }
    Thump(b, 0.86, 110, 0.5);
    return Wave(b, 0.55);
}

QByteArray Swoosh(double length, double from, double to, uint32_t seed) {
    Buffer b = Silence(length + 0.05);
    Noise(b, 0, length, from, 0.7, 1.0, length * 0.35, seed, to / from);
    return Wave(b, 0.5);
}

QByteArray Chime(const std::vector<int>& notes, double step, double length) {
    Buffer b = Silence(step * (notes.size() - 1) + length);
    for (size_t i = 0; i < notes.size(); ++i) Bell(b, step * i, Note(notes[i]), length, 1.0);
    return Wave(b, 0.55);
}

QByteArray Won() {
    // A rising major arpeggio ending on a held chord.
    Buffer b = Silence(2.0);
    const int run[] = {3, 7, 10, 15};  // C5 E5 G5 C6 (semitones from A4)
    for (int i = 0; i < 4; ++i) Bell(b, 0.12 * i, Note(run[i]), 0.7, 1.0);
    for (int n : {15, 19, 22}) Bell(b, 0.55, Note(n), 1.4, 0.7);
    return Wave(b, 0.6);
}

QByteArray Pairing() {
    Buffer b = Silence(0.5);
    Noise(b, 0, 0.05, 2400, 0.9, 0.4, 0.001, 505);
    Bell(b, 0.03, Note(19), 0.35, 1.0);  // E6
    Bell(b, 0.13, Note(24), 0.35, 1.0);  // A6
    return Wave(b, 0.5);
}

QByteArray Autoplay() {
    Buffer b = Silence(0.2);
    Noise(b, 0, 0.08, 3000, 1.0, 1.0, 0.001, 909, 0.7);
    Bell(b, 0.02, Note(27), 0.15, 0.35);  // a faint high blip
    return Wave(b, 0.55);
}

}  // namespace

void MakeSounds(Library& lib) {
    lib.AddSound("Splash", Chime({3, 7, 10, 15}, 0.11, 0.9));
    lib.AddSound("About", Chime({10, 15}, 0.12, 0.6));
    lib.AddSound("Shuffle", Shuffle());
    lib.AddSound("Redeal", Swoosh(0.55, 900, 3200, 31));
    lib.AddSound("Red_no_a", Swoosh(0.3, 1200, 3600, 32));
    lib.AddSound("Stock", CardFlick(41));
    lib.AddSound("Tableau", CardPlace(1.0, 51));
    lib.AddSound("Foundation", CardPlace(1.5, 61));
    lib.AddSound("Eddy", Swoosh(0.4, 600, 4000, 71));
    lib.AddSound("Autoplay", Autoplay());
    lib.AddSound("Pairing", Pairing());
    lib.AddSound("Face_up", Swoosh(0.07, 1800, 4200, 81));
    lib.AddSound("card_up", Swoosh(0.06, 1500, 3000, 91));
    lib.AddSound("card_down", CardPlace(0.8, 95));
    lib.AddSound("Won", Won());
}

}  // namespace artgen
