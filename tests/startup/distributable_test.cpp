// tuk.exe is one file that carries its manifest, its icon and its version information.
#include "support/process.h"
#include "support/ui.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

using namespace testing_support;

namespace {

std::string resourceText(HMODULE module, LPCWSTR type, LPCWSTR name) {
    HRSRC found = FindResourceW(module, name, type);
    if (!found)
        return {};
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(data, SizeofResource(module, found));
}

} // namespace

TEST(Distributable, TukExeCarriesManifestIconAndVersion) {
    const std::string path = programFolder() + "tuk.exe";
    HMODULE exe = LoadLibraryExW(widen(path).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(exe);
    const std::string manifest = resourceText(exe, MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));
    EXPECT_EQ(manifest.find("activeCodePage"), std::string::npos)
        << "nothing may depend on the active code page";
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_TRUE(FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14))) << "an icon group";
    EXPECT_TRUE(LoadImageW(exe, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0)) << "a 32x32 icon";
    FreeLibrary(exe);

    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeW(widen(path).c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(
        GetFileVersionInfoW(widen(path).c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(1, 3)) << "3.1";
    wchar_t* product = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\080404b0\\ProductName",
                               reinterpret_cast<void**>(&product), &size));
    EXPECT_EQ(narrow(product), "tuk");
}
