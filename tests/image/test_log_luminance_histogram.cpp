#include "image/LogLuminanceHistogram.h"

#include "TH1.h"

#include <gtest/gtest.h>

#include <string>

TEST(LogLuminanceHistogram, DefaultHas128BinsPerStopCentredOnMultiplesOfOneOver128)
{
    const LogLuminanceHistogram record;
    const TH1D* h = record.Histogram();
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(record.BinSetting(), 4097);
    EXPECT_DOUBLE_EQ(record.BinsPerStop(), 128.0);
    EXPECT_EQ(h->GetNbinsX(), 4095);
    EXPECT_DOUBLE_EQ(h->GetBinCenter(1), -2047.0 / 128);
    EXPECT_DOUBLE_EQ(h->GetBinCenter(2048), 0.0);
    EXPECT_DOUBLE_EQ(h->GetBinCenter(4095), 2047.0 / 128);
    EXPECT_STREQ(h->GetTitle(), "");
}

TEST(LogLuminanceHistogram, ValuesOnTheGridFallInTheirOwnBin)
{
    LogLuminanceHistogram record;
    TH1D* h = record.Histogram();
    for (int k : {-2047, -1000, -1, 0, 1, 640, 2047})
        EXPECT_EQ(h->FindBin(k / 128.0), k + 2048) << k;
    // Outside ±15.99609375 stops: underflow and overflow.
    EXPECT_EQ(h->FindBin(-16.0), 0);
    EXPECT_EQ(h->FindBin(16.0), 4096);
}

TEST(LogLuminanceHistogram, RecordsOwnDistinctlyNamedHistograms)
{
    const LogLuminanceHistogram a;
    const LogLuminanceHistogram b(259);
    EXPECT_NE(std::string(a.Histogram()->GetName()), std::string(b.Histogram()->GetName()));
    EXPECT_EQ(b.Histogram()->GetNbinsX(), 257);
    EXPECT_DOUBLE_EQ(b.BinsPerStop(), 257 / 31.9921875);
}
