// The download streams its body: memory does not grow with the body's size,
// and reading allocates nothing. Counting allocations replaces the global
// operator new, which the sanitizers need for themselves, so these tests
// exist in the normal build only.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "integration/DownloadFixture.h"
#include "support/ProcessMemory.h"
#include "support/TestHostBody.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VESSAMO_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define VESSAMO_SANITIZED 1
#endif
#endif

#ifndef VESSAMO_SANITIZED

namespace {
// Allocations made by the calling thread; the host's threads keep their own.
thread_local std::size_t t_allocations = 0;
}  // namespace

// The replacements below pair malloc with free; MinGW's GCC, seeing the
// standard operators' names, takes them for a new/free mismatch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    ++t_allocations;
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
#pragma GCC diagnostic pop

namespace {

using testing_support::DownloadFixture;
using testing_support::FileSize;
using testing_support::HttpReply;
using testing_support::PeakResidentKiB;

using DownloadMemory = DownloadFixture;

TEST_F(DownloadMemory, ReadsAllocateNothing) {
    // 16 reads against about a thousand: the same allocations either way.
    host.Serve("/small.exe", HttpReply::Ok(1 << 20));
    host.Serve("/large.exe", HttpReply::Ok(64 << 20));
    std::size_t before = t_allocations;
    ASSERT_EQ(Download("small.exe", "small.exe"), TRUE);
    std::size_t small = t_allocations - before;
    before = t_allocations;
    ASSERT_EQ(Download("large.exe", "large.exe"), TRUE);
    std::size_t large = t_allocations - before;
    EXPECT_EQ(FileSize(LocalPath("large.exe")), 64 << 20);
    EXPECT_LE(large, small + 4) << "small body: " << small << ", large body: " << large;
}

TEST_F(DownloadMemory, LargeBodyStreamsInConstantMemory) {
    constexpr std::uint64_t kSize = 256ull << 20;
    host.Serve("/package.exe", HttpReply::Ok(kSize));
    long before = PeakResidentKiB();
    ASSERT_EQ(Download("package.exe"), TRUE);
    long growth = PeakResidentKiB() - before;
    EXPECT_EQ(FileSize(LocalPath()), static_cast<std::int64_t>(kSize));
    EXPECT_LT(growth, 32 * 1024) << "peak resident memory grew by " << growth << " KiB";
}

}  // namespace

#endif  // VESSAMO_SANITIZED
