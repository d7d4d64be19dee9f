// The report formats on stderr, the replaceable handler and the ignore level.
#include <string>

#include <gtest/gtest.h>

#include "TError.h"
#include "error_capture.h"

namespace {
TEST(TError, FormatsOnStderr)
{
   struct Case {
      void (*report)(const char *, const char *, ...);
      const char *location;
      std::string expected;
   } cases[] = {
      {Error, "TFreeType::SetTextFont", "Error in <TFreeType::SetTextFont>: font file arial.ttf not found in path /f\n"},
      {Warning, "TFreeType::SetTextFont", "Warning in <TFreeType::SetTextFont>: font file arial.ttf not found in path /f\n"},
      {Error, "", "Error: font file arial.ttf not found in path /f\n"},
      {Warning, nullptr, "Warning: font file arial.ttf not found in path /f\n"},
   };
   for (const Case &c : cases) {
      testing::internal::CaptureStderr();
      c.report(c.location, "font file %s not found in path %s", "arial.ttf", "/f");
      EXPECT_EQ(testing::internal::GetCapturedStderr(), c.expected);
   }
}

TEST(TError, LongMessagesAreNotCut)
{
   const std::string longText(5000, 'x');
   testing::internal::CaptureStderr();
   Error("Loc", "%s|", longText.c_str());
   EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error in <Loc>: " + longText + "|\n");
}

TEST(TError, HandlerReceivesLevelLocationAndMessage)
{
   const ErrorHandlerFunc_t before = GetErrorHandler();
   {
      ErrorCapture capture;
      EXPECT_NE(GetErrorHandler(), before);
      Warning("TFreeType::SetTextFont", "using default font %s", "arialbd.ttf");
      Error("TFreeType::SetTextFont", "too many fonts opened (increase kTTMaxFont = %d)", 32);
      const auto &reports = ErrorCapture::Reports();
      ASSERT_EQ(reports.size(), 2u);
      EXPECT_EQ(reports[0].level, kWarning);
      EXPECT_EQ(reports[0].location, "TFreeType::SetTextFont");
      EXPECT_EQ(reports[0].message, "using default font arialbd.ttf");
      EXPECT_EQ(reports[1].level, kError);
      EXPECT_EQ(reports[1].message, "too many fonts opened (increase kTTMaxFont = 32)");
   }
   EXPECT_EQ(GetErrorHandler(), before);
}

TEST(TError, IgnoreLevelDropsLowerReports)
{
   ErrorCapture capture;
   const Int_t saved = gErrorIgnoreLevel;
   gErrorIgnoreLevel = kError;
   Warning("Loc", "dropped");
   Error("Loc", "kept");
   gErrorIgnoreLevel = saved;
   ASSERT_EQ(ErrorCapture::Reports().size(), 1u);
   EXPECT_EQ(ErrorCapture::Reports()[0].message, "kept");
}
} // namespace
