#include "StripRig.h"

namespace testing_support {

CaptionId IdOfIndex(int index) {
    switch (index) {
    case kFileIndex: return caption_ids::kFile;
    case kFreeTextIndex: return caption_ids::kFreeText;
    case kCutInIndex: return caption_ids::kCutIn;
    default: return static_cast<CaptionId>(index) + caption_ids::kFirstGiven;
    }
}

int IndexOfId(CaptionId id) {
    switch (id) {
    case caption_ids::kFile: return kFileIndex;
    case caption_ids::kFreeText: return kFreeTextIndex;
    case caption_ids::kCutIn: return kCutInIndex;
    default: return static_cast<int>(id - caption_ids::kFirstGiven);
    }
}

void IndexListeners::captionEnded(CaptionId id) {
    const auto found = m_listeners.find(IndexOfId(id));
    if (found != m_listeners.end() && found->second) found->second->onKirunEnd(found->first);
}

void IndexListeners::rollingEnded() {
    if (endListener) endListener->onAllRollEnd();
}

void LaneCalls::addKirun(int index, const wchar_t* text, int minutes, CKirunListener* listener) {
    listeners.listen(index, listener);
    lane.addKirun(IdOfIndex(index), text ? text : L"", minutes);
}

void LaneCalls::cutInKirun(const wchar_t* text, int minutes, CKirunListener* listener, bool afterCurrent) {
    listeners.listen(kCutInIndex, listener);
    lane.cutIn(text ? text : L"", minutes, afterCurrent);
}

void LaneCalls::countDown() {
    clock.advance(100);
    lane.onCountDownTick();
}

void PictureLane::layout(int width, int height) {
    m_strip.picture.layout(width, height);
    lane.onStripsLaidOut();
}

StripRig::StripRig() : LaneCalls(strips), strips(&queue) {
    queue.create();
    strips.setClock(&lane);
}

StripRig::~StripRig() {
    strips.stop();
    queue.destroy();
}

void StripRig::setLook(const StripLook& look) {
    m_look = look;
    if (m_started) strips.setLook(look);
}

void StripRig::start() {
    m_started = true;
    strips.start(m_look);
}

void StripRig::onScrollTick() {
    if (first()) SendMessageA(first()->Hwnd(), WM_TIMER, CKirunWin::kScrollTimer, 0);
}

void StripRig::updateLayout() {
    if (m_started) strips.setLook(m_look);
}

LanesRig::LanesRig(int count) {
    queue.create();
    for (int number = 1; number <= count; ++number) {
        StripSet* strips = number == 1 ? &lanes.first() : lanes.add();
        m_calls.push_back(std::make_unique<LaneCalls>(*strips));
        strips->setClock(&m_calls.back()->lane);
    }
}

LanesRig::~LanesRig() {
    for (int number = 1; number <= lanes.count(); ++number) lanes.find(number)->stop();
    queue.destroy();
}

}  // namespace testing_support
