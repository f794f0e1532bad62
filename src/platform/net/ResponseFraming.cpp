#include "platform/net/ResponseFraming.h"

#include <cctype>
#include <limits>

#include "platform/net/ContentDecoder.h"
#include "platform/net/HeaderText.h"

namespace net {

namespace {

// Calls `take` with each element of a comma-separated list, trimmed.
template <typename Take>
void ForEachElement(std::string_view list, Take take) {
    for (;;) {
        std::size_t comma = list.find(',');
        take(Trimmed(list.substr(0, comma)));
        if (comma == std::string_view::npos) return;
        list.remove_prefix(comma + 1);
    }
}

// A coding's name, without parameters, in lower case.
std::string CodingName(std::string_view element) {
    std::string name(Trimmed(element.substr(0, element.find(';'))));
    for (char& ch : name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return name;
}

// A plain decimal number within what the HTTP library can count.
bool ParseLength(std::string_view text, std::uint64_t& value) {
    constexpr std::uint64_t kLargest = std::numeric_limits<std::int64_t>::max();
    if (text.empty()) return false;
    value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return false;
        std::uint64_t digit = static_cast<std::uint64_t>(ch - '0');
        if (value > (kLargest - digit) / 10) return false;
        value = value * 10 + digit;
    }
    return true;
}

// Why `line` cannot be read one way only, "" when it can. A line folded onto
// the one before it, or a name with blanks before its colon, is read by
// some as part of another header or as no header at all: a Content-Encoding
// or a Content-Length hidden so would slip past the checks below.
std::string HeadLineFault(std::string_view line) {
    if (line.empty()) return {};
    if (line.front() == ' ' || line.front() == '\t') {
        return "a header line is folded onto the one before it";
    }
    std::string_view name = line.substr(0, line.find(':'));
    if (name.size() < line.size() && name.find_first_of(" \t") != std::string_view::npos) {
        return "the header name \"" + std::string(name) + "\" holds a blank";
    }
    return {};
}

}  // namespace

void ResponseFraming::Note(std::string_view headerLine) {
    // No header name holds a '/', so this is the status line.
    if (headerLine.substr(0, 5) == "HTTP/") return;
    std::string_view line = headerLine.substr(0, headerLine.find_first_of("\r\n"));
    if (m_headFault.empty()) m_headFault = HeadLineFault(line);
    m_lines.emplace_back(line);
    std::string_view value;
    if (HeaderValue(headerLine, "Content-Length:", value)) {
        NoteLengths(value);
    } else if (HeaderValue(headerLine, "Transfer-Encoding:", value)) {
        NoteTransferCodings(value);
    } else if (HeaderValue(headerLine, "Content-Encoding:", value)) {
        NoteContentCodings(value);
    }
}

void ResponseFraming::NoteLengths(std::string_view values) {
    ForEachElement(values, [this](std::string_view element) {
        if (!m_lengthFault.empty()) return;
        std::uint64_t length = 0;
        if (!ParseLength(element, length)) {
            m_lengthFault = "the Content-Length \"" + std::string(element) + "\" is not a number";
        } else if (m_length && *m_length != length) {
            m_lengthFault = "the Content-Length values " + std::to_string(*m_length) + " and " +
                            std::to_string(length) + " disagree";
        } else {
            m_length = length;
        }
    });
}

void ResponseFraming::NoteTransferCodings(std::string_view values) {
    ForEachElement(values, [this](std::string_view element) {
        if (element.empty()) return;
        std::string name = CodingName(element);
        // Chunked comes once and last; a coding after it would be applied
        // to a body whose end nobody could find.
        if (m_chunked || name != "chunked") {
            if (m_otherTransferCoding.empty()) m_otherTransferCoding = name;
        }
        m_chunked = name == "chunked";
    });
}

void ResponseFraming::NoteContentCodings(std::string_view values) {
    ForEachElement(values, [this](std::string_view element) {
        if (element.empty()) return;
        std::string name = CodingName(element);
        if (name != "identity") m_contentCodings.push_back(name);
    });
}

std::string ResponseFraming::Refusal(bool bodyIsKept) const {
    if (!m_headFault.empty()) return "invalid response: " + m_headFault;
    if (!m_lengthFault.empty()) return "invalid response: " + m_lengthFault;
    if (!m_otherTransferCoding.empty()) {
        return "invalid response: the transfer coding \"" + m_otherTransferCoding +
               "\" is not supported";
    }
    if (!bodyIsKept || m_contentCodings.empty()) return {};
    if (m_contentCodings.size() > 1) {
        return "invalid response: the body is sent in several content codings (\"" +
               ContentCoding() + "\"), which cannot be undone";
    }
    if (!ContentDecoder::Decodes(m_contentCodings[0])) {
        return "invalid response: the body is sent in the content coding \"" + ContentCoding() +
               "\", which cannot be decoded";
    }
    return {};
}

std::string ResponseFraming::Field(std::string_view name) const {
    std::string_view value;
    for (const std::string& line : m_lines) {
        if (HeaderValue(line, name, value)) return std::string(value);
    }
    return {};
}

std::string ResponseFraming::ContentCoding() const {
    std::string codings;
    for (const std::string& name : m_contentCodings) {
        codings += (codings.empty() ? "" : ", ") + name;
    }
    return codings;
}

bool ResponseFraming::Length(std::uint64_t& length) const {
    if (m_chunked || !m_length) return false;
    length = *m_length;
    return true;
}

}  // namespace net
