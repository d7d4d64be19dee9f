#pragma once
// The response-curve editor: control points as ROOT markers, a curve through them (a natural
// cubic spline or straight segments), and an axis at the right edge labelled with the y range.
//
// Two ranges: the stored range is the rectangle the owner framed the curve in (SetCurveRange);
// the visible range is the pad's user range, which dragging an end point stretches (StretchRange)
// while the stored one stays. Point lists in the settings are normalised to the visible range.
//
// Mouse: hovering within 9 pixels fills a marker; a press on it moves it to the pointer, a press
// elsewhere right of the first point inserts a point; dragging moves the point between its
// neighbours, or with fixed ends drags the range; an interior point dragged out of the area and
// released is deleted. The owner hears of each step through the signals, which fire after the
// change; programmatic changes emit nothing.
#include <sigc++/sigc++.h>

#include <cstddef>
#include <nlohmann/json_fwd.hpp>
#include <vector>

#include "Fl_TPad.h"
#include "TGaxis.h"
#include "TMarker.h"

class TH1;
class TSpline;

class OrvCurves : public Fl_TPad, public sigc::trackable {
 public:
  static constexpr std::size_t kNone = std::size_t(-1);
  static constexpr Style_t kPointStyle = 25;    // open square
  static constexpr Style_t kHoveredStyle = 21;  // filled square
  /// How far (pixels, in x and in y) the pointer may be from a point to hover it.
  static constexpr int kHoverDistance = 9;
  /// How far outside the drawing area a dragged point still counts as inside.
  static constexpr int kDragOutMargin = 3;

  /// A flat curve at 1 through (0, 1) and (1, 1), spline linkage, fixed ends, range 0 .. 1.
  OrvCurves(int x, int y, int w, int h, const char* label = nullptr);
  ~OrvCurves() override;

  /// Frames the curve in (x1, y1)-(x2, y2): the points keep their place relative to the stored
  /// range, the visible range follows the same map, the axis moves to the right edge.
  void SetCurveRange(double x1, double y1, double x2, double y2);
  void SetCurveXRange(double x1, double x2);
  void SetCurveYRange(double y1, double y2);
  /// Makes (x1, y1)-(x2, y2) the visible range, points following; the end points' x become x1
  /// and x2. The stored range stays.
  void StretchRange(double x1, double y1, double x2, double y2);
  /// The preset's points (kinds 2 .. 14, any other a flat curve at the top) framed in the stored
  /// range, with the preset's linkage.
  void SetPreset(int kind);

  /// Replaces the points (at least two, x ascending; fewer are ignored); normalised points are
  /// mapped from the unit square onto the visible range.
  void SetPoints(const std::vector<TMarker>& points, bool normalised);
  /// The points in order without one being dragged out; normalise maps them onto the unit square.
  void GetPoints(std::vector<TMarker>& points, bool normalise) const;
  /// Loads the list under key (pairs x, y normalised to the visible range); a missing, null or
  /// unusable member leaves the curve as it is.
  void ReadPoints(const nlohmann::ordered_json& object, const char* key);
  /// Sets member key of object to the normalised point list.
  void WritePoints(nlohmann::ordered_json& object, const char* key) const;

  /// 1 natural cubic spline, 0 straight segments.
  void SetLinkage(int linkage);
  int GetLinkage() const { return fLinkage; }
  /// With fixed ends (the default) the end points keep their x and dragging them stretches the
  /// range; without, they move freely and flat lines continue the curve to the edges.
  void SetFixedEnds(bool fixed);
  bool GetFixedEnds() const { return fFixedEnds; }

  /// Bin i of h becomes the curve at the bin's centre; underflow copies bin 1, overflow bin N.
  void FillHistogram(TH1* h) const;
  /// Rebuilds the curve from the points and schedules a redraw.
  void UpdateSpline();

  void GetVisibleRange(double& x1, double& y1, double& x2, double& y2) const;
  void GetCurveRange(double& x1, double& y1, double& x2, double& y2) const;
  /// The hovered or pressed point, or kNone.
  std::size_t GetSelected() const { return fSelected; }
  const std::vector<TMarker>& Points() const { return fPoints; }
  const TSpline* GetSpline() const { return fSpline; }
  const TGaxis& GetAxis() const { return fAxis; }

  void draw() override;
  int handle(int event) override;

  sigc::signal<void> hoverChanged;
  sigc::signal<void> pointPressed;
  sigc::signal<void> pointDragged;
  sigc::signal<void> pointReleased;
  sigc::signal<void> rangeDragged;

 protected:
  std::vector<TMarker> fPoints;
  std::size_t fSelected = kNone;
  int fLinkage = 1;
  TSpline* fSpline = nullptr;
  bool fFixedEnds = true;
  TGaxis fAxis;
  double fRangeX1 = 0, fRangeX2 = 1, fRangeY1 = 0, fRangeY2 = 1;
  double fPressXmin = 0, fPressXmax = 1;

 private:
  /// True while the selected interior point is dragged out of the area: not drawn, not in the curve.
  bool DraggedOut(std::size_t i) const;
  int HandleMove(int px, int py);
  void HandlePush(double x, double y);
  void HandleDrag(int px, double x, double y);

  /// The pointer was outside the enlarged drawing area at the last press or drag.
  bool fPointerOutside = false;
};
