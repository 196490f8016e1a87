#include "file_write.h"

#include <windows.h>

#include <utility>

namespace toolkit {
namespace {

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
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

} // namespace

bool writeFileReplacing(const std::string& path, std::string_view bytes) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    char temporary[MAX_PATH + 1]{};
    if (!GetTempFileNameA(folder.c_str(), "tuk", 0, temporary))
        return false;
    bool complete = false;
    {
        FileHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        complete = file.valid() && writeAll(file.get(), bytes) && FlushFileBuffers(file.get()) &&
                   file.close();
    }
    if (complete &&
        MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary);
    return false;
}

} // namespace toolkit
