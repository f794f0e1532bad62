#include "integration/DownloadFixture.h"

#include <dirent.h>
#include <sys/stat.h>

#include "download/DownloadFile.h"
#include "download/DownloadState.h"
#include "package/WizardFiles.h"
#include "platform/net/CredentialPrompt.h"
#include "support/seams/TestDownloadHost.h"

namespace testing_support {

void DownloadFixture::SetUp() {
    SetCancelled(FALSE);
    SetProgress(0);
    net::SetCredentialPrompt({});
    UseDownloadHost(host.HostAndPort());
}

void DownloadFixture::TearDown() {
    testing_support::SetDownloadHost(nullptr);
    net::SetCredentialPrompt({});
    SetCancelled(FALSE);
}

std::vector<const char*> DownloadFixture::ServeFailuresBeforeTheBody() {
    HttpReply hangUp;
    hangUp.hangUp = true;
    host.Serve("/hangup", hangUp);
    HttpReply garbage;
    garbage.statusLine = "NOT HTTP AT ALL";
    host.Serve("/garbage", garbage);
    HttpReply silentHead = HttpReply::Ok(10);
    silentHead.headerDelayMs = 600000;
    host.Serve("/silent", silentHead);
    return {"hangup", "garbage", "silent"};
}

BOOL DownloadFixture::Download(const std::string& object, const std::string& name) {
    return DownloadFile(object.c_str(), LocalPath(name).c_str());
}

bool IsPartialFileName(const std::string& name) {
    const std::string prefix = kPartialDownloadPrefix;
    return name.size() == prefix.size() + kWizardFileSuffixLength && name.rfind(prefix, 0) == 0;
}

std::string PartialFileIn(const TempDir& dir) {
    std::string found;
    for (const std::string& name : dir.Names()) {
        if (!IsPartialFileName(name)) continue;
        if (!found.empty()) return "";
        found = dir.File(name);
    }
    return found;
}

int OpenDescriptorsOf(const std::string& path) {
    struct stat target {};
    if (stat(path.c_str(), &target) != 0) return 0;
    int count = 0;
    DIR* fds = opendir("/proc/self/fd");
    if (fds == nullptr) return -1;
    while (dirent* entry = readdir(fds)) {
        struct stat open {};
        std::string link = std::string("/proc/self/fd/") + entry->d_name;
        if (entry->d_name[0] == '.' || stat(link.c_str(), &open) != 0) continue;
        if (open.st_dev == target.st_dev && open.st_ino == target.st_ino) ++count;
    }
    closedir(fds);
    return count;
}

}  // namespace testing_support
