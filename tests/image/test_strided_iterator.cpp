#include "image/StridedIterator.h"

#include <gtest/gtest.h>
#include <vigra/error.hxx>

#include <vector>

using orv::detail::strided_iterator;

TEST(StridedIterator, RationalStrideVisitsExpectedCoordinates)
{
    // Stride 1.5 starting half-way through the fraction.
    strided_iterator it(0, 1, 1, 2, 1);
    std::vector<int> seen;
    for (int k = 0; k < 5; ++k, ++it)
        seen.push_back(*it);
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 3, 4, 6}));
}

TEST(StridedIterator, StepsAdvanceAndDistanceAgree)
{
    struct Stride {
        int base, step, numerator, denominator, remainder;
    };
    for (const Stride& s : {Stride{0, 1, 0, 1, 0}, Stride{5, 2, 3, 7, 4}, Stride{-3, 0, 2, 9, 0},
                            Stride{100, 3, 1, 2, 1}, Stride{0, 0, 1, 5, 4}}) {
        SCOPED_TRACE(testing::Message() << s.step << " " << s.numerator << "/" << s.denominator);
        const strided_iterator start(s.base, s.step, s.numerator, s.denominator, s.remainder);
        for (int n : {0, 1, 2, 7, 23, -1, -9, -40}) {
            strided_iterator stepped = start;
            for (int k = 0; k < n; ++k)
                ++stepped;
            for (int k = 0; k > n; --k)
                --stepped;
            const strided_iterator jumped = start + n;
            EXPECT_TRUE(jumped == stepped) << n;
            EXPECT_EQ(*jumped, *stepped) << n;
            EXPECT_EQ(jumped.Remainder(), stepped.Remainder()) << n;
            EXPECT_EQ(jumped - start, n);
            EXPECT_EQ(start - jumped, -n);
            EXPECT_TRUE(jumped - n == start) << n;
        }
    }
}

TEST(StridedIterator, CoordinatesNeverDecreaseAndSpanTheExpectedRange)
{
    // step · d + numerator per d increments: 2 3/7 per step.
    strided_iterator it(0, 2, 3, 7, 0);
    int previous = *it;
    for (int k = 1; k <= 70; ++k) {
        ++it;
        EXPECT_GE(*it - previous, 2);
        EXPECT_LE(*it - previous, 3);
        previous = *it;
    }
    EXPECT_EQ(previous, 170); // 70 · 17/7
}

TEST(StridedIterator, RefusesInvalidFractions)
{
    EXPECT_THROW(strided_iterator(0, 1, 0, 0, 0), vigra::PreconditionViolation);
    EXPECT_THROW(strided_iterator(0, 1, 1, 3, 3), vigra::PreconditionViolation);
    EXPECT_THROW(strided_iterator(0, 1, -1, 3, 0), vigra::PreconditionViolation);
}
