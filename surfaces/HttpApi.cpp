#include "surfaces/HttpApi.h"

#include <cstring>

#include "surfaces/ApiBody.h"
#include "surfaces/ApiProblem.h"
#include "surfaces/StateJson.h"

namespace {

const ApiProblem kNoSuchPath{404, u8"そのような API はありません", "no such API"};
const ApiProblem kNoSuchItem{404, u8"その番号の項目は一覧にありません", "no list entry of that number"};
const ApiProblem kWrongMethod{405, u8"この API はそのメソッドでは使えません", "this API does not take that method"};
const ApiProblem kCommandsWaiting{429, u8"命令が多すぎます。少し待ってから送ってください",
                                  "too many commands are waiting; wait a moment"};
const ApiProblem kNotInTime{503, u8"Kirunner が時間内に応えませんでした。もう一度送ってください",
                            "Kirunner did not carry the command out in time; send it again"};
const ApiProblem kItemChanged{409, u8"その項目はほかの操作で変わりました。一覧を読み直してください",
                              "the entry no longer holds that caption; read the list again"};
const ApiProblem kRefused{400, u8"Kirunner はこの操作を受け付けませんでした", "Kirunner refused the command"};

// "/api/<name>" or "/api/<name>/<n>": the name and the number (0 when there is none, -1 when
// what follows the name is no list number).
struct ApiPath {
    std::string name;
    int number = 0;
};

ApiPath splitPath(const std::string& path) {
    ApiPath parts;
    const std::string rest = path.substr(std::strlen("/api/"));
    const std::size_t slash = rest.find('/');
    parts.name = rest.substr(0, slash);
    if (slash == std::string::npos) return parts;
    const std::string digits = rest.substr(slash + 1);
    // A list number: 1 to 6 digits, not starting with 0.
    const bool number = !digits.empty() && digits.size() <= 6 && digits[0] != '0' &&
                        digits.find_first_not_of("0123456789") == std::string::npos;
    parts.number = number ? std::stoi(digits) : -1;
    return parts;
}

bool editsList(CaptionCommand::Kind kind) {
    return kind == CaptionCommand::kAddItem || kind == CaptionCommand::kChangeItem || kind == CaptionCommand::kDeleteItem;
}

HttpResponse wrongMethod(const char* allowed) {
    HttpResponse response = problemResponse(kWrongMethod);
    response.fields.emplace_back("Allow", allowed);
    return response;
}

}  // namespace

HttpResponse stateResponse(const ShowSnapshot& snapshot) {
    HttpResponse response;
    response.body = stateJson(snapshot);
    return response;
}

HttpResponse HttpApi::run(const CaptionCommand& command) {
    const ShowAccess::Outcome outcome = m_show.run(command, kCommandWaitMs);
    if (!outcome.carriedOut) {
        HttpResponse response = problemResponse(outcome.refused ? kCommandsWaiting : kNotInTime);
        response.fields.emplace_back("Retry-After", "1");
        return response;
    }
    if (outcome.result == CommandResult::kNoSuchItem) return problemResponse(kNoSuchItem);
    if (outcome.result == CommandResult::kNoSuchLane) return problemResponse(kNoSuchLane);
    if (outcome.result == CommandResult::kItemChanged) return problemResponse(kItemChanged);
    if (outcome.result == CommandResult::kRefused) return problemResponse(kRefused);
    const ShowSnapshot& snapshot = outcome.snapshot ? *outcome.snapshot : *m_show.snapshot();
    if (!editsList(command.kind)) return stateResponse(snapshot);
    // The edit is on the page either way; whether the settings file keeps it is the client's to know.
    Json document = stateDocument(snapshot);
    document["saved"] = outcome.result == CommandResult::kDone;
    HttpResponse response;
    response.body = jsonLine(document);
    return response;
}

HttpResponse HttpApi::answer(const HttpRequest& request) {
    const ApiPath path = splitPath(request.path);
    const std::string& method = request.method;
    CaptionCommand command;
    ApiProblem refusal{};  // a schedule's problem, in the words of the caption dialog

    // Paths without a number.
    if (path.number == 0) {
        if (path.name == "state") {
            if (method != "GET") return wrongMethod("GET");
            return stateResponse(*m_show.snapshot());
        }
        if (path.name == "overlay") return wrongMethod("GET");  // GET is the surface's: a stream
        static const struct {
            const char* name;
            CaptionCommand::Kind kind;
        } kPlain[] = {{"clear", CaptionCommand::kClearAll},
                      {"clearnow", CaptionCommand::kClearNow},
                      {"endcutin", CaptionCommand::kEndCutIn}};
        for (const auto& plain : kPlain) {
            if (path.name != plain.name) continue;
            if (method != "POST") return wrongMethod("POST");
            command.kind = plain.kind;
            if (const ApiProblem* problem = readLane(request.body, command.lane)) return problemResponse(*problem);
            return run(command);
        }
        if (path.name == "strip") {
            if (method != "POST") return wrongMethod("POST");
            bool shown = true;
            if (const ApiProblem* problem = readStripBody(request.body, shown)) return problemResponse(*problem);
            if (const ApiProblem* problem = readLane(request.body, command.lane)) return problemResponse(*problem);
            command.kind = CaptionCommand::kShowStrip;
            command.number = shown ? 1 : 0;
            return run(command);
        }
        if (path.name == "text" || path.name == "cutin" || path.name == "items") {
            if (method != "POST") return wrongMethod("POST");
            const TextUse use = path.name == "items" ? TextUse::kListItem : TextUse::kOnAir;
            if (const ApiProblem* problem = readTextBody(request.body, use, command.text, command.minutes))
                return problemResponse(*problem);
            if (use == TextUse::kOnAir) {
                if (const ApiProblem* problem = readLane(request.body, command.lane)) return problemResponse(*problem);
            }
            if (use == TextUse::kListItem) {
                if (const ApiProblem* problem = readSchedule(request.body, command.window, refusal))
                    return problemResponse(*problem);
            }
            command.kind = path.name == "text"    ? CaptionCommand::kShowText
                           : path.name == "cutin" ? CaptionCommand::kCutIn
                                                  : CaptionCommand::kAddItem;
            return run(command);
        }
        return problemResponse(kNoSuchPath);
    }

    // Paths that name a list entry.
    const bool onAirPath = path.name == "show" || path.name == "hide";
    if (!onAirPath && path.name != "items") return problemResponse(kNoSuchPath);
    if (path.number < 0) return problemResponse(kNoSuchItem);
    command.number = path.number;
    if (onAirPath) {
        if (method != "POST") return wrongMethod("POST");
        command.kind = path.name == "show" ? CaptionCommand::kShowItem : CaptionCommand::kHideItem;
        return run(command);
    }
    if (method != "PUT" && method != "DELETE") return wrongMethod("PUT, DELETE");
    if (const ApiProblem* problem = readItemId(request.target, request.body, command.item))
        return problemResponse(*problem);
    if (method == "DELETE") {
        command.kind = CaptionCommand::kDeleteItem;
        return run(command);
    }
    if (const ApiProblem* problem = readTextBody(request.body, TextUse::kListItem, command.text, command.minutes))
        return problemResponse(*problem);
    if (const ApiProblem* problem = readSchedule(request.body, command.window, refusal))
        return problemResponse(*problem);
    command.kind = CaptionCommand::kChangeItem;
    return run(command);
}
