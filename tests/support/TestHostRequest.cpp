#include "support/TestHostRequest.h"

#include <strings.h>

#include <sstream>

namespace testing_support {

std::string RecordedRequest::Header(const std::string& name) const {
    for (const auto& [key, value] : headers) {
        if (strcasecmp(key.c_str(), name.c_str()) == 0) return value;
    }
    return "";
}

int RecordedRequest::HeaderCount(const std::string& name) const {
    int count = 0;
    for (const auto& header : headers) {
        if (strcasecmp(header.first.c_str(), name.c_str()) == 0) ++count;
    }
    return count;
}

bool RecordedRequest::Parse(const std::string& head, RecordedRequest& request) {
    std::size_t lineEnd = head.find("\r\n");
    std::istringstream requestLine(head.substr(0, lineEnd));
    if (!(requestLine >> request.method >> request.target >> request.version)) return false;
    if (request.version.rfind("HTTP/", 0) != 0) return false;
    request.headers.clear();
    while (lineEnd != std::string::npos) {
        std::size_t start = lineEnd + 2;
        lineEnd = head.find("\r\n", start);
        std::string line =
            head.substr(start, lineEnd == std::string::npos ? std::string::npos : lineEnd - start);
        if (line.empty()) continue;
        std::size_t colon = line.find(':');
        if (colon == std::string::npos) return false;
        std::size_t valueStart = line.find_first_not_of(" \t", colon + 1);
        request.headers.emplace_back(
            line.substr(0, colon), valueStart == std::string::npos ? "" : line.substr(valueStart));
    }
    return true;
}

}  // namespace testing_support
