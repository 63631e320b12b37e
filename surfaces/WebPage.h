#pragma once
// The remote's page and its script and style, served from the program's own resources (RCDATA),
// so that nothing lies beside the program and nothing is fetched from elsewhere.
#include <cstddef>
#include <string>

struct WebResource {
    const char* contentType = nullptr;
    const char* data = nullptr;  // in the module's image: valid while the program runs
    std::size_t size = 0;
};

// The resource served to anyone at `path` ("/", "/index.html", "/app.js", "/app.css", the
// overlay's script and style); false for any other path.
bool findWebResource(const std::string& path, WebResource& resource);

// The overlay page (GET /overlay, served only with a key) with `viewKey` put in where the page
// holds "{{VIEW}}", written as an attribute's text; false when the program holds no such page.
bool overlayPage(const std::string& viewKey, std::string& html);
