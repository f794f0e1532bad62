// Undoes the content coding of a response body (gzip, x-gzip, deflate) as
// the body is read, so that the caller gets the object's own bytes.
//
// Both back ends take the body from their library as it was sent and decode
// it here, so that their framing checks count the bytes the server counted,
// and so that a cut stream is caught whatever the library makes of it
// (libcurl and WinINet both end a gzip stream that stops early as if it were
// whole). Coded data that is corrupt, that ends before the coded stream
// does, or that goes on after it fails with CInternetException: a short or
// altered object is never handed out as whole.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

struct z_stream_s;

namespace net {

class ContentDecoder {
  public:
    // Brings up to `size` coded bytes into `buffer`: how many, 0 at the end
    // of the body, nothing when the wait for them was interrupted.
    using CodedRead = std::function<std::optional<std::size_t>(char* buffer, std::size_t size)>;

    // Whether `coding` (a coding's name in lower case) is one this class undoes.
    static bool Decodes(std::string_view coding);

    // A decoder for `coding`, one that Decodes.
    explicit ContentDecoder(std::string_view coding);
    ContentDecoder(const ContentDecoder&) = delete;
    ContentDecoder& operator=(const ContentDecoder&) = delete;
    ~ContentDecoder();

    // Up to `size` decoded bytes into `buffer`, taking coded bytes from
    // `read` as needed; 0 at the end of the body, or when `read` was
    // interrupted. Throws CInternetException for coded data that cannot be
    // the whole of a coded object.
    std::size_t Read(char* buffer, std::size_t size, const CodedRead& read);

  private:
    bool TakeInput(const CodedRead& read);
    void Start();
    std::size_t Inflate(char* buffer, std::size_t size);
    void CheckEnd() const;

    bool m_gzip;                         // else deflate, with or without its zlib wrapper
    std::unique_ptr<char[]> m_input;     // coded bytes not yet decoded
    std::unique_ptr<z_stream_s> m_zlib;  // set once the first coded bytes came
    std::size_t m_held = 0;              // coded bytes in m_input before the start
    bool m_started = false;
    bool m_inputEnded = false;
    bool m_streamEnded = false;  // the coded stream (a gzip member) is complete
    bool m_anyInput = false;
};

}  // namespace net
