// Winsock 2 before anything that brings in windows.h, which would declare the older Winsock.
#include <winsock2.h>

#include "app/AppHost.h"

#include "app/VersionString.h"
#include "display/OverlayLookOf.h"
#include "fileif/FileLookPeriod.h"
#include "surfaces/HttpServer.h"
#include "surfaces/OscFeedbackSender.h"

namespace {
// How the data sources fetch: a User-Agent naming the program and its version ("1.0.1.115" of
// the version resource's "Ver.:1, 0, 1, 115").
FetchOptions sourceFetchOptions() {
    std::wstring version;
    const char* c = versionString();
    while (*c && (*c < '0' || *c > '9')) ++c;  // past "Ver.:"
    for (; *c; ++c) {
        if (*c >= '0' && *c <= '9') version += static_cast<wchar_t>(*c);
        else if (*c == ',' || *c == '.') version += L'.';
    }
    FetchOptions options;
    options.userAgent = version.empty() ? std::wstring(L"Kirunner") : userAgentOf(version);
    return options;
}
}  // namespace

AppHost::AppHost(const StartOptions& start)
    : m_lanes(&m_queue), m_show(m_lanes.first(), *this), m_watchedFile(m_queue),
      m_dataSources(m_queue, m_show, sourceFetchOptions()),
      m_controller(m_messages, start, m_show, m_stripControl, m_watchedFile), m_funnel(m_queue, m_controller),
      m_gateway(m_queue, m_funnel, m_show), m_http(std::make_unique<HttpServer>()),
      m_feedback(std::make_unique<OscFeedbackSender>()) {
    m_queue.create();
    m_lanes.first().setClock(&m_show.clockOf(1));
    m_show.setWallClock(&m_airClock);
    // The overlays' looks are measured when they may have changed, never for each snapshot.
    m_gateway.setLooks([this] { return m_controller.overlayLooks(); });
    m_controller.setLooksChanged([this] { m_gateway.looksChanged(); });
    m_controller.setRemoteChanged([this] {
        if (!m_surfacesStarted) return;
        stopRemote();
        startRemote();
    });
}

AppHost::~AppHost() { stop(); }

void AppHost::start() {
    m_settingsLooks = true;
    const KirunController::StartReport started = m_controller.start();
    if (started.nothingOnAir) m_queue.post(this, [this] { m_controller.endNothingOnAir(); });
    m_watchedFile.startClock(fileLookPeriodMs());
    lookAtSettingsLater();
}

void AppHost::lookAtSettingsLater() {
    // While the settings file could not be read at start, it is looked at as often as the
    // watched file.
    m_queue.postAfter(&m_settingsLooks, 0, fileLookPeriodMs(), [this] {
        if (!m_settingsLooks) return;
        m_controller.readSettingsAgain();
        lookAtSettingsLater();
    });
}

void AppHost::stopClocks() {
    m_settingsLooks = false;
    m_queue.cancel(&m_settingsLooks);
    m_watchedFile.stopClock();
}

void AppHost::lookOnce() {
    m_watchedFile.check();
    m_controller.readSettingsAgain();
}

void AppHost::startSurfaces(const std::string& commandChannel) {
    if (!commandChannel.empty()) m_commandReceiver.Create(commandChannel, &m_funnel);
    // A batch run rolls its entries and ends: it takes no commands from outside.
    if (m_controller.batchMode()) return;
    DataSources::Hooks hooks;
    hooks.cutInAfterCurrent = [this] { return m_controller.settings().rules().cutInAfterCurrent == 1; };
    m_dataSources.setHooks(std::move(hooks));
    m_controller.attachSources(&m_dataSources);
    m_osc.start(m_controller.fileInterface().osc, &m_funnel);
    m_surfacesStarted = true;
    startRemote();
}

void AppHost::startRemote() {
    const FileInterfaceSettings& settings = m_controller.fileInterface();
    if (!settings.http.on() && settings.oscFeedback.empty()) return;
    m_gateway.start();
    if (settings.http.on()) m_http->start(settings.http, m_gateway);
    if (!settings.oscFeedback.empty()) m_feedback->start(settings.oscFeedback, m_gateway);
}

void AppHost::stopRemote() {
    m_http->stop();
    m_feedback->stop();
    m_gateway.stop();
}

void AppHost::stop() {
    stopClocks();
    m_surfacesStarted = false;
    stopRemote();
    m_osc.stop();
    m_commandReceiver.DestroyWindow();
    m_funnel.close();
    m_controller.attachSources(nullptr);
    m_dataSources.stop();
    m_controller.stop();
    m_airClock.stop();
    m_show.setWallClock(nullptr);
    m_queue.destroy();
}

long long AppHost::nowMs() const {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    // Whole seconds apart from the rest: no product overflows however long the program runs.
    const long long hz = frequency.QuadPart > 0 ? frequency.QuadPart : 1;
    return now.QuadPart / hz * 1000 + now.QuadPart % hz * 1000 / hz;
}

int AppHost::Messages::showMessage(const char* text, UINT type) {
    return m_messages ? m_messages->showMessage(text, type) : messageBoxes().showMessage(text, type);
}

int AppHost::Strips::addLane(const LaneLook& look) {
    StripSet* strips = m_lanes.add();
    if (!strips) return 0;
    const int number = m_show.addLane(*strips);
    strips->setClock(&m_show.clockOf(number));
    if (number == 0 || !strips->startStrips(look)) {
        if (number != 0) m_show.removeLane(number);
        m_lanes.remove(m_lanes.count());
        return 0;
    }
    m_show.setLaneName(number, look.name);
    m_lanes.restack();
    return number;
}

bool AppHost::Strips::removeLane(int number) {
    StripSet* strips = m_lanes.find(number);
    if (number <= 1 || !strips || !m_show.removeLane(number)) return false;
    strips->setClock(nullptr);
    m_lanes.remove(number);
    m_lanes.restack();
    return true;
}

void AppHost::Strips::applyLook(int number, const LaneLook& look) {
    if (StripSet* strips = m_lanes.find(number)) strips->applyAppearance(look);
    m_show.setLaneName(number, look.name);
}

void AppHost::Strips::stopStrips() {
    for (int number = m_lanes.count(); number >= 1; --number) m_lanes.find(number)->stop();
}

OverlayLook AppHost::Strips::overlayLook(int number) const {
    const StripSet* strips = m_lanes.find(number);
    return strips ? overlayLookOf(*strips) : OverlayLook{};
}
