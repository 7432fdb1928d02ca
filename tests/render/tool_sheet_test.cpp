// brindlewick-tool sheet, run as a process beside the built library.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <QImage>
#include <cstdlib>

#include "render_support.h"

namespace bw {
namespace {

int RunTool(const std::string& args) {
    const std::string cmd =
        "'" + std::string(BW_PROGRAM_DIR) + "brindlewick-tool' " + args + " 2>/dev/null";
    const int status = std::system(cmd.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ToolSheetTest, WritesFacesJokerAndBacks) {
    test::TempDir dir;
    ASSERT_EQ(RunTool("sheet M 003 -o '" + dir.file("m.png") + "'"), 0);
    QImage sheet(QString::fromStdString(dir.file("m.png")));
    // 13 columns of 59-pixel cards; 4 suit rows, the joker row, one row of
    // the 8 backs; 6-pixel gaps.
    EXPECT_EQ(sheet.size(), QSize(6 + 13 * 65, 6 + 6 * 86));
    // The ace of hearts sits top left, a card back in the last row.
    EXPECT_NE(sheet.pixel(6 + 30, 6 + 40) & 0xFFFFFF, 0x006000u);
    EXPECT_NE(sheet.pixel(6 + 7 * 65 + 30, 6 + 5 * 86 + 40) & 0xFFFFFF, 0x006000u);
    EXPECT_EQ(sheet.pixel(6 + 8 * 65 + 30, 6 + 5 * 86 + 40) & 0xFFFFFF, 0x006000u);  // only 8 backs

    EXPECT_EQ(RunTool("sheet X 001 -o '" + dir.file("x.png") + "'"), 2);
    EXPECT_EQ(RunTool("sheet B 1 -o '" + dir.file("x.png") + "'"), 2);
    EXPECT_EQ(RunTool("sheet B 001"), 2);
}

}  // namespace
}  // namespace bw
