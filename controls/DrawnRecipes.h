// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawn buttons' pictures as data: each step is a run of lines through its points in
// one pen (the end point of every line left out, as the platform draws lines) or, with a
// single point, one pixel in that pen's colour. Steps are drawn in order; later ones
// overwrite earlier ones where they meet.
#include "controls/DrawnPalette.h"

#include <vector>

namespace hn {

struct RecipePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const RecipePoint&, const RecipePoint&) = default;
};

struct RecipeStep {
    DrawnPen pen;
    std::vector<RecipePoint> points; // one point: a single pixel
};

using DrawnRecipe = std::vector<RecipeStep>;

// Every coordinate k replaced by sum - k: a point reflection through (sum/2, sum/2).
DrawnRecipe PointReflected(const DrawnRecipe& recipe, int sum);

// Option ball, in the 12 × 12 bullet with its top-left corner at (0, 0). The sunken
// ball is the raised one reflected through the bullet's centre: k becomes 11 - k.
constexpr int kBulletReflectionSum = 11;
const DrawnRecipe& BulletCornerCuts();    // darkMix diagonals, raised or sunken alike
const DrawnRecipe& RaisedBallShading();   // not checked, not pressed
const DrawnRecipe& SunkenBallShading();   // checked or pressed
const DrawnRecipe& BulletCornerPixels();  // eight pixels in shadow

// Toggle triangle, relative to its origin (item left + 10, floor((H - 11) / 2)).
const DrawnRecipe& ToggleClosedTriangle();       // points right
const DrawnRecipe& ToggleOpenTriangle();         // points down
const DrawnRecipe& ToggleIntermediateTriangle(); // the diagonal frame between the two

} // namespace hn
