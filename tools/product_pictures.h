#pragma once
// The pictures of the eight product groups and the ice cube shown when a group picture is missing.

#include <QImage>

#include <utility>
#include <vector>

// File name and picture of each group picture and of Icecube.bmp.
std::vector<std::pair<const char*, QImage>> ProductGroupPictures();
