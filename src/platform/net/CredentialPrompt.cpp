#include "platform/net/CredentialPrompt.h"

#include <mutex>
#include <utility>

namespace net {

namespace {

std::mutex g_promptLock;
CredentialPrompt g_prompt;

}  // namespace

void SetCredentialPrompt(CredentialPrompt prompt) {
    std::lock_guard<std::mutex> lock(g_promptLock);
    g_prompt = std::move(prompt);
}

CredentialAnswer AskForCredentials(const CredentialRequest& request, Credentials& credentials) {
    // The prompt waits for the user; it runs without the lock so that it may
    // itself install another prompt, and other threads are not held up.
    CredentialPrompt prompt;
    {
        std::lock_guard<std::mutex> lock(g_promptLock);
        prompt = g_prompt;
    }
    if (!prompt) return CredentialAnswer::Cancel;
    return prompt(request, credentials);
}

}  // namespace net
