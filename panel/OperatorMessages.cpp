#include "panel/OperatorMessages.h"

#include "framework/MessageBox.h"

namespace {
class MessageBoxes : public OperatorMessages {
public:
    int showMessage(const char* text, UINT type) override { return fw::ShowMessage(text, type); }
};
}  // namespace

OperatorMessages& messageBoxes() {
    static MessageBoxes boxes;
    return boxes;
}
