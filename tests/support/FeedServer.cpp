#include "FeedServer.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "KirunnerProcess.h"
#include "TempDir.h"

namespace testing_support {

FeedServer::FeedServer(int lifetimeSeconds) {
    static int count = 0;
    m_folder = "/tmp/kirunner-feeds-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
    const char* python = std::getenv("PYTHON3");
    const char* server = std::getenv("FEED_SERVER");
    if (!python || !server || !CreateDirectoryA(HostPathToWindows(m_folder).c_str(), nullptr)) return;
    // A program of the host gets no process handle under Wine: the server tells its ports by a file.
    const std::string program = HostPathToWindows(python);
    std::string line = "\"" + program + "\" \"" + server + "\" " + m_folder + " " + std::to_string(lifetimeSeconds);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return;
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    std::string ports;
    WaitUntil([&] { return !(ports = ReadFileBytes(file("ports"))).empty(); }, 30000);
    if (std::sscanf(ports.c_str(), "%d %d", &m_httpPort, &m_httpsPort) != 2) m_httpPort = 0;
}

FeedServer::~FeedServer() {
    if (m_folder.empty()) return;
    WriteFileBytes(file("stop"), "");
    Sleep(300);  // the server looks for it every 0.1 s
    for (const char* name : {"ports", "conditional", "agent", "key.pem", "cert.pem", "stop"}) DeleteFileA(file(name).c_str());
    for (const std::string& name : m_documents)
        for (const std::string& path : {"doc/" + name, "doc/" + name + ".fail", "doc/" + name + ".type", "conditional-" + name})
            DeleteFileA(file(path.c_str()).c_str());
    RemoveDirectoryA(file("doc").c_str());
    RemoveDirectoryA(HostPathToWindows(m_folder).c_str());
}

std::string FeedServer::file(const char* name) const { return HostPathToWindows(m_folder + "/" + name); }

std::wstring FeedServer::http(const std::wstring& path) const {
    return L"http://127.0.0.1:" + std::to_wstring(m_httpPort) + path;
}

std::wstring FeedServer::https(const std::wstring& path) const {
    return L"https://127.0.0.1:" + std::to_wstring(m_httpsPort) + path;
}

int FeedServer::conditionalRequests() const {
    const std::string log = ReadFileBytes(file("conditional"));
    int lines = 0;
    for (char c : log) lines += c == '\n' ? 1 : 0;
    return lines;
}

std::string FeedServer::lastUserAgent() const { return ReadFileBytes(file("agent")); }

bool FeedServer::put(const std::string& name, const std::string& bytes, const std::string& contentType) {
    m_documents.insert(name);
    if (!contentType.empty() && !WriteFileBytes(file(("doc/" + name + ".type").c_str()), contentType)) return false;
    const std::string path = file(("doc/" + name).c_str());
    const std::string written = path + ".new";
    return WriteFileBytes(written, bytes) && MoveFileExA(written.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

bool FeedServer::fail(const std::string& name, const std::string& how) {
    m_documents.insert(name);
    const std::string path = file(("doc/" + name + ".fail").c_str());
    if (how.empty()) return DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
    return WriteFileBytes(path, how);
}

int FeedServer::conditionalRequests(const std::string& name) const {
    const std::string log = ReadFileBytes(file(("conditional-" + name).c_str()));
    int lines = 0;
    for (char c : log) lines += c == '\n' ? 1 : 0;
    return lines;
}

}  // namespace testing_support
