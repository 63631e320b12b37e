#pragma once
// An answer of the HTTP surface and its bytes on the wire. Every answer says that it is not to be
// cached, sniffed, framed or followed by a referrer, and carries no CORS field: a page of
// another origin may neither read an answer nor send a request that needs a preflight.
#include <string>
#include <utility>
#include <vector>

struct HttpResponse {
    int status = 200;
    std::string contentType = "application/json; charset=utf-8";
    std::string body;
    std::vector<std::pair<std::string, std::string>> fields;  // further header fields
};

// The reason phrase of a status code the surface answers with.
const char* reasonPhrase(int status);

// Status line and header fields, ended by the empty line. `keepAlive` false adds
// "Connection: close"; `bodyLength` false leaves Content-Length out (an event stream, which ends
// with the connection).
std::string responseHead(const HttpResponse& response, bool keepAlive, bool bodyLength = true);
