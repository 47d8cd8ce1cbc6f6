#pragma once
// The demo film's pictures: a dusk sky with drifting veils of light over dark
// hills, and soft out-of-focus lights in front. Every motion repeats exactly once per film, so
// the last picture flows into the first when the film loops.

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
  void Hills(float t);
  void Lights(float t);

  int width_;
  int height_;
  int frameCount_;
  std::vector<Light> lights_;
  std::vector<float> buffer_;  // linear RGB, 3 floats per pixel
  std::vector<float> falloff_;  // exp(-d^2) by d^2 in steps
};

}  // namespace lyrova
