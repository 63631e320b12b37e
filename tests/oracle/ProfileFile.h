#pragma once
// The platform's private-profile functions on one file, key by key: the reference that the
// settings file's own reader and writer are compared with. Values are std::string, so that no
// value can overrun a buffer.
#include <cstddef>
#include <string>

class ProfileFile {
public:
    explicit ProfileFile(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }

    // The signed value of `key`, or `defaultValue` when the key is missing.
    int readInt(const char* section, const char* key, int defaultValue) const;
    // The value of `key` cut to at most `maxBytes` between characters; empty when missing.
    std::string readString(const char* section, const char* key, size_t maxBytes) const;

    // False when the value could not be stored.
    bool writeString(const char* section, const char* key, const std::string& value) const;
    // Deletes the key (a write without a value); false when the file could not be changed.
    bool deleteKey(const char* section, const char* key) const;
    // Whether a section of the name is in the file (letter case aside).
    bool hasSection(const char* section) const;
    // Deletes the first section of the name whole (a write without a key).
    bool deleteSection(const char* section) const;

private:
    std::string m_path;
};
