#include "model/ProfileText.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "framework/Mbcs.h"
#include "framework/Text.h"
#include "framework/TextCodec.h"

namespace {
const char kLineEnd[] = "\r\n";
const size_t kNone = std::string::npos;

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// s[from, to) up to its first NUL byte.
std::string upTo(const std::string& s, size_t from, size_t to) {
    const char* begin = s.data() + from;
    const void* nul = std::memchr(begin, '\0', to - from);
    return std::string(begin, nul ? static_cast<const char*>(nul) : s.data() + to);
}
}  // namespace

ProfileText::ProfileText(std::string bytes) {
    const fw::TextMark mark = fw::MarkOf(bytes);
    if (mark == fw::TextMark::Utf8) {
        m_encoding = Encoding::Utf8;
        m_text = bytes.substr(fw::MarkLength(mark));
    } else if (mark != fw::TextMark::None) {
        bool bigEndian = mark == fw::TextMark::Utf16BigEndian;
        m_encoding = bigEndian ? Encoding::Utf16Be : Encoding::Utf16Le;
        m_text = fw::Narrow(fw::Utf16FromBytes(bytes, fw::MarkLength(mark), bigEndian), CP_UTF8);
    } else {
        m_text = std::move(bytes);
    }
    parse();
}

void ProfileText::parse() {
    // Section 0 holds the lines before the first section header; it has no name to be found by.
    m_sections.push_back(Section());
    size_t currentSection = 0;
    // The next CR and the next LF, each found by one search of the text and kept until a line
    // passes it, so that a file of a hundred megabytes is searched once for each.
    const char* text = m_text.data();
    const size_t size = m_text.size();
    auto nextOf = [text, size](char c, size_t from) {
        const void* found = std::memchr(text + from, c, size - from);
        return found ? static_cast<size_t>(static_cast<const char*>(found) - text) : size;
    };
    size_t nextCr = nextOf('\r', 0);
    size_t nextLf = nextOf('\n', 0);
    for (size_t start = 0; start < size;) {
        if (nextCr < start) nextCr = nextOf('\r', start);
        if (nextLf < start) nextLf = nextOf('\n', start);
        Line line;
        line.start = start;
        line.contentEnd = std::min(nextCr, nextLf);
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
        section.headerLine = lineIndex;
        section.lastLine = lineIndex;
        m_sections.push_back(section);
        currentSection = m_sections.size() - 1;
        auto first = m_sectionIndex.emplace(fw::UpperAscii(upTo(m_text, nameFrom, nameTo)), currentSection);
        if (!first.second) {
            size_t last = first.first->second;
            while (m_sections[last].nextSameName != 0) last = m_sections[last].nextSameName;
            m_sections[last].nextSameName = currentSection;
        }
        return;
    }

    m_sections[currentSection].lastLine = lineIndex;
    const char* text = m_text.data();
    size_t equals = static_cast<size_t>(std::find(text + from, text + to, '=') - text);
    if (equals == to) equals = kNone;
    line.nameEnd = equals == kNone ? to : equals;
    while (line.nameEnd > from && isBlank(m_text[line.nameEnd - 1])) --line.nameEnd;
    line.valueStart = kNone;
    if (equals != kNone) {
        line.valueStart = equals + 1;
        while (line.valueStart < to && isBlank(m_text[line.valueStart])) ++line.valueStart;
    }
    if (currentSection == 0) return;
    line.section = currentSection;
    line.isKey = true;
    KeyPlace place;
    place.section = currentSection;
    place.line = lineIndex;
    m_keyIndex.emplace(keyId(currentSection, upTo(m_text, from, line.nameEnd)), place);
}

// The last `c` in [from, to) that is a character of its own, not the second byte of a
// double-byte character of the ANSI code page.
size_t ProfileText::lastOf(char c, size_t from, size_t to) const {
    if (m_encoding != Encoding::Ansi) {
        for (size_t pos = to; pos > from; --pos)
            if (m_text[pos - 1] == c) return pos - 1;
        return kNone;
    }
    size_t found = fw::FindLastChar(m_text.substr(from, to - from), c);
    return found == kNone ? kNone : from + found;
}

