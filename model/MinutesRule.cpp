#include "model/MinutesRule.h"

const char* minutesProblem(int minutes) {
    if (minutes < kMinMinutes) return "表示時間は１分以上を設定してください";
    if (minutes > kMaxMinutes) return "表示時間は60000分以下を設定してください";
    return nullptr;
}
