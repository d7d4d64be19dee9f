#include "image/OrvBasicImage.h"

#include <gtest/gtest.h>
#include <vigra/error.hxx>

#include <vector>

namespace {

using Grid = std::vector<std::vector<int>>;

// Numbers the stored pixels 1, 2, … row by row in their first two bytes.
void Number(OrvBasicImage& image)
{
    int id = 1;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x, ++id) {
            image.Pixels()(x, y)[0] = vigra::UInt8(id & 0xff);
            image.Pixels()(x, y)[1] = vigra::UInt8(id >> 8);
        }
}

int Id(const OrvBasicImage::Traverser& cursor)
{
    return (*cursor)[0] + 256 * (*cursor)[1];
}

// Displayed ids, walking columns and rows from the upper-left to the lower-right cursor.
Grid Displayed(const OrvBasicImage::CornerPair& pair)
{
    Grid grid;
    OrvBasicImage::Traverser row = pair.upperLeft;
    while (!row.Vertical().Equal(pair.lowerRight.Vertical())) {
        std::vector<int> line;
        OrvBasicImage::Traverser cursor = row;
        while (!cursor.Horizontal().Equal(pair.lowerRight.Horizontal())) {
            line.push_back(Id(cursor));
            cursor.MoveColumns(1);
        }
        grid.push_back(line);
        row.MoveRows(1);
    }
    return grid;
}

} // namespace

TEST(OrvBasicImage, StartsZeroedWithOrientationOneAndDefaultHistograms)
{
    OrvBasicImage image(4, 3);
    EXPECT_EQ(image.Width(), 4);
    EXPECT_EQ(image.Height(), 3);
    EXPECT_EQ(image.Orientation(), 1);
    for (const auto& p : image.Pixels())
        EXPECT_EQ(p, OrvBasicImage::Pixel(0, 0, 0, 0));
    EXPECT_EQ(image.WhiteLevel(), std::numeric_limits<float>::max());
    EXPECT_TRUE(image.Name().empty());
    EXPECT_EQ(image.Histogram(2).BinSetting(), 4097);
    EXPECT_EQ(image.DocumentWidth(), 0);
}

TEST(OrvBasicImage, NonPositiveSizesGiveNoPixelsAndNegativeOnesAreRefused)
{
    EXPECT_TRUE(OrvBasicImage(0, 5).Empty());
    EXPECT_TRUE(OrvBasicImage(5, 0).Empty());
    EXPECT_THROW(OrvBasicImage(-1, 5), vigra::PreconditionViolation);
    OrvBasicImage none(0, 0);
    EXPECT_THROW(none.Begin(), vigra::PreconditionViolation);
    EXPECT_THROW(none.OrientedCorners(), vigra::PreconditionViolation);
    EXPECT_THROW(none.ScaledCorners(2, 2, 0, 0, 2, 2), vigra::PreconditionViolation);
    OrvSharedImage shared(0, 0);
    EXPECT_TRUE(shared.Image().Empty());
}

TEST(OrvBasicImage, BeginCursorAddressesStoredPixels)
{
    OrvBasicImage image(3, 2);
    Number(image);
    OrvBasicImage::Traverser cursor = image.Begin();
    EXPECT_EQ(Id(cursor), 1);
    cursor.MoveColumns(2);
    cursor.MoveRows(1);
    EXPECT_EQ(Id(cursor), 6);
    EXPECT_EQ(cursor.Get(), &image.Pixels()(2, 1));
}

TEST(OrvBasicImage, CornerPairsShowEveryExifOrientation)
{
    // Stored:  1 2 3
    //          4 5 6
    const Grid expected[9] = {
        {},
        {{1, 2, 3}, {4, 5, 6}},       // 1 as stored
        {{3, 2, 1}, {6, 5, 4}},       // 2 mirrored left-right
        {{6, 5, 4}, {3, 2, 1}},       // 3 turned half way
        {{4, 5, 6}, {1, 2, 3}},       // 4 mirrored top-bottom
        {{1, 4}, {2, 5}, {3, 6}},     // 5 transposed
        {{4, 1}, {5, 2}, {6, 3}},     // 6 turned a quarter clockwise
        {{6, 3}, {5, 2}, {4, 1}},     // 7 transversed
        {{3, 6}, {2, 5}, {1, 4}},     // 8 turned a quarter counter-clockwise
    };
    OrvBasicImage image(3, 2);
    Number(image);
    for (int code = 1; code <= 8; ++code) {
        SCOPED_TRACE(code);
        image.SetOrientation(code);
        const auto pair = image.OrientedCorners();
        ASSERT_FALSE(pair.Empty());
        EXPECT_EQ(Displayed(pair), expected[code]);
        EXPECT_EQ(pair.upperLeft.Swapped(), code >= 5);
        EXPECT_EQ(image.OrientedWidth(), code >= 5 ? 2 : 3);
        EXPECT_EQ(pair.lowerRight.Horizontal().Distance(pair.upperLeft.Horizontal()),
                  image.OrientedWidth());
        EXPECT_EQ(pair.lowerRight.Vertical().Distance(pair.upperLeft.Vertical()),
                  image.OrientedHeight());
    }
    image.SetOrientation(6);
    const auto six = image.OrientedCorners();
    EXPECT_NE(dynamic_cast<const OrvBasicImage::ReverseIterator*>(&six.upperLeft.Horizontal()), nullptr);
    EXPECT_NE(dynamic_cast<const OrvBasicImage::StridedIterator*>(&six.upperLeft.Vertical()), nullptr);
}

