#pragma once
// The built-in sample scene: a procedurally generated high-dynamic-range image
// of a dim room with a bright window onto the sky, textured everywhere, so the
// main job runs without any file at hand.
#include "hostapp/ImageFiles.h"

namespace orvhost {

/// Linear RGB with 1.0 as a mid-bright wall in daylight; about 16 stops from
/// the darkest corner to the sun's disc.
DecodedImage MakeSampleScene(int width = 1200, int height = 800);

}  // namespace orvhost
