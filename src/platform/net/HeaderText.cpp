#include "platform/net/HeaderText.h"

#include <cctype>

namespace net {

namespace {

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

// The value of a parameter: a quoted string (with \-escapes) or a token.
std::string ParameterValue(std::string_view text) {
    std::string value;
    if (!text.empty() && text.front() == '"') {
        for (std::size_t i = 1; i < text.size() && text[i] != '"'; ++i) {
            if (text[i] == '\\' && i + 1 < text.size()) ++i;
            value += text[i];
        }
        return value;
    }
    for (char ch : text) {
        if (ch == ',' || ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n') break;
        value += ch;
    }
    return value;
}

}  // namespace

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlank = " \t\r\n";
    std::size_t begin = text.find_first_not_of(kBlank);
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(kBlank) - begin + 1);
}

bool HeaderValue(std::string_view line, std::string_view name, std::string_view& value) {
    if (!StartsWithNoCase(line, name)) return false;
    value = Trimmed(line.substr(name.size()));
    return true;
}

bool ParseChallenge(std::string_view headerLine, std::string& scheme, std::string& realm) {
    constexpr std::string_view kName = "WWW-Authenticate:";
    if (!StartsWithNoCase(headerLine, kName)) return false;
    std::string_view challenge = TrimLeft(headerLine.substr(kName.size()));
    std::size_t nameEnd = 0;
    while (nameEnd < challenge.size() &&
           (std::isalnum(static_cast<unsigned char>(challenge[nameEnd])) ||
            challenge[nameEnd] == '-' || challenge[nameEnd] == '_')) {
        ++nameEnd;
    }
    if (nameEnd == 0) return false;
    scheme = challenge.substr(0, nameEnd);
    challenge.remove_prefix(nameEnd);
    realm.clear();
    while (!challenge.empty()) {
        challenge = TrimLeft(challenge);
        if (StartsWithNoCase(challenge, "realm=")) {
            realm = ParameterValue(challenge.substr(6));
            return true;
        }
        std::size_t comma = challenge.find(',');
        if (comma == std::string_view::npos) break;
        challenge.remove_prefix(comma + 1);
    }
    return true;
}

}  // namespace net
