#pragma once
// The API's commands and state, for requests whose host and token the surface has checked:
//   GET    /api/state                   the show
//   POST   /api/show/<n>, /api/hide/<n> list entry n on air, off air
//   POST   /api/clear, /api/clearnow, /api/endcutin
//   POST   /api/strip                   {"shown": true|false}
//   POST   /api/text, /api/cutin        {"text": "…", "minutes": 5}
//   POST   /api/items                   {"text": "…", "minutes": 5}: a list entry appended
//   PUT    /api/items/<n>               the entry's text and minutes
//   DELETE /api/items/<n>               the entry deleted (nobody is asked on the PC)
//   GET    /api/overlay?lane=<n>        a lane's overlay stream (HttpSurface and HttpConnection serve
//                                       it; here its other methods are answered 405)
// PUT and DELETE may name the entry's caption (?id=… or "id" in the body, as the state's rows
// give it): 409 with nothing changed when entry n holds another one by then.
// Each command goes to the show through ShowAccess, the way the page's buttons go, and is
// answered with the show right after it; an answer to a list edit (items) adds "saved": whether
// the settings file keeps the edit.
#include <windows.h>

#include "surfaces/HttpRequestParser.h"
#include "surfaces/HttpResponse.h"
#include "surfaces/ShowAccess.h"

class HttpApi {
public:
    // How long a command may wait for the program's thread before it is answered with 503.
    static constexpr DWORD kCommandWaitMs = 3000;

    explicit HttpApi(ShowAccess& show) : m_show(show) {}

    HttpResponse answer(const HttpRequest& request);

private:
    HttpResponse run(const CaptionCommand& command);

    ShowAccess& m_show;
};

// The show as an answer: 200 with the state document.
HttpResponse stateResponse(const ShowSnapshot& snapshot);
