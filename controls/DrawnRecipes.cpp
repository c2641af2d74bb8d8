// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DrawnRecipes.h"

namespace hn {

namespace {

using P = DrawnPen;

} // namespace

DrawnRecipe PointReflected(const DrawnRecipe& recipe, int sum)
{
    DrawnRecipe out = recipe;
    for (RecipeStep& step : out)
        for (RecipePoint& p : step.points)
            p = {sum - p.x, sum - p.y};
    return out;
}

const DrawnRecipe& BulletCornerCuts()
{
    static const DrawnRecipe recipe{
        {P::DarkMix, {{0, 4}, {5, -1}}},
        {P::DarkMix, {{7, 0}, {12, 5}}},
        {P::DarkMix, {{11, 7}, {6, 12}}},
        {P::DarkMix, {{4, 11}, {-1, 6}}},
    };
    return recipe;
}

const DrawnRecipe& RaisedBallShading()
{
    static const DrawnRecipe recipe{
        {P::Light, {{1, 6}, {1, 4}, {4, 1}, {7, 1}}},
        {P::Light, {{2, 8}, {9, 1}}},
        {P::Light, {{3, 8}, {9, 2}}},
        {P::Light, {{4, 8}, {9, 3}}},
        {P::Highlight, {{2, 7}, {2, 4}, {6, 4}}},
        {P::Highlight, {{4, 5}, {4, 2}, {8, 2}}},
        {P::Mid, {{6, 9}, {10, 5}}},
        {P::Mid, {{7, 9}, {10, 6}}},
        {P::Shadow, {{4, 10}, {7, 10}, {10, 7}, {10, 3}}},
        {P::Highlight, {{3, 5}}},
        {P::Highlight, {{5, 3}}},
        {P::Face, {{2, 2}}},
        {P::Light, {{3, 3}}},
        {P::Light, {{3, 6}}},
        {P::Light, {{6, 3}}},
    };
    return recipe;
}

const DrawnRecipe& SunkenBallShading()
{
    static const DrawnRecipe recipe = PointReflected(RaisedBallShading(), kBulletReflectionSum);
    return recipe;
}

const DrawnRecipe& BulletCornerPixels()
{
    static const DrawnRecipe recipe{
        {P::Shadow, {{0, 3}}},  {P::Shadow, {{3, 0}}},  {P::Shadow, {{8, 0}}},  {P::Shadow, {{11, 3}}},
        {P::Shadow, {{11, 8}}}, {P::Shadow, {{8, 11}}}, {P::Shadow, {{3, 11}}}, {P::Shadow, {{0, 8}}},
    };
    return recipe;
}

const DrawnRecipe& ToggleClosedTriangle()
{
    static const DrawnRecipe recipe{
        {P::Dark, {{-7, 0}, {-7, 10}, {-2, 5}, {-7, 0}}},
        {P::Shadow, {{-6, 10}, {-1, 5}}},
        {P::Face, {{-5, 3}, {-5, 7}}},
        {P::Face, {{-4, 4}, {-4, 6}}},
        {P::Face, {{-6, 8}}},
        {P::Light, {{-6, 2}, {-6, 8}}},
        {P::Mid, {{-5, 7}, {-2, 4}}},
    };
    return recipe;
}

const DrawnRecipe& ToggleOpenTriangle()
{
    static const DrawnRecipe recipe{
        {P::Dark, {{0, 3}, {-10, 3}, {-5, 8}, {0, 3}}},
        {P::Shadow, {{-4, 8}, {1, 3}}},
        {P::Face, {{-7, 5}, {-3, 5}}},
        {P::Face, {{-6, 6}, {-4, 6}}},
        {P::Face, {{-2, 4}}},
        {P::Light, {{-8, 4}, {-2, 4}}},
        {P::Mid, {{-5, 7}, {-2, 4}}},
    };
    return recipe;
}

const DrawnRecipe& ToggleIntermediateTriangle()
{
    static const DrawnRecipe recipe{
        {P::Dark, {{-10, 7}, {-3, 0}, {-3, 7}, {-10, 7}}},
        {P::Shadow, {{-9, 8}, {-2, 8}, {-2, 0}}},
        {P::Face, {{-7, 6}, {-4, 3}}},
        {P::Face, {{-5, 5}}},
        {P::Light, {{-8, 6}, {-3, 1}}},
        {P::Mid, {{-6, 6}, {-4, 6}, {-4, 2}}},
    };
    return recipe;
}

} // namespace hn
