#pragma once
// One diagnostic line on standard output (the debug console of -D586, else nothing), formatted
// as printf formats it, ended and written out at once.
namespace fw {
void PrintLine(const char* format, ...);
}  // namespace fw
