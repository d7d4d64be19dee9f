#pragma once

class TH1D;

/// Histogram of base-2 log luminance: n − 2 bins over ±15.99609375 stops.
///
/// With the default n = 4097 that is 4095 bins of 1/128 stop, centred on
/// k / 128, so a value that is a multiple of 1/128 falls in the middle of a bin.
/// The ROOT histogram is owned, detached from any ROOT directory and named after
/// this record's address so that several records never share a name.
class LogLuminanceHistogram {
public:
    static constexpr double kRange = 15.99609375;

    /// Throws vigra::PreconditionViolation when binSetting < 3.
    explicit LogLuminanceHistogram(int binSetting = 4097);
    ~LogLuminanceHistogram();
    LogLuminanceHistogram(const LogLuminanceHistogram&) = delete;
    LogLuminanceHistogram& operator=(const LogLuminanceHistogram&) = delete;

    int BinSetting() const { return binSetting_; }
    double BinsPerStop() const { return binsPerStop_; }
    TH1D* Histogram() const { return histogram_; }

private:
    int binSetting_;
    double binsPerStop_;
    TH1D* histogram_;
};
