#pragma once
// Splits a text file's bytes, already in memory, into lines as text mode reads them: "\r\n"
// read as "\n", Ctrl+Z ending a byte file. Lines come without their ends.
#include <string>

namespace fw {

class LineReader {
public:
    enum class Result { Line, End };
    enum class Units { Bytes, Utf16LittleEndian, Utf16BigEndian };

    // `bytes` must outlive the reader.
    explicit LineReader(const std::string& bytes) : m_bytes(bytes) {}
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Skips bytes at the start (a byte-order mark) and sets how a line is split.
    void Begin(size_t skipBytes, Units units);

    // The next line, at most maxBytes of it. A longer line comes back cut at maxBytes and ends
    // the reading there: the rest is not read.
    Result ReadLine(std::string& line, size_t maxBytes);

private:
    bool NextUnit(unsigned& unit, size_t& at);

    const std::string& m_bytes;
    size_t m_pos = 0;
    bool m_stopped = false;
    Units m_units = Units::Bytes;
};

}  // namespace fw
