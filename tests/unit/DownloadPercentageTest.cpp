#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "download/DownloadPercentage.h"

namespace {

struct Case {
    ULONGLONG total;
    ULONGLONG length;
    int percent;
};

constexpr ULONGLONG k4GiB = 1ull << 32;
constexpr ULONGLONG kMax = std::numeric_limits<ULONGLONG>::max();

TEST(DownloadPercentage, RoundsDownAndStopsAt100) {
    for (Case c : {Case{0, 0, 0}, Case{5, 0, 0}, Case{0, 10, 0}, Case{5, 10, 50}, Case{9, 10, 90},
                   Case{10, 10, 100}, Case{11, 10, 100}, Case{1, 3, 33}, Case{2, 3, 66},
                   Case{65534, 65535, 99}, Case{65535, 65535, 100}, Case{65535 * 2, 65535, 100}}) {
        EXPECT_EQ(DownloadPercentage(c.total, c.length), c.percent)
            << c.total << " of " << c.length;
    }
}

TEST(DownloadPercentage, ExactBeyond4GiB) {
    for (Case c : {
             // Where 32-bit arithmetic goes wrong: the product total x 100
             // passes 2^32 from 42,949,673 bytes on.
             Case{42949673, 100000000, 42},
             Case{50000000, 5000000000ull, 1},
             Case{4999999999ull, 5000000000ull, 99},
             Case{k4GiB, 2 * k4GiB, 50},
             Case{k4GiB - 1, k4GiB, 99},
             Case{k4GiB, k4GiB + 1, 99},
             Case{k4GiB + 1, k4GiB, 100},
             Case{42949673, k4GiB, 1},
             Case{42949672, k4GiB, 0},
             // Where even the 64-bit product would overflow.
             Case{kMax / 2, kMax, 49},
             Case{kMax - 1, kMax, 99},
             Case{kMax, kMax, 100},
             Case{1, kMax, 0},
         }) {
        EXPECT_EQ(DownloadPercentage(c.total, c.length), c.percent)
            << c.total << " of " << c.length;
    }
}

}  // namespace
