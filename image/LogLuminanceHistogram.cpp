#include "image/LogLuminanceHistogram.h"

#include "TH1.h"

#include <vigra/error.hxx>

#include <cstdio>

LogLuminanceHistogram::LogLuminanceHistogram(int binSetting)
    : binSetting_(binSetting), binsPerStop_((binSetting - 2) / (2 * kRange)), histogram_(nullptr)
{
    vigra_precondition(binSetting >= 3,
                       "LogLuminanceHistogram::LogLuminanceHistogram(): need at least one bin.");
    char name[32];
    std::snprintf(name, sizeof name, "%p", static_cast<void*>(this));
    histogram_ = new TH1D(name, "", binSetting - 2, -kRange, kRange);
    // Owned here; ROOT must neither list nor delete it.
    histogram_->SetDirectory(0);
}

LogLuminanceHistogram::~LogLuminanceHistogram()
{
    delete histogram_;
}
