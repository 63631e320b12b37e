#include "framework/LineReader.h"

namespace fw {
namespace {
const size_t kBufferSize = 64 * 1024;
const unsigned kCtrlZ = 0x1A;
}  // namespace

LineReader::~LineReader() {
    if (m_file != INVALID_HANDLE_VALUE) CloseHandle(m_file);
}

bool LineReader::Open(const std::string& path) {
    m_file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_file == INVALID_HANDLE_VALUE) return false;
    m_buffer.resize(kBufferSize);
    return true;
}

bool LineReader::Fill() {
    if (m_eof || m_error) return false;
    if (m_pos < m_end) {  // keep what is left at the front
        std::copy(m_buffer.begin() + static_cast<long>(m_pos), m_buffer.begin() + static_cast<long>(m_end), m_buffer.begin());
        m_end -= m_pos;
    } else {
        m_end = 0;
    }
    m_pos = 0;
    DWORD got = 0;
    if (!ReadFile(m_file, m_buffer.data() + m_end, static_cast<DWORD>(m_buffer.size() - m_end), &got, nullptr)) {
        m_error = true;
        return false;
    }
    if (got == 0) m_eof = true;
    m_end += got;
    return got > 0;
}

std::string LineReader::PeekStart(size_t n) {
    while (m_end - m_pos < n && Fill()) {
    }
    return std::string(m_buffer.data() + m_pos, std::min(n, m_end - m_pos));
}

void LineReader::Begin(size_t skipBytes, Units units) {
    PeekStart(skipBytes);
    m_pos += std::min(skipBytes, m_end - m_pos);
    m_units = units;
}

// One unit of the file (a byte, or a 16-bit unit) and its raw bytes; false at the end.
bool LineReader::NextUnit(unsigned& unit, std::string& raw) {
    size_t width = m_units == Units::Bytes ? 1 : 2;
    while (m_end - m_pos < width)
        if (!Fill()) return false;  // a lone odd byte at the end of a 16-bit file is dropped
    raw.assign(m_buffer.data() + m_pos, width);
    unit = UnitValue(raw);
    m_pos += width;
    return true;
}

unsigned LineReader::UnitValue(const std::string& raw) const {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(raw.data());
    if (m_units == Units::Bytes) return p[0];
    if (m_units == Units::Utf16LittleEndian) return p[0] | (p[1] << 8);
    return (p[0] << 8) | p[1];
}

LineReader::Result LineReader::ReadLine(std::string& line, size_t maxBytes) {
    line.clear();
    if (m_file == INVALID_HANDLE_VALUE || m_stopped) return Result::End;
    const size_t width = m_units == Units::Bytes ? 1 : 2;
    bool consumed = false;
    unsigned unit = 0;
    std::string raw;
    while (NextUnit(unit, raw)) {
        if (m_units == Units::Bytes && unit == kCtrlZ) {  // text mode: Ctrl+Z ends the file
            m_stopped = true;
            break;
        }
        consumed = true;
        if (unit == '\n') {
            // text mode reads "\r\n" as "\n"
            if (line.size() >= width && UnitValue(line.substr(line.size() - width)) == '\r')
                line.resize(line.size() - width);
            return Result::Line;
        }
        if (line.size() + width > maxBytes) {
            m_stopped = true;  // a line this long ends the reading
            return Result::Line;
        }
        line += raw;
    }
    if (m_error) return Result::Error;
    return consumed ? Result::Line : Result::End;
}

}  // namespace fw
