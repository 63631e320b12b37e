#include "app/AppHost.h"

AppHost::AppHost(const StartOptions& start)
    : m_strips(&m_queue), m_show(m_strips, *this), m_watchedFile(m_queue),
      m_controller(m_pageEvents, start, m_show, m_strips, m_watchedFile), m_funnel(m_queue, m_controller) {
    m_queue.create();
    m_strips.setClock(&m_show.lane());
}

AppHost::~AppHost() { stop(); }

void AppHost::startSurfaces(const std::string& commandChannel) {
    if (!commandChannel.empty()) m_commandReceiver.Create(commandChannel, &m_controller);
    // A batch run rolls its entries and ends: it takes no commands from outside.
    if (!m_controller.batchMode()) m_osc.start(m_controller.fileInterface().osc, &m_funnel);
}

void AppHost::stop() {
    m_osc.stop();
    m_commandReceiver.DestroyWindow();
    m_funnel.close();
    m_controller.stop();
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

void AppHost::PageEvents::rowChanged(int position) {
    if (m_page) m_page->rowChanged(position);
}

void AppHost::PageEvents::listChanged() {
    if (m_page) m_page->listChanged();
}

void AppHost::PageEvents::fileCaptionChanged(const std::wstring* text) {
    if (m_page) m_page->fileCaptionChanged(text);
}

void AppHost::PageEvents::stripShownChanged(bool shown) {
    if (m_page) m_page->stripShownChanged(shown);
}

void AppHost::PageEvents::closeRequested() {
    if (m_page) m_page->closeRequested();
}

int AppHost::PageEvents::showMessage(const char* text, UINT type) {
    return m_page ? m_page->showMessage(text, type) : messageBoxes().showMessage(text, type);
}
