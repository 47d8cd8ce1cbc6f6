#pragma once
// A small sunken panel filled with one colour, which reports a click. It
// keeps the colour as the settings file stores it (0x00BBGGRR), so that a
// value it was given comes back unchanged.

#include <QFrame>
#include <cstdint>

class QMouseEvent;

namespace lyrova {

// The settings file's colour layout and Qt's colours.
QColor ColourOf(std::int32_t colorref);
std::int32_t ColorrefOf(const QColor& colour);

class TColourSwatch : public QFrame {
  Q_OBJECT

 public:
  explicit TColourSwatch(QWidget* parent = nullptr);

  std::int32_t Colour() const { return colour_; }
  void SetColour(std::int32_t colorref);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::int32_t colour_ = 0;
  bool pressed_ = false;
};

}  // namespace lyrova
