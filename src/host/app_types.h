// Small value types of the app module.
#pragma once

// A display size as the app module keeps it (width and height only).
class c_DisplayMode {
 public:
  int m_width = 0, m_height = 0;
  c_DisplayMode() = default;
  c_DisplayMode(int width, int height) : m_width(width), m_height(height) {}
  int p_Width() const { return m_width; }
  int p_Height() const { return m_height; }
};
