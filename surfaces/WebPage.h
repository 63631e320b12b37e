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

// The resource served at `path` ("/", "/index.html", "/app.js", "/app.css"); false for any
// other path.
bool findWebResource(const std::string& path, WebResource& resource);
