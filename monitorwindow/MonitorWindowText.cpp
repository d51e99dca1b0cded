#include "monitorwindow/MonitorWindowText.h"

namespace lenvari {
namespace {

struct Caption {
  ChartMode mode;
  const char* caption;
};

// The captions keep their own blanks: they are printed as they stand.
constexpr Caption kCaptions[] = {
    {ChartMode::JacksonCross, " 'Shower Drain' "},   {ChartMode::WorthDot, "  Worth Dot "},
    {ChartMode::AstigmaticClockDial, "  Clock Dial "}, {ChartMode::StrongLight, "  Strong Light "},
    {ChartMode::Disparity, "  Fix. Disparity "},     {ChartMode::Image, "  Image "},
};

struct Spelling {
  char key;
  const char* text;
};

constexpr Spelling kDirections[] = {{'U', "Up  "}, {'D', "Dn  "}, {'L', "Lt  "}, {'R', "Rt  "}};
constexpr Spelling kPictures[] = {{'e', "horse "}, {'b', "bird "}, {'j', "jeep "},
                                  {'h', "hand "},  {'c', "cake "}, {'p', "phone "}};

template <size_t N>
std::string Spell(const std::string& row, const Spelling (&table)[N]) {
  std::string out;
  out.reserve(row.size() * 2);
  for (char c : row) {
    const char* text = nullptr;
    for (const Spelling& s : table)
      if (s.key == c) text = s.text;
    if (text) {
      out += text;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string MonitorWindowCaption(ChartMode mode) {
  for (const Caption& c : kCaptions)
    if (mode == c.mode) return c.caption;
  return "";
}

std::vector<std::string> MonitorTextRows(const std::string& monitorText) {
  std::vector<std::string> rows;
  size_t start = 0;
  while (start < monitorText.size()) {
    size_t end = monitorText.find('\r', start);
    if (end == std::string::npos) end = monitorText.size();
    if (end == start) break;
    rows.push_back(monitorText.substr(start, end - start));
    start = end + 1;
  }
  return rows;
}

std::string SpellDirections(const std::string& row) { return Spell(row, kDirections); }
std::string SpellPictureNames(const std::string& row) { return Spell(row, kPictures); }

MonitorWindowText MonitorWindowTextOf(ChartMode mode, const std::string& monitorText) {
  MonitorWindowText text;
  text.caption = MonitorWindowCaption(mode);
  if (!text.caption.empty()) return text;
  const bool directions = mode == ChartMode::TumblingE || mode == ChartMode::LandoltC;
  if (directions) text.heading = " " + ChartModeWord(mode) + " ";
  for (const std::string& row : MonitorTextRows(monitorText))
    text.lines.push_back(directions ? SpellDirections(row) : SpellPictureNames(row));
  return text;
}

}  // namespace lenvari
