#include "framework/LineReader.h"

#include <algorithm>

namespace fw {
namespace {
const unsigned kCtrlZ = 0x1A;

unsigned UnitAt(const std::string& bytes, size_t at, LineReader::Units units) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    if (units == LineReader::Units::Bytes) return p[0];
    if (units == LineReader::Units::Utf16LittleEndian) return p[0] | (p[1] << 8);
    return (p[0] << 8) | p[1];
}
}  // namespace

void LineReader::Begin(size_t skipBytes, Units units) {
    m_pos = std::min(skipBytes, m_bytes.size());
    m_units = units;
}

// One unit (a byte, or a 16-bit unit) and where it starts; false at the end. A lone odd byte
// at the end of a 16-bit file is dropped.
bool LineReader::NextUnit(unsigned& unit, size_t& at) {
    const size_t width = m_units == Units::Bytes ? 1 : 2;
    if (m_bytes.size() - m_pos < width) return false;
    at = m_pos;
    unit = UnitAt(m_bytes, at, m_units);
    m_pos += width;
    return true;
}

LineReader::Result LineReader::ReadLine(std::string& line, size_t maxBytes) {
    line.clear();
    if (m_stopped) return Result::End;
    const size_t width = m_units == Units::Bytes ? 1 : 2;
    bool consumed = false;
    unsigned unit = 0;
    size_t at = 0;
    while (NextUnit(unit, at)) {
        if (m_units == Units::Bytes && unit == kCtrlZ) {  // text mode: Ctrl+Z ends the file
            m_stopped = true;
            break;
        }
        consumed = true;
        if (unit == '\n') {
            // text mode reads "\r\n" as "\n"
            if (line.size() >= width && UnitAt(line, line.size() - width, m_units) == '\r')
                line.resize(line.size() - width);
            return Result::Line;
        }
        if (line.size() + width > maxBytes) {
            m_stopped = true;  // a line this long ends the reading
            return Result::Line;
        }
        line.append(m_bytes, at, width);
    }
    return consumed ? Result::Line : Result::End;
}

}  // namespace fw
