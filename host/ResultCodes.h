#pragma once
#include <cstdint>

namespace orv {
// Codes the plug-in reports to the host through gResult.
constexpr int16_t kResultOk = 0;
constexpr int16_t kResultOutOfMemory = -108;
constexpr int16_t kResultCancelled = -128;
constexpr int16_t kResultNoDataHandle = -30100;
// The document is not one the filter works on: fewer than three colour channels,
// or a depth other than 8, 16 or 32 bits.
constexpr int16_t kResultBadMode = -30101;
// The render stopped on an internal error; without it a failed render would
// look like success to the host.
constexpr int16_t kResultFailed = -1;
// Returned by DoStart and DoFinish (never put in gResult) when the host gives no write token.
constexpr int32_t kStatusNoWriteToken = -1715;
}  // namespace orv
