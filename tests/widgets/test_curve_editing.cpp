// The curve editor and its option groups driven by real toolkit events in a shown window, and
// the editor painted over a histogram display.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "TH1.h"
#include "TSpline.h"
#include "rootfltk/offscreen.h"
#include "widgets/OrvCurvePointLinkage.h"
#include "widgets/OrvCurves.h"
#include "widgets/OrvHistogramAxisScaling.h"
#include "widgets/Orv_Histogram_Display.h"

namespace {

void Send(Fl_Window& window, int event, int x, int y) {
  Fl::e_x = x;
  Fl::e_y = y;
  Fl::e_x_root = window.x() + x;
  Fl::e_y_root = window.y() + y;
  Fl::e_state = (event == FL_PUSH || event == FL_DRAG) ? FL_BUTTON1 : 0;
  Fl::e_keysym = event == FL_PUSH || event == FL_RELEASE ? FL_Button + 1 : 0;
  Fl::e_is_click = 0;
  Fl::handle(event, &window);
}

struct Counts {
  int hover = 0, pressed = 0, dragged = 0, released = 0, range = 0;
};

// An editor in the post-processing layout: 275 x 200 with insets 10, 20, 20, 20, so its drawing
// area is 235 x 170 starting 20 pixels right and 10 below its corner; x 0 .. 1, y 0 .. 1.
class CurveEditing : public ::testing::Test {
 protected:
  static constexpr int kX = 10, kY = 10, kAreaX = kX + 20, kAreaY = kY + 10, kAreaW = 235, kAreaH = 170;

  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
    window = std::make_unique<Fl_Double_Window>(300, 230, "curves");
    curves = new OrvCurves(kX, kY, 275, 200);
    curves->SetInsets(10, 20, 20, 20);
    window->end();
    curves->SetCurveRange(0, 0, 1, 1);
    curves->SetLinkage(0);
    Use({{0, 0}, {0.5, 0.5}, {1, 1}});
    curves->hoverChanged.connect([this] { ++counts.hover; });
    curves->pointPressed.connect([this] { ++counts.pressed; });
    curves->pointDragged.connect([this] { ++counts.dragged; });
    curves->pointReleased.connect([this] { ++counts.released; });
    curves->rangeDragged.connect([this] { ++counts.range; });
    window->show();
    Fl::flush();
    // Enter the editor once, as the pointer does before it can hover anything.
    Send(*window, FL_MOVE, kAreaX + 1, kAreaY + kAreaH - 60);
    Send(*window, FL_MOVE, kAreaX + 1, kAreaY + kAreaH - 60);
    counts = {};
  }
  void TearDown() override {
    if (window) window->hide();
    Fl::wait(0.01);
  }

  void Use(const std::vector<std::pair<double, double>>& points) {
    std::vector<TMarker> markers;
    for (auto [x, y] : points) markers.emplace_back(x, y, OrvCurves::kPointStyle);
    curves->SetPoints(markers, false);
  }
  // Window position of curve coordinates.
  int WinX(double x) const { return kAreaX + int(x * kAreaW + 0.5); }
  int WinY(double y) const { return kAreaY + int((1 - y) * kAreaH + 0.5); }
  double X(size_t i) const { return curves->Points()[i].GetX(); }
  double Y(size_t i) const { return curves->Points()[i].GetY(); }
  Style_t StyleOf(size_t i) const { return curves->Points()[i].GetMarkerStyle(); }
  // Hovers point i from the given pixel offset.
  void Hover(size_t i, int dx = 0, int dy = 0) { Send(*window, FL_MOVE, WinX(X(i)) + dx, WinY(Y(i)) + dy); }

  std::unique_ptr<Fl_Double_Window> window;
  OrvCurves* curves = nullptr;
  Counts counts;
};

