// The lines of a multi-line text (MTEXT), each laid out as a single-line text.
#include "document/MTextLines.h"

#include <cmath>
#include <numbers>

#include "document/TextWidths.h"

std::vector<std::string> MTextLines::wrap(const std::string& paragraph, double width,
                                          double height) {
  if (!(width > 0.0)) return {paragraph};
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start <= paragraph.size()) {
    std::size_t end = paragraph.find(' ', start);
    if (end == std::string::npos) end = paragraph.size();
    const std::string word = paragraph.substr(start, end - start);
    const std::string longer = line.empty() ? word : line + ' ' + word;
    if (!line.empty() && TextWidths::of(longer, height) > width) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
    start = end + 1;
  }
  lines.push_back(line);
  return lines;
}

std::vector<std::unique_ptr<DXFText>> MTextLines::of(const DXFText& mtext) {
  std::vector<std::unique_ptr<DXFText>> result;
  const DXFText::MTextFrame* frame = mtext.mtextFrame();
  if (!frame) {
    result.push_back(std::make_unique<DXFText>(mtext));
    return result;
  }
  std::vector<std::string> lines;
  for (const std::string& paragraph : frame->paragraphs) {
    for (std::string& line : wrap(paragraph, frame->referenceWidth, mtext.height())) {
      lines.push_back(std::move(line));
    }
  }
  const double height = mtext.height();
  const double spacing = kLineSpacing * height * frame->lineSpacingFactor;
  const double blockHeight = height + spacing * static_cast<double>(lines.size() - 1);
  // From the insertion point down to the first baseline, by the attachment's row.
  const int row = (frame->attachment - 1) / 3;
  const double firstDepth = height - blockHeight * (row / 2.0);
  const double angle = mtext.rotation() * std::numbers::pi / 180.0;
  const double downX = std::sin(angle);
  const double downY = -std::cos(angle);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find_first_not_of(" \t") == std::string::npos) continue;
    const double depth = firstDepth + spacing * static_cast<double>(i);
    result.push_back(mtext.mtextLine(std::move(lines[i]), mtext.x() + depth * downX,
                                     mtext.y() + depth * downY));
  }
  return result;
}
