#include "velmora/capture/measure_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace capture {
namespace {

constexpr std::wstring_view kNotANumber = L"请输入数字";
constexpr std::wstring_view kNotPositive = L"须大于 0";
constexpr std::wstring_view kTooLarge = L"不能超过 1e9";
constexpr std::wstring_view kNoLength = L"线长为 0，不能定比例";
constexpr std::wstring_view kCollinear = L"三点在一条直线上，不能定圆";
constexpr double kLargestMillimetres = 1e9;
// Three points whose triangle is lower than this over its longest side lie
// on one line: clicks are never finer than an eighth of a pixel.
constexpr double kCollinearHeight = 1e-3;

// A whole number of tenths or hundredths as text.
std::wstring Fixed(double scaled, int decimals) {
  if (!(scaled < 1e17)) {  // past what counts exactly in whole numbers (no real picture gets here)
    wchar_t text[64];
    std::swprintf(text, 64, L"%.*f", decimals, scaled / std::pow(10.0, decimals));
    return text;
  }
  const auto whole = static_cast<unsigned long long>(scaled);
  const unsigned long long unit = decimals == 2 ? 100 : 10;
  std::wstring fraction = std::to_wstring(whole % unit);
  fraction.insert(0, decimals - fraction.size(), L'0');
  return std::to_wstring(whole / unit) + L"." + fraction;
}

// Blanks and tabs go; full-width digits and points, as a Chinese input
// method types them, read as their plain forms.
std::string PlainNumberText(std::wstring_view text) {
  std::string plain;
  for (wchar_t c : text) {
    if (c == L' ' || c == L'\t' || c == L'\x3000') continue;
    if (c >= L'\xFF10' && c <= L'\xFF19') c = static_cast<wchar_t>(L'0' + (c - L'\xFF10'));
    if (c == L'\xFF0E') c = L'.';
    if (c > 0x7F) return "x";  // not part of any number
    plain += static_cast<char>(c);
  }
  return plain;
}

bool DigitOrPoint(wchar_t c) {
  return (c >= L'0' && c <= L'9') || c == L'.' || (c >= L'\xFF10' && c <= L'\xFF19') || c == L'\xFF0E';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
  return at;
}

// An optional sign, digits with at most one point, an optional exponent.
bool IsNumber(std::string_view text) {
  std::size_t at = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
  const std::size_t first = at;
  at = SkipDigits(text, at);
  if (at < text.size() && text[at] == '.') at = SkipDigits(text, at + 1);
  if (at == first || (at == first + 1 && text[first] == '.')) return false;  // no digit at all
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    const std::size_t sign = at + 1 < text.size() && (text[at + 1] == '+' || text[at + 1] == '-') ? 1 : 0;
    const std::size_t digits = at + 1 + sign;
    at = SkipDigits(text, digits);
    if (at == digits) return false;
  }
  return at == text.size();
}

// The millimetres typed, or why they are refused: greater than 0 and at most 1e9.
std::wstring_view ReadMillimetres(std::wstring_view typed, double& value) {
  const std::string plain = PlainNumberText(typed);
  if (!IsNumber(plain)) return kNotANumber;
  value = std::strtod(plain.c_str(), nullptr);  // the C locale's point: the program sets no other
  if (!(value > 0)) return kNotPositive;
  if (value > kLargestMillimetres) return kTooLarge;  // infinity included
  return {};
}

}  // namespace

bool ViewMapping::OnPicture(Offset inArea, Extent picture) const {
  const double x = (inArea.x - left) / scale, y = (inArea.y - top) / scale;
  return x >= 0 && y >= 0 && x < picture.width && y < picture.height;
}

PicturePoint ViewMapping::ToPicture(Offset inArea, Extent picture) const {
  return {std::clamp((inArea.x - left) / scale, 0.0, static_cast<double>(picture.width)),
          std::clamp((inArea.y - top) / scale, 0.0, static_cast<double>(picture.height))};
}

