#include "StdoutCapture.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace testing_support {

StdoutCapture::StdoutCapture() : m_file(m_dir.file("stdout.txt")) {
    std::fflush(stdout);
    m_saved = _dup(_fileno(stdout));
    int fd = _open(m_file.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, 0600);
    _dup2(fd, _fileno(stdout));
    _close(fd);
}

StdoutCapture::~StdoutCapture() {
    std::fflush(stdout);
    _dup2(m_saved, _fileno(stdout));
    _close(m_saved);
}

std::string StdoutCapture::text() const {
    std::fflush(stdout);
    return ReadFileBytes(m_file);
}

}  // namespace testing_support