TEST_F(CurveEditing, HoveringWithinNinePixelsFillsTheMarker) {
  const struct {
    int dx, dy;
    bool hovered;
  } cases[] = {{0, 0, true}, {9, -9, true}, {-9, 5, true}, {10, 0, false}, {0, -10, false}, {12, 12, false}};
  for (const auto& c : cases) {
    Send(*window, FL_MOVE, kAreaX + 60, kAreaY + 20);  // far from every point
    ASSERT_EQ(curves->GetSelected(), OrvCurves::kNone);
    Hover(1, c.dx, c.dy);
    EXPECT_EQ(StyleOf(1), c.hovered ? OrvCurves::kHoveredStyle : OrvCurves::kPointStyle) << c.dx << ", " << c.dy;
    EXPECT_EQ(curves->GetSelected(), c.hovered ? 1u : OrvCurves::kNone) << c.dx << ", " << c.dy;
  }
  Hover(1);
  const int before = counts.hover;
  Hover(1, 10, 0);  // moving away empties it again
  EXPECT_EQ(StyleOf(1), OrvCurves::kPointStyle);
  EXPECT_EQ(curves->GetSelected(), OrvCurves::kNone);
  EXPECT_EQ(counts.hover, before + 1);
  Hover(1, 11, 0);
  EXPECT_EQ(counts.hover, before + 1) << "no change, no signal";
}

TEST_F(CurveEditing, HoveringFromOutsideTheAreaKeepsThePointInTheCurve) {
  Use({{0, 0}, {0.5, 0}, {1, 1}});
  Hover(1, 0, 6);  // below the drawing area and its 3-pixel margin, still within 9 pixels
  ASSERT_EQ(curves->GetSelected(), 1u);
  std::vector<TMarker> listed;
  curves->GetPoints(listed, false);
  EXPECT_EQ(listed.size(), 3u);
}

TEST_F(CurveEditing, PressLeftOfTheFirstPointDoesNothing) {
  curves->SetFixedEnds(false);
  Use({{0.2, 0.2}, {0.5, 0.5}, {1, 1}});
  Send(*window, FL_MOVE, WinX(0.1), WinY(0.8));
  Send(*window, FL_PUSH, WinX(0.1), WinY(0.8));
  EXPECT_EQ(curves->Points().size(), 3u);
  EXPECT_EQ(X(0), 0.2);
  EXPECT_EQ(Y(0), 0.2);
  EXPECT_EQ(counts.pressed, 0);
  EXPECT_EQ(curves->GetSelected(), OrvCurves::kNone);
}

TEST_F(CurveEditing, PressBetweenPointsInsertsOneThere) {
  Send(*window, FL_MOVE, WinX(0.75), WinY(0.25));
  Send(*window, FL_PUSH, WinX(0.75), WinY(0.25));
  ASSERT_EQ(curves->Points().size(), 4u);
  EXPECT_NEAR(X(2), 0.75, 1.0 / kAreaW);
  EXPECT_NEAR(Y(2), 0.25, 1.0 / kAreaH);
  EXPECT_EQ(curves->GetSelected(), 2u);
  EXPECT_EQ(StyleOf(2), OrvCurves::kHoveredStyle);
  EXPECT_EQ(counts.pressed, 1);
  EXPECT_NEAR(curves->GetSpline()->Eval(X(2)), Y(2), 1e-12) << "the curve goes through it";
  Send(*window, FL_RELEASE, WinX(0.75), WinY(0.25));
  EXPECT_EQ(counts.released, 1);
  EXPECT_EQ(curves->Points().size(), 4u) << "released inside: kept";
}

TEST_F(CurveEditing, PressOnAHoveredPointMovesItToThePointer) {
  Hover(1, 5, 5);
  ASSERT_EQ(curves->GetSelected(), 1u);
  Send(*window, FL_PUSH, WinX(0.5) + 5, WinY(0.5) + 5);
  EXPECT_EQ(curves->Points().size(), 3u) << "moved, not inserted";
  EXPECT_NEAR(X(1), double(WinX(0.5) + 5 - kAreaX) / kAreaW, 1e-12);
  EXPECT_NEAR(Y(1), 1 - double(WinY(0.5) + 5 - kAreaY) / kAreaH, 1e-12);
  EXPECT_EQ(counts.pressed, 1);
}

