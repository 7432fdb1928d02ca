// Sound output: WAVE parsing of good and damaged data, the looping stream,
// and playing on a machine without an audio device (nothing may crash,
// block or wait).
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QtEndian>

#include "platform/qt/sound_player.h"
#include "render/library.h"
#include "render_support.h"

namespace bw {
namespace {

using platform::ParseWave;
using platform::PcmSound;

QByteArray Le32(quint32 v) {
    char b[4];
    qToLittleEndian<quint32>(v, b);
    return QByteArray(b, 4);
}
QByteArray Le16(quint16 v) {
    char b[2];
    qToLittleEndian<quint16>(v, b);
    return QByteArray(b, 2);
}

QByteArray Chunk(const char* id, const QByteArray& body) {
    QByteArray c(id, 4);
    c += Le32(static_cast<quint32>(body.size())) + body;
    if (body.size() & 1) c += '\0';
    return c;
}

QByteArray Fmt(int format, int channels, int rate, int bits) {
    return Chunk("fmt ", Le16(static_cast<quint16>(format)) + Le16(static_cast<quint16>(channels)) +
                             Le32(static_cast<quint32>(rate)) +
                             Le32(static_cast<quint32>(rate * channels * bits / 8)) +
                             Le16(static_cast<quint16>(channels * bits / 8)) +
                             Le16(static_cast<quint16>(bits)));
}

QByteArray Riff(const QByteArray& chunks) {
    return "RIFF" + Le32(static_cast<quint32>(4 + chunks.size())) + "WAVE" + chunks;
}

TEST(WaveTest, ParsesPcmAndSkipsOtherChunks) {
    QByteArray samples(400, '\x10');
    PcmSound pcm;
    ASSERT_TRUE(
        ParseWave(Riff(Chunk("LIST", "odd") + Fmt(1, 2, 44100, 16) + Chunk("data", samples)), pcm));
    EXPECT_EQ(pcm.sampleRate, 44100);
    EXPECT_EQ(pcm.channels, 2);
    EXPECT_EQ(pcm.bitsPerSample, 16);
    EXPECT_EQ(pcm.samples, samples);
    // A half frame at the end is dropped.
    ASSERT_TRUE(ParseWave(Riff(Fmt(1, 2, 22050, 16) + Chunk("data", QByteArray(402, 'x'))), pcm));
    EXPECT_EQ(pcm.samples.size(), 400);
    ASSERT_TRUE(ParseWave(Riff(Fmt(1, 1, 8000, 8) + Chunk("data", QByteArray(9, 'x'))), pcm));
    EXPECT_EQ(pcm.samples.size(), 9);
}

TEST(WaveTest, RefusesDamagedOrForeignData) {
    PcmSound pcm;
    const QByteArray good = Riff(Fmt(1, 1, 22050, 16) + Chunk("data", QByteArray(100, 'x')));
    EXPECT_FALSE(ParseWave(QByteArray(), pcm));
    EXPECT_FALSE(ParseWave("RIFF", pcm));
    EXPECT_FALSE(ParseWave(good.left(good.size() - 10), pcm));  // data runs past the end
    // A chunk size near 4 GiB must not wrap around.
    QByteArray huge = good;
    huge.replace(huge.indexOf("data") + 4, 4, Le32(0xFFFFFFF0u));
    EXPECT_FALSE(ParseWave(huge, pcm));
    EXPECT_FALSE(ParseWave(Riff(Chunk("data", QByteArray(100, 'x'))), pcm));          // no format
    EXPECT_FALSE(ParseWave(Riff(Fmt(1, 1, 22050, 16)), pcm));                         // no data
    EXPECT_FALSE(ParseWave(Riff(Fmt(2, 1, 22050, 4) + Chunk("data", "abcd")), pcm));  // ADPCM
    EXPECT_FALSE(ParseWave(Riff(Fmt(1, 7, 22050, 16) + Chunk("data", "abcd")), pcm));
    EXPECT_FALSE(ParseWave(Riff(Fmt(1, 1, 0, 16) + Chunk("data", "abcd")), pcm));
    EXPECT_FALSE(ParseWave(Riff(Fmt(1, 1, 22050, 24) + Chunk("data", "abcdef")), pcm));
    EXPECT_FALSE(
        ParseWave(Riff(Fmt(1, 2, 22050, 16) + Chunk("data", "ab")), pcm));  // less than a frame
    EXPECT_FALSE(ParseWave(Riff(Chunk("fmt ", "short") + Chunk("data", "abcd")), pcm));
}

TEST(WaveTest, StreamPlaysOnceOrWrapsAround) {
    platform::SampleStream once("abc", false);
    ASSERT_TRUE(once.open(QIODevice::ReadOnly));
    EXPECT_EQ(once.read(10), QByteArray("abc"));
    EXPECT_TRUE(once.atEnd());
    EXPECT_EQ(once.read(10), QByteArray());

    platform::SampleStream loop("abc", true);
    ASSERT_TRUE(loop.open(QIODevice::ReadOnly));
    EXPECT_EQ(loop.read(2), QByteArray("ab"));
    EXPECT_EQ(loop.read(8), QByteArray("cabcabca"));
    EXPECT_FALSE(loop.atEnd());
    EXPECT_GT(loop.bytesAvailable(), 0);

    platform::SampleStream empty("", true);
    ASSERT_TRUE(empty.open(QIODevice::ReadOnly));
    EXPECT_EQ(empty.read(5), QByteArray());  // no endless loop over nothing
}

TEST(SoundTest, PlayingWithoutAudioDeviceStaysSilentAndQuick) {
    test::UseBuiltLibrary();
    test::CoreFixture core;
    QElapsedTimer t;
    t.start();
    platform::SoundPlayer player;
    const QByteArray won = LibrarySoundData("Won");
    ASSERT_FALSE(won.isEmpty());
    const bool started = player.Play(won, true);
    EXPECT_EQ(started, player.HasDevice());
    player.Play(LibrarySoundData("Stock"), false);  // replaces the loop
    player.Stop();
    EXPECT_FALSE(player.Playing());
    EXPECT_FALSE(player.Play("not a wave", false));

    // Through the library and the core's sound port.
    PlayLibrarySound("Redeal", true);
    PlayLibrarySound("No_such_sound", false);
    StopLibrarySound();
    LibrarySound port;
    port.Play("Won", false);
    port.Stop();
    EXPECT_LT(t.elapsed(), 3000);
}

}  // namespace
}  // namespace bw
