#pragma once
// Reads a text file line by line in text mode: opened for exclusive reading (the open fails
// while any other handle to the file is open), "\r\n" read as "\n", Ctrl+Z ending a byte
// file. Lines come without their ends; failures come back as results.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace fw {

class LineReader {
public:
    enum class Result { Line, End, Error };
    enum class Units { Bytes, Utf16LittleEndian, Utf16BigEndian };

    LineReader() = default;
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool Open(const std::string& path);
    // Up to n bytes from the start of the file, without consuming them (before any line is read).
    std::string PeekStart(size_t n);
    // Skips bytes at the start (a byte-order mark) and sets how a line is split.
    void Begin(size_t skipBytes, Units units);

    // The next line, at most maxBytes of it. A longer line comes back cut at maxBytes and ends
    // the reading there: the rest of the file is not read.
    Result ReadLine(std::string& line, size_t maxBytes);

private:
    bool Fill();
    bool NextUnit(unsigned& unit, std::string& raw);
    unsigned UnitValue(const std::string& raw) const;

    HANDLE m_file = INVALID_HANDLE_VALUE;
    std::vector<char> m_buffer;
    size_t m_pos = 0;
    size_t m_end = 0;
    bool m_eof = false;
    bool m_error = false;
    bool m_stopped = false;
    Units m_units = Units::Bytes;
};

}  // namespace fw
