#pragma once
// What must hold for the control page and its strip whatever settings file they were opened
// over: a bounded list, a bounded font, a known scroll step, pure RGB colours and a strip
// placed within window coordinates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/KirunWin.h"
#include "panel/ControlDlg.h"
#include "show/Show.h"
#include "tests/support/PageHost.h"

namespace testing_support {

// The tallest strip a caption font may give: the font's bound and its leading.
constexpr int kTallestStrip = 2100;

void ExpectSanePage(const PageHost& host, const std::string& what);

// The captions on air as "index:text" (a list position, or 60000, 60001, 60002 for the watched
// file's caption, a free text and the cut-in), in schedule order.
std::vector<std::string> CaptionsOnAir(const Show& show);

}  // namespace testing_support
