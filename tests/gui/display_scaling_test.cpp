// The program at 100, 125, 150 and 200 % display scaling: each case starts a probe that builds
// the real windows with the system DPI set in the registry, as Windows and Wine read it, makes
// the art of "tuk 字" and captures part of a screen of known pixels.
#include "support/process.h"
#include "support/ui.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

struct Report {
    int dpi = 0;
    std::pair<int, int> maximum;                        // the largest outer size the screen allows
    std::map<std::string, std::pair<int, int>> windows; // name: outer width, height
    std::vector<std::string> cutTexts;
    std::vector<std::string> art;
    bool captureExact = false;
};

void setSystemDpi(DWORD dpi) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                    sizeof dpi);
}

Report probeAt(DWORD dpi) {
    setSystemDpi(dpi);
    const std::string path = programFolder() + "dpi-report.txt";
    DeleteFileW(widen(path).c_str());
    {
        ChildProcess probe("tuk_dpi_probe.exe", {{"TUK_DPI_REPORT", path}});
        probe.waitForExit(std::chrono::seconds(30));
    }
    setSystemDpi(96);
    Report report;
    std::istringstream in(readFile(path).value_or(""));
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string kind;
        fields >> kind;
        if (kind == "dpi") {
            fields >> report.dpi;
        } else if (kind == "maximum") {
            fields >> report.maximum.first >> report.maximum.second;
        } else if (kind == "window") {
            std::string name;
            int width = 0, height = 0;
            fields >> name >> width >> height;
            report.windows[name] = {width, height};
        } else if (kind == "text") {
            std::string window, control;
            int fits = 0;
            fields >> window >> control >> fits;
            if (!fits)
                report.cutTexts.push_back(window + " " + control);
        } else if (kind == "capture") {
            fields >> report.captureExact;
        } else if (kind == "art") {
            report.art.push_back(line.substr(4));
        }
    }
    return report;
}

} // namespace

TEST(DisplayScaling, WindowsGrowWithTheDisplayTextsFitAndTheArtStaysTheSame) {
    const Report base = probeAt(96);
    ASSERT_EQ(base.dpi, 96);
    ASSERT_EQ(base.art.size(), 18u);
    // The design's outer sizes, in 96-DPI pixels.
    const std::map<std::string, std::pair<int, int>> design = {
        {"input", {348, 210}}, {"art", {1009, 460}}, {"about", {372, 245}}};
    for (const DWORD dpi : {96u, 120u, 144u, 192u}) {
        const Report report = dpi == 96 ? base : probeAt(dpi);
        ASSERT_EQ(report.dpi, static_cast<int>(dpi)) << "the probe ran at this scaling";
        for (const auto& [name, size] : design) {
            const auto found = report.windows.find(name);
            ASSERT_NE(found, report.windows.end()) << name;
            // Scaled, unless the screen is too small for that.
            const int width = std::min(MulDiv(size.first, dpi, 96), report.maximum.first);
            const int height = std::min(MulDiv(size.second, dpi, 96), report.maximum.second);
            EXPECT_NEAR(found->second.first, width, 1) << name << " @" << dpi;
            EXPECT_NEAR(found->second.second, height, 1) << name << " @" << dpi;
        }
        EXPECT_TRUE(report.cutTexts.empty())
            << "cut at " << dpi << " dpi: " << ::testing::PrintToString(report.cutTexts);
        EXPECT_EQ(report.art, base.art) << "the art of \"tuk 字\" at " << dpi << " dpi";
        EXPECT_TRUE(report.captureExact) << "the clipboard holds the dragged pixels at " << dpi;
    }
}
