#pragma once
// Works modal dialogs from inside a test, as a person would: every dialog that opens on this
// thread while the driver lives takes the next script, whose steps run one after the other
// (a step per timer tick) inside the dialog's own modal loop. A step may open a further dialog
// (it then runs the next script) or end the dialog; steps left when it ends are dropped.
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

using DialogStep = std::function<void(HWND dialog)>;

class DialogDriver {
public:
    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    void Expect(std::vector<DialogStep> steps);
    // How many dialogs have opened so far, and their titles in order.
    int DialogsOpened() const { return static_cast<int>(m_titles.size()); }
    const std::vector<std::string>& Titles() const { return m_titles; }

private:
    struct Running;
    static LRESULT CALLBACK HookProc(int code, WPARAM wp, LPARAM lp);
    static void CALLBACK TimerProc(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);
    void Start(HWND dialog);

    HHOOK m_hook = nullptr;
    std::deque<std::vector<DialogStep>> m_scripts;
    std::vector<Running*> m_running;
    std::vector<std::string> m_titles;
};

// Steps that most scripts use.
DialogStep SetText(int id, const std::string& text);
DialogStep Click(int id);             // BM_CLICK on a button, as the mouse would
DialogStep Command(int id);           // WM_COMMAND BN_CLICKED from the control with that id
DialogStep Check(const std::function<void(HWND)>& inspect);  // look without changing anything

// Where the keyboard focus was when a NoteFocus step ran, and what of its text was selected.
struct FocusNote {
    HWND control = nullptr;  // the control with the id the step was given
    HWND focused = nullptr;
    DWORD selStart = 0;
    DWORD selEnd = 0;
    int textLength = -1;  // of the focused control
};
DialogStep NoteFocus(int id, FocusNote& note);

// Records message boxes instead of showing them; answers each with `answer`.
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int answer = IDOK);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    struct Shown {
        std::string text;
        std::string title;
        UINT type;
    };
    const std::vector<Shown>& shown() const { return m_shown; }
    std::vector<std::string> texts() const;
    void SetAnswer(int answer) { m_answer = answer; }

private:
    std::vector<Shown> m_shown;
    int m_answer;
};

// Processes the messages waiting on this thread (bounded).
void PumpMessages(int maxMessages = 10000);

}  // namespace testing_support
