#pragma once
// The control page opened for real over a settings file of any bytes, as the child of a plain
// window, with the timers of the page and of its caption window stopped so that tests drive
// the ticks themselves. The settings file lies in a temporary folder made the working folder.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "model/StartupState.h"
#include "app/AppHost.h"
#include "panel/ControlDlg.h"

namespace testing_support {

class PageHost {
public:
    PageHost();
    ~PageHost();
    PageHost(const PageHost&) = delete;
    PageHost& operator=(const PageHost&) = delete;

    // Closes any page, writes `iniBytes` as Kirunner.ini and opens a new page over it.
    // False when the parent, the file or the page could not be made.
    bool Open(const std::string& iniBytes);
    // Closes any page and opens a new one over the folder as it stands: the settings file an
    // earlier page saved, or none.
    bool Reopen();
    // Destroys the page; false only when the window would not go.
    bool Close();

    // The start options the pages opened from now on are given; a normal start until set.
    void SetStart(const StartOptions& start) { m_start = start; }
    CControlDlg* page() const { return m_page.get(); }
    // What the program put together around the page.
    AppHost* host() const { return m_host.get(); }
    const TempDir& dir() const { return m_dir; }
    // Puts the first item on air, or a caption under the text-file key when the list is empty,
    // then runs `ticks` scroll ticks and `tenths` countdown steps.
    void Roll(int ticks, int tenths);

private:
    TempDir m_dir;
    char m_savedDirectory[MAX_PATH] = {};
    HWND m_parent = nullptr;
    StartOptions m_start;
    std::unique_ptr<AppHost> m_host;
    std::unique_ptr<CControlDlg> m_page;
};

// The strips' clock, driven by hand: a scroll step of the first strip (timer 101), `tenths`
// tenths of a second of the countdown, and whether the lane still rolls.
void ScrollTick(AppHost& host);
void CountDown(AppHost& host, int tenths = 1);
bool Rolling(AppHost& host);

// A batch start with these 1-based list numbers.
StartOptions BatchStart(const std::vector<int>& numbers);

}  // namespace testing_support
