#include "app/CredentialPromptHookup.h"

#include <memory>

#include "app/CredentialMemory.h"
#include "platform/net/CredentialPrompt.h"
#include "platform/ui/CredentialDialog.h"

namespace {

net::CredentialAnswer AskTheUser(const net::CredentialRequest& request,
                                 net::Credentials& credentials) {
    ui::CredentialValues values{credentials.userName, credentials.password};
    // A page stops a download and then waits for its thread on the
    // user-interface thread, which can no longer show the dialog: that
    // thread must not wait for an answer then.
    bool accepted = ui::AskForCredentials({request.host, request.realm}, values, [&request] {
        return request.abandoned && request.abandoned();
    });
    if (!accepted) return net::CredentialAnswer::Cancel;
    credentials.userName = values.userName;
    credentials.password = values.password;
    return net::CredentialAnswer::Retry;
}

}  // namespace

void InstallCredentialPrompt() {
    // The memory lives as long as the installed prompt: the rest of the run.
    auto memory = std::make_shared<CredentialMemory>();
    net::SetCredentialPrompt(
        [memory](const net::CredentialRequest& request, net::Credentials& credentials) {
            return memory->Answer(request, credentials, AskTheUser);
        });
}
