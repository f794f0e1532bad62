// The publisher's public key, built into the product when it is built with
// one (VESSAMO_PACKAGE_KEY). With a key, a package counts as downloaded,
// present or startable only once its bytes were checked against the
// publisher's signature; without one, packages are taken as they come.
#pragma once

#include "platform/crypto/PackageSignature.h"

// The built-in key, or nullptr in a build without one.
const crypto::PublicKey* GetPackageKey();
