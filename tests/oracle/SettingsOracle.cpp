#include "tests/oracle/SettingsOracle.h"

#include "model/SettingsKeys.h"
#include "tests/oracle/ProfileFile.h"

namespace oracle {
namespace {

class PlatformSource : public SettingsSource {
public:
    explicit PlatformSource(const std::string& path) : m_file(path) {}
    int readInt(const std::string& section, const char* key, int defaultValue) const override {
        return m_file.readInt(section.c_str(), key, defaultValue);
    }
    std::string readString(const std::string& section, const char* key, size_t maxBytes) const override {
        return m_file.readString(section.c_str(), key, maxBytes);
    }

private:
    ProfileFile m_file;
};

// Writes key after key and stops at the first write that fails.
class PlatformSink : public SettingsSink {
public:
    explicit PlatformSink(const std::string& path) : m_file(path) {}
    void put(const std::string& section, const char* key, const std::string& value) override {
        if (m_ok) m_ok = m_file.writeString(section.c_str(), key, value);
    }
    void remove(const std::string& section, const char* key) override {
        if (m_ok) m_ok = m_file.removeKey(section.c_str(), key);
    }
    bool ok() const { return m_ok; }

private:
    ProfileFile m_file;
    bool m_ok = true;
};

}  // namespace

void LoadSettings(const std::string& path, Settings& s) {
    readSettings(PlatformSource(path), s.appearance, s.captions, s.fileInterface);
}

bool WriteSettings(const std::string& path, const Settings& s) {
    PlatformSink sink(path);
    writeSettings(sink, s.appearance, s.captions, s.fileInterface);
    return sink.ok();
}

}  // namespace oracle
