#include "surfaces/ApiBody.h"

#include <windows.h>

#include <algorithm>

#include "framework/TextCodec.h"
#include "framework/WideText.h"
#include "model/CaptionCommand.h"
#include "model/KirunData.h"
#include "model/LaneLook.h"
#include "model/MinutesRule.h"
#include "surfaces/JsonText.h"

namespace {

const ApiProblem kNotJson{400, u8"本文を JSON として読めません（UTF-8 の JSON にしてください）",
                          "the body is not JSON (UTF-8 JSON is expected)"};
const ApiProblem kNotObject{400, u8"本文は JSON のオブジェクトにしてください", "the body must be a JSON object"};
const ApiProblem kNoText{400, u8"text（文字列）がありません", "text (a string) is missing"};
const ApiProblem kEmptyText{400, u8"テキストが設定されていません", "the text is empty"};
const ApiProblem kNulInText{400, u8"テキストに NUL 文字は使えません", "the text must not hold NUL characters"};
const ApiProblem kMinutesNotWhole{400, u8"minutes は整数で指定してください", "minutes must be a whole number"};
const ApiProblem kTooFewMinutes{400, u8"表示時間は１分以上を設定してください", "minutes must be 1 or more"};
const ApiProblem kTooManyMinutes{400, u8"表示時間は60000分以下を設定してください", "minutes must be 60000 or less"};
const ApiProblem kBadId{400, u8"id は項目の id（1 以上の整数）で指定してください",
                       "id must be an entry's id (a whole number from 1)"};
const ApiProblem kBadSchedule{400, u8"schedule はオブジェクトか null にしてください",
                             "schedule must be an object or null"};
const ApiProblem kScheduleNotText{400, u8"schedule の from・until・hours・days は文字列にしてください",
                                  "schedule's from, until, hours and days must be strings"};
const ApiProblem kBadPlays{400, u8"回数は1～9999の整数にしてください", "schedule's plays must be a whole number from 1 to 9999"};
const ApiProblem kNoDay{400, u8"曜日が1つも選ばれていません", "schedule's days name no day"};
const ApiProblem kNoShown{400, u8"shown（true か false）がありません", "shown (true or false) is missing"};

// The body as a JSON object; null when it is none. The parser reads UTF-8 only, so text with
// bytes that are not UTF-8 is refused here.
const ApiProblem* readObject(const std::string& body, Json& object) {
    object = Json::parse(body, nullptr, false);
    if (object.is_discarded()) return &kNotJson;
    if (!object.is_object()) return &kNotObject;
    return nullptr;
}

// Every line break (CR LF, a lone CR, a lone LF) as CR LF, the way the list's text box holds it.
std::wstring withListLineBreaks(const std::wstring& text) {
    std::wstring result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            result += L"\r\n";
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace

const ApiProblem* readTextBody(const std::string& body, TextUse use, std::wstring& text, int& minutes) {
    Json object;
    if (const ApiProblem* problem = readObject(body, object)) return problem;
    const auto textMember = object.find("text");
    if (textMember == object.end() || !textMember->is_string()) return &kNoText;
    const std::string& utf8 = textMember->get_ref<const std::string&>();
    if (utf8.find('\0') != std::string::npos) return &kNulInText;
    std::wstring wide = fw::Widen(utf8, CP_UTF8);
    wide = use == TextUse::kListItem ? withListLineBreaks(wide) : fw::WithoutLineBreaks(wide);
    // Cut between characters, as the page's text dialog does: half a surrogate pair would
    // stand for nothing.
    wide = fw::CutToCells(wide, kMaxCaptionTextCells);
    if (wide.empty()) return &kEmptyText;

    minutes = 1;
    const auto minutesMember = object.find("minutes");
    if (minutesMember != object.end()) {
        if (minutesMember->is_number_unsigned()) {
            const auto value = minutesMember->get<std::uint64_t>();
            if (value > static_cast<std::uint64_t>(kMaxMinutes)) return &kTooManyMinutes;
            minutes = static_cast<int>(value);
        } else if (minutesMember->is_number_integer()) {
            return &kTooFewMinutes;  // a negative number
        } else {
            return &kMinutesNotWhole;
        }
        if (minutes < kMinMinutes) return &kTooFewMinutes;
    }
    text = std::move(wide);
    return nullptr;
}

const ApiProblem* readStripBody(const std::string& body, bool& shown) {
    Json object;
    if (const ApiProblem* problem = readObject(body, object)) return problem;
    const auto member = object.find("shown");
    if (member == object.end() || !member->is_boolean()) return &kNoShown;
    shown = member->get<bool>();
    return nullptr;
}

namespace {
// The member `key` of a JSON object body, a whole number from `low` (at least 1) to `high`:
// `value` gets it; 0 and no problem when the body is no object or has no such member; `bad`
// for anything else under that key.
const ApiProblem* readWholeMember(const std::string& body, const char* key, std::uint64_t low, std::uint64_t high,
                                  const ApiProblem& bad, std::uint64_t& value) {
    value = 0;
    const Json object = Json::parse(body, nullptr, false);
    if (object.is_discarded() || !object.is_object()) return nullptr;
    const auto member = object.find(key);
    if (member == object.end()) return nullptr;
    if (!member->is_number_unsigned()) return &bad;
    const auto number = member->get<std::uint64_t>();
    if (number < low || number > high) return &bad;
    value = number;
    return nullptr;
}
}  // namespace

const ApiProblem* readItemId(const std::string& target, const std::string& body, CaptionId& id) {
    id = caption_ids::kNone;
    const std::size_t question = target.find('?');
    if (question != std::string::npos) {
        // Parameters separated by '&'; the first "id" counts.
        std::size_t start = question + 1;
        while (start <= target.size()) {
            const std::size_t end = std::min(target.find('&', start), target.size());
            if (target.compare(start, 3, "id=") == 0 && end >= start + 3) {
                const std::string digits = target.substr(start + 3, end - start - 3);
                const bool whole = !digits.empty() && digits.size() <= 10 && digits[0] != '0' &&
                                   digits.find_first_not_of("0123456789") == std::string::npos;
                if (!whole || std::stoull(digits) > 0xFFFFFFFFull) return &kBadId;
                id = static_cast<CaptionId>(std::stoull(digits));
                return nullptr;
            }
            start = end + 1;
        }
    }
    std::uint64_t value = 0;
    const ApiProblem* problem = readWholeMember(body, "id", 1, 0xFFFFFFFFull, kBadId, value);
    if (!problem && value != 0) id = static_cast<CaptionId>(value);
    return problem;
}

const ApiProblem* readLane(const std::string& body, int& lane) {
    lane = CaptionCommand::kLaneUnnamed;
    std::uint64_t value = 0;
    const ApiProblem* problem = readWholeMember(body, "lane", 1, kMaxLanes, kBadLane, value);
    if (!problem && value != 0) lane = static_cast<int>(value);
    return problem;
}

namespace {
// The string member `key` of a schedule into `field`; false when it is there and no string.
bool readScheduleText(const Json& schedule, const char* key, std::string& field) {
    const auto member = schedule.find(key);
    if (member == schedule.end()) return true;
    if (!member->is_string()) return false;
    field = member->get<std::string>();
    return true;
}
}  // namespace

const ApiProblem* readSchedule(const std::string& body, AirWindow& window, ApiProblem& refusal) {
    window = AirWindow{};
    Json object;
    if (const ApiProblem* problem = readObject(body, object)) return problem;
    const auto member = object.find("schedule");
    if (member == object.end() || member->is_null()) return nullptr;
    if (!member->is_object()) return &kBadSchedule;
    const Json& schedule = *member;
    AirWindow read;
    if (!readScheduleText(schedule, "from", read.from) || !readScheduleText(schedule, "until", read.until) ||
        !readScheduleText(schedule, "hours", read.hours) || !readScheduleText(schedule, "days", read.days))
        return &kScheduleNotText;
    // "days": "" names a day set with no day, as the dialog's weekday box checked with none;
    // the settings file's form would read it as no day set at all.
    if (schedule.contains("days") && read.days.empty()) return &kNoDay;
    const auto plays = schedule.find("plays");
    if (plays != schedule.end()) {
        if (!plays->is_number_unsigned()) return &kBadPlays;
        const auto value = plays->get<std::uint64_t>();
        if (value < 1 || value > 9999) return &kBadPlays;
        read.plays = static_cast<int>(value);
    }
    if (const char* problem = airWindowProblem(read)) {
        refusal = ApiProblem{400, problem, "the schedule is not valid"};
        return &refusal;
    }
    window = std::move(read);
    return nullptr;
}
