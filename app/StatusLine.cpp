#include "app/StatusLine.h"

#include "framework/TextCodec.h"

std::wstring statusLineText(const StatusFacts& facts) {
    std::wstring line;
    auto add = [&line](const std::wstring& part) { line += (line.empty() ? L"" : L"\x3000") + part; };
    // With one lane the strip is simply hidden; with more, the line says which lanes are.
    if (facts.lanes.size() <= 1) {
        if (!facts.stripShown) add(L"表示OFF中");
    } else {
        for (const LaneState& lane : facts.lanes)
            if (lane.number == 1 ? !facts.stripShown : !lane.shown) add(L"レーン" + std::to_wstring(lane.number) + L" 表示OFF中");
    }
    if (facts.settingsUnsaved) add(L"設定ファイルに保存できませんでした");
    if (facts.oscRetrying) add(L"OSC: " + fw::Widen(facts.oscEndpoint, CP_ACP) + L" で受信できません（再試行中）");
    return line;
}
