#pragma once
// The bodies of the API's commands, checked the way the page checks what the operator types:
// a text of one caption (cut to the longest caption, 1,000 half-width cells), its minutes
// (1-60000, 1 when left out), line breaks kept as the list keeps them (CR LF) for list items and
// dropped for what goes straight on air. Null: the body is fine; otherwise why it is not.
#include <string>

#include "model/AirWindow.h"
#include "model/CaptionId.h"
#include "surfaces/ApiProblem.h"

enum class TextUse {
    kListItem,  // kept in the list: line breaks as CR LF
    kOnAir,     // a free text or cut-in: one line
};

const ApiProblem* readTextBody(const std::string& body, TextUse use, std::wstring& text, int& minutes);
// {"shown": true} or {"shown": false}
const ApiProblem* readStripBody(const std::string& body, bool& shown);
// The lane a body's "lane" names, 1 to kMaxLanes; CaptionCommand::kLaneUnnamed when it names
// none or the body is no JSON object (the commands that need no body take none).
const ApiProblem* readLane(const std::string& body, int& lane);
// The caption a PUT or DELETE of a list entry names, from the target's query (?id=…) or the
// body's "id" (a body that is no JSON object names none: DELETE needs no body); kNone when
// neither gives one. A given id must be a whole number from 1 to 4294967295.
const ApiProblem* readItemId(const std::string& target, const std::string& body, CaptionId& id);
// A list entry's time on air, the body's "schedule": an object with the members from, until,
// hours, days (strings in the settings file's forms) and plays (a whole number), each optional;
// absent or null: none. A window the dialog would refuse is refused with the dialog's words,
// given in `refusal`, which the answer then points to.
const ApiProblem* readSchedule(const std::string& body, AirWindow& window, ApiProblem& refusal);
