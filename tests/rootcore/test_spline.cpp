// Cubic splines, the spline base and the binary search they rely on.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "TMath.h"
#include "TSpline.h"

namespace {
struct EvalCase {
   double x;
   double y;
};

// Natural spline through (0, 0), (1, 1), (2, 0), worked by hand with second derivatives M_i:
//   h = 1, chord slopes 1 and -1; M_0 = M_2 = 0 and h M_0 + 4 M_1 + h M_2 = 6 (-1 - 1), so M_1 = -3.
//   On [0, 1]: S(x) = 1.5 x - 0.5 x^3 (S(0.5) = 0.6875, S'(1) = 0); by symmetry S(x) = S(2 - x).
//   Below 0 the first piece continues: S(-1) = -1.5 + 0.5 = -1; above 2 the last: S(3) = S(-1) = -1,
//   S(2.5) = S(-0.5) = -0.75 + 0.0625 = -0.6875.
TEST(TSpline3, NaturalThreeKnotsByHand)
{
   double x[] = {0, 1, 2};
   double y[] = {0, 1, 0};
   TSpline3 s("Spline", x, y, 3, "b2e2", 0, 0);
   const EvalCase cases[] = {{0, 0},       {0.5, 0.6875}, {1, 1},  {1.5, 0.6875},  {2, 0},
                             {-1, -1},     {3, -1},       {2.5, -0.6875}, {0.25, 0.375 - 0.0078125}};
   for (const EvalCase &c : cases) EXPECT_NEAR(s.Eval(c.x), c.y, 1e-12) << "x = " << c.x;
}

// Natural spline through (0, 0), (1, 2), (3, 2), worked by hand:
//   h_0 = 1, h_1 = 2, chord slopes 2 and 0; 2 (1 + 2) M_1 = 6 (0 - 2), so M_1 = -2.
//   On [0, 1]: S(x) = 7/3 x - x^3 / 3, S(0.5) = 7/6 - 1/24 = 1.125, S(-1) = -7/3 + 1/3 = -2.
//   On [1, 3] with t = x - 1: S = -(2 - t)^3 / 6 + 5/3 (2 - t) + t, S(2) = -1/6 + 5/3 + 1 = 2.5.
//   At 3: S' = -2/3, S'' = 0, S''' = 1, so S(3 + u) = 2 - 2u/3 + u^3/6 and S(4) = 1.5.
TEST(TSpline3, NaturalUnevenKnotsByHand)
{
   double x[] = {0, 1, 3};
   double y[] = {0, 2, 2};
   TSpline3 s("Spline", x, y, 3, "b2e2", 0, 0);
   const EvalCase cases[] = {{0.5, 1.125}, {2, 2.5}, {-1, -2}, {4, 1.5}, {1, 2}, {3, 2}};
   for (const EvalCase &c : cases) EXPECT_NEAR(s.Eval(c.x), c.y, 1e-12) << "x = " << c.x;

   double xk, yk, b, c, d;
   s.GetCoeff(2, xk, yk, b, c, d);
   EXPECT_NEAR(b, -2.0 / 3, 1e-12) << "slope at the last knot";
   EXPECT_NEAR(c, 0, 1e-12) << "natural end";
}

TEST(TSpline3, TwoKnotsMakeAStraightLineEverywhere)
{
   double x[] = {0, 1};
   double y[] = {1, 3};
   TSpline3 s("Spline", x, y, 2, "b2e2", 0, 0);
   for (double v : {-2.0, 0.0, 0.3, 1.0, 5.0}) EXPECT_NEAR(s.Eval(v), 1 + 2 * v, 1e-12) << "x = " << v;
}

TEST(TSpline3, KnotsOnALineReproduceTheLine)
{
   double x[] = {-3, -2.5, 0, 0.1, 4, 9};
   double y[6];
   for (int i = 0; i < 6; ++i) y[i] = 3 * x[i] - 1;
   TSpline3 s("Spline", x, y, 6, "b2e2", 0, 0);
   for (double v = -6; v <= 12; v += 0.37) EXPECT_NEAR(s.Eval(v), 3 * v - 1, 1e-9) << "x = " << v;
}

// A cubic polynomial satisfies every condition of a spline with its own end derivatives, so the
// spline is that cubic, inside the knots and beyond them.
TEST(TSpline3, EndConditionsReproduceACubic)
{
   auto f = [](double v) { return v * v * v - 2 * v; };
   double x[] = {0, 0.5, 1.5, 2, 3};
   double y[5];
   for (int i = 0; i < 5; ++i) y[i] = f(x[i]);
   struct Conditions {
      const char *opt;
      double valbeg, valend;
   } conditions[] = {{"b1e1", -2, 25}, {"b2e2", 0, 18}, {"B1E2", -2, 18}, {"b2e1", 0, 25}};
   for (const Conditions &c : conditions) {
      TSpline3 s("Spline", x, y, 5, c.opt, c.valbeg, c.valend);
      for (double v = -1; v <= 4; v += 0.25) EXPECT_NEAR(s.Eval(v), f(v), 1e-9) << c.opt << " x = " << v;
   }
}

TEST(TSpline3, PiecesJoinSmoothlyWithNaturalEnds)
{
   std::vector<double> x = {-4, -1, 0.5, 2, 2.2, 7};
   std::vector<double> y = {3, -2, 0.5, 4, 4.1, -1};
   TSpline3 s("Spline", x.data(), y.data(), int(x.size()), "b2e2", 0, 0);
   const int n = s.GetNp();
   ASSERT_EQ(n, 6);
   std::vector<double> kx(n), ky(n), b(n), c(n), d(n);
   for (int i = 0; i < n; ++i) s.GetCoeff(i, kx[i], ky[i], b[i], c[i], d[i]);
   EXPECT_NEAR(c[0], 0, 1e-12);
   EXPECT_NEAR(c[n - 1], 0, 1e-12);
   for (int i = 1; i < n; ++i) {
      const double h = kx[i] - kx[i - 1];
      EXPECT_NEAR(ky[i - 1] + h * (b[i - 1] + h * (c[i - 1] + h * d[i - 1])), ky[i], 1e-9) << "value at " << i;
      EXPECT_NEAR(b[i - 1] + h * (2 * c[i - 1] + 3 * h * d[i - 1]), b[i], 1e-9) << "slope at " << i;
      EXPECT_NEAR(c[i - 1] + 3 * h * d[i - 1], c[i], 1e-9) << "curvature at " << i;
   }
}

TEST(TSpline3, DescribesItsKnots)
{
   double x[] = {-8, -3, 2};
   double y[] = {1, 0, 5};
   TSpline3 s("my curve", x, y, 3, "b2e2", 0, 0);
   EXPECT_STREQ(s.GetTitle(), "my curve");
   EXPECT_EQ(s.GetNp(), 3);
   EXPECT_EQ(s.GetXmin(), -8);
   EXPECT_EQ(s.GetXmax(), 2);
   EXPECT_EQ(s.GetDelta(), -1);
   for (int i = 0; i < 3; ++i) {
      double kx = 0, ky = 0;
      s.GetKnot(i, kx, ky);
      EXPECT_EQ(kx, x[i]);
      EXPECT_EQ(ky, y[i]);
      EXPECT_EQ(s.Eval(x[i]), y[i]);
   }
   EXPECT_EQ(s.FindX(-100), 0);
   EXPECT_EQ(s.FindX(-3), 1);
   EXPECT_EQ(s.FindX(1.9), 1);
   EXPECT_EQ(s.FindX(100), 2);
   EXPECT_TRUE(std::isnan(s.Eval(std::nan(""))));
}

// Straight segments through the knots, continued at both ends: what a derived spline builds on
// the base's protected state and virtual interface.
class TestLineSpline : public TSpline {
public:
   TestLineSpline(const char *title, double x[], double y[], int n)
      : TSpline(title, -1, x[0], x[n - 1], n, false), fKnotX(x, x + n), fKnotY(y, y + n)
   {
   }
   void BuildCoeff() override {}
   void GetKnot(Int_t, Double_t &, Double_t &) const override {}
   Double_t Eval(Double_t x) const override
   {
      int k = int(TMath::BinarySearch(fNp, fKnotX.data(), x));
      if (k < 0) k = 0;
      if (k >= fNp) k = fNp - 1;
      const int j = (x > fKnotX[k] && k < fNp - 1) ? k + 1 : (k == 0 ? 1 : k - 1);
      return fKnotY[k] + (fKnotY[k] - fKnotY[j]) * (x - fKnotX[k]) / (fKnotX[k] - fKnotX[j]);
   }

private:
   std::vector<double> fKnotX, fKnotY;
};

TEST(TSpline, BaseServesADerivedSpline)
{
   double x[] = {0, 1};
   double y[] = {0, 2};
   TestLineSpline line("Spline", x, y, 2);
   TSpline *s = &line;
   EXPECT_STREQ(s->GetName(), "Spline");
   EXPECT_DOUBLE_EQ(s->Eval(0.5), 1);
   EXPECT_DOUBLE_EQ(s->Eval(2), 4);
   EXPECT_DOUBLE_EQ(s->Eval(-1), -2);

   EXPECT_EQ(s->GetNpx(), 100);
   s->SetNpx(275);
   EXPECT_EQ(s->GetNpx(), 275);
   EXPECT_EQ(s->GetYmin(), s->GetYmax()) << "no display limits until set";
   s->SetYRange(-8, 2);
   EXPECT_EQ(s->GetYmin(), -8);
   EXPECT_EQ(s->GetYmax(), 2);
}

struct SearchCase {
   double value;
   long long index;
};

TEST(TMath, BinarySearchBelowOnAndAboveKnots)
{
   const double knots[] = {1, 2, 4, 8};
   const SearchCase cases[] = {{0.5, -1}, {1, 0}, {1.5, 0}, {2, 1}, {3.99, 1}, {4, 2}, {7.9, 2}, {8, 3}, {100, 3}};
   for (const SearchCase &c : cases) EXPECT_EQ(TMath::BinarySearch(4, knots, c.value), c.index) << c.value;
}

TEST(TMath, BinarySearchEdgeArrays)
{
   const double repeated[] = {1, 2, 2, 3};
   EXPECT_EQ(TMath::BinarySearch(4, repeated, 2.0), 1) << "an exact match gives the first equal element";
   EXPECT_EQ(TMath::BinarySearch(4, repeated, 2.5), 2);
   const double single[] = {5};
   EXPECT_EQ(TMath::BinarySearch(1, single, 4.0), -1);
   EXPECT_EQ(TMath::BinarySearch(1, single, 6.0), 0);
   EXPECT_EQ(TMath::BinarySearch(0, single, 6.0), -1);
   const int ints[] = {10, 20, 30};
   EXPECT_EQ(TMath::BinarySearch(3, ints, 25), 1);
}
} // namespace
