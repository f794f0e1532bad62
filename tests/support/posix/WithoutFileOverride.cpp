#include "support/WithoutFileOverride.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testing_support {

namespace {

constexpr unsigned kOverrideCaps =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

bool ChangeEffective(bool keep) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0) return false;
    if (keep) {
        data[0].effective |= data[0].permitted & kOverrideCaps;
    } else {
        if ((data[0].effective & kOverrideCaps) == 0) return false;
        data[0].effective &= ~kOverrideCaps;
    }
    return syscall(SYS_capset, &header, data) == 0;
}

}  // namespace

WithoutFileOverride::WithoutFileOverride() : m_dropped(ChangeEffective(false)) {}

WithoutFileOverride::~WithoutFileOverride() {
    if (m_dropped) ChangeEffective(true);
}

}  // namespace testing_support
