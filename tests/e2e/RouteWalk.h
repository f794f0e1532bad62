// Steps through the wizard that several route tests take, each waiting for
// its outcome on screen and photographing it. They report failures through
// GoogleTest; call them inside ASSERT_NO_FATAL_FAILURE.
#pragma once

#include <string>

#include "RouteSupport.h"
#include "WizardRun.h"

namespace e2e::route {

// From the welcome page through the connection test to the download page,
// its Download button enabled. Returns the download page's picture.
void WalkToDownloadPage(WizardRun& run, WindowImage& downloadPage);

// Presses Download and waits for the progress window; returns its id.
void StartDownload(WizardRun& run, std::string& dialog);
// Both of the above: the download page in `downloadPage`, the progress
// window that Download opened in `dialog`.
void WalkToDownloadDialog(WizardRun& run, WindowImage& downloadPage, std::string& dialog);

// Waits until the download has written a first byte into its partial file.
void WaitForPartialDownload(WizardRun& run);

// Photographs the progress window while its bar is under way (neither
// empty nor full, Cancel enabled, OK not).
void PhotographProgress(WizardRun& run, const std::string& dialog, const std::string& name);

// Waits for the progress window to complete (OK enabled, Cancel not, the
// bar at its end), photographs it, presses OK and waits for the download
// page to show the package present (Download greyed, status changed).
void CompleteDownload(WizardRun& run, const std::string& dialog, const WindowImage& downloadPage);

// The direct route from the download page on, after a completed download of
// `package`:
// Next starts the installer from the wizard's folder (its record appears),
// Finish deletes the package and the program ends with status 0. The
// completion page's picture is named `completionShot`.
void FinishDirectRoute(WizardRun& run, const Traces& traces,
                       const std::string& completionShot = "7-completion",
                       const std::string& package = kPackageName);

// The whole direct route on a host that serves `served` as the `package`;
// `photographProgress` when the host is slow enough to catch the bar midway.
void WalkDirectRoute(WizardRun& run, const Traces& traces, const std::string& served,
                     bool photographProgress, const std::string& package = kPackageName);

}  // namespace e2e::route
