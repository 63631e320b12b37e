#pragma once
// A local file as a source: read whole, bounded like an answer, and told apart from the version
// read last by its last-write time and size.
#include <windows.h>

#include <string>

#include "feeds/HttpFetch.h"

struct FileVersion {
    bool exists = false;
    FILETIME lastWrite{};
    unsigned long long size = 0;

    bool operator==(const FileVersion& other) const;
    bool operator!=(const FileVersion& other) const { return !(*this == other); }
};

FileVersion fileVersionOf(const std::wstring& path);

// The file's bytes as a Fetched result (its Content-Type told by its extension); Failed when it is
// missing, cannot be opened (a writer holds it), cannot be read or is larger than maxBytes.
FetchResult readLocalSource(const std::wstring& path, size_t maxBytes);
