#include <gtest/gtest.h>

#include "package/WizardFiles.h"

namespace {

TEST(WizardFilesTest, RecognisesExactlyTheNamesOfTheWizardsScratchFiles) {
    struct Case {
        const char* name;
        bool ours;
    } const cases[] = {
        {".vessamo-download-a1B2c3", true},
        {".vessamo-connection-test-ZZZZZZ", true},
        {".vessamo-download-000000", true},
        {".vessamo-download-a1B2c", false},    // one short
        {".vessamo-download-a1B2c34", false},  // one over
        {".vessamo-download-a1B2c_", false},   // not a letter or digit
        {".vessamo-download-a1B2c.", false},
        {".vessamo-download-a1 2c3", false},
        {".vessamo-download-\xc3\xa4xxxx", false},  // six bytes, not six letters
        {".Vessamo-download-a1B2c3", false},
        {"vessamo-download-a1B2c3", false},
        {"x.vessamo-download-a1B2c3", false},
        {".vessamo-connection-test-", false},
        {".vessamo-wizard.lock", false},
        {"vessamo-nten.exe", false},
        {"index.html", false},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsWizardFileName(c.name), c.ours) << c.name;
    }
}

}  // namespace
