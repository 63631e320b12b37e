#include "surfaces/WebPage.h"

#include <windows.h>

#include "resource.h"

namespace {

struct Entry {
    const char* path;
    int id;
    const char* contentType;
};

const Entry kEntries[] = {
    {"/", IDR_WEB_PAGE, "text/html; charset=utf-8"},
    {"/index.html", IDR_WEB_PAGE, "text/html; charset=utf-8"},
    {"/app.js", IDR_WEB_SCRIPT, "text/javascript; charset=utf-8"},
    {"/lanes.js", IDR_WEB_LANES, "text/javascript; charset=utf-8"},
    {"/app.css", IDR_WEB_STYLE, "text/css; charset=utf-8"},
    {"/overlay.js", IDR_WEB_OVERLAY_SCRIPT, "text/javascript; charset=utf-8"},
    {"/overlay.css", IDR_WEB_OVERLAY_STYLE, "text/css; charset=utf-8"},
};

const char kViewMark[] = "{{VIEW}}";

bool loadResource(int id, const char* contentType, WebResource& resource) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return false;
    resource.contentType = contentType;
    resource.data = static_cast<const char*>(data);
    resource.size = SizeofResource(module, found);
    return true;
}

// Text that stays text inside a quoted attribute: a key is base64url, but the settings file
// may hold anything.
std::string attributeText(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&#39;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

}  // namespace

bool findWebResource(const std::string& path, WebResource& resource) {
    for (const Entry& entry : kEntries)
        if (path == entry.path) return loadResource(entry.id, entry.contentType, resource);
    return false;
}

bool overlayPage(const std::string& viewKey, std::string& html) {
    WebResource page;
    if (!loadResource(IDR_WEB_OVERLAY_PAGE, "text/html; charset=utf-8", page)) return false;
    html.assign(page.data, page.size);
    const std::size_t mark = html.find(kViewMark);
    if (mark != std::string::npos) html.replace(mark, sizeof kViewMark - 1, attributeText(viewKey));
    return true;
}
