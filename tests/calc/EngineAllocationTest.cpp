// SPDX-License-Identifier: GPL-3.0-or-later
// The engine allocates nothing: the benchmarks and the fuzzers call it in
// tight loops, and a window may call it on every key press one day. This file
// replaces the global allocation functions of the test program with counting
// ones that forward to malloc/free.
#include "calc/Repayment.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {
thread_local long g_allocations = 0;
}

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    ++g_allocations;
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return ::operator new(size, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace hn {
namespace {

TEST(ComputeRepayment, AllocatesNothing)
{
    LoanInput in = test::WorkedLoan(CorporationBasic);

    const long before = g_allocations;
    int ok = 0;
    for (RepaymentMethod m = kFirstMethod; m <= kLastMethod; ++m) {
        in.method = m;
        ok += ComputeRepayment(in).ok();
    }
    in.periodYears = 7.5; // refused input takes no other path through the heap
    ok += ComputeRepayment(in).ok();
    const long after = g_allocations;

    EXPECT_EQ(ok, 6);
    EXPECT_EQ(after - before, 0);
    // The counter itself works.
    int* volatile probe = new int(1);
    delete probe;
    EXPECT_EQ(g_allocations, after + 1);
}

} // namespace
} // namespace hn
