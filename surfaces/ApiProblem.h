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
