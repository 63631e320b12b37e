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

}  // namespace

bool findWebResource(const std::string& path, WebResource& resource) {
    for (const Entry& entry : kEntries) {
        if (path != entry.path) continue;
        HMODULE module = GetModuleHandleW(nullptr);
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(entry.id), MAKEINTRESOURCEW(10));  // RT_RCDATA
        HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
        const void* data = loaded ? LockResource(loaded) : nullptr;
        if (!data) return false;
        resource.contentType = entry.contentType;
        resource.data = static_cast<const char*>(data);
        resource.size = SizeofResource(module, found);
        return true;
    }
    return false;
}
