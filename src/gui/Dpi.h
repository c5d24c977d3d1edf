#pragma once

// Positions and sizes of forms are designed in pixels at 96 dots per inch; this
// turns them into pixels of the screen. Every form scales through it.
class DpiScale {
 public:
  explicit DpiScale(int pixelsPerInch = 96) : pixelsPerInch_(pixelsPerInch) {}
  int PixelsPerInch() const { return pixelsPerInch_; }
  // Design pixels to screen pixels, rounded to the nearest.
  int operator()(int designPixels) const {
    const long long scaled = static_cast<long long>(designPixels) * pixelsPerInch_;
    return static_cast<int>(scaled >= 0 ? (scaled + 48) / 96 : -((-scaled + 48) / 96));
  }

 private:
  int pixelsPerInch_;
};
