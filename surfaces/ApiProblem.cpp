#include "surfaces/ApiProblem.h"

#include "surfaces/JsonText.h"

HttpResponse problemResponse(const ApiProblem& problem) {
    HttpResponse response;
    response.status = problem.status;
    response.body = jsonLine(Json{{"error", Json{{"status", problem.status}, {"ja", problem.ja}, {"en", problem.en}}}});
    return response;
}

const ApiProblem kBadLane{400, u8"レーンは1から4の番号で指定してください", "lane must be a number from 1 to 4"};
const ApiProblem kNoSuchLane{404, u8"そのレーンはありません", "no such lane"};
