#include "app/CredentialPromptHookup.h"

#include <memory>

#include "app/CredentialMemory.h"
#include "download/DownloadState.h"
#include "platform/net/CredentialPrompt.h"
#include "platform/ui/CredentialDialog.h"

namespace {

net::CredentialAnswer AskTheUser(const net::CredentialRequest& request,
                                 net::Credentials& credentials) {
    ui::CredentialValues values{credentials.userName, credentials.password};
    // The page cancels a download and then waits for the worker on the
    // user-interface thread, which can no longer show the dialog: the
    // worker must not wait for an answer then.
    bool accepted = ui::AskForCredentials({request.host, request.realm}, values,
                                          [] { return IsCancelled() != FALSE; });
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
