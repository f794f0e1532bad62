#include "app/CredentialPromptHookup.h"

#include "download/DownloadState.h"
#include "platform/net/CredentialPrompt.h"
#include "platform/ui/CredentialDialog.h"

void InstallCredentialPrompt() {
    net::SetCredentialPrompt(
        [](const net::CredentialRequest& request, net::Credentials& credentials) {
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
        });
}
