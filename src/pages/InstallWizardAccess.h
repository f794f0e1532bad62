// What a page needs of the wizard that holds it beyond a property sheet:
// the flag that tells the application which download route was taken last,
// and in a build with the publisher's key, that key and the package this
// run has verified.
// The wizard (app/) implements it; pages find it as their parent window.
#pragma once

#include "platform/CString.h"
#include "platform/crypto/PackageSignature.h"
#include "platform/ui/CWnd.h"

class IInstallWizard {
  public:
    virtual void SetManualDownload(BOOL bManualDownload) = 0;
    // The key the packages must be signed with; nullptr when they are not checked.
    virtual const crypto::PublicKey* GetPublisherKey() const = 0;
    // Records that this run verified the package `strName` with SHA-256 `digest`.
    virtual void SetVerifiedPackage(const CString& strName, const crypto::Digest& digest) = 0;
    // The SHA-256 this run verified for the package `strName`; nullptr when none.
    virtual const crypto::Digest* GetVerifiedPackage(const CString& strName) const = 0;

  protected:
    ~IInstallWizard() = default;
};

// The wizard that holds `page`, or nullptr when its parent is not one.
inline IInstallWizard* GetInstallWizard(const CWnd& page) {
    return dynamic_cast<IInstallWizard*>(page.GetParent());
}
