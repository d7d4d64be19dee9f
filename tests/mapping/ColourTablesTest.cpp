#include "mapping/ColourTables.h"
#include "platform/DisplayProfile.h"
#include "mapping/TestProfiles.h"
#include "platform/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using orv::ColourTables;
using orv::InputTables;

class ColourTablesTest : public ::testing::Test {
protected:
    void SetUp() override { orv::detail::ResetInputTables(); }
    void TearDown() override { orv::detail::ResetInputTables(); }

    std::string SaveProfile(cmsHPROFILE profile, const std::string& name) {
        const std::string path = user.root / name;
        orv::test::Save(profile, path);
        return path;
    }

    std::array<cmsUInt16Number, 3> Display(const ColourTables& tables, std::array<cmsUInt16Number, 3> rgb) {
        std::array<cmsUInt16Number, 3> out{};
        cmsDoTransform(tables.display.get(), rgb.data(), out.data(), 1);
        return out;
    }

    orv::test::IsolatedUser user;
};

// Stored as s15Fixed16Number in the v4 profile's parametric curves: 2.2 to within 4e-6.
constexpr double kGamma = 2.2;

double Gamma(double v, double gamma) {
    return 65535.0 * std::pow(v / 65535.0, gamma);
}

// Worst error of the 4096-sample inverse of x^(1/2.2), linearly interpolated, at linear value x.
// The first segment (width h = 65535/4095) holds the infinite slope at 0: there the chord falls
// up to 0.283 * f(h), about 425 counts, below the curve. Further on the error is at most
// h^2/8 * |f''| at the segment's start, which drops below a count after a few dozen segments.
// One more count for the rounding of the samples and the result.
double InverseBound(double x) {
    const double a = 1.0 / kGamma, h = 65535.0 / 4095.0;
    const double start = std::floor(x / h) * h;
    if (start == 0.0) return 0.283 * Gamma(h, a) + 1.0;
    const double curvature = a * (1.0 - a) * std::pow(start / 65535.0, a - 2.0) / 65535.0;
    return h * h / 8.0 * curvature + 1.0;
}

TEST_F(ColourTablesTest, GammaProfileTablesLineariseAndReencode) {
    ColourTables tables;
    ASSERT_TRUE(orv::RebuildColourTables(SaveProfile(orv::test::GammaRgb(2.2), "gamma.icc"),
                                         orv::SrgbProfilePath(), tables));
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const auto& in = InputTables()[k];
        const auto& out = tables.output[k];
        ASSERT_EQ(in.size(), orv::kColourTableSize);
        ASSERT_EQ(out.size(), orv::kColourTableSize);
        double worstIn = 0, worstTrip = 0;
        std::size_t outOfBound = 0;  // first output entry off by more than InverseBound, 0 for none
        for (std::size_t v = 0; v < orv::kColourTableSize; ++v) {
            worstIn = std::max(worstIn, std::abs(in[v] - Gamma(v, kGamma)));
            if (outOfBound == 0 && std::abs(out[v] - Gamma(v, 1 / kGamma)) > InverseBound(v)) outOfBound = v;
            if (v > 0) {
                ASSERT_LE(out[v - 1], out[v]) << v;
            }
            // In the upper half the forward slope is near 1, so a round trip must come home.
            if (v >= 32768) worstTrip = std::max(worstTrip, std::abs(double(out[in[v]]) - double(v)));
        }
        // Half a count each for the rounding of the curve's 4096 samples and of the interpolated
        // result, plus the fixed-point interpolation's own slack.
        EXPECT_LE(worstIn, 1.5);
        EXPECT_EQ(outOfBound, 0u) << "output = " << out[outOfBound];
        EXPECT_LE(worstTrip, 2.0);
        EXPECT_EQ(in.front(), 0);
        EXPECT_EQ(in.back(), 65535);
        EXPECT_EQ(out.back(), 65535);
    }
}

