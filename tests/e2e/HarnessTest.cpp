// The harness itself: an X server of our own, a window found by its title,
// keys reaching it, a screenshot taken, and everything stopped afterwards.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "e2e/support/Desktop.h"
#include "e2e/support/NginxServer.h"
#include "support/TempDir.h"

namespace {

TEST(E2EHarness, FindsDrivesAndPhotographsAWindow) {
    e2e::VirtualDisplay display;
    e2e::Desktop desktop(display, std::string(E2E_OUTPUT_DIR) + "/harness");
    pid_t clientPid = -1;
    {
        e2e::SpawnOptions options;
        options.env = {display.EnvironmentEntry()};
        e2e::Subprocess client(
            {"xmessage", "-buttons", "Done:7", "-default", "Done", "harness check"}, options);
        clientPid = client.Pid();
        std::string window = desktop.WaitForWindow("xmessage");
        ASSERT_FALSE(window.empty());
        e2e::WindowGeometry geometry = desktop.Geometry(window);
        EXPECT_GT(geometry.width, 0);
        EXPECT_GT(geometry.height, 0);
        std::string shot = desktop.Screenshot("xmessage");
        EXPECT_GT(std::filesystem::file_size(shot), 0u);
        // The bare root is black; the message window is drawn in white.
        EXPECT_EQ(desktop.PixelColour(1000, 700), "#000000");
        EXPECT_EQ(desktop.PixelColour(geometry.x + geometry.width - 3, geometry.y + 3), "#FFFFFF");
        // Return presses the default button, which ends xmessage with 7.
        desktop.Keys(window, {"Return"});
        EXPECT_EQ(client.Wait(std::chrono::seconds(10)), 7);
        EXPECT_TRUE(desktop.WaitForWindowGone("xmessage"));
    }
    EXPECT_NE(kill(clientPid, 0), 0) << "the client must be gone";
}

}  // namespace

namespace {

TEST(E2EHarness, NginxServesTheDocumentRootAndStops) {
    testing_support::TempDir root;
    root.Write("index.html", "<html>ok</html>\n");
    int port = e2e::FreeLoopbackPort();
    {
        e2e::NginxServer server({root.Path(), port, ""});
        e2e::CommandResult fetched =
            e2e::RunCommand({"curl", "-s", "--noproxy", "*",
                             "http://127.0.0.1:" + std::to_string(port) + "/index.html"},
                            {});
        EXPECT_EQ(fetched.exitCode, 0);
        EXPECT_EQ(fetched.output, "<html>ok</html>\n");
    }
    EXPECT_FALSE(e2e::WaitForListener(port, 1)) << "nginx must be stopped";
}

// Whether a folder nginx was started in is still there with a configuration
// that holds `text`.
bool NginxFolderLeftWith(const std::string& text) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/tmp", error)) {
        if (entry.path().filename().string().rfind("vessamo-nginx-", 0) != 0) continue;
        std::ifstream conf(entry.path() / "nginx.conf");
        std::string contents{std::istreambuf_iterator<char>(conf),
                             std::istreambuf_iterator<char>()};
        if (contents.find(text) != std::string::npos) return true;
    }
    return false;
}

TEST(E2EHarness, NginxThatCannotStartLeavesNothingBehind) {
    testing_support::TempDir root;
    int port = e2e::FreeLoopbackPort();
    // nginx refuses a rate that is no size, so it never listens.
    EXPECT_THROW({ e2e::NginxServer server({root.Path(), port, "fast"}); }, std::runtime_error);
    EXPECT_FALSE(NginxFolderLeftWith("root " + root.Path() + ";")) << "its folder was left behind";
    EXPECT_FALSE(e2e::WaitForListener(port, 1)) << "nginx must be stopped";
}

}  // namespace
