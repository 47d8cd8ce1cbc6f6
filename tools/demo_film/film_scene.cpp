#include "tools/demo_film/film_scene.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lyrova {
namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
constexpr int kFalloffSteps = 4096;
constexpr float kFalloffRange = 16.0f;  // d^2 beyond this adds nothing visible

// A fixed pseudo-random sequence, so every run makes the same film.
class Sequence {
 public:
  float Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>(state_ >> 8) / static_cast<float>(1u << 24);
  }
  float Between(float lo, float hi) { return lo + (hi - lo) * Next(); }

 private:
  std::uint32_t state_ = 20240917u;
};

float Smooth(float edge0, float edge1, float x) {
  const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
  return t * t * (3.0f - 2.0f * t);
}

}  // namespace

TFilmScene::TFilmScene(int width, int height, int frameCount)
    : width_(width), height_(height), frameCount_(std::max(1, frameCount)) {
  buffer_.resize(static_cast<std::size_t>(width_) * height_ * 3);
  falloff_.resize(kFalloffSteps + 1);
  for (int i = 0; i <= kFalloffSteps; ++i) {
    falloff_[i] = std::exp(-kFalloffRange * static_cast<float>(i) / kFalloffSteps);
  }
  // Warm golds and roses with a few cool blues, like lamps seen out of focus.
  const float palette[][3] = {{1.0f, 0.78f, 0.45f}, {1.0f, 0.55f, 0.6f}, {0.55f, 0.75f, 1.0f},
                              {0.95f, 0.9f, 0.7f},  {0.8f, 0.6f, 1.0f}};
  Sequence random;
  const float scale = static_cast<float>(height_) / 480.0f;
  for (int i = 0; i < 22; ++i) {
    const float* c = palette[i % 5];
    Light light{};
    light.x = random.Between(0.05f, 0.95f);
    light.y = random.Between(0.06f, 0.32f);
    light.dx = random.Between(0.03f, 0.12f);
    light.dy = random.Between(0.02f, 0.06f);
    light.fx = 1 + static_cast<int>(random.Next() * 2.0f);
    light.fy = 1 + static_cast<int>(random.Next() * 2.0f);
    light.phase = random.Between(0.0f, kTwoPi);
    light.radius = random.Between(18.0f, 62.0f) * scale;
    light.r = c[0];
    light.g = c[1];
    light.b = c[2];
    light.strength = random.Between(0.06f, 0.16f);
    light.pulse = 1 + static_cast<int>(random.Next() * 3.0f);
    lights_.push_back(light);
  }
}

// Where the sky meets the ridge, and where the lake begins, as fractions of
// the picture's height; the lyrics of the 800 x 600 picture start at 0.467.
constexpr float kHorizon = 0.40f;
constexpr float kShore = 0.45f;
// The lake's colour: its relative luminance is about 0.32, where unsung blue
// text reaches 3:1 and sung white text stays near it.
constexpr float kLake[3] = {0.635f, 0.59f, 0.665f};

void TFilmScene::Background(float t) {
  // Dawn: clear blue above, warm rose and gold near the horizon; the colours
  // breathe slowly over the film.
  const float breathe = 0.5f + 0.5f * std::sin(kTwoPi * t);
  for (int y = 0; y < height_; ++y) {
    const float v = std::min(1.0f, static_cast<float>(y) / (kShore * static_cast<float>(height_)));
    const float glow = v * v;
    const float r = 0.40f + 0.50f * glow + 0.03f * breathe * glow;
    const float g = 0.52f + 0.24f * glow + 0.02f * (1.0f - breathe) * v;
    const float b = 0.80f - 0.08f * glow + 0.02f * breathe;
    float* row = &buffer_[static_cast<std::size_t>(y) * width_ * 3];
    for (int x = 0; x < width_; ++x) {
      row[3 * x] = r;
      row[3 * x + 1] = g;
      row[3 * x + 2] = b;
    }
  }
}

void TFilmScene::Veils(float t) {
  // Three soft bands of light that wave slowly across the sky.
  struct Veil {
    float base, amplitude, waves, width, r, g, b, strength;
    int speed;
  };
  const Veil veils[] = {
      {0.18f, 0.04f, 1.5f, 0.05f, 0.9f, 0.95f, 1.0f, 0.14f, 1},
      {0.30f, 0.03f, 2.5f, 0.04f, 1.0f, 0.85f, 0.9f, 0.10f, -1},
      {0.12f, 0.03f, 3.0f, 0.03f, 0.85f, 1.0f, 0.95f, 0.08f, 2},
  };
  for (const Veil& veil : veils) {
    const float width = veil.width * static_cast<float>(height_);
    for (int x = 0; x < width_; ++x) {
      const float u = static_cast<float>(x) / static_cast<float>(width_);
      const float centre =
          (veil.base + veil.amplitude * std::sin(kTwoPi * (veil.waves * u + veil.speed * t))) *
          static_cast<float>(height_);
      const float fade = 0.6f + 0.4f * std::sin(kTwoPi * (u + 2.0f * t));
      const int y0 = std::max(0, static_cast<int>(centre - 4.0f * width));
      const int y1 = std::min(height_ - 1, static_cast<int>(centre + 4.0f * width));
      for (int y = y0; y <= y1; ++y) {
        const float d = (static_cast<float>(y) - centre) / width;
        const float d2 = d * d;
        if (d2 >= kFalloffRange) continue;
        const float a = veil.strength * fade *
                        falloff_[static_cast<int>(d2 * (kFalloffSteps / kFalloffRange))];
        float* p = &buffer_[(static_cast<std::size_t>(y) * width_ + x) * 3];
        p[0] += a * veil.r;
        p[1] += a * veil.g;
        p[2] += a * veil.b;
      }
    }
  }
}

