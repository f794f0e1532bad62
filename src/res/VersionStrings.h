// The program's version, written once for both readers: Version.cpp (the
// strings res::GetVersionInfo gives) and Vessamo.rc (the Windows version
// resource that Explorer's Properties shows). The resource compiler reads
// this file through the C preprocessor, so it holds macros only.
#pragma once

// FILEVERSION and PRODUCTVERSION of the resource: major, minor, patch, build.
#define VESSAMO_VERSION_NUMBERS 1, 0, 0, 1

// The StringFileInfo block: U.S. English (0409) in Unicode (04B0).
#define VESSAMO_VERSION_BLOCK "040904B0"
#define VESSAMO_FILE_VERSION "1, 0, 0, 1"
#define VESSAMO_PRODUCT_VERSION "1, 0, 0, 1"
#define VESSAMO_FILE_DESCRIPTION "VessamoInstaller MFC Application"
#define VESSAMO_INTERNAL_NAME "VessamoInstaller"
#define VESSAMO_ORIGINAL_FILENAME "VessamoInstaller.EXE"
#define VESSAMO_PRODUCT_NAME "VessamoInstaller Application"
