#include "framework/DiagnosticLine.h"

#include <cstdarg>
#include <cstdio>

namespace fw {

void PrintLine(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::vprintf(format, arguments);
    va_end(arguments);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace fw
