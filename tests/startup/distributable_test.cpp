// tuk.exe is one file that carries its manifest, its icon and its version information.
#include "support/process.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

using namespace testing_support;

namespace {

std::string resourceText(HMODULE module, LPCSTR type, LPCSTR name) {
    HRSRC found = FindResourceA(module, name, type);
    if (!found)
        return {};
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(data, SizeofResource(module, found));
}

} // namespace

TEST(Distributable, TukExeCarriesManifestIconAndVersion) {
    const std::string path = programFolder() + "tuk.exe";
    HMODULE exe = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(exe);
    const std::string manifest = resourceText(exe, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1));
    EXPECT_NE(manifest.find("<activeCodePage"), std::string::npos);
    EXPECT_NE(manifest.find(">UTF-8<"), std::string::npos);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_TRUE(FindResourceA(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14))) << "an icon group";
    EXPECT_TRUE(LoadImageA(exe, MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, 0)) << "a 32x32 icon";
    FreeLibrary(exe);

    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(1, 3)) << "3.1";
    char* product = nullptr;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\080404b0\\ProductName",
                               reinterpret_cast<void**>(&product), &size));
    EXPECT_STREQ(product, "tuk");
}
