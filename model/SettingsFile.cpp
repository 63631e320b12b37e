#include "model/SettingsFile.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "framework/FileBytes.h"
#include "framework/Mbcs.h"
#include "model/LinkTarget.h"
#include "model/ProfileText.h"
#include "model/ProfileValues.h"
#include "model/SettingsKeys.h"
#include "model/TemporarySibling.h"
#include "model/WholeFile.h"

namespace {
const wchar_t kFileName[] = L"Kirunner.ini";
// A sync agent, a virus scanner or a backup may hold the file for a moment: at start the load
// waits for it, a save a little.
const DWORD kLoadPatienceMs = 1000;
const DWORD kSavePatienceMs = 500;
const DWORD kRetryStepMs = 50;

// Values of the settings file as the platform's profile readers give them.
class TextSource : public SettingsSource {
public:
    explicit TextSource(const ProfileText& text) : m_text(text) {}
    int readInt(const std::string& section, const char* key, int defaultValue) const override {
        std::string stored;
        return m_text.find(section, key, stored) ? profileIntValue(stored, defaultValue) : defaultValue;
    }
    std::string readString(const std::string& section, const char* key, size_t maxBytes) const override {
        std::string stored;
        return m_text.find(section, key, stored) ? profileStringValue(std::move(stored), maxBytes) : std::string();
    }

private:
    const ProfileText& m_text;
};

// The key writes of a save, applied to the file's text in memory.
class TextSink : public SettingsSink {
public:
    explicit TextSink(ProfileText& text) : m_text(text) {}
    void put(const std::string& section, const char* key, const std::string& value) override {
        m_text.set(section, key, value);
    }
    void remove(const std::string& section, const char* key) override { m_text.remove(section, key); }
    void removeSection(const std::string& section) override { m_text.removeSection(section); }

private:
    ProfileText& m_text;
};

// Windows refuses to write a read-only file; Wine run by the super-user writes it all the same.
bool isReadOnly(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// The whole new file composed from the one on disk and written in one step.
bool writeSettingsFile(const std::wstring& path, const ConstSettingsRecords& records) {
    std::string bytes;
    if (isReadOnly(path) || readWholeFilePatiently(path, bytes, kSavePatienceMs, kRetryStepMs) == FileRead::Unreadable)
        return false;
    ProfileText text(std::move(bytes));
    TextSink sink(text);
    writeSettings(sink, records);
    return replaceWholeFile(path, text.bytes());
}

SettingsLoad loadResult(FileRead read) {
    switch (read) {
    case FileRead::Read: return SettingsLoad::Loaded;
    case FileRead::Missing: return SettingsLoad::NoFile;
    default: return SettingsLoad::Unreadable;
    }
}

std::wstring currentDirectory() {
    DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0) return std::wstring();
    std::vector<wchar_t> buffer(needed, L'\0');
    DWORD length = GetCurrentDirectoryW(needed, buffer.data());
    return length > 0 && length < needed ? std::wstring(buffer.data(), length) : std::wstring();
}
}  // namespace

std::wstring settingsFilePath() {
    std::wstring directory = currentDirectory();
    if (directory.empty()) directory = L".";
    if (directory.back() != L'\\') directory += L'\\';
    return directory + kFileName;
}


SettingsLoad loadSettingsFile(const std::wstring& path, SettingsRecords records, int* oddHexTexts) {
    removeLeftoverTemporaryFiles(linkTargetOf(path));
    std::string bytes;
    const FileRead read = readWholeFilePatiently(path, bytes, kLoadPatienceMs, kRetryStepMs);
    ProfileText text(std::move(bytes));  // a file that cannot be read gives the defaults
    const int oddTexts = readSettings(TextSource(text), records);
    if (oddHexTexts) *oddHexTexts = oddTexts;
    return loadResult(read);
}

bool saveSettingsFile(const std::wstring& path, const ConstSettingsRecords& records, std::wstring* failedPath) {
    // A link stays a link: the file it points to is replaced, beside its own temporary files.
    const std::wstring target = linkTargetOf(path);
    const bool saved = writeSettingsFile(target, records);
    if (saved) removeLeftoverTemporaryFiles(target);
    if (!saved && failedPath) *failedPath = fw::FullPathOf(path);
    return saved;
}
