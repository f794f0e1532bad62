#include "app/CredentialMemory.h"

namespace {

bool SameCredentials(const net::Credentials& a, const net::Credentials& b) {
    return a.userName == b.userName && a.password == b.password;
}

}  // namespace

net::CredentialAnswer CredentialMemory::Answer(const net::CredentialRequest& request,
                                               net::Credentials& credentials,
                                               const net::CredentialPrompt& ask) {
    Key key{request.scheme, request.host, request.realm};
    if (Recall(key, credentials)) return net::CredentialAnswer::Retry;
    net::CredentialAnswer answer = ask(request, credentials);
    if (answer == net::CredentialAnswer::Retry) {
        std::lock_guard<std::mutex> lock(m_lock);
        m_remembered[key] = Remembered{credentials, false};
    }
    return answer;
}

bool CredentialMemory::Recall(const Key& key, net::Credentials& credentials) {
    std::lock_guard<std::mutex> lock(m_lock);
    auto found = m_remembered.find(key);
    if (found == m_remembered.end()) return false;
    Remembered& remembered = found->second;
    if (!remembered.refused && SameCredentials(remembered.credentials, credentials)) {
        // The host has just refused them; the user name may still be right.
        remembered.refused = true;
        return false;
    }
    if (!credentials.userName.empty() || !credentials.password.empty()) return false;
    if (remembered.refused) {
        // The user is asked, with the name filled in and the password not.
        credentials.userName = remembered.credentials.userName;
        return false;
    }
    credentials = remembered.credentials;
    return true;
}
