// The credential dialog of a 401 answer, as a hook. The network layer asks
// through it; the windowing layer fills it with a modal dialog of its own
// (user name, masked password, OK, Cancel), shown by the user-interface
// thread even when the download runs on another thread, which then waits.
#pragma once

#include <functional>
#include <string>

namespace net {

enum class CredentialAnswer {
    Retry,   // the user entered credentials and pressed OK: send the request again
    Cancel,  // the user gave up
};

struct CredentialRequest {
    std::string host;             // the host that asked, as the user knows it
    std::string realm;            // the realm of its challenge, "" when none was given
    std::string scheme = "http";  // of the address that asked: "http" or "https"
    // Whether the asker no longer waits for an answer (it was stopped): the
    // prompt then gives up as if cancelled. Empty: it always waits.
    std::function<bool()> abandoned = {};
};

struct Credentials {
    std::string userName;
    std::string password;
};

// Called on the thread that runs the request. `credentials` holds the last
// ones tried (empty the first time) and receives what the user entered.
using CredentialPrompt =
    std::function<CredentialAnswer(const CredentialRequest& request, Credentials& credentials)>;

// Installs the prompt used by every later 401; an empty prompt answers Cancel.
void SetCredentialPrompt(CredentialPrompt prompt);
// The answer of the installed prompt (Cancel when none is installed).
CredentialAnswer AskForCredentials(const CredentialRequest& request, Credentials& credentials);

}  // namespace net
