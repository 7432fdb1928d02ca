// brindlewick-tool render, run as a process from a scratch folder holding a
// copy of the tool, the resource library and a GAMES.DAT written here.
#include <sys/wait.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>

#include "render/render_game.h"
#include "render_fixture.h"
#include "storage/catalogue.h"
#include "support/program_game.h"

namespace bw {
namespace {

namespace fs = std::filesystem;

struct Result {
    int status;
    std::string err;
};

class RenderTool : public test::RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        WindowCanvas() = nullptr;
        const std::string bin = BW_PROGRAM_DIR;
        ASSERT_TRUE(fs::exists(bin + "brindlewick-tool"));
        fs::copy_file(bin + "brindlewick-tool", tools.file("brindlewick-tool"));
        fs::permissions(tools.file("brindlewick-tool"), fs::perms::owner_all);
        fs::copy_file(bin + "QLR.RGF", tools.file("QLR.RGF"));
        const std::string games =
            test::GamesDat({{901, test::MemoryGridRules()}, {902, test::CascadeRules()}});
        tools.write("GAMES.DAT", games);
        core.dir.write("GAMES.DAT", games);
    }
    Result Tool(const std::string& args) {
        const std::string cmd = "QT_QPA_PLATFORM=offscreen '" + tools.file("brindlewick-tool") +
                                "' render " + args + " 2>'" + tools.file("err") + "'";
        const int raw = std::system(cmd.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, tools.read("err")};
    }
    test::TempDir tools;
};

TEST_F(RenderTool, WritesTheDealtTableAsTheProgramDrawsIt) {
    const std::string out = tools.file("table.png");
    const Result r = Tool(
        "902 4711200300001 --top 75 --bottom 700 --height 768 --width 1024 "
        "--screen 1024 768 -o '" +
        out + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    QImage written;
    ASSERT_TRUE(written.load(QString::fromStdString(out)));
    EXPECT_EQ(written.size(), QSize(1024, 701));

    ASSERT_TRUE(LoadCatalogue());
    RenderRequest request;
    request.gameId = 902;
    request.gameNumber = "4711200300001";
    request.layout.top = 75;
    request.layout.bottom = 700;
    request.layout.height = 768;
    request.layout.width = 1024;
    request.layout.screenWidth = 1024;
    request.layout.screenHeight = 768;
    const QImage here =
        RenderDealtTable(ProgramGame(), request).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(written.convertToFormat(QImage::Format_RGB32) == here);
}

TEST_F(RenderTool, LargeScreenMediumCardsNoShadow) {
    const std::string out = tools.file("big.png");
    const Result r = Tool(
        "901 1 --top 60 --bottom 1000 --height 1080 --width 1900 --screen 1920 1080 "
        "--card-size M --no-shadow -o '" +
        out + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    QImage written;
    ASSERT_TRUE(written.load(QString::fromStdString(out)));
    EXPECT_EQ(written.size(), QSize(1900, 1001));
}

TEST_F(RenderTool, RefusesBadRequestsWithAMessage) {
    const std::string rect = " --top 75 --bottom 700 --height 768 --width 1024";
    const std::string out = " -o '" + tools.file("x.png") + "'";
    EXPECT_EQ(Tool("902 12ab" + rect + out).status, 2);
    EXPECT_EQ(Tool("902 12345678901234" + rect + out).status, 2);
    EXPECT_EQ(Tool("902 1" + rect).status, 2);
    EXPECT_EQ(Tool("902 1 --top 75" + out).status, 2);
    const Result unknown = Tool("777 1" + rect + out);
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown game id 777"), std::string::npos) << unknown.err;
    EXPECT_FALSE(fs::exists(tools.file("x.png")));

    const Result unwritable = Tool("902 1" + rect + " -o '" + tools.file("no/such/dir.png") + "'");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos);

    fs::remove(tools.file("QLR.RGF"));
    const Result noLibrary = Tool("902 1" + rect + out);
    EXPECT_EQ(noLibrary.status, 1);
    EXPECT_NE(noLibrary.err.find("QLR.RGF"), std::string::npos) << noLibrary.err;
}

}  // namespace
}  // namespace bw
