#pragma once
// What must hold for the control page and its strip whatever settings file they were opened
// over: a bounded list, a bounded font, a known scroll step, pure RGB colours and a strip
// placed within window coordinates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/ControlDlg.h"

namespace testing_support {

// The tallest strip a caption font may give: the font's bound and its leading.
constexpr int kTallestStrip = 2100;

void ExpectSanePage(const CControlDlg& page, const std::string& what);

// The captions on the strip's run list as "index:text", in run-list order.
std::vector<std::string> CaptionsOnAir(const CKirunWin& strip);

}  // namespace testing_support
