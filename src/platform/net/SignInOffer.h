// The sign-in schemes that a response offers in its WWW-Authenticate
// challenges, with the realm of each. Each HTTP back end reads the final
// response's head through one and picks the scheme it answers.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace net {

enum class SignInScheme { Basic, Digest, Ntlm, Negotiate };

class SignInOffer {
  public:
    // Forgets every challenge: a new response begins.
    void Reset() { m_realms = {}; }
    // Notes one header line of the response; other lines than challenges are ignored.
    void Note(std::string_view headerLine);
    bool Offers(SignInScheme scheme) const;
    // The realm of `scheme`'s first challenge, "" when it names none or there is none.
    const std::string& Realm(SignInScheme scheme) const;

  private:
    static constexpr std::size_t kSchemes = 4;
    std::array<std::optional<std::string>, kSchemes> m_realms;
};

}  // namespace net
