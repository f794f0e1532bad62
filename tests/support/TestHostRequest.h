// A request as the TestHost received it.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct RecordedRequest {
    std::string method;
    std::string target;
    std::string version;
    std::vector<std::pair<std::string, std::string>> headers;  // in the order sent

    // The value of the first header called `name` (any case), "" when none.
    std::string Header(const std::string& name) const;
    // How many headers called `name` (any case) were sent.
    int HeaderCount(const std::string& name) const;

    // Parses a request head (request line and header lines, CR LF each,
    // without the blank line); false when it is not one.
    static bool Parse(const std::string& head, RecordedRequest& request);
};

}  // namespace testing_support
