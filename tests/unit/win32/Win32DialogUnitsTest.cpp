#include <gtest/gtest.h>

#include "platform/ui/win32/DialogUnits.h"

namespace {

using ui::BaseUnits;
using ui::win32::BaseUnitsFromMetrics;

struct MetricsCase {
    const char* what;
    int alphabetWidth;
    int lineHeight;
    BaseUnits expected;
};

// The average width is taken as the dialog manager takes it: the 52
// letters' width divided by 26 (truncated), then halved with rounding.
const MetricsCase kMetrics[] = {
    {"MS Sans Serif 8 at 96 dpi", 323, 13, {6, 13}},
    {"an outline face slightly wider", 337, 12, {6, 12}},
    {"a just-below-half average rounds down after truncation", 285, 13, {5, 13}},
    {"a width whose 26th is odd rounds up", 286, 13, {6, 13}},
    {"MS Sans Serif 8 at 120 dpi", 416, 16, {8, 16}},
};

TEST(Win32DialogUnitsTest, BaseUnitsFollowTheDialogManagersAverage) {
    for (const MetricsCase& c : kMetrics) {
        EXPECT_EQ(BaseUnitsFromMetrics(c.alphabetWidth, c.lineHeight), c.expected) << c.what;
    }
}

}  // namespace