std::string ProfileText::keyId(size_t section, const std::string& key) const {
    return std::to_string(section) + '\x01' + fw::UpperAscii(key);
}

size_t ProfileText::findSection(const std::string& name) const {
    // The keys of one section are mostly read one after the other.
    if (m_lastSectionValid && name == m_lastSectionName) return m_lastSection;
    auto found = m_sectionIndex.find(fw::UpperAscii(name));
    m_lastSectionName = name;
    m_lastSection = found == m_sectionIndex.end() ? 0 : found->second;
    m_lastSectionValid = true;
    return m_lastSection;
}

bool ProfileText::find(const std::string& section, const std::string& key, std::string& value) const {
    size_t sectionIndex = findSection(section);
    if (sectionIndex == 0) return false;
    auto found = m_keyIndex.find(keyId(sectionIndex, key));
    if (found == m_keyIndex.end()) return false;
    const KeyPlace& place = found->second;
    if (place.isAdded) {
        value = valueOf(m_sections[place.section].added[place.line]);
        return true;
    }
    const Line& line = m_lines[place.line];
    if (line.isChanged) {
        value = valueOf(line.changed);
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
    const char* value = rawValue.data() + firstKept;
    const size_t length = rawValue.size() - firstKept;

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
        target.added.push_back(write(key + "=", value, length));
        m_keyIndex.emplace(id, place);
        return;
    }
    const KeyPlace& place = found->second;
    if (place.isAdded) {
        Piece& added = m_sections[place.section].added[place.line];
        added = write(m_written.substr(added.at, added.valueOffset), value, length);
        return;
    }
    Line& line = m_lines[place.line];
    if (holds(line, value, length)) return;
    std::string prefix;
    if (line.isChanged) prefix = m_written.substr(line.changed.at, line.changed.valueOffset);
    else if (line.valueStart == kNone) prefix = m_text.substr(line.start, line.nameEnd - line.start) + "=";
    else prefix = m_text.substr(line.start, line.valueStart - line.start);
    line.changed = write(prefix, value, length);
    line.isChanged = true;
}

void ProfileText::remove(const std::string& section, const std::string& key) {
    for (size_t s = findSection(section); s != 0; s = m_sections[s].nextSameName) {
        const std::string id = keyId(s, key);
        auto found = m_keyIndex.find(id);
        if (found == m_keyIndex.end()) continue;
        const KeyPlace place = found->second;
        m_keyIndex.erase(found);
        if (place.isAdded) {
            m_sections[place.section].added[place.line].isRemoved = true;
            return;
        }
        m_lines[place.line].isRemoved = true;
        KeyPlace next = place;
        if (findLaterLine(place.section, key, place.line, next.line)) m_keyIndex.emplace(id, next);
        return;
    }
}

void ProfileText::removeSection(const std::string& name) {
    const size_t index = findSection(name);
    if (index == 0) return;
    Section& section = m_sections[index];
    section.isRemoved = true;
    if (!section.isNew)
        for (size_t line = section.headerLine; line <= section.lastLine; ++line) m_lines[line].isRemoved = true;
    const std::string upper = fw::UpperAscii(name);
    if (section.nextSameName != 0) m_sectionIndex[upper] = section.nextSameName;
    else m_sectionIndex.erase(upper);
    m_lastSectionValid = false;
}

bool ProfileText::findLaterLine(size_t section, const std::string& key, size_t after, size_t& line) const {
    const std::string wanted = fw::UpperAscii(key);
    for (size_t i = after + 1; i < m_lines.size(); ++i) {
        const Line& candidate = m_lines[i];
        if (!candidate.isKey || candidate.isRemoved || candidate.section != section) continue;
        size_t from = candidate.start;
        while (from < candidate.nameEnd && isBlank(m_text[from])) ++from;
        if (fw::UpperAscii(upTo(m_text, from, candidate.nameEnd)) != wanted) continue;
        line = i;
        return true;
    }
    return false;
}

