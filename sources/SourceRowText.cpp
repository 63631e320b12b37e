#include "sources/SourceRowText.h"

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>

namespace {
// Reasons by how they begin, and what the operator reads for them; the rest of the reason (a
// number, a line) follows where it says more.
struct KnownReason {
    const wchar_t* begins;
    const wchar_t* text;
    bool keepsRest;
    const wchar_t* after = L"";
};
const KnownReason kReasons[] = {
    {L"HTTP ", L"HTTP ", true},
    {L"the worker could not be started", L"取得を始められません", false},
    {L"no connection to the server", L"サーバーに接続できません", false},
    {L"the connection was dropped", L"接続が切れました", false},
    {L"no valid answer from the server", L"サーバーから正しい応答がありません（切断または遅延）", false},
    {L"the server did not answer in time", L"サーバーが時間内に応答しません", false},
    {L"the answer took too long", L"サーバーが時間内に応答しません", false},
    {L"the server's name could not be resolved", L"サーバー名が見つかりません", false},
    {L"the server's certificate was refused: it is not issued by a trusted authority",
     L"サーバーの証明書を信頼できません（信頼された発行元のものではありません）", false},
    {L"the server's certificate was refused: it is for another name",
     L"サーバーの証明書を信頼できません（別の名前の証明書です）", false},
    {L"the server's certificate was refused: it has expired", L"サーバーの証明書を信頼できません（有効期限外です）",
     false},
    {L"the server's certificate was refused", L"サーバーの証明書を信頼できません", false},
    {L"no secure connection", L"安全な接続ができません（TLS または証明書）", false},
    {L"more than 5 redirects", L"転送が5回を超えました", false},
    {L"a redirect from https to http was refused", L"https から http への転送は受け付けません", false},
    {L"a redirect to another scheme was refused", L"http・https 以外への転送は受け付けません", false},
    {L"a redirect to an internal address was refused", L"内部のアドレスへの転送は許されません", false},
    {L"unknown charset ", L"文字コード ", true, L" は読めません"},
    {L"the address is not an http", L"アドレスが http:// または https:// で始まっていません", false},
    {L"the answer is larger than ", L"応答が大きすぎます（上限 ", true, L"）"},
    {L"the file does not exist", L"ファイルがありません", false},
    {L"the file could not be opened", L"ファイルを開けません（使用中）", false},
    {L"the file could not be read", L"ファイルを読めません", false},
    {L"the file is larger than ", L"ファイルが大きすぎます（上限 ", true, L"）"},
    {L"a document type declaration (DTD) is not accepted", L"DTD を含む XML は受け付けません", false},
    {L"not well-formed XML", L"XML として読めません", false},
    {L"the document is no ", L"形式が違います（フィード・警報の文書ではありません）", false},
    {L"not valid JSON", L"JSON として読めません", false},
    {L"the JSON is nested deeper", L"JSON の入れ子が深すぎます", false},
    {L"the field is no JSON Pointer", L"項目が JSON Pointer ではありません（/ で始めてください）", false},
    {L"the field matches nothing", L"項目が見つかりません", false},
    {L"the look did not end in time", L"時間内に終わりません", false},
    {L"not valid CSV", L"CSV として読めません", false},
    {L"the CSV header has no column ", L"CSV に次の列がありません: ", true},
};

bool begins(const std::wstring& text, const wchar_t* start) {
    size_t i = 0;
    for (; start[i]; ++i)
        if (i >= text.size() || text[i] != start[i]) return false;
    return true;
}

std::wstring clockText(const SourceLooks& looks) {
    wchar_t text[16];
    std::swprintf(text, sizeof text / sizeof text[0], L"%02d:%02d:%02d", looks.hour, looks.minute, looks.second);
    return text;
}

std::wstring lastLookText(const SourceLooks& looks) {
    return std::to_wstring(looks.count) + L"件 " + clockText(looks);
}
}  // namespace

std::wstring sourceReasonText(const std::wstring& reason) {
    for (const KnownReason& known : kReasons) {
        if (!begins(reason, known.begins)) continue;
        if (!known.keepsRest) return known.text;
        return known.text + reason.substr(std::wcslen(known.begins)) + known.after;
    }
    return reason;
}

std::wstring sourceShownName(const SourceSettings& settings) {
    if (!settings.name.empty()) return settings.name;
    if (!isHttpUrl(settings.url)) return settings.url.substr(settings.url.find_last_of(L"\\/") + 1);
    // Only the host: a user name and password before it, or a key in the query, are secrets
    // that must not reach every phone.
    URL_COMPONENTS components{};
    components.dwStructSize = sizeof(components);
    components.dwHostNameLength = static_cast<DWORD>(-1);
    if (WinHttpCrackUrl(settings.url.c_str(), static_cast<DWORD>(settings.url.size()), 0, &components) &&
        components.lpszHostName && components.dwHostNameLength > 0) {
        // Some WinHTTPs give the query as part of the host when no path comes before it.
        std::wstring host(components.lpszHostName, components.dwHostNameLength);
        host.erase(std::min(host.size(), host.find_first_of(L"/?#\\@")));
        if (!host.empty()) return host;
    }
    // An address WinHTTP cannot read is never fetched either; its scheme is all that is safe to show.
    return settings.url.substr(0, settings.url.find(L':'));
}

std::wstring sourceRowText(const SourceSettings& settings, const SourceLooks& looks) {
    std::wstring text = sourceShownName(settings);
    text += L"　";
    if (!looks.on) return text + L"停止中";
    if (!looks.failure.empty()) {
        text += L"取得できません: " + sourceReasonText(looks.failure);
        if (looks.looked) text += L"（前回 " + lastLookText(looks) + L"）";
        return text;
    }
    if (!looks.looked) return text + L"取得中";
    text += lastLookText(looks);
    if (!looks.note.empty()) text += L"（" + sourceReasonText(looks.note) + L"）";
    if (looks.takenOff) text += L"（表示から外しています）";
    return text;
}
