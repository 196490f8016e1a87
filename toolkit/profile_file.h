#pragma once
// The platform's profile (INI) file functions and folder creation, with UTF-8 names and
// values. Results are not reported: the program does not look at them.
#include <cstddef>
#include <string>
#include <string_view>

namespace toolkit {

// CreateDirectory without security attributes.
void createFolder(std::string_view path);
// GetPrivateProfileString with no default: a missing file, section or key reads as empty.
// A value longer than the buffer (its terminating zero included) arrives cut to fit.
std::string readProfileValue(std::string_view file, std::string_view section, std::string_view key,
                             std::size_t bufferSize);
// WritePrivateProfileString: creates the file if its folder exists.
void writeProfileValue(std::string_view file, std::string_view section, std::string_view key,
                       std::string_view value);

// While alive, a drive without a medium (an empty card reader or DVD drive) makes a file
// call fail quietly instead of asking the user to insert a disk.
class QuietDriveErrors {
  public:
    QuietDriveErrors();
    ~QuietDriveErrors();
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

  private:
    unsigned previous_;
};

} // namespace toolkit
