#include "core/ExportGuard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <stdexcept>
#include <vector>

namespace vantor::hw {
namespace {

TEST(ExportGuardTest, AnyExceptionBecomesTheFailureAnswerAndNothingLeaves)
{
    EXPECT_EQ(Guarded<std::int32_t>(7, []() -> std::int32_t { throw std::bad_alloc(); }), 7);
    EXPECT_EQ(Guarded<std::int32_t>(-1, []() -> std::int32_t { throw std::length_error("vector"); }), -1);
    EXPECT_EQ(Guarded(0.0, []() -> double { throw 42; }), 0.0);
    // A vector that refuses to grow, as a table build could meet one.
    EXPECT_EQ(Guarded<std::int32_t>(0,
                                    [] {
                                        std::vector<std::uint64_t> table;
                                        table.reserve(table.max_size() + 1);
                                        return 1;
                                    }),
              0);
}

TEST(ExportGuardTest, WithoutAnExceptionTheBodysAnswerPasses)
{
    EXPECT_EQ(Guarded<std::int32_t>(0, [] { return 24; }), 24);
    int value = 0;
    EXPECT_EQ(Guarded<int*>(nullptr, [&] { return &value; }), &value);
}

}  // namespace
}  // namespace vantor::hw