void TFilmScene::Ridge(float) {
  // One hazy ridge on the horizon, lighter than the lake, with a soft edge.
  const float h = static_cast<float>(height_);
  const float colour[3] = {0.70f, 0.64f, 0.74f};
  for (int x = 0; x < width_; ++x) {
    const float u = static_cast<float>(x) / static_cast<float>(width_);
    const float top = h * (kHorizon + 0.025f * std::sin(kTwoPi * 1.3f * u + 0.7f) +
                           0.010f * std::sin(kTwoPi * 4.1f * u + 2.1f));
    const int bottom = static_cast<int>(kShore * h);
    for (int y = std::max(0, static_cast<int>(top) - 1); y < bottom; ++y) {
      const float cover = std::clamp(static_cast<float>(y) + 0.5f - top, 0.0f, 1.0f);
      float* p = &buffer_[(static_cast<std::size_t>(y) * width_ + x) * 3];
      for (int c = 0; c < 3; ++c) p[c] += cover * (colour[c] - p[c]);
    }
  }
}

void TFilmScene::Lake(float t) {
  // Still water: the lake's colour with faint slow ripples, a little lighter
  // at the shore where it mirrors the sky.
  const float h = static_cast<float>(height_);
  const int shore = static_cast<int>(kShore * h);
  for (int y = shore; y < height_; ++y) {
    const float depth = (static_cast<float>(y) - kShore * h) / ((1.0f - kShore) * h);
    const float mirror = 0.04f * std::exp(-depth * 6.0f);
    float* row = &buffer_[static_cast<std::size_t>(y) * width_ * 3];
    for (int x = 0; x < width_; ++x) {
      const float u = static_cast<float>(x) / static_cast<float>(width_);
      const float ripple =
          0.008f * std::sin(kTwoPi * (3.0f * u + 9.0f * depth * depth - t)) *
          std::sin(kTwoPi * (0.5f * u + t));
      for (int c = 0; c < 3; ++c) row[3 * x + c] = kLake[c] + mirror + ripple;
    }
  }
}

void TFilmScene::Lights(float t) {
  for (const Light& light : lights_) {
    const float cx = (light.x + light.dx * std::sin(kTwoPi * light.fx * t + light.phase)) * width_;
    const float cy =
        (light.y + light.dy * std::cos(kTwoPi * light.fy * t + 1.3f * light.phase)) * height_;
    const float level =
        light.strength * (0.75f + 0.25f * std::sin(kTwoPi * light.pulse * t + light.phase));
    const float radius = light.radius;
    const int x0 = std::max(0, static_cast<int>(cx - radius - 1.0f));
    const int x1 = std::min(width_ - 1, static_cast<int>(cx + radius + 1.0f));
    const int y0 = std::max(0, static_cast<int>(cy - radius - 1.0f));
    const int y1 = std::min(height_ - 1, static_cast<int>(cy + radius + 1.0f));
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) {
        const float dx = static_cast<float>(x) - cx;
        const float dy = static_cast<float>(y) - cy;
        const float d = std::sqrt(dx * dx + dy * dy) / radius;
        if (d >= 1.0f) continue;
        // A flat disc with a soft rim and a slightly brighter edge, as a lens draws it.
        const float disc = 1.0f - Smooth(0.82f, 1.0f, d);
        const float a = level * disc * (0.85f + 0.15f * d * d);
        float* p = &buffer_[(static_cast<std::size_t>(y) * width_ + x) * 3];
        p[0] += a * light.r;
        p[1] += a * light.g;
        p[2] += a * light.b;
      }
    }
  }
}

void TFilmScene::Render(int index, std::vector<std::uint8_t>& rgb) {
  const float t = static_cast<float>(index % frameCount_) / static_cast<float>(frameCount_);
  Background(t);
  Veils(t);
  Lights(t);
  Ridge(t);
  Lake(t);
  rgb.resize(buffer_.size());
  for (std::size_t i = 0; i < buffer_.size(); ++i) {
    // Soft shoulder instead of clipping where lights overlap.
    const float v = buffer_[i];
    const float mapped = v < 0.8f ? v : 0.8f + 0.2f * (1.0f - std::exp(-(v - 0.8f) * 5.0f));
    rgb[i] = static_cast<std::uint8_t>(std::clamp(mapped, 0.0f, 1.0f) * 255.0f + 0.5f);
  }
}

}  // namespace lyrova
