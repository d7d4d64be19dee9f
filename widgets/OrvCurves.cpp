#include "widgets/OrvCurves.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "TH1.h"
#include "TSpline.h"
#include "mapping/ToneCurve.h"
#include "widgets/TSpline1.h"

namespace {
constexpr Size_t kPointSize = 0.8f;

TMarker MakePoint(double x, double y) {
  TMarker point(x, y, OrvCurves::kPointStyle);
  point.SetMarkerSize(kPointSize);
  return point;
}

// Maps the points from the rectangle (a1, b1)-(a2, b2) onto (c1, d1)-(c2, d2) in place.
// A rectangle without width or height sends that coordinate to the target's lower edge.
void MapPoints(std::vector<TMarker>& points, double a1, double b1, double a2, double b2, double c1, double d1,
               double c2, double d2) {
  const double sx = a2 != a1 ? (c2 - c1) / (a2 - a1) : 0;
  const double sy = b2 != b1 ? (d2 - d1) / (b2 - b1) : 0;
  for (TMarker& p : points) {
    p.SetX(c1 + sx * (p.GetX() - a1));
    p.SetY(d1 + sy * (p.GetY() - b1));
  }
}

struct PresetPoint {
  double x, y;
};

struct Preset {
  int n;
  PresetPoint points[3];
  int linkage;
};

// Points in the unit square. The owners' settings refer to these kinds by number.
Preset PresetFor(int kind) {
  switch (kind) {
    case 2:
      return {2, {{0, 0}, {1, 1}}, 1};
    case 3:
      return {3, {{0, 0}, {0.5, 1}, {1, 0}}, 0};
    case 4:
    case 7:
    case 10:
    case 13:
      return {2, {{0, 0}, {1, 1}}, 0};
    case 5:
    case 8:
    case 11:
    case 14:
      return {2, {{0, 1}, {1, 0}}, 0};
    case 6:
      return {3, {{0, 0}, {0.2, 1}, {1, 0}}, 0};
    case 9:
      return {3, {{0, 0}, {0.05, 1}, {1, 0}}, 0};
    case 12:
      return {3, {{0, 0}, {0.01, 1}, {1, 0}}, 0};
    default:
      return {2, {{0, 1}, {1, 1}}, 1};
  }
}
}  // namespace

OrvCurves::OrvCurves(int x, int y, int w, int h, const char* label) : Fl_TPad(x, y, w, h, label) {
  TPad::SetFillStyle(0);  // transparent: a histogram under the editor shows through
  box(FL_FLAT_BOX);
  GetVisibleRange(fRangeX1, fRangeY1, fRangeX2, fRangeY2);
  fPoints = {MakePoint(0, 1), MakePoint(1, 1)};
  fLinkage = 1;
  fSelected = kNone;
  TPad::Range(fRangeX1, fRangeY1, fRangeX2, fRangeY2);
  MapPoints(fPoints, 0, 0, 1, 1, fRangeX1, fRangeY1, fRangeX2, fRangeY2);
  UpdateSpline();
  fAxis.SetNdivisions(510);
  fAxis.SetOption("+C");
  fAxis.SetLabelSize(0.05f);
  fAxis.SetLabelOffset(0.035f);
}

OrvCurves::~OrvCurves() {
  delete fSpline;
  fSpline = nullptr;
}

void OrvCurves::GetVisibleRange(double& x1, double& y1, double& x2, double& y2) const {
  x1 = PadtoX(GetUxmin());
  y1 = PadtoY(GetUymin());
  x2 = PadtoX(GetUxmax());
  y2 = PadtoY(GetUymax());
}

void OrvCurves::GetCurveRange(double& x1, double& y1, double& x2, double& y2) const {
  x1 = fRangeX1;
  y1 = fRangeY1;
  x2 = fRangeX2;
  y2 = fRangeY2;
}

void OrvCurves::SetCurveRange(double x1, double y1, double x2, double y2) {
  MapPoints(fPoints, fRangeX1, fRangeY1, fRangeX2, fRangeY2, x1, y1, x2, y2);
  double vx1, vy1, vx2, vy2;
  GetVisibleRange(vx1, vy1, vx2, vy2);
  std::vector<TMarker> corners = {TMarker(vx1, vy1, 1), TMarker(vx2, vy2, 1)};
  MapPoints(corners, fRangeX1, fRangeY1, fRangeX2, fRangeY2, x1, y1, x2, y2);
  const double xa = corners[0].GetX(), ya = corners[0].GetY(), xb = corners[1].GetX(), yb = corners[1].GetY();
  TPad::Range(xa, ya, xb, yb);
  fAxis.SetX1(xb);
  fAxis.SetY1(ya);
  fAxis.SetX2(xb);
  fAxis.SetY2(yb);
  fAxis.SetWmin(ya);
  fAxis.SetWmax(yb);
  fRangeX1 = x1;
  fRangeY1 = y1;
  fRangeX2 = x2;
  fRangeY2 = y2;
  UpdateSpline();
}

