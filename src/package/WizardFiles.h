// The files the wizard makes for itself in the executable's folder, beside
// the package: partial downloads and the connection test's scratch files.
// Each is named one of these prefixes followed by kWizardFileSuffixLength
// random letters and digits, so that a later run can recognise, and remove,
// what an earlier run left behind when it crashed, and nothing else.
#pragma once

// A download in progress; renamed to its real name only once complete.
constexpr const char* kPartialDownloadPrefix = ".vessamo-download-";
// The connection test's empty file, into which it fetches "index.html".
constexpr const char* kConnectionTestPrefix = ".vessamo-connection-test-";
constexpr int kWizardFileSuffixLength = 6;
