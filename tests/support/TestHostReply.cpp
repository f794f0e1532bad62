#include "support/TestHostReply.h"

namespace testing_support {

HttpReply HttpReply::Ok(std::uint64_t size) {
    HttpReply reply;
    reply.bodySize = size;
    return reply;
}

HttpReply HttpReply::Part(std::uint64_t from, std::uint64_t total) {
    HttpReply reply = Ok(total - from);
    reply.statusLine = "HTTP/1.1 206 Partial Content";
    reply.headers.push_back("Content-Range: bytes " + std::to_string(from) + "-" +
                            std::to_string(total - 1) + "/" + std::to_string(total));
    reply.patternFrom = from;
    return reply;
}

HttpReply HttpReply::Text(std::string statusLine, std::string body) {
    HttpReply reply;
    reply.statusLine = std::move(statusLine);
    reply.body = std::move(body);
    return reply;
}

HttpReply HttpReply::Redirect(int code, std::string location) {
    HttpReply reply;
    reply.statusLine = "HTTP/1.1 " + std::to_string(code) + " Moved";
    reply.headers.push_back("Location: " + location);
    reply.body = "moved elsewhere";
    return reply;
}

}  // namespace testing_support

namespace testing_support {

std::string BasicCredentials(const std::string& userName, const std::string& password) {
    static const char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string plain = userName + ":" + password;
    std::string encoded;
    for (std::size_t i = 0; i < plain.size(); i += 3) {
        unsigned value = static_cast<unsigned char>(plain[i]) << 16;
        if (i + 1 < plain.size()) value |= static_cast<unsigned char>(plain[i + 1]) << 8;
        if (i + 2 < plain.size()) value |= static_cast<unsigned char>(plain[i + 2]);
        encoded += kAlphabet[(value >> 18) & 63];
        encoded += kAlphabet[(value >> 12) & 63];
        encoded += i + 1 < plain.size() ? kAlphabet[(value >> 6) & 63] : '=';
        encoded += i + 2 < plain.size() ? kAlphabet[value & 63] : '=';
    }
    return "Basic " + encoded;
}

}  // namespace testing_support