void OrvCurves::SetCurveXRange(double x1, double x2) {
  double vx1, vy1, vx2, vy2;
  GetVisibleRange(vx1, vy1, vx2, vy2);
  SetCurveRange(x1, vy1, x2, vy2);
}

void OrvCurves::SetCurveYRange(double y1, double y2) {
  double vx1, vy1, vx2, vy2;
  GetVisibleRange(vx1, vy1, vx2, vy2);
  SetCurveRange(vx1, y1, vx2, y2);
}

void OrvCurves::StretchRange(double x1, double y1, double x2, double y2) {
  double vx1, vy1, vx2, vy2;
  GetVisibleRange(vx1, vy1, vx2, vy2);
  MapPoints(fPoints, vx1, vy1, vx2, vy2, x1, y1, x2, y2);
  TPad::Range(x1, y1, x2, y2);
  fPoints.front().SetX(x1);
  fPoints.back().SetX(x2);
  // Just inside the right edge rather than on it, so the axis line is not cut off.
  fAxis.SetX1(x2 + 0.0001);
  fAxis.SetX2(x2 + 0.0001);
  UpdateSpline();
}

void OrvCurves::SetPreset(int kind) {
  const Preset preset = PresetFor(kind);
  fPoints.clear();
  for (int i = 0; i < preset.n; ++i) fPoints.push_back(MakePoint(preset.points[i].x, preset.points[i].y));
  fLinkage = preset.linkage;
  fSelected = kNone;
  TPad::Range(fRangeX1, fRangeY1, fRangeX2, fRangeY2);
  MapPoints(fPoints, 0, 0, 1, 1, fRangeX1, fRangeY1, fRangeX2, fRangeY2);
  UpdateSpline();
}

void OrvCurves::SetPoints(const std::vector<TMarker>& points, bool normalised) {
  if (points.size() < 2) return;
  fPoints.clear();
  for (const TMarker& p : points) fPoints.push_back(MakePoint(p.GetX(), p.GetY()));
  fSelected = kNone;
  if (normalised) {
    double vx1, vy1, vx2, vy2;
    GetVisibleRange(vx1, vy1, vx2, vy2);
    MapPoints(fPoints, 0, 0, 1, 1, vx1, vy1, vx2, vy2);
  }
  UpdateSpline();
}

void OrvCurves::GetPoints(std::vector<TMarker>& points, bool normalise) const {
  points.clear();
  for (std::size_t i = 0; i < fPoints.size(); ++i)
    if (!DraggedOut(i)) points.push_back(MakePoint(fPoints[i].GetX(), fPoints[i].GetY()));
  if (normalise) {
    double vx1, vy1, vx2, vy2;
    GetVisibleRange(vx1, vy1, vx2, vy2);
    MapPoints(points, vx1, vy1, vx2, vy2, 0, 0, 1, 1);
  }
}

void OrvCurves::WritePoints(nlohmann::ordered_json& object, const char* key) const {
  std::vector<TMarker> points;
  GetPoints(points, true);
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const TMarker& p : points) {
    list.push_back(p.GetX());
    list.push_back(p.GetY());
  }
  object[key] = std::move(list);
}

void OrvCurves::ReadPoints(const nlohmann::ordered_json& object, const char* key) {
  if (!object.is_object()) return;
  const auto member = object.find(key);
  if (member == object.end() || !member->is_array()) return;
  std::vector<TMarker> points;
  for (std::size_t i = 0; i + 1 < member->size(); i += 2) {
    const auto& x = (*member)[i];
    const auto& y = (*member)[i + 1];
    // A hand-edited file may write 0 for 0.0; any other type makes the list unusable.
    if (!x.is_number() || !y.is_number()) return;
    points.push_back(MakePoint(x.get<double>(), y.get<double>()));
  }
  if (points.size() < 2) return;
  std::stable_sort(points.begin(), points.end(),
                   [](const TMarker& a, const TMarker& b) { return a.GetX() < b.GetX(); });
  SetPoints(points, true);
}

