#pragma once
// The plug-in's entry points as linked into the test, driven by the same host
// code the stand-alone program uses.
#include "host/PluginExports.h"
#include "hostapp/PluginLoader.h"

inline orvhost::PluginEntryPoints LinkedPlugin() {
  orvhost::PluginEntryPoints entries;
  entries.filterRecord = &gFilterRecord;
  entries.dataHandle = &gDataHandle;
  entries.result = &gResult;
  entries.basicSuite = &sSPBasic;
  entries.parameters = DoParameters;
  entries.prepare = DoPrepare;
  entries.start = DoStart;
  entries.proceed = DoContinue;
  entries.finish = DoFinish;
  entries.about = DoAbout;
  entries.unlockHandles = UnlockHandles;
  return entries;
}

/// A document whose samples differ from pixel to pixel and plane to plane.
inline orvhost::Document PatternDocument(int width, int height, int depth) {
  orvhost::Document document(width, height, depth);
  for (int k = 0; k < 3; ++k)
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const int code = (x * 7 + y * 13 + k * 101) % 251;
        document.SetValue(k, x, y, depth == 32 ? code / 250.0f : depth == 16 ? code * 130.0f : code);
      }
  return document;
}
