#pragma once
// Catches what the code under test prints on standard output: the C runtime's stdout goes to a
// file for the lifetime of the object, and text() gives what was written so far.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "tests/support/TempDir.h"

class StdoutCapture {
public:
    StdoutCapture() : m_file(m_dir.file("stdout.txt")) {
        std::fflush(stdout);
        m_saved = _dup(_fileno(stdout));
        int fd = _open(m_file.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
        _dup2(fd, _fileno(stdout));
        _close(fd);
    }
    ~StdoutCapture() {
        std::fflush(stdout);
        _dup2(m_saved, _fileno(stdout));
        _close(m_saved);
    }
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    std::string text() const {
        std::fflush(stdout);
        return testing_support::ReadFileBytes(m_file);
    }

private:
    testing_support::TempDir m_dir;
    std::string m_file;
    int m_saved = -1;
};
