#include "host/TileRender.h"

#include <omp.h>

#include <atomic>
#include <new>
#include <exception>
#include <iostream>
#include <memory>

#include "dialog/OrvRunContext.h"
#include "host/HostRecord.h"
#include "host/PixelTransfer.h"
#include "host/RenderMonitor.h"
#include "host/ResultCodes.h"

namespace orv {

void MapFullImage(OrvRunContext* context) {
  try {
    std::unique_ptr<OrvRunContext> ownContext;
    if (!context) {
      ownContext = std::make_unique<OrvRunContext>();
      context = ownContext.get();
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
