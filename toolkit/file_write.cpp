#include "file_write.h"

#include "text.h"

#include <windows.h>

#include <string>
#include <utility>

namespace toolkit {
namespace {

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(FileHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { close(); }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        return valid() ? CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != FALSE : true;
    }

  private:
    HANDLE handle_;
};

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk =
            bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// A new, empty file of our own beside the target: "tuk" and a number, ".tmp". Created with
// CREATE_NEW, so it never takes over a file that is already there, and its name is built
// whole, so it is never cut short however long the folder's name is.
FileHandle createTemporaryBeside(const std::wstring& target, std::wstring& name) {
    const std::size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"" : target.substr(0, slash + 1);
    unsigned number = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < 100; ++attempt, ++number) {
        wchar_t suffix[16]{};
        wsprintfW(suffix, L"tuk%04X.tmp", number & 0xFFFFu);
        name = folder + suffix;
        FileHandle file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.valid() || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return FileHandle(INVALID_HANDLE_VALUE);
}

} // namespace

bool writeFileReplacing(const std::string& path, std::string_view bytes) {
    const std::wstring target = widen(path);
    std::wstring temporary;
    bool complete = false;
    {
        FileHandle file = createTemporaryBeside(target, temporary);
        if (!file.valid())
            return false;
        complete = writeAll(file.get(), bytes) && FlushFileBuffers(file.get()) && file.close();
    }
    if (complete && MoveFileExW(temporary.c_str(), target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

} // namespace toolkit
