#pragma once
// The watched text file as a caption source: the look its own clock takes every period (once a
// second), the looks its folder's change notification brings, both on a worker (TextFileReader), and the
// baseline that makes each save count once. A new version's text is handed to `found` on the
// program's thread.
#include <functional>
#include <string>
#include <utility>

#include "fileif/TextFileReader.h"
#include "fileif/TextFileWatch.h"
#include "framework/UiQueue.h"
#include "sources/CaptionSource.h"

class WatchedFile : public CaptionSource {
public:
    using TextFound = std::function<void(const std::wstring& text)>;

    explicit WatchedFile(fw::UiQueue& queue);
    // Where a new version's text goes.
    void setTextFound(TextFound found) { m_found = std::move(found); }
    ~WatchedFile() override;

    // Watches `path` while `exec` is non-zero. Another file or switch takes a new baseline at
    // the next look, and a look still under way for the old one counts for nothing.
    void setFile(int exec, const std::wstring& path);
    // The file is an ordinary file with bytes in it (its size, not its text, is looked at).
    bool holdsText() const;
    // The file as it is now counts as a new version: its text goes on air at once.
    void showNow();
    // The look of each period: takes the result of a finished look, then starts the next one
    // unless one is still under way.
    void check();
    // From now on, check() runs every `periodMs` on the program's thread, until stopClock() or stop().
    void startClock(UINT periodMs);
    void stopClock();
    // Takes over what a finished look found, if it belongs to the current file.
    void takeLook();
    void stop() override;

    TextFileReader& reader() { return m_reader; }
    // The baseline as the last look left it.
    const TextFileWatch& watch() const { return m_watch; }

private:
    // The next look, with the baseline and ticket of now.
    TextFileLook nextLook() const;
    // Points the reader's folder notification at the file, or at none when it is off.
    void watchFolder();

    fw::UiQueue& m_queue;
    TextFound m_found;
    int m_exec = 0;
    std::wstring m_path;
    TextFileWatch m_watch;
    TextFileReader m_reader;  // looks at the file away from the program's thread
    unsigned m_ticket = 0;    // moves when the file or its switch changes
    // The clock's period (0: stopped); its address names the clock's tasks on the queue.
    UINT m_clockPeriodMs = 0;
    void tickLater();
};