TEST(OrvBasicImage, InvalidOrientationCodesGiveEmptyPairs)
{
    OrvBasicImage image(3, 2);
    for (int code : {0, 9, -1}) {
        image.SetOrientation(code);
        EXPECT_TRUE(image.OrientedCorners().Empty()) << code;
        EXPECT_TRUE(image.ScaledCorners(2, 2, 0, 0, 2, 2).Empty()) << code;
    }
}

TEST(OrvBasicImage, ScaledSubViewSamplesNearestWithAlignedCorners)
{
    // Stored 5 × 3:  1  2  3  4  5
    //                6  7  8  9 10
    //               11 12 13 14 15
    OrvBasicImage image(5, 3);
    Number(image);
    EXPECT_EQ(Displayed(image.ScaledCorners(3, 2, 0, 0, 3, 2)), (Grid{{1, 3, 5}, {11, 13, 15}}));
    EXPECT_EQ(Displayed(image.ScaledCorners(3, 2, 1, 1, 2, 1)), (Grid{{13, 15}}));
    // Counts are limited to the grid.
    EXPECT_EQ(Displayed(image.ScaledCorners(3, 2, 0, 0, 9, 9)), (Grid{{1, 3, 5}, {11, 13, 15}}));
    image.SetOrientation(3);
    EXPECT_EQ(Displayed(image.ScaledCorners(3, 2, 0, 0, 3, 2)), (Grid{{15, 13, 11}, {5, 3, 1}}));
    image.SetOrientation(6);
    EXPECT_EQ(Displayed(image.ScaledCorners(2, 3, 0, 0, 2, 3)), (Grid{{11, 1}, {13, 3}, {15, 5}}));
}

TEST(OrvBasicImage, ScaledGridsStayInsideAndKeepTheCorners)
{
    struct Case {
        int width, height, a, b;
    };
    // Reduced, enlarged, odd ratios and single-pixel axes on either side.
    for (const Case& c : {Case{7, 5, 3, 2}, Case{3, 4, 10, 7}, Case{100, 61, 37, 29}, Case{1, 1, 4, 3},
                          Case{1, 6, 5, 1}, Case{6, 1, 1, 1}, Case{2, 2, 1, 5}}) {
        OrvBasicImage image(c.width, c.height);
        Number(image);
        for (int code = 1; code <= 8; ++code) {
            SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " -> " << c.a << "x"
                                            << c.b << " code " << code);
            image.SetOrientation(code);
            const Grid full = Displayed(image.OrientedCorners());
            const Grid scaled = Displayed(image.ScaledCorners(c.a, c.b, 0, 0, c.a, c.b));
            ASSERT_EQ(int(scaled.size()), c.b);
            for (const auto& line : scaled) {
                ASSERT_EQ(int(line.size()), c.a);
                for (int id : line)
                    ASSERT_TRUE(id >= 1 && id <= c.width * c.height);
            }
            EXPECT_EQ(scaled.front().front(), full.front().front());
            if (c.a > 1 && c.b > 1) {
                EXPECT_EQ(scaled.back().back(), full.back().back());
            }
        }
    }
}

TEST(OrvBasicImage, CursorCopiesAreIndependent)
{
    OrvBasicImage image(4, 4);
    Number(image);
    image.SetOrientation(7);
    const auto pair = image.OrientedCorners();
    OrvBasicImage::Traverser copy = pair.upperLeft;
    copy.MoveColumns(2);
    copy.MoveRows(1);
    EXPECT_FALSE(copy.Horizontal().Equal(pair.upperLeft.Horizontal()));
    OrvBasicImage::Traverser assigned;
    assigned = copy;
    copy.MoveRows(1);
    EXPECT_EQ(Id(assigned), Id(pair.upperLeft) - 2 * 4 - 1); // stored y − 2, x − 1
    EXPECT_FALSE(assigned.Vertical().Equal(copy.Vertical()));
}

TEST(OrientedIterators, SlotsAgreeAcrossClasses)
{
    using Oriented = OrvBasicImage::OrientedIterator;
    using orv::detail::strided_iterator;
    OrvBasicImage::StridedIterator forward(strided_iterator(2, 1, 1, 3, 2));
    OrvBasicImage::ReverseIterator backward(strided_iterator(20, 1, 1, 3, 2));
    Oriented counter(5);
    for (Oriented* it : std::initializer_list<Oriented*>{&forward, &backward, &counter}) {
        alignas(std::max_align_t) unsigned char storage[64];
        ASSERT_LE(it->Size(), sizeof storage);
        Oriented* start = it->CopyTo(storage);
        it->Advance(9);
        EXPECT_EQ(it->Distance(*start), 9);
        EXPECT_EQ(start->Distance(*it), -9);
        for (int k = 0; k < 9; ++k)
            start->Increment();
        EXPECT_TRUE(start->Equal(*it));
        EXPECT_EQ(start->Value(), it->Value());
        start->Decrement();
        EXPECT_FALSE(start->Equal(*it));
        start->~Oriented();
    }
    EXPECT_GT(forward.Value(), 2);
    EXPECT_LT(backward.Value(), 20);
    EXPECT_FALSE(forward.Equal(backward));
    EXPECT_THROW(forward.Distance(backward), vigra::PreconditionViolation);
}
