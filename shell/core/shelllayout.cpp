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

LayoutRect ShellModel::pictureRect(int caseIndex) const
{
    const CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
    const LayoutGroup &g = groupOf(m_program, c);
    const int room = std::max(g.inputFrameLeft - g.pictureLeft - 100, 900);
    return {g.pictureLeft, g.pictureTop, m_program.pictureWidth > 0 ? std::min(m_program.pictureWidth, room) : room,
            m_program.pictureHeight};
}

LayoutRect ShellModel::inputFrameRect(int caseIndex) const
{
    const CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
    const LayoutGroup &g = groupOf(m_program, c);
    const int height = inputFrameHeight(c.inputCount());
    return {g.inputFrameLeft, g.inputFrameTop,
            std::max({g.resetButtonLeft - g.inputFrameLeft - 150, 2400, m_leastInputFrame}), height};
}

void ShellModel::setLeastWidths(int inputFrame, int resultsFrame)
{
    if (inputFrame == m_leastInputFrame && resultsFrame == m_leastResultsFrame)
        return;
    m_leastInputFrame = std::max(inputFrame, 0);
    m_leastResultsFrame = std::max(resultsFrame, 0);
    if (m_currentCase >= 0)
        layoutCase(currentCaseDef());
}

int ShellModel::resultsFrameWidth(int left) const
{
    return std::max({m_windowWidth - left - 600, 3000, m_leastResultsFrame});
}

LayoutRect ShellModel::noteRect(int line) const
{
    return {m_resetButton.left, m_resetButton.top + 900 + 450 * line,
            std::max(m_windowWidth - m_resetButton.left - 200, 600), 420};
}

LayoutRect ShellModel::memberEditorRect() const
{
    if (!m_program.memberEditor || m_currentCase < 0)
        return {};
    const LayoutRect picture = pictureRect(m_currentCase);
    return {picture.left, m_resultsFrame.top, std::max(m_resultsFrame.left - picture.left - 150, 0),
            m_resultsFrame.height};
}

LayoutRect ShellModel::resultsFrameRectOf(int caseIndex) const
{
    const CaseDef &c = m_program.cases[static_cast<std::size_t>(caseIndex)];
    const LayoutGroup &g = groupOf(m_program, c);
    // The results frame goes below the input frame, and below the picture where that reaches
    // lower, so that it never covers the case sketch.
    const int top = std::max(inputFrameRect(caseIndex).bottom(), pictureRect(caseIndex).bottom());
    const int height = g.resultsFrameHeight > 0
                           ? g.resultsFrameHeight
                           : (m_program.resultsFrameHeight ? m_program.resultsFrameHeight(c.rowCount()) : 2550);
    return {m_program.resultsFrameLeft, top + g.resultsFrameGap, resultsFrameWidth(m_program.resultsFrameLeft), height};
}

void ShellModel::layoutCase(const CaseDef &c)
{
    const LayoutGroup &g = groupOf(m_program, c);
    const LayoutRect frame = inputFrameRect(m_currentCase);
    m_resetButton = {std::max(g.resetButtonLeft, frame.left + frame.width + 150), g.resetButtonTop, 1100, 450};
    m_resultsFrame = resultsFrameRectOf(m_currentCase);

    m_chart.top = m_resultsFrame.bottom();
    const int height = m_windowHeight - m_chart.top - ChartBottomMargin;
    if (height >= 0)
        m_chart.height = height;
}

void ShellModel::resize(int widthUnits, int heightUnits)
{
    m_windowWidth = widthUnits;
    m_windowHeight = heightUnits;
    m_resultsFrame.width = resultsFrameWidth(m_resultsFrame.left);
    if (heightUnits > 10000) {
        const int height = heightUnits - (m_resultsFrame.top + m_resultsFrame.height + ChartBottomMargin);
        if (height >= 0)
            m_chart.height = height;
    }
    const int width = widthUnits - m_chart.left - ChartRightMargin;
    if (width >= 0)
        m_chart.width = width;
}

}  // namespace shell
