#pragma once
// The text of an INI-style file held in memory and read and changed as the platform's
// private-profile functions read and change the file, so that a whole file is parsed once
// and written once.
//
// Reading: lines end at CR, LF or CR LF; blanks (space, tab, VT, FF, ^Z) around a line, a
// section name, a key and a value do not count; "[name]" runs to the last "]" of its line;
// section and key names compare without regard to ASCII case and end at a NUL byte; the first
// section of a name and the first key of a name within it win, and a key line without "=" has
// no value. A file that starts with a UTF-8 or UTF-16 byte-order mark is Unicode text: values
// come back in the ANSI code page and are stored in the file's own encoding.
//
// Changing: a key that exists keeps its line, its spelling and the blanks before its value;
// only the value changes, and an equal value leaves the line alone. A new key goes after the
// last non-blank line of the first section of its name, a new section at the end of the
// file, each line ended by CR LF. Every other byte stays as it is.
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

class ProfileText {
public:
    // `bytes`: the file as stored; empty for a file that does not exist.
    explicit ProfileText(std::string bytes);

    // The stored value of the key, in the ANSI code page, blanks trimmed, up to a NUL byte;
    // false when the key is missing or its line has no "=".
    bool find(const std::string& section, const std::string& key, std::string& value) const;

    // One key write of the profile writer. Blanks at the start of `value` are not stored.
    void set(const std::string& section, const std::string& key, const std::string& value);
    // The profile writer's deletion of a key: its first line in the first section of that name
    // that holds it goes, line end and all; a later line of the same key in that section is the
    // key from then on. Nothing when there is none.
    void remove(const std::string& section, const std::string& key);

    // The profile writer's deletion of a whole section: the first section of that name goes,
    // its header, its keys and the lines between them; a later section of the name is the
    // section from then on, and a key written to the name makes a new one at the end. Nothing
    // when there is none.
    void removeSection(const std::string& section);

    // The whole file as it is to be stored.
    std::string bytes() const;

private:
    enum class Encoding { Ansi, Utf8, Utf16Le, Utf16Be };

    // A line this text wrote, in m_written: its content and where its value begins within it.
    struct Piece {
        size_t at = 0;
        size_t length = 0;
        size_t valueOffset = 0;
        bool isRemoved = false;
    };
    struct Line {
        size_t start = 0;       // in m_text
        size_t contentEnd = 0;  // where the line's end (CR, LF) begins
        size_t end = 0;         // after the line's end
        size_t valueStart = 0;  // of a key line with "="; std::string::npos without "="
        size_t nameEnd = 0;     // after the key name, blanks dropped
        Piece changed;          // the new content when `isChanged`
        size_t section = 0;     // of a key line: the section it belongs to
        bool isKey = false;     // a line with a key name, in a section
        bool isChanged = false;
        bool isRemoved = false;
    };
    struct Section {
        std::string name;            // as first written, for a section this text adds
        size_t headerLine = 0;       // index of its header line in m_lines
        size_t lastLine = 0;         // index of its last non-blank line in m_lines
        bool isNew = false;          // added at the end of the file
        bool isRemoved = false;      // deleted whole
        size_t nextSameName = 0;     // the next section of the same name in the file; 0: none
        std::vector<Piece> added;    // key lines added, in order, without line ends
    };
    // Where a key's line is: an original line, or a line that this text added to a section.
    struct KeyPlace {
        size_t section = 0;
        size_t line = 0;  // index into m_lines, or into the section's `added`
        bool isAdded = false;
    };

    void parse();
    void parseLine(size_t lineIndex, size_t& currentSection);
    size_t findSection(const std::string& name) const;
    // The first line of `key` in the section after line `after` that is still there.
    bool findLaterLine(size_t section, const std::string& key, size_t after, size_t& line) const;
    size_t addSection(const std::string& name);
    std::string keyId(size_t section, const std::string& key) const;
    std::string toAnsi(std::string stored) const;
    // Appends `prefix` and the value in the file's encoding to m_written.
    Piece write(const std::string& prefix, const char* value, size_t length);
    std::string valueOf(const Piece& piece) const;
    bool holds(const Line& line, const char* value, size_t length) const;
    void appendLines(const std::vector<Piece>& pieces, std::string& text) const;
    size_t lastOf(char c, size_t from, size_t to) const;

    Encoding m_encoding = Encoding::Ansi;
    std::string m_text;     // the file after its byte-order mark: ANSI bytes, or UTF-8
    std::string m_written;  // the lines that this text wrote, one after the other
    std::vector<Line> m_lines;
    std::vector<Section> m_sections;
    std::unordered_map<std::string, size_t> m_sectionIndex;  // upper-case name -> first section
    std::unordered_map<std::string, KeyPlace> m_keyIndex;    // keyId -> first key line
    // The section findSection found last, by the name it was asked for.
    mutable std::string m_lastSectionName;
    mutable size_t m_lastSection = 0;
    mutable bool m_lastSectionValid = false;
};