TEST_F(CurveEditing, DraggingStaysBetweenTheNeighbours) {
  Hover(1);
  Send(*window, FL_PUSH, WinX(0.5), WinY(0.5));
  Send(*window, FL_DRAG, WinX(0.6), WinY(0.3));
  EXPECT_NEAR(X(1), 0.6, 1.0 / kAreaW);
  EXPECT_NEAR(Y(1), 0.3, 1.0 / kAreaH);
  Send(*window, FL_DRAG, WinX(1), WinY(0.4));  // onto the last point: x refused, y taken
  EXPECT_NEAR(X(1), 0.6, 1.0 / kAreaW);
  EXPECT_NEAR(Y(1), 0.4, 1.0 / kAreaH);
  EXPECT_EQ(counts.dragged, 2);
  EXPECT_EQ(counts.range, 0);
}

TEST_F(CurveEditing, InteriorPointDraggedOutAndReleasedIsDeleted) {
  Hover(1);
  Send(*window, FL_PUSH, WinX(0.5), WinY(0.5));
  Send(*window, FL_DRAG, WinX(0.5), kAreaY + kAreaH + 3);  // still inside the 3-pixel margin
  std::vector<TMarker> listed;
  curves->GetPoints(listed, false);
  EXPECT_EQ(listed.size(), 3u);
  Send(*window, FL_DRAG, WinX(0.5), kAreaY + kAreaH + 25);  // out of the widget
  curves->GetPoints(listed, false);
  EXPECT_EQ(listed.size(), 2u) << "while outside it is not part of the curve";
  EXPECT_NEAR(curves->GetSpline()->Eval(0.5), 0.5, 1e-12) << "the curve runs past it";
  Send(*window, FL_RELEASE, WinX(0.5), kAreaY + kAreaH + 25);
  ASSERT_EQ(curves->Points().size(), 2u);
  EXPECT_EQ(curves->GetSelected(), OrvCurves::kNone);
  EXPECT_EQ(counts.released, 1);
}

TEST_F(CurveEditing, DraggingAPointBackInKeepsIt) {
  Hover(1);
  Send(*window, FL_PUSH, WinX(0.5), WinY(0.5));
  Send(*window, FL_DRAG, WinX(0.5), kAreaY - 30);
  Send(*window, FL_DRAG, WinX(0.5), WinY(0.7));
  Send(*window, FL_RELEASE, WinX(0.5), WinY(0.7));
  EXPECT_EQ(curves->Points().size(), 3u);
}

TEST_F(CurveEditing, EndPointsAreNeverDeleted) {
  for (bool fixed : {true, false}) {
    curves->SetFixedEnds(fixed);
    for (size_t end : {size_t(0), size_t(2)}) {
      Use({{0, 0}, {0.5, 0.5}, {1, 1}});
      curves->SetCurveRange(0, 0, 1, 1);
      Send(*window, FL_MOVE, kAreaX + 60, kAreaY + 20);
      Hover(end);
      ASSERT_EQ(curves->GetSelected(), end);
      Send(*window, FL_PUSH, WinX(X(end)), WinY(Y(end)));
      Send(*window, FL_DRAG, WinX(X(end)), kAreaY + kAreaH + 40);
      Send(*window, FL_RELEASE, WinX(X(end)), kAreaY + kAreaH + 40);
      EXPECT_EQ(curves->Points().size(), 3u) << "end " << end << (fixed ? " fixed" : " free");
      std::vector<TMarker> listed;
      curves->GetPoints(listed, false);
      EXPECT_EQ(listed.size(), 3u);
    }
  }
}

