#pragma once
// The intro movie's painting kit: everything is a tone of one sepia ramp (a 1920s print), aged
// with grain, a soft vignette and a few specks of dust. The pictures of the six scenes are
// declared here and painted in movie_*.cpp; movie_step.cpp writes them and the scene files.
#include <cairo.h>

#include <cstdint>
#include <map>
#include <string>

#include "tools/forge/core/rgba_image.h"
#include "tools/forge/core/style.h"

class Canvas;

// 0 the deepest shadow, 1 the paper white of the print.
Rgb sepia(double tone);
void setSepia(cairo_t* cr, double tone, double alpha = 1.0);
// Fills the current path with a vertical ramp of two tones, keeping the path.
void fillSepiaRamp(cairo_t* cr, double top, double bottom, double topTone, double bottomTone, double alpha = 1.0);
// Grain and dust over a picture; vignette darkens towards the corners (0 for none).
void ageFilm(RgbaImage& image, uint32_t seed, double grain, double vignette);
// The canvas's picture, aged.
RgbaImage agedPrint(const Canvas& canvas, uint32_t seed, double grain, double vignette);
// A soft-edged blob of light or shade (fog, glows), alpha falling to 0 at the radius.
void softGlow(cairo_t* cr, double cx, double cy, double rx, double ry, double tone, double alpha);

// The projector's own pictures.
RgbaImage filmFrame();                    // 400 x 225, drawn 4 times as large over the whole screen
RgbaImage filmScratch(int n);             // n 1..5

// The pictures the scenes show, keyed by their short names.
void paintTitleCard(std::map<std::string, RgbaImage>& out);
void paintHarbour(std::map<std::string, RgbaImage>& out);
void paintOpenSea(std::map<std::string, RgbaImage>& out);
void paintDeck(std::map<std::string, RgbaImage>& out);
void paintStorm(std::map<std::string, RgbaImage>& out);
void paintLanding(std::map<std::string, RgbaImage>& out);
// The schooner Wren seen from her port side, bow to the right; her waterline runs 90 pixels above
// the picture's bottom edge. Wrecked: heeled hull, broken mainmast, torn canvas.
RgbaImage paintShip(bool wrecked);
// People of the expedition, standing, 2 px per cm or so: feet at the bottom edge.
enum class Person { Captain, Professor, Sailor, SailorWithCrate };
RgbaImage paintPerson(Person who);
