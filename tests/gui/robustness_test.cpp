// Input the design leaves open must neither crash nor hang the program.
#include "app/global_state.h"
#include "art/sampler.h"
#include "support/message_box_answerer.h"
#include "support/ui.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/edit_box.h"
#include "toolkit/window.h"
#include "windows/window_definitions.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace testing_support;
using app::globalState;
using toolkit::Window;

namespace {

class RobustnessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CreateDirectoryW(L"D:\\tuk", nullptr);
        writeFile("D:\\tuk\\tuk.ini", "[1]\r\nh=r\r\n");
        globalState = {};
        globalState.colourText = "255";
        art_ = Window::create(windows::artWindow());
        ASSERT_TRUE(art_);
        art_->show();
    }
    void TearDown() override {
        DestroyWindow(art_->handle());
        pumpMessages(10ms);
        removeSettingsFolder();
    }
    std::string convert() {
        MessageBoxAnswerer answerer({IDNO});
        art::runSampler(art_->surface("画板1"), art_->editBox("编辑框main"));
        EXPECT_EQ(answerer.seen().size(), 1u);
        return art_->editBox("编辑框main").text();
    }
    static std::size_t lineCount(const std::string& text) {
        std::size_t lines = 0;
        for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2)
            ++lines;
        return lines;
    }

    std::shared_ptr<Window> art_;
};

} // namespace

TEST_F(RobustnessTest, AFillTextOf10000Characters) {
    globalState.sourceText = "国";
    globalState.fillText = std::string(10000, 'x');
    const std::string out = convert();
    EXPECT_EQ(lineCount(out), 18u);
    const auto inkCells = std::count(out.begin(), out.end(), 'x') / 10000;
    EXPECT_GT(inkCells, 0);
    EXPECT_EQ(out.size(), static_cast<std::size_t>(inkCells * 10001 + (1800 - inkCells) * 2 + 36));
}

TEST_F(RobustnessTest, AnInputTextOf100000Characters) {
    auto input = Window::create(windows::inputWindow());
    input->editBox("编辑框enter").setText(std::string(100000, 'W'));
    SendMessageW(input->control("按钮1").handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(globalState.sourceText.size(), 100000u);
    EXPECT_EQ(lineCount(convert()), 18u) << "the text is cut by the grid";
    DestroyWindow(input->handle());
}

TEST_F(RobustnessTest, AFontNameThatDoesNotExist) {
    toolkit::DrawingSurface& surface = art_->surface("画板1");
    surface.setFontName("没有这个字体 NoSuchFont");
    surface.setFontSize(12);
    globalState.sourceText = "tuk";
    globalState.fillText.assign(1, '*');
    const std::string out = convert();
    EXPECT_EQ(lineCount(out), 18u);
    EXPECT_NE(out.find('*'), std::string::npos) << "the platform falls back to a font it has";
}

TEST_F(RobustnessTest, ASettingsFileOf1Megabyte) {
    std::string big = "[1]\r\nh=";
    big.append(1 << 20, 'a').append("\r\n");
    ASSERT_TRUE(writeFile("D:\\tuk\\tuk.ini", big));
    MessageBoxAnswerer answerer;
    auto input = Window::create(windows::inputWindow());
    ASSERT_TRUE(input);
    EXPECT_TRUE(answerer.seen().empty()) << "a long value is still a value";
    EXPECT_TRUE(readFile("D:\\tuk\\tuk.ini") == big) << "and the file stays as it was";
    DestroyWindow(input->handle());
}
