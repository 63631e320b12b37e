#pragma once
// The product version from the program's own version resource, read once per process.
#include <string>

// "Ver.:" and the product version, or "" when the version information cannot be read.
// The text stays valid for the life of the process.
const char* versionString();

// The about box's line: "Kirunner " and the version with every "," turned into "-" and
// every ";" into ".".
std::string aboutVersionLine(const std::string& version);
