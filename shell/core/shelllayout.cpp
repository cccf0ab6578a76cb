// Where the picture, the input frame, the Reset button, the results frame and the chart stand
// (layout units, 15 to a pixel), and how they follow a case selection and a resize.

#include "shell/core/shellmodel.h"

#include <algorithm>

namespace shell {

namespace {
constexpr int FrameCaptionBand = 450;  // frame caption and top margin
constexpr int InputRowHeight = 390;    // one input row: caption, text, scroll bar, step
constexpr int ChartBottomMargin = 700;
constexpr int ChartRightMargin = 400;

const LayoutGroup &groupOf(const Program &program, const CaseDef &c)
{
    const auto g = static_cast<std::size_t>(std::clamp(c.group, 0, static_cast<int>(program.groups.size()) - 1));
    return program.groups[g];
}
}  // namespace

int ShellModel::inputFrameHeight(int inputCount)
{
    return FrameCaptionBand + InputRowHeight * inputCount;
}

Rect ShellModel::pictureRect(int caseIndex) const
{
    const CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
    const LayoutGroup &g = groupOf(m_program, c);
    const int room = std::max(g.frameLeft - g.pictureLeft - 100, 900);
    return {g.pictureLeft, g.pictureTop, m_program.pictureWidth > 0 ? std::min(m_program.pictureWidth, room) : room,
            m_program.pictureHeight};
}

Rect ShellModel::inputFrameRect(int caseIndex) const
{
    const CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
    const LayoutGroup &g = groupOf(m_program, c);
    const int height = inputFrameHeight(c.inputCount());
    return {g.frameLeft, g.frameTop, std::max({g.command2Left - g.frameLeft - 150, 2400, m_leastInputFrame}), height};
}

void ShellModel::setLeastWidths(int inputFrame, int resultsFrame)
{
    if (inputFrame == m_leastInputFrame && resultsFrame == m_leastFrame2)
        return;
    m_leastInputFrame = std::max(inputFrame, 0);
    m_leastFrame2 = std::max(resultsFrame, 0);
    if (m_currentCase >= 0)
        layoutCase(currentCaseDef());
}

int ShellModel::frame2Width(int left) const
{
    return std::max({m_windowWidth - left - 600, 3000, m_leastFrame2});
}

Rect ShellModel::noteRect(int line) const
{
    return {m_command2.left, m_command2.top + 900 + 450 * line, std::max(m_windowWidth - m_command2.left - 200, 600),
            420};
}

Rect ShellModel::frame2RectOf(int caseIndex) const
{
    const CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
    const LayoutGroup &g = groupOf(m_program, c);
    // The results frame goes below the input frame, and below the picture where that reaches
    // lower, so that it never covers the case sketch.
    const int top = std::max(inputFrameRect(caseIndex).bottom(), pictureRect(caseIndex).bottom());
    const int height =
        g.frame2Height > 0 ? g.frame2Height : (m_program.frame2Height ? m_program.frame2Height(c.rowCount()) : 2550);
    return {m_program.frame2Left, top + g.frame2Gap, frame2Width(m_program.frame2Left), height};
}

void ShellModel::layoutCase(const CaseDef &c)
{
    const LayoutGroup &g = groupOf(m_program, c);
    const Rect frame = inputFrameRect(m_currentCase);
    m_command2 = {std::max(g.command2Left, frame.left + frame.width + 150), g.command2Top, 1100, 450};
    m_frame2 = frame2RectOf(m_currentCase);

    m_chart.top = m_frame2.bottom();
    const int height = m_windowHeight - m_chart.top - ChartBottomMargin;
    if (height >= 0)
        m_chart.height = height;
}

void ShellModel::resize(int widthUnits, int heightUnits)
{
    m_windowWidth = widthUnits;
    m_windowHeight = heightUnits;
    m_frame2.width = frame2Width(m_frame2.left);
    if (heightUnits > 10000) {
        const int height = heightUnits - (m_frame2.top + m_frame2.height + ChartBottomMargin);
        if (height >= 0)
            m_chart.height = height;
    }
    const int width = widthUnits - m_chart.left - ChartRightMargin;
    if (width >= 0)
        m_chart.width = width;
}

}  // namespace shell
