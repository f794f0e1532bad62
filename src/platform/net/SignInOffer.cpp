#include "platform/net/SignInOffer.h"

#include "platform/net/HeaderText.h"

namespace net {

namespace {

// The scheme called `name` (in any case); false for a scheme this program does not know.
bool SchemeNamed(const std::string& name, SignInScheme& scheme) {
    struct Named {
        std::string_view name;
        SignInScheme scheme;
    };
    for (Named known :
         {Named{"Basic", SignInScheme::Basic}, Named{"Digest", SignInScheme::Digest},
          Named{"NTLM", SignInScheme::Ntlm}, Named{"Negotiate", SignInScheme::Negotiate}}) {
        if (name.size() == known.name.size() && StartsWithNoCase(name, known.name)) {
            scheme = known.scheme;
            return true;
        }
    }
    return false;
}

}  // namespace

void SignInOffer::Note(std::string_view headerLine) {
    std::string name;
    std::string realm;
    SignInScheme scheme = SignInScheme::Basic;
    if (!ParseChallenge(headerLine, name, realm) || !SchemeNamed(name, scheme)) return;
    std::optional<std::string>& noted = m_realms[static_cast<std::size_t>(scheme)];
    if (!noted) noted = std::move(realm);
}

bool SignInOffer::Offers(SignInScheme scheme) const {
    return m_realms[static_cast<std::size_t>(scheme)].has_value();
}

const std::string& SignInOffer::Realm(SignInScheme scheme) const {
    static const std::string kNone;
    const std::optional<std::string>& realm = m_realms[static_cast<std::size_t>(scheme)];
    return realm ? *realm : kNone;
}

}  // namespace net