// Whether the key's line has this value already: the profile writer then leaves the file alone.
bool ProfileText::holds(const Line& line, const char* value, size_t length) const {
    if (line.isChanged) return valueOf(line.changed).compare(0, std::string::npos, value, length) == 0;
    if (line.valueStart == kNone) return false;
    size_t to = line.contentEnd;
    while (to > line.valueStart && isBlank(m_text[to - 1])) --to;
    const char* begin = m_text.data() + line.valueStart;
    const char* end = std::find(begin, m_text.data() + to, '\0');
    if (m_encoding != Encoding::Ansi)
        return toAnsi(std::string(begin, end)).compare(0, std::string::npos, value, length) == 0;
    return static_cast<size_t>(end - begin) == length && std::equal(begin, end, value);
}

ProfileText::Piece ProfileText::write(const std::string& prefix, const char* value, size_t length) {
    Piece piece;
    piece.at = m_written.size();
    piece.valueOffset = prefix.size();
    m_written += prefix;
    if (m_encoding == Encoding::Ansi) m_written.append(value, length);
    else m_written += fw::Narrow(fw::Widen(std::string(value, length), CP_ACP), CP_UTF8);
    piece.length = m_written.size() - piece.at;
    return piece;
}

std::string ProfileText::valueOf(const Piece& piece) const {
    return toAnsi(m_written.substr(piece.at + piece.valueOffset, piece.length - piece.valueOffset));
}

size_t ProfileText::addSection(const std::string& name) {
    m_lastSectionValid = false;
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
        if (!m_sections[s].isNew && !m_sections[s].isRemoved && !m_sections[s].added.empty())
            sectionEndingAt[m_sections[s].lastLine] = s;

    const size_t kHeaderRoom = 32;
    std::string text;
    text.reserve(m_text.size() + m_written.size() + m_sections.size() * kHeaderRoom);
    auto endLineIfOpen = [&text]() {
        if (!text.empty() && !isLineEnd(text.back())) text += kLineEnd;
    };
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.isChanged && !line.isRemoved) {
            text.append(m_written, line.changed.at, line.changed.length);
            text.append(m_text, line.contentEnd, line.end - line.contentEnd);
        } else if (!line.isRemoved) {
            text.append(m_text, line.start, line.end - line.start);
        }
        if (sectionEndingAt[i] == 0) continue;
        endLineIfOpen();
        appendLines(m_sections[sectionEndingAt[i]].added, text);
    }
    for (const Section& section : m_sections) {
        if (!section.isNew || section.isRemoved) continue;
        endLineIfOpen();
        text += '[';
        text += section.name;
        text += ']';
        text += kLineEnd;
        appendLines(section.added, text);
    }

    switch (m_encoding) {
    case Encoding::Utf8: return fw::MarkBytes(fw::TextMark::Utf8) + text;
    case Encoding::Utf16Le:
        return fw::MarkBytes(fw::TextMark::Utf16LittleEndian) + fw::Utf16Bytes(fw::Widen(text, CP_UTF8), false);
    case Encoding::Utf16Be:
        return fw::MarkBytes(fw::TextMark::Utf16BigEndian) + fw::Utf16Bytes(fw::Widen(text, CP_UTF8), true);
    default: return text;
    }
}

std::string ProfileText::toAnsi(std::string stored) const {
    if (m_encoding == Encoding::Ansi) return stored;
    return fw::Narrow(fw::Widen(stored, CP_UTF8), CP_ACP);
}

void ProfileText::appendLines(const std::vector<Piece>& pieces, std::string& text) const {
    for (const Piece& piece : pieces) {
        if (piece.isRemoved) continue;
        text.append(m_written, piece.at, piece.length);
        text += kLineEnd;
    }
}
