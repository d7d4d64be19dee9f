#include "host/RenderMonitor.h"

#include <FL/Fl.H>

#include <algorithm>
#include <chrono>
#include <thread>

#include "dialog/ProgressWindow.h"
#include "host/HostRecord.h"
#include "platform/Display.h"
#include "platform/OwnedWindow.h"
#include "platform/i18n.h"

namespace orv {
namespace {

constexpr double kWatchInterval = 0.1;

bool HostAskedToStop() {
  return gFilterRecord && gFilterRecord->abortProc && gFilterRecord->abortProc();
}

class HeadlessMonitor : public RenderMonitor {
 public:
  void Report(int) override {}
  bool WaitForCancel() override {
    std::this_thread::sleep_for(std::chrono::duration<double>(kWatchInterval));
    return HostAskedToStop();
  }
  void Finish() override {}
};

class WindowMonitor : public RenderMonitor {
 public:
  explicit WindowMonitor(int total) {
    int areaX, areaY, areaW, areaH;
    Fl::screen_work_area(areaX, areaY, areaW, areaH);
    window_ = std::make_unique<ProgressWindow>((areaW - kWidth) / 2, (areaH - kHeight) / 3, kWidth, kHeight);
    window_->set_modal();
    window_->SetShowAllowed(true);
    window_->SetText(_("Filter: Orvelline"));
    window_->SetTotal(total);
    window_->SetSteps(std::min(total, 20));
    ShowOwnedByHost(window_.get(), gFilterRecord ? gFilterRecord->platformData : nullptr);
    window_->Start();
  }

  void Report(int done) override { window_->Report(done); }

  bool WaitForCancel() override {
    Fl::wait(kWatchInterval);
    bool cancel = false;
    while (Fl_Widget* widget = Fl::readqueue())
      if (widget == window_->CancelButton()) cancel = true;
    if (cancel || HostAskedToStop()) {
      window_->hide();
      return true;
    }
    return false;
  }

  void Finish() override {
    window_->Finish();
    window_.reset();
  }

 private:
  static constexpr int kWidth = 295;
  static constexpr int kHeight = 50;
  std::unique_ptr<ProgressWindow> window_;
};

}  // namespace

std::unique_ptr<RenderMonitor> MakeRenderMonitor(int total) {
  if (DisplayAvailable()) return std::make_unique<WindowMonitor>(total);
  return std::make_unique<HeadlessMonitor>();
}

}  // namespace orv