void OrvCurves::SetLinkage(int linkage) {
  fLinkage = linkage;
  UpdateSpline();
}

void OrvCurves::SetFixedEnds(bool fixed) {
  fFixedEnds = fixed;
  redraw();
}

void OrvCurves::FillHistogram(TH1* h) const {
  if (!h || !fSpline) return;
  orv::FillCurveTable(*h, [this](double x) { return fSpline->Eval(x); });
}

bool OrvCurves::DraggedOut(std::size_t i) const {
  return fPointerOutside && i == fSelected && i > 0 && i + 1 < fPoints.size();
}

void OrvCurves::UpdateSpline() {
  // Knots need strictly increasing x; a point pressed onto its neighbour's x gives way to it,
  // except the last point, which takes the place of the one before.
  std::vector<Double_t> kx, ky;
  kx.reserve(fPoints.size());
  ky.reserve(fPoints.size());
  for (std::size_t i = 0; i < fPoints.size(); ++i) {
    if (DraggedOut(i)) continue;
    const double x = fPoints[i].GetX(), y = fPoints[i].GetY();
    if (!kx.empty() && !(x > kx.back())) {
      if (i + 1 < fPoints.size()) continue;
      kx.pop_back();
      ky.pop_back();
      if (!kx.empty() && !(x > kx.back())) continue;
    }
    kx.push_back(x);
    ky.push_back(y);
  }

  cd();
  TPad::Clear("");  // no primitive list may still refer to the old spline
  delete fSpline;
  fSpline = nullptr;
  const Int_t n = Int_t(kx.size());
  if (fLinkage != 0 && n >= 2)
    fSpline = new TSpline3("Spline", kx.data(), ky.data(), n, "b2e2", 0, 0);
  else
    fSpline = new TSpline1("Spline", kx.data(), ky.data(), n);
  if (TVirtualPad* canvas = GetCanvas()) canvas->cd();

  double vx1, vy1, vx2, vy2;
  GetVisibleRange(vx1, vy1, vx2, vy2);
  fSpline->SetYRange(vy1, vy2);
  fSpline->SetNpx(w());
  redraw();
}

void OrvCurves::draw() {
  draw_label();
  draw_box();

  cd();
  TPad::Clear("");
  fAxis.Draw("");
  if (fSpline) fSpline->Draw("same");
  for (std::size_t i = 0; i < fPoints.size(); ++i)
    if (!DraggedOut(i)) fPoints[i].Draw("");
  Fl_TPad::draw();
  if (TVirtualPad* canvas = GetCanvas()) canvas->cd();

  if (!fFixedEnds && active_r()) {
    const int ax = x() + fInsetLeft, ay = y() + fInsetTop;
    const int right = x() + w() - fInsetRight;
    const TMarker &first = fPoints.front(), &last = fPoints.back();
    fl_color(56);
    fl_line(ax, ay + YtoPixel(first.GetY()), ax + XtoPixel(first.GetX()), ay + YtoPixel(first.GetY()));
    fl_line(ax + XtoPixel(last.GetX()), ay + YtoPixel(last.GetY()), right, ay + YtoPixel(last.GetY()));
  }
}

int OrvCurves::handle(int event) {
  Fl_TPad::handle(event);
  const int ax = x() + fInsetLeft, ay = y() + fInsetTop;
  const int aw = w() - fInsetLeft - fInsetRight, ah = h() - fInsetTop - fInsetBottom;
  const int px = Fl::event_x() - ax, py = Fl::event_y() - ay;
  double xmin, ymin, xmax, ymax;
  GetVisibleRange(xmin, ymin, xmax, ymax);
  const double X = std::clamp(PixeltoX(px), std::min(xmin, xmax), std::max(xmin, xmax));
  const double Y = std::clamp(PixeltoY(py - Int_t(GetWh())), std::min(ymin, ymax), std::max(ymin, ymax));
  const bool inside = Fl::event_inside(ax - kDragOutMargin, ay - kDragOutMargin, aw + 2 * kDragOutMargin + 1,
                                       ah + 2 * kDragOutMargin + 1);
  fl_cursor(inside ? FL_CURSOR_CROSS : FL_CURSOR_DEFAULT, FL_BLACK, FL_WHITE);

  switch (event) {
    case FL_MOVE:
      // Only a pressed point is dragged out; a hovered one near the edge stays in the curve.
      fPointerOutside = false;
      return HandleMove(px, py);
    case FL_PUSH:
      fPointerOutside = !inside;
      HandlePush(X, Y);
      return 1;
    case FL_DRAG:
      fPointerOutside = !inside;
      if (fSelected != kNone) HandleDrag(px, X, Y);
      return 1;
    case FL_RELEASE:
      fPointerOutside = !inside;
      if (fPointerOutside && fSelected != kNone && fSelected > 0 && fSelected + 1 < fPoints.size()) {
        fPoints.erase(fPoints.begin() + std::ptrdiff_t(fSelected));
        fSelected = kNone;
      }
      fPointerOutside = false;
      UpdateSpline();
      pointReleased.emit();
      return 1;
    case FL_LEAVE:
      if (fSelected != kNone) {
        fPoints[fSelected].SetMarkerStyle(kPointStyle);
        fSelected = kNone;
        redraw();
      }
      return 1;
    case FL_ENTER:
      return 1;
    default:
      return 0;
  }
}