PicturePoint ViewMapping::ToArea(PicturePoint p) const { return {left + p.x * scale, top + p.y * scale}; }

LineReading MeasureLine(PicturePoint from, PicturePoint to) {
  LineReading reading;
  reading.dx = to.x - from.x;
  reading.dy = from.y - to.y;  // the picture's rows run downwards
  reading.length = std::hypot(reading.dx, reading.dy);
  double angle = std::atan2(reading.dy, reading.dx) * 180 / std::numbers::pi;
  if (angle > 90) angle -= 180;
  if (angle <= -90) angle += 180;
  reading.angle = angle;
  return reading;
}

std::optional<Circle> CircleThrough(PicturePoint a, PicturePoint b, PicturePoint c) {
  // Worked about the first point, where the values stay small.
  const double bx = b.x - a.x, by = b.y - a.y, cx = c.x - a.x, cy = c.y - a.y;
  const double cross = bx * cy - by * cx;
  const double longest = std::max({std::hypot(bx, by), std::hypot(cx, cy), std::hypot(cx - bx, cy - by)});
  if (longest == 0 || std::abs(cross) / longest < kCollinearHeight) return std::nullopt;
  const double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
  const double ux = (cy * b2 - by * c2) / (2 * cross), uy = (bx * c2 - cx * b2) / (2 * cross);
  return Circle{{a.x + ux, a.y + uy}, std::hypot(ux, uy)};
}

std::wstring MeasureNumberText(double value) {
  const double magnitude = std::abs(value);
  const double hundredths = std::floor(magnitude * 100 + 0.5);
  const bool small = hundredths < 1000;  // below 10 once rounded
  const double scaled = small ? hundredths : std::floor(magnitude * 10 + 0.5);
  const std::wstring text = Fixed(scaled, small ? 2 : 1);
  return value < 0 && scaled > 0 ? L"-" + text : text;
}

namespace {

// Along one axis: after the anchor (right, below) or before it.
int PlaceAlong(int anchor, bool after, int size, int seen, int gap) {
  const int afterAt = anchor + gap, beforeAt = anchor - gap - size;
  const bool room = after ? afterAt + size <= seen : beforeAt >= 0;
  return std::max(after == room ? afterAt : beforeAt, 0);
}

}  // namespace

Offset PlaceBeside(Offset anchor, PicturePoint toward, Extent size, Extent seen, int gap) {
  return {PlaceAlong(anchor.x, toward.x >= 0, size.width, seen.width, gap),
          PlaceAlong(anchor.y, toward.y >= 0, size.height, seen.height, gap)};
}

Offset PlaceBelow(PixelRect label, Extent size, Extent seen, int gap) {
  int y = label.bottom + gap;
  if (y + size.height > seen.height) y = label.top - gap - size.height;
  return {std::max(std::min(label.left, seen.width - size.width), 0), std::max(y, 0)};
}

void MeasureModel::Press(PicturePoint at, Offset inArea) {
  pressed_ = true;
  dragging_ = false;
  pressAt_ = at;
  pressArea_ = inArea;
  boxOpen_ = false;
}

bool MeasureModel::Move(PicturePoint at, Offset inArea, int dragDistance) {
  if (!pressed_) return false;
  if (!dragging_) {
    if (std::max(std::abs(inArea.x - pressArea_.x), std::abs(inArea.y - pressArea_.y)) <= dragDistance) return false;
    dragging_ = true;
    shape_ = Shape::Line;
    points_[0] = pressAt_;
  }
  points_[1] = anchor_ = at;
  return true;
}

void MeasureModel::Release(PicturePoint at, Offset inArea, int dragDistance) {
  if (!pressed_) return;
  Move(at, inArea, dragDistance);
  pressed_ = false;
  if (!dragging_) AddPoint(pressAt_);  // a drag leaves its line; the next press starts afresh
}

