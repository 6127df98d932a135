#pragma once
// Frame animation on the document's 15-millisecond tick: a period of t milliseconds
// advances the active frame every t / 15 ticks, wrapping at the frame count.
#include <algorithm>

struct Animation {
  static constexpr int kTickMilliseconds = 15;
  int frames = 1;
  int active = 0;
  int period = 0;  // milliseconds; below one tick the animation is off

  bool Running() const { return period >= kTickMilliseconds && frames > 0; }
  // Answers true when the frame changed.
  bool Tick(unsigned tick) {
    if (!Running() || tick % unsigned(period / kTickMilliseconds) != 0) return false;
    active = (active + 1) % frames;
    return true;
  }
  // Frame counts below 1 draw the whole bitmap as one frame.
  int Count() const { return std::max(frames, 1); }
};
