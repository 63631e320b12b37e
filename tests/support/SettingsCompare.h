#pragma once
// The settings file's reader and writer beside the platform's profile functions: files run
// through both, results compared.
#include <gtest/gtest.h>

#include <string>

#include "tests/oracle/SettingsOracle.h"

namespace testing_support {

using oracle::Settings;

// The program's own reader and writer.
Settings LoadWithReader(const std::string& path);
bool SaveWithWriter(const std::string& path, const Settings& settings);

// Every field that the file stores, the same in both.
void ExpectSameSettings(const Settings& expected, const Settings& actual, const std::string& what);

// `bytes` as the platform's profile writer stores them after it parsed them: the file is
// changed once (a section added and deleted again), so the writer saves it from its parsed form.
std::string AsRewrittenByPlatform(const std::string& bytes);

// Whether every line of `before` that is not a line of a written key is in `after`, unchanged
// and in the same order (the last line may have gained a line end).
bool KeepsOtherLines(const std::string& before, const std::string& after);

// Length of each caption text of the crash test's saves.
const size_t kCrashTestTextBytes = 200;

// `n` items of `bytes` bytes each, numbered so that no two are equal.
CaptionList NumberedCaptions(int n, size_t bytes, int version);

}  // namespace testing_support