TEST_F(ColourTablesTest, DisplayProfileAsDocumentLeavesOnlyTheDisplayEncoding) {
    // Headless, the display profile is sRGB; choosing it for the document cancels the matrices.
    ColourTables tables;
    ASSERT_TRUE(orv::RebuildColourTables(orv::DisplayProfilePath(), tables));
    ASSERT_TRUE(tables.display);

    // sRGB encodes 32768/65535 as 1.055 * x^(1/2.4) - 0.055 = 0.73536, i.e. 48193.
    const cmsUInt16Number half = 32768, encodedHalf = 48193;
    const struct {
        std::array<cmsUInt16Number, 3> linear, encoded;
    } cases[] = {
        {{half, half, half}, {encodedHalf, encodedHalf, encodedHalf}},
        {{65535, 0, 0}, {65535, 0, 0}},
        {{0, half, 0}, {0, encodedHalf, 0}},
        {{0, 0, 0}, {0, 0, 0}},
        {{65535, 65535, 65535}, {65535, 65535, 65535}},
    };
    for (const auto& c : cases) {
        const auto out = Display(tables, c.linear);
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(out[k], c.encoded[k], 2) << c.linear[0] << "," << c.linear[1] << "," << c.linear[2] << " channel " << k;
    }
}

TEST_F(ColourTablesTest, LinearisedDisplayTransformMatchesTheDocumentProfile) {
    // Wide primaries and gamma 1.8: linearising through the input tables and then displaying must
    // give what a transform straight from the document profile gives.
    const std::string document = SaveProfile(orv::test::GammaRgb(1.8, orv::test::WidePrimaries()), "wide.icc");
    const std::string display = orv::SrgbProfilePath();
    ColourTables tables;
    ASSERT_TRUE(orv::RebuildColourTables(document, display, tables));

    cmsHPROFILE from = cmsOpenProfileFromFile(document.c_str(), "r");
    cmsHPROFILE to = cmsOpenProfileFromFile(display.c_str(), "r");
    cmsHTRANSFORM direct = cmsCreateTransform(from, TYPE_RGB_16, to, TYPE_RGB_16, INTENT_RELATIVE_COLORIMETRIC,
                                              cmsFLAGS_NOOPTIMIZE);
    cmsCloseProfile(from);
    cmsCloseProfile(to);
    ASSERT_NE(direct, nullptr);

    const cmsUInt16Number levels[] = {0, 16384, 32768, 49152, 65535};
    double worst = 0;
    for (auto r : levels)
        for (auto g : levels)
            for (auto b : levels) {
                std::array<cmsUInt16Number, 3> encoded = {r, g, b}, expected{};
                cmsDoTransform(direct, encoded.data(), expected.data(), 1);
                const auto got = Display(tables, {InputTables()[0][r], InputTables()[1][g], InputTables()[2][b]});
                for (int k = 0; k < 3; ++k) worst = std::max(worst, std::abs(double(got[k]) - expected[k]));
            }
    cmsDeleteTransform(direct);
    EXPECT_LE(worst, 8.0);
}

TEST_F(ColourTablesTest, FailedRebuildKeepsWhatThereWas) {
    const std::string gamma = SaveProfile(orv::test::GammaRgb(2.2), "gamma.icc");
    const std::string grey = SaveProfile(orv::test::Grey(), "grey.icc");
    const std::string noBlue = SaveProfile(orv::test::RgbWithoutBlueCurve(), "noblue.icc");
    const std::string srgb = orv::SrgbProfilePath();
    const std::string missing = user.root / "missing.icc";
    const struct {
        const char* what;
        std::string chosen, display;
    } failures[] = {
        {"document missing", missing, srgb},
        {"display missing", gamma, missing},
        {"grey document", grey, srgb},
        {"document without blue curve", noBlue, srgb},
    };

    // Before any success: identity tables, no transform.
    ColourTables tables;
    const orv::ColourChannelTables identity = orv::IdentityColourTables();
    for (const auto& f : failures) {
        SCOPED_TRACE(f.what);
        EXPECT_FALSE(orv::RebuildColourTables(f.chosen, f.display, tables));
        EXPECT_EQ(InputTables(), identity);
        EXPECT_EQ(tables.output, identity);
        EXPECT_FALSE(tables.display);
    }

    ASSERT_TRUE(orv::RebuildColourTables(gamma, srgb, tables));
    const orv::ColourChannelTables input = InputTables(), output = tables.output;
    const cmsHTRANSFORM transform = tables.display.get();
    for (const auto& f : failures) {
        SCOPED_TRACE(f.what);
        EXPECT_FALSE(orv::RebuildColourTables(f.chosen, f.display, tables));
        EXPECT_EQ(InputTables(), input);
        EXPECT_EQ(tables.output, output);
        EXPECT_EQ(tables.display.get(), transform);
    }
}

}  // namespace
