// Smoothed strokes measured in light: the width a stroke shows on an sRGB display (the sum over a
// profile across it of how much light each pixel lacks, as a share of a fully covered pixel)
// against the width it was drawn at.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <functional>
#include <random>
#include <string>

#include "platform/qtgui/Canvas.h"
#include "platform/TransferCurve.h"
#include "render/ChartColours.h"
#include "render/ChartPixels.h"
#include "render/Optotype.h"
#include "support/Pixels.h"

namespace lenvari {
namespace {

// Ink on a background, read in the channel that carries the difference.
struct Pair {
  const char* name;
  Colour ink, background;
  int channel;  // 0 red, 1 green, 2 blue
};

const Pair kPairs[] = {{"black on white", kBlack, kWhite, 0},
                       {"contrast 10 %", ForegroundColorOf(90), kWhite, 1},
                       {"contrast 50 %", ForegroundColorOf(50), kWhite, 2},
                       {"black on the red half", kBlack, kPureRed, 0},
                       {"black on the green half", kBlack, kPureGreen, 1}};

QColor Q(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
int PixelChannel(QRgb rgb, int channel) {
  return channel == 0 ? qRed(rgb) : channel == 1 ? qGreen(rgb) : qBlue(rgb);
}
int Channel(Colour c, int channel) { return PixelChannel(Q(c).rgb(), channel); }

// The stroke's width in light along one row of the image.
double WidthInLight(const QImage& image, int row, const Pair& pair) {
  const double background = DisplayLight(Channel(pair.background, pair.channel), 0);
  const double full = 1 - DisplayLight(Channel(pair.ink, pair.channel), 0) / background;
  double sum = 0;
  for (int x = 0; x < image.width(); ++x)
    sum +=
        (1 - DisplayLight(PixelChannel(image.pixel(x, row), pair.channel), 0) / background) / full;
  return sum;
}

const double kWidths[] = {1.5, 1.8, 2.11, 2.5, 3.3, 4.6, 6.3, 9.7, 14.2, 20};

// The largest difference, as a share of the width, over every width and ten sub-pixel offsets
// of a stroke drawn by `draw` (at left edge x, of width w) and read along `row`.
double WorstError(const Pair& pair, int row,
                  const std::function<QImage(double x, double w)>& draw, std::string* where) {
  double worst = 0;
  for (double w : kWidths) {
    for (int k = 0; k < 10; ++k) {
      const double x = 10 + k / 10.0;
      const double error = std::abs(WidthInLight(draw(x, w), row, pair) - w) / w;
      if (error > worst) {
        worst = error;
        *where = std::to_string(w) + " px at +" + std::to_string(k / 10.0);
      }
    }
  }
  return worst;
}

QImage CanvasBar(const Pair& pair, double x, double w, bool smoothing) {
  Canvas canvas(48, 8);
  canvas.SetAntialias(smoothing);
  canvas.Clear(pair.background);
  canvas.FillBox({x, -4, x + w, 12}, pair.ink);
  return canvas.Image().copy();
}

TEST(LinearLightSmoothing, BarsAndLetterStrokesKeepTheirWidthInLightForEveryColourPair) {
  for (const Pair& pair : kPairs) {
    std::string where;
    const double bars = WorstError(pair, 4, [&](double x, double w) { return CanvasBar(pair, x, w, true); }, &where);
    EXPECT_LT(bars, 0.02) << pair.name << ", bar " << where;

    // The stem of a Sloan L, a stroke as wide as the letter's size, read across its middle.
    const double letters = WorstError(pair, 60, [&](double x, double w) {
      Canvas canvas(160, 120);
      canvas.SetAntialias(true);
      canvas.Clear(pair.background);
      std::string key = "L";
      int direction = 0;
      std::mt19937 random(1);
      DrawOptotype(canvas, testing::Shapes(), key, pair.ink, x + 2.5 * w, 60, w, 1, ChartMode::Other, direction,
                   random);
      return canvas.Image().copy();
    }, &where);
    EXPECT_LT(letters, 0.02) << pair.name << ", letter stroke " << where;
  }
}

TEST(LinearLightSmoothing, InnerPixelsKeepTheirValuesAndUnsmoothedDrawingIsUnchanged) {
  for (const Pair& pair : kPairs) {
    const QImage bar = CanvasBar(pair, 10.3, 6.4, true);
    for (int x = 11; x <= 15; ++x)
      EXPECT_EQ(bar.pixel(x, 4) & 0xFFFFFF, Q(pair.ink).rgb() & 0xFFFFFF);
    for (int x : {0, 9, 17, 47})
      EXPECT_EQ(bar.pixel(x, 4) & 0xFFFFFF, Q(pair.background).rgb() & 0xFFFFFF);
  }
  // A fully covered letter pixel is still floor(Foreground x 255 / 100), also in text.
  Canvas text(120, 60);
  text.SetAntialias(true);
  text.Clear(kWhite);
  text.SetFontPixels("Arial", 50, true);
  text.SetTextColour(ForegroundColorOf(90));
  text.PrintText(5, 0, "HIT");
  const auto green = [&](int low, int high) {
    return CountWhere(text.Image(), text.Image().rect(),
                      [&](QRgb p) { return qGreen(p) >= low && qGreen(p) <= high; });
  };
  EXPECT_EQ(green(0, 228), 0);
  EXPECT_GT(green(229, 229), 300);
  EXPECT_GT(green(230, 254), 20);

  // Without smoothing every op writes whole pixels exactly as a plain aliased painter does.
  Canvas hard(64, 64);
  hard.SetAntialias(false);
  hard.Clear(kWhite);
  hard.FillBox({3.3, 4.6, 30.2, 20.7}, kBlack, 40);
  hard.SetPenWidth(2.5);
  hard.FillPolygonOutlined({{40, 5}, {60, 30}, {35, 40}}, kPureRed, kPureGreen);
  hard.DrawLine({2, 60}, {60, 45}, kPureBlue);
  QImage reference(64, 64, QImage::Format_RGB32);
  reference.fill(Qt::white);
  {
    QPainter p(&reference);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(QPointF(3.3, 4.6), QPointF(30.2, 20.7)), 40, 40, Qt::RelativeSize);
    QPen pen(Qt::green);
    pen.setWidthF(2.5);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::red);
    p.drawPolygon(QPolygonF({QPointF(40, 5), QPointF(60, 30), QPointF(35, 40)}), Qt::WindingFill);
    pen.setColor(Qt::blue);
    p.setPen(pen);
    p.drawLine(QPointF(2, 60), QPointF(60, 45));
  }
  EXPECT_EQ(hard.Image(), reference);
}

}  // namespace
}  // namespace lenvari
