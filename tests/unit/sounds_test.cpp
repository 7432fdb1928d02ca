#include <gtest/gtest.h>

#include "core/params.h"
#include "core/sounds.h"
#include "flow_fakes.h"

namespace bw {
namespace {

class Sounds : public ::testing::Test {
protected:
    test::FlowFixture fx;
    test::RecordingSound& sound() { return fx.core.sound; }
};

TEST_F(Sounds, MasterSwitchOffSilencesEveryEvent) {
    SetParameter(141, 1, "N");
    PlayEventSound("Won", true);
    PlayEventSoundLooped("Redeal", true);
    StopEventSound();
    EXPECT_TRUE(sound().played.empty());
    EXPECT_EQ(sound().stops, 0);

    SetParameter(141, 1, "Y");
    PlayEventSound("Won", false);
    EXPECT_TRUE(sound().played.empty());
    PlayEventSound("Won", true);
    PlayEventSoundLooped("Redeal", true);
    StopEventSound();
    EXPECT_EQ(sound().played, (std::vector<std::string>{"Won", "Redeal (loop)"}));
    EXPECT_EQ(sound().stops, 1);
}

TEST_F(Sounds, EventSwitchesReadYOnly) {
    SetParameter(144, 1, "Y");
    SetParameter(145, 1, "N");
    EXPECT_TRUE(SoundSwitch(field::kSoundsGameWon));
    EXPECT_FALSE(SoundSwitch(field::kSoundsNewGame));
    EXPECT_FALSE(SoundSwitch(field::kSoundsRedo));  // blank
}

TEST_F(Sounds, SplashFollowsTheSettingsFile) {
    // No settings file: both switches default to on.
    PlaySplash();
    EXPECT_EQ(GetParameter(141, 1), "Y");
    EXPECT_EQ(sound().played, std::vector<std::string>{"Splash"});

    sound().played.clear();
    fx.core.dir.write("DATA/Cfg.dat", "[Preference]\r\nSounds_Enabled=N\r\nSounds_Splash=Y\r\n");
    PlaySplash();
    EXPECT_EQ(GetParameter(141, 1), "N");
    EXPECT_TRUE(sound().played.empty());

    fx.core.dir.write("DATA/Cfg.dat", "[Preference]\r\nSounds_Enabled=Y\r\nSounds_Splash=N\r\n");
    PlaySplash();
    EXPECT_EQ(GetParameter(141, 1), "Y");
    EXPECT_TRUE(sound().played.empty());
}

TEST_F(Sounds, LinkAddresses) {
    EXPECT_EQ(LinkAddress("http", "www.example.com/x"), "http://www.example.com/x");
    EXPECT_EQ(LinkAddress("HTTP", "http://a.b"), "http://a.b");
    EXPECT_EQ(LinkAddress("Http", "https://a.b"), "https://a.b");
    EXPECT_EQ(LinkAddress("HTTP", "HTTPS://a.b"), "HTTPS://a.b");
    // A scheme that is not the web's gets the web's in front: never a local file.
    EXPECT_EQ(LinkAddress("HTTP", "file:///etc/passwd"), "http://file:///etc/passwd");
    EXPECT_EQ(LinkAddress("EMAIL", "help@example.com"), "mailto:help@example.com");
    EXPECT_EQ(LinkAddress("email", "a@b"), "mailto:a@b");
    EXPECT_EQ(LinkAddress("FTP", "a.b"), "");
    EXPECT_EQ(LinkAddress("", "a.b"), "");
}

TEST_F(Sounds, OpenLinkHandsTheAddressToTheDesktop) {
    EXPECT_TRUE(OpenLink("http", "www.example.com"));
    EXPECT_TRUE(OpenLink("EMAIL", "help@example.com"));
    EXPECT_EQ(fx.dialogs.urls,
              (std::vector<std::string>{"http://www.example.com", "mailto:help@example.com"}));
    EXPECT_EQ(fx.dialogs.busy, 0);
    EXPECT_TRUE(fx.dialogs.infos.empty());

    fx.dialogs.urlResult = false;
    EXPECT_FALSE(OpenLink("HTTP", "www.example.com"));
    EXPECT_TRUE(fx.dialogs.infos.empty());
}

TEST_F(Sounds, OpenLinkWithAnotherKindOpensNothing) {
    EXPECT_FALSE(OpenLink("news", "www.example.com"));
    EXPECT_EQ(fx.dialogs.infos, std::vector<std::string>{"Error in parameters"});
    EXPECT_TRUE(fx.dialogs.urls.empty());
}

}  // namespace
}  // namespace bw
