// The files the wizard makes for itself in the executable's folder, beside
// the package: partial downloads and the connection test's scratch files.
// Each is named one of these prefixes followed by kWizardFileSuffixLength
// random letters and digits, so that a later run can recognise, and remove,
// what an earlier run left behind when it crashed, and nothing else.
#pragma once

#include <string>

#include "platform/CString.h"
#include "platform/os/FolderLock.h"
#include "platform/os/LocalFile.h"

// A download in progress; renamed to its real name only once complete.
constexpr const char* kPartialDownloadPrefix = ".vessamo-download-";
// The connection test's empty file, into which it fetches "index.html".
constexpr const char* kConnectionTestPrefix = ".vessamo-connection-test-";
constexpr int kWizardFileSuffixLength = 6;
// The file whose lock marks the folder as in use by a running wizard. It is
// never deleted: every wizard must lock the same file.
constexpr const char* kFolderLockName = ".vessamo-wizard.lock";

// True for a name of the wizard's own scratch files: one of the prefixes
// above followed by exactly kWizardFileSuffixLength characters [A-Za-z0-9].
bool IsWizardFileName(const std::string& name);

// Creates a new, empty file of the wizard's own for writing: `strDirectory`
// (a directory part ending in its separator) followed by `prefix` and
// random letters, exclusively and never through a link. On success the file
// is open and `strPath` names it; otherwise the file is closed and its
// Error() tells why (another name is drawn only while names are taken).
os::LocalFile CreateWizardFile(const CString& strDirectory, const char* prefix, CString& strPath);

// Tries, without waiting, to lock the executable's folder for this wizard;
// the lock lasts as long as the returned object.
os::FolderLock LockWizardFolder();

// Removes the regular files in the executable's folder that bear the names
// of the wizard's scratch files: what crashed runs left behind. Links,
// folders and everything else stay. Call only while holding the folder
// lock, so that a running wizard's files are never taken from it.
void RemoveWizardLeftovers();
