#include "tools/demo_film/film_contrast.h"

#include <algorithm>
#include <cmath>

#include "video/film_decoder.h"

namespace lyrova {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kBandTop = 280;

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(ColorRef colour) {
  return 0.2126 * Linear(static_cast<int>(colour & 0xFF)) +
         0.7152 * Linear(static_cast<int>((colour >> 8) & 0xFF)) +
         0.0722 * Linear(static_cast<int>((colour >> 16) & 0xFF));
}

double ContrastRatio(double luminance1, double luminance2) {
  const double hi = std::max(luminance1, luminance2);
  const double lo = std::min(luminance1, luminance2);
  return (hi + 0.05) / (lo + 0.05);
}

std::vector<double> BandLuminances(const std::string& film, int frames) {
  TFilmDecoder decoder(film, QSize(kWidth, kHeight));
  double table[256];
  for (int i = 0; i < 256; ++i) table[i] = Linear(i);
  std::vector<double> bands;
  TFilmFrame frame;
  while (static_cast<int>(bands.size()) < frames && decoder.Next(frame)) {
    double sum = 0.0;
    for (int y = kBandTop; y < kHeight; ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(frame.image.constScanLine(y));
      for (int x = 0; x < kWidth; ++x) {
        sum += 0.2126 * table[qRed(row[x])] + 0.7152 * table[qGreen(row[x])] +
               0.0722 * table[qBlue(row[x])];
      }
    }
    bands.push_back(sum / (static_cast<double>(kWidth) * (kHeight - kBandTop)));
  }
  return bands;
}

TContrastFigures ContrastOver(const std::vector<double>& bands, ColorRef text, double wanted) {
  TContrastFigures f;
  if (bands.empty()) return f;
  const double l = RelativeLuminance(text);
  std::vector<double> ratios;
  for (double band : bands) ratios.push_back(ContrastRatio(l, band));
  std::sort(ratios.begin(), ratios.end());
  f.frames = static_cast<int>(ratios.size());
  f.lowest = ratios.front();
  f.median = ratios[ratios.size() / 2];
  f.share = static_cast<double>(ratios.end() - std::lower_bound(ratios.begin(), ratios.end(), wanted)) /
            static_cast<double>(ratios.size());
  return f;
}

}  // namespace lyrova