void MeasureModel::AddPoint(PicturePoint at) {
  if (shape_ != Shape::Points) pointCount_ = 0;
  shape_ = Shape::Points;
  points_[pointCount_++] = anchor_ = at;
  if (pointCount_ < 3) return;
  const std::optional<Circle> circle = CircleThrough(points_[0], points_[1], points_[2]);
  shape_ = circle ? Shape::Circle : Shape::Refused;
  if (circle) circle_ = *circle;
}

void MeasureModel::Escape() {
  if (boxOpen_) {
    boxOpen_ = false;
    return;
  }
  shape_ = Shape::None;
  pressed_ = dragging_ = false;
}

bool MeasureModel::Type(wchar_t typed) {
  if (shape_ != Shape::Line || pressed_ || boxOpen_ || !DigitOrPoint(typed)) return false;
  boxOpen_ = true;
  refusal_ = {};
  return true;
}

bool MeasureModel::SetScale(std::wstring_view millimetres) {
  if (!boxOpen_) return false;
  double value = 0;
  refusal_ = ReadMillimetres(millimetres, value);
  const double pixels = MeasureLine(points_[0], points_[1]).length;
  if (refusal_.empty() && pixels == 0) refusal_ = kNoLength;
  if (!refusal_.empty()) return false;
  millimetresPerPixel_ = value / pixels;
  boxOpen_ = false;
  return true;
}

std::wstring MeasureModel::LengthText(double pixels) const {
  if (!millimetresPerPixel_) return MeasureNumberText(pixels);
  return MeasureNumberText(pixels * *millimetresPerPixel_) + L" mm";
}

std::wstring MeasureModel::Readout() const {
  switch (shape_) {
    case Shape::Line: {
      const LineReading r = MeasureLine(points_[0], points_[1]);
      return L"L " + LengthText(r.length) + L"  Δx " + LengthText(r.dx) + L"  Δy " + LengthText(r.dy) + L"  " +
             MeasureNumberText(r.angle) + L"°";
    }
    case Shape::Points:
      return L"圆：已取 " + std::to_wstring(pointCount_) + L" 点，还需 " + std::to_wstring(3 - pointCount_) + L" 点";
    case Shape::Circle: return L"Φ " + LengthText(2 * circle_.radius);
    case Shape::Refused: return std::wstring(kCollinear);
    case Shape::None: break;
  }
  return {};
}

std::wstring MeasureModel::BoxCaption() const {
  std::wstring caption = L"实际长度 (mm)";
  if (!refusal_.empty()) caption += L"  " + std::wstring(refusal_);
  return caption;
}

std::wstring MeasureModel::CopyText() const {
  double pixels = 0;
  if (shape_ == Shape::Line) pixels = MeasureLine(points_[0], points_[1]).length;
  else if (shape_ == Shape::Circle) pixels = 2 * circle_.radius;
  else return {};
  return millimetresPerPixel_ ? LengthText(pixels) : MeasureNumberText(pixels) + L" px";
}

PicturePoint MeasureModel::Toward() const {
  if (shape_ == Shape::Line) return {points_[1].x - points_[0].x, points_[1].y - points_[0].y};
  if (shape_ == Shape::Circle) return {anchor_.x - circle_.centre.x, anchor_.y - circle_.centre.y};
  return {1, 1};
}

MeasureDrawing MeasureModel::Drawing(const ViewMapping& mapping) const {
  MeasureDrawing drawing;
  if (shape_ == Shape::Line) drawing.line = {{mapping.ToArea(points_[0]), mapping.ToArea(points_[1])}};
  if (shape_ == Shape::Points) {
    for (int i = 0; i < pointCount_; ++i) drawing.marks[i] = mapping.ToArea(points_[i]);
    drawing.markCount = pointCount_;
  }
  if (shape_ == Shape::Circle) {
    drawing.circle = Circle{mapping.ToArea(circle_.centre), circle_.radius * mapping.scale};
    drawing.marks[0] = drawing.circle->centre;
    drawing.markCount = 1;
  }
  return drawing;
}

}  // namespace capture