int OrvCurves::HandleMove(int px, int py) {
  std::size_t changed = kNone;
  for (std::size_t i = 0; i < fPoints.size(); ++i) {
    TMarker& p = fPoints[i];
    const bool near =
        std::abs(XtoPixel(p.GetX()) - px) <= kHoverDistance && std::abs(YtoPixel(p.GetY()) - py) <= kHoverDistance;
    if (!near && p.GetMarkerStyle() == kHoveredStyle) {
      p.SetMarkerStyle(kPointStyle);
      changed = i;
    } else if (near && p.GetMarkerStyle() == kPointStyle && fSelected == kNone && changed == kNone) {
      p.SetMarkerStyle(kHoveredStyle);
      changed = i;
    }
  }
  if (changed == kNone) return 1;
  fSelected = changed == fSelected ? kNone : changed;
  redraw();
  hoverChanged.emit();
  return 1;
}

void OrvCurves::HandlePush(double x, double y) {
  if (fSelected == kNone) {
    if (!(x > fPoints.front().GetX())) return;
    for (std::size_t i = 1; i < fPoints.size(); ++i) {
      if (x > fPoints[i].GetX()) continue;
      if (x == fPoints[i].GetX())
        fPoints[i].SetY(y);
      else
        fPoints.insert(fPoints.begin() + std::ptrdiff_t(i), MakePoint(x, y));
      fSelected = i;
      fPoints[i].SetMarkerStyle(kHoveredStyle);
      break;
    }
  } else {
    TMarker& p = fPoints[fSelected];
    const bool first = fSelected == 0, last = fSelected + 1 == fPoints.size();
    if (first || last) {
      double ymin, ymax;
      GetVisibleRange(fPressXmin, ymin, fPressXmax, ymax);
    }
    if (!((first || last) && fFixedEnds)) {
      // The jump ignores how close the neighbours are, but never passes them: the points stay in order.
      double lo = first ? x : fPoints[fSelected - 1].GetX();
      double hi = last ? x : fPoints[fSelected + 1].GetX();
      p.SetX(std::clamp(x, std::min(lo, hi), std::max(lo, hi)));
    }
    p.SetY(y);
  }
  UpdateSpline();
  pointPressed.emit();
}

void OrvCurves::HandleDrag(int px, double x, double y) {
  TMarker& p = fPoints[fSelected];
  const bool first = fSelected == 0, last = fSelected + 1 == fPoints.size();
  p.SetY(y);
  double xmin, ymin, xmax, ymax;
  GetVisibleRange(xmin, ymin, xmax, ymax);
  const double aw = w() - fInsetLeft - fInsetRight;
  if (first && fFixedEnds) {
    const double s = fPressXmin + px / aw * (fPressXmax - fPressXmin);
    if (fPressXmax > s) {
      StretchRange(s, ymin, fPressXmax, ymax);
      rangeDragged.emit();
    } else {
      UpdateSpline();
    }
    return;
  }
  if (last && fFixedEnds) {
    const double s = fPressXmax + (px / aw - 1) * (fPressXmax - fPressXmin);
    if (s > fPressXmin) {
      StretchRange(fPressXmin, ymin, s, ymax);
      rangeDragged.emit();
    } else {
      UpdateSpline();
    }
    return;
  }
  const double left = first ? xmin - 1 : fPoints[fSelected - 1].GetX();
  const double right = last ? xmax + 1 : fPoints[fSelected + 1].GetX();
  if (left < x && x < right) p.SetX(x);
  UpdateSpline();
  pointDragged.emit();
}
