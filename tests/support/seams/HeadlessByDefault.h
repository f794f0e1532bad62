// The headless renderer that a test program's model uses while no test has
// installed one of its own.
#pragma once

#include "support/HeadlessRenderer.h"

namespace testing_support {

// The program's renderer, installed before the first test runs.
ui::HeadlessRenderer& ProgramRenderer();

}  // namespace testing_support
