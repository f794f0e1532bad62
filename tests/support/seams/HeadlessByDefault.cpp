// Every test program starts with a headless renderer in place, as the
// product starts with its screen one: model windows that a test makes
// outside a UiTestEnvironment report to it.
#include "support/seams/HeadlessByDefault.h"

#include <gtest/gtest.h>

#include "platform/ui/Renderer.h"

namespace testing_support {
namespace {

class HeadlessRendererEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { ui::SetRenderer(&ProgramRenderer()); }
    void TearDown() override { ui::SetRenderer(nullptr); }
};

const ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new HeadlessRendererEnvironment);

}  // namespace

ui::HeadlessRenderer& ProgramRenderer() {
    static ui::HeadlessRenderer renderer;
    return renderer;
}

}  // namespace testing_support