TEST_F(CurveEditing, DraggingTheLastPointToTheMiddleHalvesTheVisibleRange) {
  Hover(2);
  Send(*window, FL_PUSH, WinX(1), WinY(1));
  EXPECT_EQ(X(2), 1) << "a fixed end keeps its x on the press";
  Send(*window, FL_DRAG, kAreaX + kAreaW / 2, WinY(1));
  double x1, y1, x2, y2;
  curves->GetVisibleRange(x1, y1, x2, y2);
  const double s = 1 + (double(kAreaW / 2) / kAreaW - 1) * (1 - 0);
  EXPECT_EQ(x1, 0);
  EXPECT_DOUBLE_EQ(x2, s);
  EXPECT_NEAR(x2, 0.5, 0.01);
  EXPECT_DOUBLE_EQ(X(2), s) << "the end point stays at the edge";
  EXPECT_NEAR(X(1), 0.5 * s, 1e-12) << "the rest follows";
  EXPECT_EQ(counts.range, 1);
  EXPECT_EQ(counts.dragged, 0);
  curves->GetCurveRange(x1, y1, x2, y2);
  EXPECT_EQ(x2, 1) << "the stored range stays";

  Send(*window, FL_DRAG, kAreaX + kAreaW + 100, WinY(1));  // past the right edge: the range widens
  curves->GetVisibleRange(x1, y1, x2, y2);
  EXPECT_GT(x2, 1.4);
  Send(*window, FL_DRAG, kAreaX - 300, WinY(1));  // it can never close up
  curves->GetVisibleRange(x1, y1, x2, y2);
  EXPECT_GT(x2, 1.4) << "unchanged";
  EXPECT_EQ(counts.range, 2);
}

TEST_F(CurveEditing, DraggingTheFirstPointStretchesFromTheLeft) {
  Hover(0);
  Send(*window, FL_PUSH, WinX(0), WinY(0));
  Send(*window, FL_DRAG, kAreaX + kAreaW / 4, WinY(0.1));
  double x1, y1, x2, y2;
  curves->GetVisibleRange(x1, y1, x2, y2);
  EXPECT_DOUBLE_EQ(x1, double(kAreaW / 4) / kAreaW);
  EXPECT_EQ(x2, 1);
  EXPECT_EQ(X(0), x1);
  EXPECT_NEAR(Y(0), 0.1, 1.0 / kAreaH);
  EXPECT_EQ(counts.range, 1);
}

TEST_F(CurveEditing, FreeEndsMoveInXAndLeavingClearsTheHover) {
  curves->SetFixedEnds(false);
  Hover(2);
  Send(*window, FL_PUSH, WinX(1), WinY(1));
  Send(*window, FL_DRAG, WinX(0.8), WinY(0.9));
  EXPECT_NEAR(X(2), 0.8, 1.0 / kAreaW);
  double x1, y1, x2, y2;
  curves->GetVisibleRange(x1, y1, x2, y2);
  EXPECT_EQ(x2, 1) << "no stretching";
  EXPECT_EQ(counts.range, 0);
  Send(*window, FL_RELEASE, WinX(0.8), WinY(0.9));
  ASSERT_EQ(curves->GetSelected(), 2u);
  curves->handle(FL_LEAVE);
  EXPECT_EQ(curves->GetSelected(), OrvCurves::kNone);
  EXPECT_EQ(StyleOf(2), OrvCurves::kPointStyle);
}

