#include "model/PairingAddress.h"

namespace {
const char kOff[] = "Web リモートは使われていません。「Web リモートを使う」にチェックを付けて OK を押すと、"
                    "スマートフォンやタブレットから操作できます。";
const char kLoopback[] = "アドレスが 127.0.0.1 なので、この PC のブラウザーからしか開けません。"
                         "スマートフォンから使うには「受け付けるアドレス」を 0.0.0.0 にしてください。";
const char kNoLan[] = "この PC の LAN アドレスが見つかりません。ネットワークにつないでから開き直してください。";
const char kReady[] = "同じネットワークのスマートフォンで QR コードを読み取るか、このアドレスを開いてください"
                      "（トークンは # の後ろにあり、ネットワークには送られません）。Windows ファイアウォールが"
                      "尋ねてきたら、プライベート ネットワークでの通信を許可してください。";

std::string address(const std::string& host, int port, const std::string& token) {
    return httpOrigin(host, port) + "/#token=" + token;
}
}  // namespace

std::string httpOrigin(const std::string& host, int port) {
    return "http://" + host + (port == 80 ? std::string() : ":" + std::to_string(port));
}

PairingView pairingView(const HttpSettings& settings, const std::vector<LocalAddress>& lan) {
    PairingView view;
    if (!settings.on()) {
        view.note = kOff;
        return view;
    }
    if (settings.address.compare(0, 4, "127.") == 0 || settings.address == "localhost") {
        view.host = "127.0.0.1";
        view.url = address(view.host, settings.port, settings.token);
        view.note = kLoopback;
        return view;
    }
    const std::string host = settings.address == "0.0.0.0" ? preferredLanAddress(lan) : settings.address;
    if (host.empty()) {
        view.note = kNoLan;
        return view;
    }
    view.host = host;
    view.url = address(host, settings.port, settings.token);
    view.note = kReady;
    view.lanReachable = true;
    return view;
}
