#pragma once
// Chains of chords for the round figures of LaTeX pictures and TikZ paths: the ovals, whose corners
// are quarter circles, quadratic and cubic Bézier curves and elliptic arcs. Each curve is cut into chords of
// about a given length, never fewer than a few a quarter circle, so it looks round at any size.
#include "curves/Kurve.h"

#include <string_view>
#include <vector>

namespace vektra {

// Most chords one curve is cut into, whatever its length.
constexpr int MaxSehnenJeKurve = 500;

// The oval of width w and height h about (cx, cy) whose corners are quarter circles of radius
// r (at most half the smaller side). `teile` picks the part as LaTeX does: "t", "b", "l", "r"
// keep the top, bottom, left or right half, two letters a quarter; empty is the whole oval.
// Sides come as one chord each, corners as chords of about `sehne` length.
std::vector<Kurvenstueck> Ovalsehnen(double cx, double cy, double w, double h, double r,
                                     std::string_view teile, double sehne);

// The quadratic Bézier curve from p0 to p2 with control point p1, in chords of about `sehne`
// length measured along its control polygon.
std::vector<Kurvenstueck> Beziersehnen(double x0, double y0, double x1, double y1, double x2, double y2,
                                       double sehne);

// The cubic Bézier curve from p0 to p3 with control points p1 and p2, in chords of about `sehne`
// length measured along its control polygon.
std::vector<Kurvenstueck> Kubischsehnen(double x0, double y0, double x1, double y1, double x2, double y2,
                                        double x3, double y3, double sehne);

// The elliptic arc about (cx, cy) with radii rx and ry from angle a0 to a1 (degrees, counter-
// clockwise when a1 > a0), in chords of about `sehne` length, at least three a quarter turn.
std::vector<Kurvenstueck> Bogensehnen(double cx, double cy, double rx, double ry, double a0, double a1,
                                      double sehne);

} // namespace vektra
