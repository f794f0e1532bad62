// Windows' own check of a program's Authenticode signature, for the signing
// test under Wine:
//
//   vessamo-verify-trust ROOT.der FILE
//
// puts the root certificate ROOT.der into the user's root store, then asks
// WinVerifyTrust about FILE (no revocation check, no user interface).
// Prints WinVerifyTrust's answer; exits 0 when it trusts the signature.
#include <windows.h>
// The signature headers need the system's types first.
#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

bool AddRoot(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<BYTE> der((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    HCERTSTORE store =
        CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
    if (store == nullptr || der.empty()) return false;
    BOOL added = CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, der.data(),
                                                  static_cast<DWORD>(der.size()),
                                                  CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
    CertCloseStore(store, 0);
    return added != FALSE;
}

LONG Verify(const std::wstring& path) {
    WINTRUST_FILE_INFO file = {};
    file.cbStruct = sizeof file;
    file.pcwszFilePath = path.c_str();
    WINTRUST_DATA data = {};
    data.cbStruct = sizeof data;
    data.dwUIChoice = WTD_UI_NONE;
    data.fdwRevocationChecks = WTD_REVOKE_NONE;
    data.dwUnionChoice = WTD_CHOICE_FILE;
    data.pFile = &file;
    data.dwStateAction = WTD_STATEACTION_VERIFY;
    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    LONG result = WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vessamo-verify-trust ROOT.der FILE\n");
        return 2;
    }
    if (!AddRoot(argv[1])) {
        std::fprintf(stderr, "cannot add %s to the root store\n", argv[1]);
        return 2;
    }
    std::string narrow = argv[2];
    LONG result = Verify(std::wstring(narrow.begin(), narrow.end()));
    std::printf("WinVerifyTrust: 0x%08lx\n", static_cast<unsigned long>(result));
    return result == ERROR_SUCCESS ? 0 : 1;
}
