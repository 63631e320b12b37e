#pragma once
// The one place where the program is put together: it makes the program's queue, the strips,
// the show, the watched file, the data sources, the controller and the command surfaces, wires
// them to each other, starts them and stops them in the right order. The main window and its page
// only show what it holds and hand the operator's commands to the controller.
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "app/AirClock.h"
#include "display/LaneStrips.h"
#include "display/StripSet.h"
#include "framework/UiQueue.h"
#include "model/StartupState.h"
#include "app/ShowGateway.h"
#include "control/KirunController.h"
#include "control/StripControl.h"
#include "show/Show.h"
#include "show/StripPort.h"
#include "sources/DataSources.h"
#include "sources/WatchedFile.h"
#include "surfaces/CommandChannel.h"
#include "surfaces/CommandFunnel.h"
#include "surfaces/OscReceiver.h"

class HttpServer;
class OscFeedbackSender;

class AppHost : private MonotonicClock {
public:
    explicit AppHost(const StartOptions& start = StartOptions());
    ~AppHost();
    AppHost(const AppHost&) = delete;
    AppHost& operator=(const AppHost&) = delete;

    // Where texts for the operator go; null: the program's message boxes.
    void attachMessages(OperatorMessages* messages) { m_messages.attach(messages); }
    // What ends the program when the controller asks for its end (automatic exit).
    void setCloseRequested(std::function<void()> close) { m_controller.setCloseRequested(std::move(close)); }
    // Loads the settings and starts the strips, the batch entries, the start commands and the
    // watched file's clock. A batch run with nothing to roll is ended from the program's queue,
    // once the start is over.
    void start();
    // The once-a-period looks at the watched file and at a settings file that could not be
    // read stop; lookOnce() takes one of each (tests drive the clock by hand).
    void stopClocks();
    void lookOnce();
    // Takes commands from other Kirunner processes on `commandChannel` (none when empty) and,
    // unless this is a batch run, starts the data sources, takes commands from OSC and the web
    // remote, and sends OSC feedback, as the settings say.
    void startSurfaces(const std::string& commandChannel);
    // Stops the surfaces, the data sources, the strips, the watched file and its clock; nothing
    // more reaches the show.
    void stop();

    // The main window heard WM_TIMECHANGE (the system time, the time zone or daylight time
    // changed) or the PC resumed from sleep: captions' windows are read again now.
    void wallClockChanged() { m_airClock.clockChanged(); }

    KirunController& controller() { return m_controller; }
    Show& show() { return m_show; }
    // Lane 1's strips, and every lane's.
    StripSet& strips() { return m_lanes.first(); }
    LaneStrips& lanes() { return m_lanes; }
    DataSources& dataSources() { return m_dataSources; }
    fw::UiQueue& queue() { return m_queue; }
    CommandFunnel& funnel() { return m_funnel; }
    OscReceiver& osc() { return m_osc; }
    ShowGateway& gateway() { return m_gateway; }
    HttpServer& http() { return *m_http; }

private:
    // Forwards texts for the operator to whoever shows them.
    class Messages : public OperatorMessages {
    public:
        void attach(OperatorMessages* messages) { m_messages = messages; }
        int showMessage(const char* text, UINT type) override;

    private:
        OperatorMessages* m_messages = nullptr;
    };

    long long nowMs() const override;

    // The controller's hold on the strips of every lane, and on the show's lanes that they show.
    class Strips : public StripControl {
    public:
        Strips(LaneStrips& lanes, Show& show) : m_lanes(lanes), m_show(show) {}
        bool startStrips(const LaneLook& look) override { return m_lanes.first().startStrips(look); }
        int addLane(const LaneLook& look) override;
        bool removeLane(int number) override;
        void applyLook(int number, const LaneLook& look) override;
        void stopStrips() override;
        OverlayLook overlayLook(int number) const override;

    private:
        LaneStrips& m_lanes;
        Show& m_show;
    };
    // The web remote and the OSC feedback as the settings say now (started again after a change).
    void startRemote();
    void stopRemote();
    void lookAtSettingsLater();

    fw::UiQueue m_queue;
    LaneStrips m_lanes;
    Strips m_stripControl{m_lanes, m_show};
    Show m_show;
    AirClock m_airClock{m_queue, m_show};
    WatchedFile m_watchedFile;
    DataSources m_dataSources;
    Messages m_messages;
    KirunController m_controller;
    CommandFunnel m_funnel;
    CCommandReceiver m_commandReceiver;
    OscReceiver m_osc;
    ShowGateway m_gateway;
    std::unique_ptr<HttpServer> m_http;  // surfaces of their own sockets, kept apart from windows.h's users
    std::unique_ptr<OscFeedbackSender> m_feedback;
    bool m_surfacesStarted = false;
    bool m_settingsLooks = true;  // its address names the settings looks' tasks on the queue
};
