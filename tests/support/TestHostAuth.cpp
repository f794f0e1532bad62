#include "support/TestHostAuth.h"

#include <algorithm>
#include <map>

#include "support/Md5.h"

namespace testing_support {

namespace {

constexpr const char* kNonce = "c2VydmVyIG5vbmNl";
constexpr const char* kOpaque = "5ccc069c403ebaf9";

bool Offers(const HostAuth& auth, const std::string& scheme) {
    return std::find(auth.schemes.begin(), auth.schemes.end(), scheme) != auth.schemes.end();
}

// The parameters of a Digest answer ("Digest name=value, name=\"value\", ...").
std::map<std::string, std::string> DigestParameters(const std::string& header) {
    std::map<std::string, std::string> parameters;
    std::size_t at = header.find(' ');
    while (at != std::string::npos && at < header.size()) {
        at = header.find_first_not_of(" ,", at);
        if (at == std::string::npos) break;
        std::size_t equals = header.find('=', at);
        if (equals == std::string::npos) break;
        std::string name = header.substr(at, equals - at);
        std::string value;
        at = equals + 1;
        if (at < header.size() && header[at] == '"') {
            std::size_t close = header.find('"', at + 1);
            value = header.substr(at + 1, close - at - 1);
            at = close == std::string::npos ? close : close + 1;
        } else {
            std::size_t comma = header.find(',', at);
            value = header.substr(at, comma - at);
            at = comma;
        }
        parameters[name] = value;
    }
    return parameters;
}

bool DigestAnswers(const RecordedRequest& request, const HostAuth& auth) {
    const std::string header = request.Header("Authorization");
    if (header.rfind("Digest ", 0) != 0) return false;
    auto p = DigestParameters(header);
    if (p["username"] != auth.userName || p["realm"] != auth.realm || p["nonce"] != kNonce ||
        p["uri"] != request.target || p["qop"] != "auth") {
        return false;
    }
    std::string secret = Md5Hex(auth.userName + ":" + auth.realm + ":" + auth.password);
    std::string method = Md5Hex(request.method + ":" + p["uri"]);
    std::string expected =
        Md5Hex(secret + ":" + kNonce + ":" + p["nc"] + ":" + p["cnonce"] + ":auth:" + method);
    return p["response"] == expected;
}

}  // namespace

HttpReply Unauthorized(const HostAuth& auth) {
    HttpReply reply = HttpReply::Text("HTTP/1.1 401 Unauthorized", "who are you?");
    for (const std::string& scheme : auth.schemes) {
        std::string challenge = "WWW-Authenticate: " + scheme;
        if (scheme == "Basic") challenge += " realm=\"" + auth.realm + "\"";
        if (scheme == "Digest") {
            challenge += " realm=\"" + auth.realm + "\", qop=\"auth\", nonce=\"" + kNonce +
                         "\", opaque=\"" + kOpaque + "\", algorithm=MD5";
        }
        reply.headers.push_back(challenge);
    }
    return reply;
}

bool Authorized(const RecordedRequest& request, const HostAuth& auth) {
    if (Offers(auth, "Basic") &&
        request.Header("Authorization") == BasicCredentials(auth.userName, auth.password)) {
        return true;
    }
    return Offers(auth, "Digest") && DigestAnswers(request, auth);
}

}  // namespace testing_support
