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
    // False when the key could not be deleted (a missing key counts as deleted).
    bool removeKey(const char* section, const char* key) const;

private:
    std::string m_path;
};
