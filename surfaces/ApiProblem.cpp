#include "surfaces/ApiProblem.h"

#include "surfaces/JsonText.h"

HttpResponse problemResponse(const ApiProblem& problem) {
    HttpResponse response;
    response.status = problem.status;
    response.body = jsonLine(Json{{"error", Json{{"status", problem.status}, {"ja", problem.ja}, {"en", problem.en}}}});
    return response;
}
