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
    light.y = random.Between(0.08f, 0.55f);
    light.dx = random.Between(0.03f, 0.12f);
    light.dy = random.Between(0.02f, 0.06f);
    light.fx = 1 + static_cast<int>(random.Next() * 2.0f);
    light.fy = 1 + static_cast<int>(random.Next() * 2.0f);
    light.phase = random.Between(0.0f, kTwoPi);
    light.radius = random.Between(18.0f, 62.0f) * scale;
    light.r = c[0];
    light.g = c[1];
    light.b = c[2];
    light.strength = random.Between(0.10f, 0.30f);
    light.pulse = 1 + static_cast<int>(random.Next() * 3.0f);
    lights_.push_back(light);
  }
}

void TFilmScene::Background(float t) {
  // Dusk: deep blue above, violet to rose near the horizon; the colours
  // breathe slowly over the film.
  const float breathe = 0.5f + 0.5f * std::sin(kTwoPi * t);
  for (int y = 0; y < height_; ++y) {
    const float v = static_cast<float>(y) / static_cast<float>(height_ - 1);
    const float glow = v * v;
    const float r = 0.03f + 0.30f * glow + 0.06f * breathe * glow;
    const float g = 0.04f + 0.10f * glow + 0.03f * (1.0f - breathe) * v;
    const float b = 0.16f + 0.14f * (1.0f - v) + 0.10f * glow + 0.04f * breathe;
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
      {0.30f, 0.06f, 1.5f, 0.07f, 0.35f, 0.55f, 0.9f, 0.22f, 1},
      {0.45f, 0.05f, 2.5f, 0.05f, 0.8f, 0.45f, 0.8f, 0.16f, -1},
      {0.22f, 0.04f, 3.0f, 0.04f, 0.4f, 0.85f, 0.75f, 0.10f, 2},
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

void TFilmScene::Hills(float t) {
  // Two ridges, the far one hazy, the near one almost black, so that the
  // lyrics at the bottom stand out; a faint mist drifts over the far ridge.
  struct Ridge {
    float base, a1, k1, a2, k2, r, g, b;
  };
  const Ridge ridges[] = {
      {0.60f, 0.035f, 1.3f, 0.015f, 4.1f, 0.10f, 0.07f, 0.20f},
      {0.70f, 0.045f, 0.8f, 0.020f, 2.7f, 0.025f, 0.02f, 0.06f},
  };
  const float h = static_cast<float>(height_);
  for (int x = 0; x < width_; ++x) {
    const float u = static_cast<float>(x) / static_cast<float>(width_);
    for (const Ridge& ridge : ridges) {
      const float top = h * (ridge.base + ridge.a1 * std::sin(kTwoPi * ridge.k1 * u + 0.7f) +
                             ridge.a2 * std::sin(kTwoPi * ridge.k2 * u + 2.1f));
      for (int y = std::max(0, static_cast<int>(top) - 1); y < height_; ++y) {
        // Anti-aliased edge, then the ridge darkens a little further down.
        const float cover = std::clamp(static_cast<float>(y) + 0.5f - top, 0.0f, 1.0f);
        const float depth = std::clamp((static_cast<float>(y) - top) / (0.4f * h), 0.0f, 1.0f);
        float* p = &buffer_[(static_cast<std::size_t>(y) * width_ + x) * 3];
        const float shade = 1.0f - 0.5f * depth;
        p[0] += cover * (ridge.r * shade - p[0]);
        p[1] += cover * (ridge.g * shade - p[1]);
        p[2] += cover * (ridge.b * shade - p[2]);
      }
    }
    const float mistCentre = h * (0.60f + 0.01f * std::sin(kTwoPi * (2.0f * u - t)));
    const float mist = 0.06f * (0.6f + 0.4f * std::sin(kTwoPi * (u + t)));
    for (int y = std::max(0, static_cast<int>(mistCentre - 0.06f * h));
         y < std::min(height_, static_cast<int>(mistCentre + 0.06f * h)); ++y) {
      const float d = (static_cast<float>(y) - mistCentre) / (0.03f * h);
      const float d2 = d * d;
      if (d2 >= kFalloffRange) continue;
      const float a = mist * falloff_[static_cast<int>(d2 * (kFalloffSteps / kFalloffRange))];
      float* p = &buffer_[(static_cast<std::size_t>(y) * width_ + x) * 3];
      p[0] += a * 0.7f;
      p[1] += a * 0.6f;
      p[2] += a * 0.9f;
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
  Hills(t);
  Lights(t);
  rgb.resize(buffer_.size());
  for (std::size_t i = 0; i < buffer_.size(); ++i) {
    // Soft shoulder instead of clipping where lights overlap.
    const float v = buffer_[i];
    const float mapped = v < 0.8f ? v : 0.8f + 0.2f * (1.0f - std::exp(-(v - 0.8f) * 5.0f));
    rgb[i] = static_cast<std::uint8_t>(std::clamp(mapped, 0.0f, 1.0f) * 255.0f + 0.5f);
  }
}

}  // namespace lyrova
