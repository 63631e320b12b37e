#include "control/OperatorMessages.h"

#include "framework/MessageBox.h"

namespace {
class MessageBoxes : public OperatorMessages {
public:
    int showMessage(const char* text, UINT type) override { return fw::ShowMessage(text, type); }
};

class NoMessages : public OperatorMessages {
public:
    int showMessage(const char*, UINT type) override { return fw::SafestAnswer(type); }
};
}  // namespace

OperatorMessages& messageBoxes() {
    static MessageBoxes boxes;
    return boxes;
}

OperatorMessages& noMessages() {
    static NoMessages none;
    return none;
}
