#include "sources/WatchedFile.h"

WatchedFile::WatchedFile(fw::UiQueue& queue) : m_queue(queue) {
    m_reader.setAnnounce([this] { m_queue.post(this, [this] { takeLook(); }); });
}

WatchedFile::~WatchedFile() { stop(); }

void WatchedFile::stop() {
    stopClock();
    m_reader.stop();
    m_queue.cancel(this);
}

void WatchedFile::startClock(UINT periodMs) {
    m_clockPeriodMs = periodMs > 0 ? periodMs : 1;
    tickLater();
}

void WatchedFile::stopClock() {
    m_clockPeriodMs = 0;
    m_queue.cancel(&m_clockPeriodMs);
}

void WatchedFile::tickLater() {
    m_queue.postAfter(&m_clockPeriodMs, 0, m_clockPeriodMs, [this] {
        if (m_clockPeriodMs == 0) return;
        check();
        if (m_clockPeriodMs != 0) tickLater();  // unless what the look found stopped the clock
    });
}

void WatchedFile::setFile(int exec, const std::wstring& path) {
    if (exec == m_exec && path == m_path) return;
    m_exec = exec;
    m_path = path;
    m_watch.lastFileDataValid = 0;  // the next check takes a new baseline
    ++m_ticket;                     // and a look still under way counts for nothing
    watchFolder();
}

bool WatchedFile::holdsText() const {
    if (!isWatchablePath(m_path)) return false;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(m_path.c_str(), GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    return data.nFileSizeHigh != 0 || data.nFileSizeLow != 0;
}

void WatchedFile::showNow() {
    if (m_exec == 0) return;
    // A baseline of zeroes: the file as it is counts as a new version.
    m_watch = TextFileWatch();
    m_watch.lastFileDataValid = 1;
    ++m_ticket;
    watchFolder();  // the folder's looks go on with this baseline and ticket
    check();
}

TextFileLook WatchedFile::nextLook() const {
    TextFileLook look;
    look.fileExec = m_exec;
    look.filePath = m_path;
    look.watch = m_watch;
    look.ticket = m_ticket;
    return look;
}

void WatchedFile::watchFolder() {
    // Only a file that is watched at all gets a notification (and starts the worker).
    if (m_exec != 0 || m_reader.workerStarted()) m_reader.watch(nextLook());
}

void WatchedFile::check() {
    takeLook();  // in case its announcement was lost
    if (m_exec == 0) return;
    m_reader.start(nextLook());  // refused while a look is under way: this tick is skipped
}

void WatchedFile::takeLook() {
    TextFileLook look;
    if (!m_reader.take(look)) return;
    if (look.ticket != m_ticket) return;  // taken for a file or switch since changed
    m_watch = look.watch;
    if (look.shown && m_found) m_found(look.text);
}
