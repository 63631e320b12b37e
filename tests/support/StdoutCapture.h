#pragma once
// The C runtime's standard output goes to a file while the object lives, so that a test can
// read the diagnostic lines the code under test printed.
#include <string>

#include "TempDir.h"

namespace testing_support {

class StdoutCapture {
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    std::string text() const;

private:
    TempDir m_dir;
    std::string m_file;
    int m_saved;
};

}  // namespace testing_support
