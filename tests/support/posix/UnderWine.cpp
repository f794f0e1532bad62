#include "support/UnderWine.h"

namespace testing_support {

bool UnderWine() {
    return false;
}

}  // namespace testing_support
