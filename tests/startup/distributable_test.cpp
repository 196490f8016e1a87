// tuk.exe is one file that carries its manifest, its icon and its version information.
#include "support/process.h"
#include "support/ui.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <set>
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

namespace {

// The names tuk.exe imports, as "dll!function", read from the file's import table.
std::vector<std::string> importedFunctions(const std::string& file) {
    std::vector<std::string> names;
    const std::string image = readFile(file).value_or("");
    auto at = [&](std::size_t offset, std::size_t size) -> const char* {
        return offset + size <= image.size() ? image.data() + offset : nullptr;
    };
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0, sizeof(IMAGE_DOS_HEADER)));
    if (!dos)
        return names;
    const auto* nt =
        reinterpret_cast<const IMAGE_NT_HEADERS64*>(at(dos->e_lfanew, sizeof(IMAGE_NT_HEADERS64)));
    if (!nt)
        return names;
    const auto* sections = reinterpret_cast<const IMAGE_SECTION_HEADER*>(
        at(dos->e_lfanew + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
               nt->FileHeader.SizeOfOptionalHeader,
           sizeof(IMAGE_SECTION_HEADER) * nt->FileHeader.NumberOfSections));
    if (!sections)
        return names;
    auto fileOffset = [&](DWORD rva) -> std::size_t {
        for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return image.size();
    };
    const DWORD importsRva =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (std::size_t d = fileOffset(importsRva);; d += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto* dll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
            at(d, sizeof(IMAGE_IMPORT_DESCRIPTOR)));
        if (!dll || dll->Name == 0)
            break;
        const std::string dllName = at(fileOffset(dll->Name), 1);
        for (std::size_t t = fileOffset(dll->OriginalFirstThunk);; t += sizeof(ULONGLONG)) {
            const auto* thunk = reinterpret_cast<const ULONGLONG*>(at(t, sizeof(ULONGLONG)));
            if (!thunk || *thunk == 0)
                break;
            if (*thunk & IMAGE_ORDINAL_FLAG64)
                continue;
            const char* name = at(fileOffset(static_cast<DWORD>(*thunk)) + 2, 1);
            if (name)
                names.push_back(dllName + "!" + name);
        }
    }
    return names;
}

bool isAnsiForm(const std::string& function) {
    return function.size() > 1 && function.back() == 'A' &&
           std::islower(static_cast<unsigned char>(function[function.size() - 2]));
}

} // namespace

// Text goes to the platform only in UTF-16: tuk.exe imports no "A" function, apart from the
// few that the compiler's own runtime (start-up, threads, error reports) calls with no text of
// the program's.
TEST(Distributable, TukExeCallsNoAnsiFunction) {
    const std::vector<std::string> imports = importedFunctions(programFolder() + "tuk.exe");
    ASSERT_GT(imports.size(), 50u);
    EXPECT_NE(std::find(imports.begin(), imports.end(), "USER32.dll!CreateWindowExW"),
              imports.end());
    const std::set<std::string> runtimeOnly = {
        "KERNEL32.dll!CreateEventA",    "KERNEL32.dll!CreateSemaphoreA",
        "KERNEL32.dll!FormatMessageA",  "KERNEL32.dll!GetModuleHandleA",
        "KERNEL32.dll!GetStartupInfoA", "KERNEL32.dll!OutputDebugStringA"};
    for (const std::string& function : imports) {
        if (isAnsiForm(function.substr(function.find('!') + 1))) {
            EXPECT_TRUE(runtimeOnly.count(function)) << function;
        }
    }
}
