#include "host/TileRender.h"

#include <omp.h>

#include <atomic>
#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <new>

#include "dialog/OrvRunContext.h"
#include "dialog/OverviewController.h"
#include "host/HostRecord.h"
#include "host/PixelTransfer.h"
#include "host/RenderMonitor.h"
#include "host/ResultCodes.h"
#include "platform/i18n.h"

namespace orv {

namespace {

// The readers and writers handle three colour channels at 8, 16 or 32 bits;
// further channels (transparency, spot colours) are left alone.
bool DocumentIsSupported() {
  const int channels = ColourChannelCount();
  const int depth = gFilterRecord->depth;
  if (channels >= 3 && (depth == 8 || depth == 16 || depth == 32)) return true;
  std::fprintf(stderr,
               _("Orvelline filters RGB documents of 8, 16 or 32 bits per channel; this one has %d colour "
                 "channels of %d bits.\n"),
               channels, depth);
  return false;
}

}  // namespace

void MapFullImage(OrvRunContext* context) {
  try {
    if (!DocumentIsSupported()) {
      SetResult(kResultBadMode);
      return;
    }
    std::unique_ptr<OrvRunContext> ownContext;
    if (!context) {
      ownContext = std::make_unique<OrvRunContext>();
      context = ownContext.get();
      context->ApplyDefaults();
      ReadSource(*context);
      AnalyseOverview(*context);
      RenderOverview(*context);
    }
    SetResult(kResultOk);

    const OrvRect32 rect = FilterRect();
    const TileGrid grid{rect.right - rect.left, rect.bottom - rect.top};
    const int total = grid.Count();
    std::unique_ptr<RenderMonitor> monitor = MakeRenderMonitor(total);

    std::atomic<int> done{0};
    std::exception_ptr failure;
    const int threads = omp_get_num_procs() + 1;

#pragma omp parallel num_threads(threads) shared(done, failure, context, monitor)
    {
      // The host's thread watches progress and Cancel until every tile is
      // counted, then joins the tile work.
#pragma omp master
      {
        while (done.load() < total) {
          monitor->Report(done.load());
          if (monitor->WaitForCancel()) {
            SetResult(kResultCancelled);
            done.store(total);
          }
        }
      }

#pragma omp for schedule(dynamic, 1) nowait
      for (int row = 0; row < grid.Rows(); ++row) {
        const int y = row * TileGrid::kTileSize;
        for (int x = 0; x < grid.width; x += TileGrid::kTileSize) {
          if (done.load() < total) {
            try {
              ProcessTile({grid.TileWidth(x), grid.TileHeight(y)}, *context, {grid.width, grid.height}, {x, y});
            } catch (...) {
#pragma omp critical(orv_render_failure)
              if (!failure) failure = std::current_exception();
              done.store(total);
            }
          }
          done.fetch_add(1);
        }
      }
    }

    monitor->Finish();
    if (failure) std::rethrow_exception(failure);
  } catch (const std::bad_alloc&) {
    std::cout << "exception." << std::endl;
    SetResult(kResultOutOfMemory);
  } catch (...) {
    std::cout << "exception." << std::endl;
    SetResult(kResultFailed);
  }
}

}  // namespace orv
