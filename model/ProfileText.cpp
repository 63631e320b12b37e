#include "model/ProfileText.h"

#include <windows.h>

#include <cstring>
#include <utility>

#include "framework/Mbcs.h"

namespace {
const char kUtf8Mark[] = "\xEF\xBB\xBF";
const char kUtf16LeMark[] = "\xFF\xFE";
const char kUtf16BeMark[] = "\xFE\xFF";
const char kLineEnd[] = "\r\n";
const size_t kNone = std::string::npos;

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool startsWith(const std::string& s, const char* mark) { return s.compare(0, std::strlen(mark), mark) == 0; }

std::string upTo(const std::string& s, size_t from, size_t to) {
    size_t nul = s.find('\0', from);
    return s.substr(from, (nul < to ? nul : to) - from);
}

std::wstring widen(const std::string& bytes, UINT codePage) {
    if (bytes.empty()) return std::wstring();
    int length = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0], length);
    return wide;
}

std::string narrow(const std::wstring& wide, UINT codePage) {
    if (wide.empty()) return std::string();
    int length = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                     nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &bytes[0], length, nullptr,
                            nullptr);
    return bytes;
}

std::wstring utf16From(const std::string& bytes, size_t from, bool bigEndian) {
    std::wstring wide;
    wide.reserve((bytes.size() - from) / 2);
    for (size_t i = from; i + 1 < bytes.size(); i += 2) {
        unsigned char first = static_cast<unsigned char>(bytes[i]);
        unsigned char second = static_cast<unsigned char>(bytes[i + 1]);
        wide += static_cast<wchar_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return wide;
}

std::string utf16Bytes(const std::wstring& wide, bool bigEndian) {
    std::string bytes;
    bytes.reserve(wide.size() * 2);
    for (wchar_t c : wide) {
        char high = static_cast<char>((c >> 8) & 0xFF);
        char low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}
}  // namespace

ProfileText::ProfileText(std::string bytes) {
    if (startsWith(bytes, kUtf8Mark)) {
        m_encoding = Encoding::Utf8;
        m_text = bytes.substr(3);
    } else if (startsWith(bytes, kUtf16LeMark) || startsWith(bytes, kUtf16BeMark)) {
        bool bigEndian = startsWith(bytes, kUtf16BeMark);
        m_encoding = bigEndian ? Encoding::Utf16Be : Encoding::Utf16Le;
        m_text = narrow(utf16From(bytes, 2, bigEndian), CP_UTF8);
    } else {
        m_text = std::move(bytes);
    }
    parse();
}

void ProfileText::parse() {
    // Section 0 holds the lines before the first section header; it has no name to be found by.
    m_sections.push_back(Section());
    size_t currentSection = 0;
    for (size_t start = 0; start < m_text.size();) {
        Line line;
        line.start = start;
        line.contentEnd = start;
        while (line.contentEnd < m_text.size() && !isLineEnd(m_text[line.contentEnd])) ++line.contentEnd;
        line.end = line.contentEnd;
        if (line.end < m_text.size() && m_text[line.end] == '\r') ++line.end;
        if (line.end < m_text.size() && m_text[line.end] == '\n') ++line.end;
        start = line.end;
        m_lines.push_back(line);
        parseLine(m_lines.size() - 1, currentSection);
    }
}

void ProfileText::parseLine(size_t lineIndex, size_t& currentSection) {
    Line& line = m_lines[lineIndex];
    size_t from = line.start;
    size_t to = line.contentEnd;
    while (from < to && isBlank(m_text[from])) ++from;
    while (to > from && isBlank(m_text[to - 1])) --to;
    if (from == to) return;  // a blank line belongs to no key and ends no section

    size_t closing = m_text[from] == '[' ? lastOf(']', from + 1, to) : kNone;
    if (closing != kNone) {
        size_t nameFrom = from + 1;
        size_t nameTo = closing;
        while (nameFrom < nameTo && isBlank(m_text[nameFrom])) ++nameFrom;
        while (nameTo > nameFrom && isBlank(m_text[nameTo - 1])) --nameTo;
        Section section;
        section.lastLine = lineIndex;
        m_sections.push_back(section);
        currentSection = m_sections.size() - 1;
        m_sectionIndex.emplace(fw::UpperAscii(upTo(m_text, nameFrom, nameTo)), currentSection);
        return;
    }

    m_sections[currentSection].lastLine = lineIndex;
    size_t equals = m_text.find('=', from);
    if (equals >= to) equals = kNone;
    line.nameEnd = equals == kNone ? to : equals;
    while (line.nameEnd > from && isBlank(m_text[line.nameEnd - 1])) --line.nameEnd;
    line.valueStart = kNone;
    if (equals != kNone) {
        line.valueStart = equals + 1;
        while (line.valueStart < to && isBlank(m_text[line.valueStart])) ++line.valueStart;
    }
    if (currentSection == 0) return;
    KeyPlace place;
    place.section = currentSection;
    place.line = lineIndex;
    m_keyIndex.emplace(keyId(currentSection, upTo(m_text, from, line.nameEnd)), place);
}

// The last `c` in [from, to) that is a character of its own, not the second byte of a
// double-byte character of the ANSI code page.
size_t ProfileText::lastOf(char c, size_t from, size_t to) const {
    if (m_encoding != Encoding::Ansi) {
        size_t found = m_text.rfind(c, to - 1);
        return found != kNone && found >= from ? found : kNone;
    }
    size_t found = fw::FindLastChar(m_text.substr(from, to - from), c);
    return found == kNone ? kNone : from + found;
}

std::string ProfileText::keyId(size_t section, const std::string& key) const {
    return std::to_string(section) + '\x01' + fw::UpperAscii(key);
}

size_t ProfileText::findSection(const std::string& name) const {
    auto found = m_sectionIndex.find(fw::UpperAscii(name));
    return found == m_sectionIndex.end() ? 0 : found->second;
}

bool ProfileText::find(const std::string& section, const std::string& key, std::string& value) const {
    size_t sectionIndex = findSection(section);
    if (sectionIndex == 0) return false;
    auto found = m_keyIndex.find(keyId(sectionIndex, key));
    if (found == m_keyIndex.end()) return false;
    const KeyPlace& place = found->second;
    if (place.isAdded) {
        const std::string& added = m_sections[place.section].added[place.line];
        value = toAnsi(added.substr(added.find('=') + 1));
        return true;
    }
    const Line& line = m_lines[place.line];
    if (line.isChanged) {
        value = toAnsi(line.changed.substr(line.valueStart - line.start));
        return true;
    }
    if (line.valueStart == kNone) return false;
    size_t to = line.contentEnd;
    while (to > line.valueStart && isBlank(m_text[to - 1])) --to;
    value = toAnsi(upTo(m_text, line.valueStart, to));
    return true;
}

void ProfileText::set(const std::string& section, const std::string& key, const std::string& rawValue) {
    size_t firstKept = 0;
    while (firstKept < rawValue.size() && isBlank(rawValue[firstKept])) ++firstKept;
    const std::string value = rawValue.substr(firstKept);

    size_t sectionIndex = findSection(section);
    if (sectionIndex == 0) sectionIndex = addSection(section);
    const std::string id = keyId(sectionIndex, key);
    auto found = m_keyIndex.find(id);
    if (found == m_keyIndex.end()) {
        Section& target = m_sections[sectionIndex];
        KeyPlace place;
        place.section = sectionIndex;
        place.line = target.added.size();
        place.isAdded = true;
        target.added.push_back(key + "=" + toStored(value));
        m_keyIndex.emplace(id, place);
        return;
    }
    const KeyPlace& place = found->second;
    if (place.isAdded) {
        std::string& added = m_sections[place.section].added[place.line];
        added = added.substr(0, added.find('=') + 1) + toStored(value);
        return;
    }
    std::string current;
    if (find(section, key, current) && current == value) return;
    Line& line = m_lines[place.line];
    if (line.valueStart == kNone) {
        line.changed = m_text.substr(line.start, line.nameEnd - line.start) + "=";
        line.valueStart = line.nameEnd + 1;
    } else if (!line.isChanged) {
        line.changed = m_text.substr(line.start, line.valueStart - line.start);
    } else {
        line.changed.resize(line.valueStart - line.start);
    }
    line.changed += toStored(value);
    line.isChanged = true;
}

size_t ProfileText::addSection(const std::string& name) {
    Section section;
    section.name = name;
    section.isNew = true;
    m_sections.push_back(section);
    m_sectionIndex.emplace(fw::UpperAscii(name), m_sections.size() - 1);
    return m_sections.size() - 1;
}

std::string ProfileText::bytes() const {
    // Keys added to a section follow its last non-blank line.
    std::vector<size_t> sectionEndingAt(m_lines.size(), 0);
    for (size_t s = 0; s < m_sections.size(); ++s)
        if (!m_sections[s].isNew && !m_sections[s].added.empty()) sectionEndingAt[m_sections[s].lastLine] = s;

    std::string text;
    text.reserve(m_text.size() + m_text.size() / 8 + 64);
    auto endLineIfOpen = [&text]() {
        if (!text.empty() && !isLineEnd(text.back())) text += kLineEnd;
    };
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.isChanged) {
            text += line.changed;
            text.append(m_text, line.contentEnd, line.end - line.contentEnd);
        } else {
            text.append(m_text, line.start, line.end - line.start);
        }
        if (sectionEndingAt[i] == 0) continue;
        endLineIfOpen();
        for (const std::string& added : m_sections[sectionEndingAt[i]].added) text += added + kLineEnd;
    }
    for (const Section& section : m_sections) {
        if (!section.isNew) continue;
        endLineIfOpen();
        text += "[" + section.name + "]" + kLineEnd;
        for (const std::string& added : section.added) text += added + kLineEnd;
    }

    switch (m_encoding) {
    case Encoding::Utf8: return kUtf8Mark + text;
    case Encoding::Utf16Le: return kUtf16LeMark + utf16Bytes(widen(text, CP_UTF8), false);
    case Encoding::Utf16Be: return kUtf16BeMark + utf16Bytes(widen(text, CP_UTF8), true);
    default: return text;
    }
}

std::string ProfileText::toAnsi(const std::string& stored) const {
    return m_encoding == Encoding::Ansi ? stored : narrow(widen(stored, CP_UTF8), CP_ACP);
}

std::string ProfileText::toStored(const std::string& ansi) const {
    return m_encoding == Encoding::Ansi ? ansi : narrow(widen(ansi, CP_ACP), CP_UTF8);
}
