// What a response's head says about its body, checked before any byte of
// the body is taken.
//
// A kept body must be the object itself, so a head that leaves its length
// in doubt, or that announces a content coding that cannot be undone
// (ContentDecoder), must fail the request instead: the file would be
// something other than the object, and the progress a lie.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace net {

class ResponseFraming {
  public:
    // Forgets the head read so far: a new response begins.
    void Reset() { *this = ResponseFraming(); }
    // Takes one line of the head ("Name: value", with or without its CR LF;
    // the status line is passed over).
    void Note(std::string_view headerLine);

    // Why the body cannot be taken, "" when it can. Content codings matter
    // only for a body that is kept as the object (`bodyIsKept`), which may
    // come in one coding that ContentDecoder undoes; the length matters always.
    std::string Refusal(bool bodyIsKept) const;
    // The body's content codings in the order they were applied, ", "
    // between them; "" for the body as it is (identity).
    std::string ContentCoding() const;
    // The body's length as announced; false when none was, or when the
    // chunked transfer coding frames the body instead.
    bool Length(std::uint64_t& length) const;
    // Whether the chunked transfer coding frames the body.
    bool IsChunked() const { return m_chunked; }
    // The value of the head's first `name` header ("ETag:", with its
    // colon), trimmed; "" when there is none.
    std::string Field(std::string_view name) const;

  private:
    void NoteLengths(std::string_view values);
    void NoteTransferCodings(std::string_view values);
    void NoteContentCodings(std::string_view values);

    std::vector<std::string> m_lines;  // the header lines as they came
    std::string m_headFault;           // a header line that cannot be read one way only
    std::optional<std::uint64_t> m_length;
    std::string m_lengthFault;                  // the first Content-Length fault seen
    bool m_chunked = false;                     // chunked is the last transfer coding
    std::string m_otherTransferCoding;          // a transfer coding besides chunked
    std::vector<std::string> m_contentCodings;  // the codings besides identity
};

}  // namespace net
