#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it.
#include <string>

namespace testing_support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "\\" + name; }
    // A name of any characters in the folder.
    std::wstring wideFile(const std::wstring& name) const;

private:
    std::string m_path;
};

// Whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
std::string ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Files (not folders) named "<path>*.tmp": the temporary files a save of `path` may leave.
int TemporaryFilesBeside(const std::string& path);
// Writes the file and gives it a last-write time of `minute` minutes after a fixed moment.
bool WriteFileAtMinute(const std::string& path, const std::string& bytes, int minute);
// A file of `size` bytes that starts with `head` and holds NUL bytes after it, made sparse so
// that it costs neither time nor disk.
bool MakeHugeFile(const std::string& path, const std::string& head, long long size);

// A path on drive C: by a second path, through drive Z: where Wine shows the host's whole file
// system; empty outside Wine or for another drive.
std::string PathByDriveZ(const std::string& path);

// "/a/b" (a path of the Linux side, as CMake gives it) as Wine sees it: "Z:\a\b".
std::string HostPathToWindows(const std::string& path);

}  // namespace testing_support
