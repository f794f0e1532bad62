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
        m_remembered[key] = credentials;
    }
    return answer;
}

bool CredentialMemory::Recall(const Key& key, net::Credentials& credentials) {
    std::lock_guard<std::mutex> lock(m_lock);
    auto found = m_remembered.find(key);
    if (found == m_remembered.end()) return false;
    if (SameCredentials(found->second, credentials)) {
        // The host has just refused them.
        m_remembered.erase(found);
        return false;
    }
    if (!credentials.userName.empty() || !credentials.password.empty()) return false;
    credentials = found->second;
    return true;
}
