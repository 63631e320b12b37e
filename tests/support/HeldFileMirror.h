#pragma once
// The held-file mirror that the test run mounted (tests/support/held-file-fs.sh): files
// written into its backing folder show in its mount point, and a name that starts with "10s-"
// answers the first read of each open after ten seconds, or once its backing file is deleted
// (a test's end lets the process it held go).
#include <cstdlib>
#include <string>

#include "TempDir.h"

namespace testing_support {

class HeldFileMirror {
public:
    HeldFileMirror() {
        const char* folder = std::getenv("HELD_FS_DIR");
        if (!folder) {
            m_unavailable = "HELD_FS_DIR is not set (run through ctest)";
            return;
        }
        m_folder = HostPathToWindows(folder);
        const std::string status = ReadFileBytes(m_folder + "\\status");
        if (status.compare(0, 7, "mounted") != 0) m_unavailable = status.empty() ? "no status" : status;
    }
    const std::string& unavailable() const { return m_unavailable; }
    std::string backing(const std::string& name) const { return m_folder + "\\backing\\" + name; }
    std::string shown(const std::string& name) const { return m_folder + "\\mnt\\" + name; }
    // How many reads of `name` have been held so far.
    int holds(const std::string& name) const {
        const std::string log = ReadFileBytes(m_folder + "\\fs.log");
        const std::string line = "hold " + name + "\n";
        int count = 0;
        for (size_t at = log.find(line); at != std::string::npos; at = log.find(line, at + line.size())) ++count;
        return count;
    }
    bool holding(const std::string& name) const { return holds(name) > 0; }

private:
    std::string m_folder;
    std::string m_unavailable;
};

}  // namespace testing_support
