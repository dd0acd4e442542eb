#pragma once
// The shading pictures of the wall table: a window in a wall, seen from outside, with its shading device.

#include <QImage>

#include <utility>
#include <vector>

// fenster1.bmp (no shading) to fenster4.bmp (external blind) with their pictures.
std::vector<std::pair<const char*, QImage>> ShadingPictures();
