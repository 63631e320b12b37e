#pragma once
// Why the API refuses a request, in Japanese for the operator and in English for whoever
// programs a panel; the answer's body is {"error": {"status": 400, "ja": "…", "en": "…"}}.
#include "surfaces/HttpResponse.h"

struct ApiProblem {
    int status;
    const char* ja;  // UTF-8
    const char* en;
};

HttpResponse problemResponse(const ApiProblem& problem);

// A lane named otherwise than by a number from 1 to 4 (400), and one the show does not hold (404).
extern const ApiProblem kBadLane;
extern const ApiProblem kNoSuchLane;