// Pressing the other radio button switches the group and notifies once.
TEST(RadioGroups, PressingTheOtherButtonSwitchesAndNotifies) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  Fl_Double_Window window(400, 60);
  OrvCurvePointLinkage linkage(10, 10, 380, 10);
  OrvHistogramAxisScaling scaling(10, 35, 380, 10);
  window.end();
  window.show();
  // Measured at construction when the display was already open, else at the first drawing.
  for (int i = 0; i < 100 && linkage.fCaption->w() <= 10; ++i) Fl::wait(0.05);
  EXPECT_GT(linkage.fCaption->w(), 60);
  EXPECT_GT(linkage.fFirst->x(), linkage.fCaption->x() + linkage.fCaption->w()) << "laid out in a row";
  int linkageSignals = 0, scalingSignals = 0;
  linkage.linkageChanged.connect([&] { ++linkageSignals; });
  scaling.scalingChanged.connect([&] { ++scalingSignals; });
  auto click = [&](Fl_Widget* button) {
    const int x = button->x() + 5, y = button->y() + button->h() / 2;
    Send(window, FL_PUSH, x, y);
    Send(window, FL_RELEASE, x, y);
  };
  click(linkage.fSecond);
  EXPECT_EQ(linkage.GetLinkage(), 0);
  EXPECT_EQ(linkageSignals, 1);
  click(scaling.fSecond);
  EXPECT_EQ(scaling.GetScaling(), 1);
  EXPECT_EQ(scalingSignals, 1);
  click(linkage.fFirst);
  EXPECT_EQ(linkage.GetLinkage(), 1);
  EXPECT_EQ(linkageSignals, 2);
  window.hide();
  Fl::wait(0.01);
}

// The editor over a display in the post-processing layout, painted offscreen.
TEST(CurveOverHistogram, CurveMarkersAxisAndHistogramAreAllPainted) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
  Orv_Histogram_Display display(0, 0, 275, 200);
  display.SetInsets(10, 20, 20, 20);
  display.box(FL_NO_BOX);
  OrvCurves curves(0, 0, 275, 200);
  curves.SetInsets(10, 20, 20, 20);
  curves.box(FL_NO_BOX);
  curves.SetCurveYRange(-8, 2);
  curves.SetPreset(3);

  TH1D source("source", "", 400, 0, 1);
  source.SetDirectory(nullptr);
  for (int i = 1; i <= 400; ++i) source.SetBinContent(i, i <= 200 ? i : 400 - i);  // a tent
  display.SetHistogram(&source);

  const Image image = PaintOffscreen(275, 200, [&] {
    display.draw();
    curves.draw();
  });
  const Rgb grey{230, 230, 230};
  EXPECT_EQ(image.At(20 + 235 / 2, 10 + 170 - 5), grey) << "histogram filled under its peak";
  const InkBox ink = image.Box();
  EXPECT_GT(ink.x1, 275 - 20 + 3) << "axis labels in the right inset";
  EXPECT_GT(ink.y1, 200 - 20 + 3) << "x labels in the bottom inset";
  EXPECT_LT(ink.x0, 20 - 3) << "y labels in the left inset";
  // The tent's apex marker: an open square around (0.5, 2) at the top edge.
  const int apexX = 20 + 235 / 2;
  int dark = 0;
  for (int y = 10 - 4; y <= 10 + 4; ++y)
    for (int x = apexX - 4; x <= apexX + 4; ++x) dark += image.At(x, y).r < 100;
  EXPECT_GT(dark, 8) << "marker at the apex";

  // A hovered point is filled: more ink in its square than an open one.
  curves.SetPreset(3);
  auto inkAround = [&](const Image& im, int cx, int cy) {
    int n = 0;
    for (int y = cy - 2; y <= cy + 2; ++y)
      for (int x = cx - 2; x <= cx + 2; ++x) n += im.At(x, y).r < 100;
    return n;
  };
  const int midY = 10 + 170 / 2;
  curves.SetPoints({TMarker(0, -8, 25), TMarker(0.5, -3, 25), TMarker(1, -8, 25)}, false);
  const Image open = PaintOffscreen(275, 200, [&] { curves.draw(); });
  const_cast<TMarker&>(curves.Points()[1]).SetMarkerStyle(OrvCurves::kHoveredStyle);
  const Image filled = PaintOffscreen(275, 200, [&] { curves.draw(); });
  EXPECT_GT(inkAround(filled, apexX, midY), inkAround(open, apexX, midY) + 3);
}
}  // namespace
