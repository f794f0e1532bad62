#include "ResponseHead.h"

#include <cctype>
#include <string_view>
#include <vector>

#include "platform/net/HeaderText.h"

namespace net {

namespace {

std::vector<std::string_view> Lines(const std::string& raw) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < raw.size()) {
        std::size_t end = std::min(raw.find("\r\n", start), raw.size());
        if (end > start) lines.emplace_back(raw.data() + start, end - start);
        start = end + 2;
    }
    return lines;
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (char& ch : lowered) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return lowered;
}

// Where there was no status line, WinINet makes up "HTTP/1.0 200 OK"
// without header lines and takes the whole answer for the body. A line
// folded onto the one before it is dropped, and an empty header that it was
// folded onto is what remains of it.
std::string LineFault(std::string_view line) {
    for (std::string_view name : {"Content-Encoding:", "Transfer-Encoding:"}) {
        std::string_view value;
        if (HeaderValue(line, name, value) && value.empty()) {
            return "invalid response: an empty " + std::string(name.substr(0, name.size() - 1)) +
                   " header, which a folded line may have followed";
        }
    }
    return {};
}

}  // namespace

ResponseHead ReadResponseHead(const std::string& raw) {
    ResponseHead head;
    std::vector<std::string_view> lines = Lines(raw);
    if (lines.empty() || lines[0].substr(0, 5) != "HTTP/") {
        head.fault = "invalid response: no HTTP head";
    } else if (lines.size() == 1) {
        head.fault = "invalid response: no header lines, or no status line";
    }
    head.keepsConnection = !lines.empty() && lines[0].substr(0, 9) == "HTTP/1.1 ";
    for (std::string_view line : lines) {
        if (head.fault.empty()) head.fault = LineFault(line);
        head.framing.Note(line);
        head.offer.Note(line);
        std::string_view location;
        if (HeaderValue(line, "Location:", location)) head.location = location;
        if (StartsWithNoCase(line, "Connection:") &&
            Lowered(line).find("close") != std::string::npos) {
            head.keepsConnection = false;
        }
    }
    return head;
}

}  // namespace net
