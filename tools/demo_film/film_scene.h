#pragma once
// The demo film's pictures: a bright dawn sky with drifting veils and soft
// out-of-focus lights above a hazy ridge, and below it, where the lyrics
// are drawn, a calm pale lake of nearly even brightness, so that the lyric
// colours keep their contrast. Every motion repeats exactly once per film,
// so the last picture flows into the first when the film loops.

#include <cstdint>
#include <vector>

namespace lyrova {

class TFilmScene {
 public:
  TFilmScene(int width, int height, int frameCount);

  // Picture `index` (0 .. frameCount-1) as packed RGB24 rows.
  void Render(int index, std::vector<std::uint8_t>& rgb);

 private:
  struct Light {
    float x, y;          // centre, as a fraction of the picture
    float dx, dy;        // drift amplitude, fraction of the picture
    int fx, fy;          // drift cycles per film
    float phase;
    float radius;        // pixels
    float r, g, b;       // colour
    float strength;
    int pulse;           // brightness cycles per film
  };

  void Background(float t);
  void Veils(float t);
  void Ridge(float t);
  void Lake(float t);
  void Lights(float t);

  int width_;
  int height_;
  int frameCount_;
  std::vector<Light> lights_;
  std::vector<float> buffer_;  // RGB as stored (gamma-encoded), 3 floats per pixel
  std::vector<float> falloff_;  // exp(-d^2) by d^2 in steps
};

}  // namespace lyrova
