#pragma once
// A lane's strips with no window: a caption is ten columns a character and two more behind it,
// the strip is 100 columns wide, and what the lane asks of it is kept for the test to read.
#include <string>
#include <vector>

#include "show/StripPort.h"

namespace testing_support {

class FakeStrip : public StripPort {
public:
    static constexpr int kWidth = 100;
    static constexpr int kColumnsPerCharacter = 10;

    int enter(const std::wstring& text, bool, bool) override {
        entered.push_back(text);
        return static_cast<int>(text.empty() ? 2 : text.size()) * kColumnsPerCharacter + 2;
    }
    void scroll(int columns) override { scrolled += columns; }
    int drainColumns() override { return kWidth + 50; }
    void present() override { ++presents; }
    void setMoving(bool on) override { moving = on; }
    void setCounting(bool on) override { counting = on; }
    void raise() override {}
    void setShown(bool on) override { shown = on; }

    std::vector<std::wstring> entered;  // every caption that entered, the blank one as ""
    long long scrolled = 0;
    int presents = 0;
    bool moving = false;
    bool counting = false;
    bool shown = true;
};

}  // namespace testing_support
