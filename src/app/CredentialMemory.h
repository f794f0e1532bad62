// Credentials the user typed, kept in memory for the rest of the run (never
// written anywhere, never logged), so that a host that protects both the
// connection test and the package under one realm asks only once.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <tuple>

#include "platform/net/CredentialPrompt.h"

class CredentialMemory {
  public:
    // Answers one 401 for `request`. On the first 401 of a request (no
    // credentials tried yet) it offers what was typed earlier for the same
    // scheme, host, port and realm without asking. Otherwise, or when the
    // host has just refused those, it calls `ask` (the refused password is
    // then forgotten, and this dialog and any later one for the same host
    // and realm start with the user name) and remembers what the user typed.
    net::CredentialAnswer Answer(const net::CredentialRequest& request,
                                 net::Credentials& credentials, const net::CredentialPrompt& ask);

  private:
    using Key = std::tuple<std::string, std::string, std::string>;  // scheme, server, realm
    struct Remembered {
        net::Credentials credentials;
        bool refused = false;  // the host refused them: only the user name is offered
    };

    // True when remembered credentials were put into `credentials`.
    bool Recall(const Key& key, net::Credentials& credentials);

    std::mutex m_lock;  // a download thread and the user-interface thread both ask
    std::map<Key, Remembered> m_remembered;
};
