#include "wizard/Glyphs.h"

#include <initializer_list>

namespace {

constexpr int kSize = 16;

void Polygon(HDC dc, COLORREF color, std::initializer_list<POINT> points) {
    ui::Brush brush(CreateSolidBrush(color));
    ui::GdiObject pen(CreatePen(PS_SOLID, 1, color));
    HGDIOBJ oldBrush = SelectObject(dc, brush.get());
    HGDIOBJ oldPen = SelectObject(dc, pen.get());
    ::Polygon(dc, points.begin(), static_cast<int>(points.size()));
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

void Line(HDC dc, COLORREF color, int width, std::initializer_list<POINT> points) {
    ui::GdiObject pen(CreatePen(PS_SOLID, width, color));
    HGDIOBJ oldPen = SelectObject(dc, pen.get());
    Polyline(dc, points.begin(), static_cast<int>(points.size()));
    SelectObject(dc, oldPen);
}

const COLORREF kGreen = RGB(40, 150, 60);
const COLORREF kBlue = RGB(30, 100, 190);
const COLORREF kRed = RGB(200, 40, 40);

}  // namespace

TWizardGlyphs::TWizardGlyphs()
    : Next(kSize, [](HDC dc) { Polygon(dc, kGreen, {{3, 6}, {9, 6}, {9, 2}, {15, 8}, {9, 14}, {9, 10}, {3, 10}}); }),
      Back(kSize, [](HDC dc) { Polygon(dc, kGreen, {{13, 6}, {7, 6}, {7, 2}, {1, 8}, {7, 14}, {7, 10}, {13, 10}}); }),
      Cancel(kSize, [](HDC dc) {
          Line(dc, kRed, 3, {{4, 4}, {12, 12}});
          Line(dc, kRed, 3, {{12, 4}, {4, 12}});
      }),
      Exit(kSize, [](HDC dc) {
          Line(dc, kBlue, 2, {{9, 3}, {3, 3}, {3, 13}, {9, 13}});
          Polygon(dc, kRed, {{6, 7}, {10, 7}, {10, 4}, {14, 8}, {10, 12}, {10, 9}, {6, 9}});
      }),
      Install(kSize, [](HDC dc) { Line(dc, kGreen, 3, {{2, 8}, {6, 12}, {14, 3}}); }),
      ChangeFont(kSize, [](HDC dc) {
          Line(dc, kBlue, 2, {{2, 14}, {6, 3}, {10, 14}});
          Line(dc, kBlue, 2, {{4, 10}, {8, 10}});
          Line(dc, kGreen, 2, {{12, 13}, {12, 5}});
          Polygon(dc, kGreen, {{9, 7}, {12, 3}, {15, 7}});
      }) {}
