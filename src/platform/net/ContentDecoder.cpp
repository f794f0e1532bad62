#include "platform/net/ContentDecoder.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <string>

#include "platform/net/InternetException.h"

namespace net {

namespace {

constexpr std::size_t kInputSize = 64 * 1024;
// zlib's window bits: the largest window, as a zlib or gzip stream or bare.
constexpr int kZlibWindow = 15;
constexpr int kGzipWindow = 16 + 15;
constexpr int kBareWindow = -15;

// Whether `bytes` begin with the two bytes of a zlib wrapper: "deflate" is
// meant to be wrapped so, but some servers send the bare deflate stream.
bool StartsZlibWrapper(const unsigned char* bytes) {
    return (bytes[0] & 0x0F) == Z_DEFLATED && ((bytes[0] << 8) | bytes[1]) % 31 == 0;
}

[[noreturn]] void Fail(const std::string& detail) {
    throw CInternetException(ERROR_HTTP_INVALID_SERVER_RESPONSE, "invalid response: " + detail);
}

}  // namespace

bool ContentDecoder::Decodes(std::string_view coding) {
    return coding == "gzip" || coding == "x-gzip" || coding == "deflate";
}

ContentDecoder::ContentDecoder(std::string_view coding)
    : m_gzip(coding != "deflate"), m_input(new char[kInputSize]) {}

ContentDecoder::~ContentDecoder() {
    if (m_started) inflateEnd(m_zlib.get());
}

std::size_t ContentDecoder::Read(char* buffer, std::size_t size, const CodedRead& read) {
    if (size == 0) return 0;
    for (;;) {
        if (m_started && (m_zlib->avail_in > 0 || !m_streamEnded)) {
            std::size_t made = Inflate(buffer, size);
            if (made > 0) return made;
            // Coded bytes are left when a gzip member ended: the next one follows.
            if (m_zlib->avail_in > 0) continue;
        }
        if (m_inputEnded) {
            CheckEnd();
            return 0;
        }
        if (!TakeInput(read)) return 0;
    }
}

// Brings the next coded bytes; false when `read` was interrupted.
bool ContentDecoder::TakeInput(const CodedRead& read) {
    std::size_t offset = m_started ? 0 : m_held;
    std::optional<std::size_t> got = read(m_input.get() + offset, kInputSize - offset);
    if (!got) return false;
    if (*got == 0) m_inputEnded = true;
    m_anyInput = m_anyInput || *got > 0;
    if (m_started) {
        m_zlib->next_in = reinterpret_cast<Bytef*>(m_input.get());
        m_zlib->avail_in = static_cast<uInt>(*got);
        return true;
    }
    // The first two bytes tell a wrapped deflate stream from a bare one.
    m_held += *got;
    if (m_held >= 2 || (m_inputEnded && m_held > 0)) Start();
    return true;
}

void ContentDecoder::Start() {
    m_zlib = std::make_unique<z_stream>();
    const auto* held = reinterpret_cast<const unsigned char*>(m_input.get());
    int window =
        m_gzip ? kGzipWindow : (m_held >= 2 && StartsZlibWrapper(held) ? kZlibWindow : kBareWindow);
    if (inflateInit2(m_zlib.get(), window) != Z_OK) {
        throw CInternetException(ERROR_NOT_ENOUGH_MEMORY, "no memory to decode the body");
    }
    m_started = true;
    m_zlib->next_in = reinterpret_cast<Bytef*>(m_input.get());
    m_zlib->avail_in = static_cast<uInt>(m_held);
}

// Decodes what the held coded bytes give, into `buffer`; how many bytes it made.
std::size_t ContentDecoder::Inflate(char* buffer, std::size_t size) {
    z_stream& zlib = *m_zlib;
    if (m_streamEnded) {
        if (!m_gzip) Fail("the deflate data goes on after the end of its stream");
        inflateReset(&zlib);
        m_streamEnded = false;
    }
    uInt room = static_cast<uInt>(std::min<std::size_t>(size, UINT_MAX));
    zlib.next_out = reinterpret_cast<Bytef*>(buffer);
    zlib.avail_out = room;
    int result = inflate(&zlib, Z_NO_FLUSH);
    if (result == Z_STREAM_END) {
        m_streamEnded = true;
    } else if (result == Z_MEM_ERROR) {
        throw CInternetException(ERROR_NOT_ENOUGH_MEMORY, "no memory to decode the body");
    } else if (result != Z_OK && result != Z_BUF_ERROR) {
        // Z_BUF_ERROR only says that nothing could be done without more input.
        Fail(std::string("the ") + (m_gzip ? "gzip" : "deflate") +
             " data is corrupt: " + (zlib.msg != nullptr ? zlib.msg : "it cannot be decoded"));
    }
    return room - zlib.avail_out;
}

// At the end of the body: the coded data must have ended with its stream. A
// body without any byte is an empty object, as it would be uncoded.
void ContentDecoder::CheckEnd() const {
    if (m_anyInput && !m_streamEnded) {
        Fail(std::string("the body ends before its ") + (m_gzip ? "gzip" : "deflate") +
             " data does");
    }
}

}  // namespace net
