#pragma once
// What the host's thread does while the tiles render: show progress and notice
// Cancel. With a display it is the progress window; without one, a quiet wait.
// Either way the host's own abort request counts as Cancel.
#include <memory>

namespace orv {

class RenderMonitor {
 public:
  virtual ~RenderMonitor() = default;
  virtual void Report(int done) = 0;
  /// Waits at most 0.1 seconds; true when the user asked to cancel.
  virtual bool WaitForCancel() = 0;
  virtual void Finish() = 0;
};

/// The monitor for a render of `total` tiles.
std::unique_ptr<RenderMonitor> MakeRenderMonitor(int total);

}  // namespace orv
