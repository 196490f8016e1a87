#include "profile_file.h"

#include "text.h"

#include <windows.h>

namespace toolkit {

void createFolder(std::string_view path) {
    CreateDirectoryW(widen(path).c_str(), nullptr);
}

std::string readProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::size_t bufferSize) {
    std::wstring value(bufferSize, L'\0');
    const DWORD length =
        GetPrivateProfileStringW(widen(section).c_str(), widen(key).c_str(), nullptr, value.data(),
                                 static_cast<DWORD>(value.size()), widen(file).c_str());
    value.resize(length < value.size() ? length : 0);
    return narrow(value);
}

void writeProfileValue(std::string_view file, std::string_view section, std::string_view key,
                       std::string_view value) {
    WritePrivateProfileStringW(widen(section).c_str(), widen(key).c_str(), widen(value).c_str(),
                               widen(file).c_str());
}

QuietDriveErrors::QuietDriveErrors()
    : previous_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}

QuietDriveErrors::~QuietDriveErrors() {
    SetErrorMode(previous_);
}

} // namespace toolkit
