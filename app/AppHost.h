#pragma once
// The one place where the program is put together: it makes the program's queue, the strips,
// the show, the watched file, the data sources, the controller and the command surfaces, wires
// them to each other and stops them in the right order. The main window and its page only show what it holds.
#include <memory>
#include <string>

#include "display/LaneStrips.h"
#include "display/StripSet.h"
#include "framework/UiQueue.h"
#include "model/StartupState.h"
#include "control/ControllerEvents.h"
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

    // The page whose window shows the controller's reports; null: message boxes of their own.
    void attachPage(ControllerEvents* page) { m_pageEvents.attach(page); }
    // Takes commands from other Kirunner processes on `commandChannel` (none when empty) and,
    // unless this is a batch run, starts the data sources, takes commands from OSC and the web
    // remote, and sends OSC feedback, as the settings say.
    void startSurfaces(const std::string& commandChannel);
    // Stops the surfaces, the data sources, the strips and the watched file; nothing more
    // reaches the show.
    void stop();

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
    // Forwards the controller's reports to the page once it is there.
    class PageEvents : public ControllerEvents {
    public:
        void attach(ControllerEvents* page) { m_page = page; }
        void rowChanged(int position) override;
        void listChanged() override;
        void offListCaptionsChanged() override;
        void stripShownChanged(bool shown) override;
        void closeRequested() override;
        int showMessage(const char* text, UINT type) override;

    private:
        ControllerEvents* m_page = nullptr;
    };

    long long nowMs() const override;

    // The controller's hold on the strips.
    class Strips : public StripControl {
    public:
        explicit Strips(StripSet& set) : m_set(set) {}
        bool startStrips(const LaneLook& appearance) override { return m_set.startStrips(appearance); }
        void applyAppearance(const LaneLook& appearance) override { m_set.applyAppearance(appearance); }
        void showStrips(bool shown) override { m_set.showStrips(shown); }
        bool stripsShown() const override { return m_set.stripsShown(); }
        void stopStrips() override { m_set.stop(); }

    private:
        StripSet& m_set;
    };
    // The web remote and the OSC feedback as the settings say now (started again after a change).
    void startRemote();
    void stopRemote();

    fw::UiQueue m_queue;
    LaneStrips m_lanes;
    Strips m_stripControl{m_lanes.first()};
    Show m_show;
    WatchedFile m_watchedFile;
    DataSources m_dataSources;
    PageEvents m_pageEvents;
    KirunController m_controller;
    CommandFunnel m_funnel;
    CCommandReceiver m_commandReceiver;
    OscReceiver m_osc;
    ShowGateway m_gateway;
    std::unique_ptr<HttpServer> m_http;  // surfaces of their own sockets, kept apart from windows.h's users
    std::unique_ptr<OscFeedbackSender> m_feedback;
    bool m_surfacesStarted = false;
};
