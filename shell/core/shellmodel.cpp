#include "shell/core/shellmodel.h"

#include "shell/core/numbertext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace shell {

ShellModel::ShellModel(const Program &program, Platform &platform) : m_program(program), m_platform(platform)
{
    std::size_t rowSlots = 0;
    for (const CaseDef &c : m_program.cases) {
        std::vector<std::string> texts;
        for (const InputDef &input : c.inputs)
            texts.push_back(generalText(input.start));
        for (const InputDef &input : c.inputs)
            texts.push_back(generalText(input.step));
        m_texts.push_back(texts);
        m_scroll.emplace_back(c.inputs.size(), 0);
        rowSlots = std::max(rowSlots, c.rows.size());
    }
    m_rows.resize(rowSlots);
    m_programColor = m_program.programColor;
}

const CaseDef &ShellModel::currentCaseDef() const
{
    return m_program.cases[static_cast<std::size_t>(std::max(CurrentCase, 0))];
}

void ShellModel::start()
{
    m_windowWidth = m_program.windowWidth;
    m_windowHeight = m_program.windowHeight;
    m_chart.left = m_program.chartLeft;
    m_chart.width = m_program.chartWidth;

    // The default store holds the start texts as laid out in the window, read as numbers.
    DefaultStore.clear();
    for (const auto &texts : m_texts) {
        std::vector<double> stored;
        stored.reserve(texts.size());
        for (const std::string &t : texts)
            stored.push_back(readNumber(t));
        DefaultStore.push_back(stored);
    }

    PlotColor = 255;

    if (m_program.startupReset == StartupReset::EveryCase) {
        for (int i = 0; i < m_program.caseCount(); ++i) {
            CurrentCase = i;
            resetCase();
        }
    }
    CurrentCase = -1;
    selectCase(0);
    if (m_program.startupReset == StartupReset::CurrentCase)
        reset();
}

std::vector<double> ShellModel::inputNumbers(int caseIndex) const
{
    const auto &def = m_program.cases[static_cast<std::size_t>(caseIndex)];
    std::vector<double> numbers;
    numbers.reserve(def.inputs.size());
    for (int k = 0; k < def.inputCount(); ++k)
        numbers.push_back(readNumber(m_texts[static_cast<std::size_t>(caseIndex)][static_cast<std::size_t>(k)]));
    return numbers;
}

void ShellModel::selectCase(int index)
{
    if (index == CurrentCase || index < 0 || index >= m_program.caseCount())
        return;
    CurrentCase = index;
    const CaseDef &c = currentCaseDef();

    for (ResultRow &row : m_rows)
        row.ticked = true;
    layoutCase(c);

    ResultCount = c.rowCount();
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        ResultRow &row = m_rows[r];
        row.visible = static_cast<int>(r) < ResultCount;
        if (row.visible) {
            row.caption = c.rows[r].caption;
            row.unit =
                m_program.unitLabel ? m_program.unitLabel(row.caption, static_cast<int>(r), UnitSystem) : std::string();
        }
    }
    m_notes.clear();
    for (const LegendLine &line : legendLines(m_program, c, UnitSystem))
        m_notes.push_back(line.text());
    m_advisories.clear();
    compute(0);
}

void ShellModel::reselect()
{
    const int saved = CurrentCase;
    CurrentCase = -1;
    selectCase(saved);
}

void ShellModel::setText(int k, const std::string &text)
{
    writeText(k, text);
}

void ShellModel::writeText(int k, const std::string &text)
{
    auto &texts = m_texts[static_cast<std::size_t>(CurrentCase)];
    if (k < 0 || k >= static_cast<int>(texts.size()))
        return;
    texts[static_cast<std::size_t>(k)] = text;
    compute(k);
}

void ShellModel::compute(int index)
{
    ++m_computeCount;
    const CaseDef &c = currentCaseDef();
    Evaluation evaluation = evaluate(c, inputNumbers(CurrentCase));
    if (evaluation.rejected) {
        entryError(index);
        return;
    }
    for (std::size_t r = 0; r < evaluation.values.size(); ++r) {
        const double v = evaluation.values[r];
        ResultRow &row = m_rows[r];
        row.value = std::isfinite(v) ? v : std::numeric_limits<double>::quiet_NaN();
        row.text = generalText(v);
    }
    m_advisories = std::move(evaluation.advisories);
    m_lastRejected = false;
    drawChart();
}

void ShellModel::entryError(int index)
{
    m_platform.beep();
    m_statusVisible = true;
    m_statusText = "Please check command entry  #" + std::to_string(index + 1);
    m_lastRejected = true;
}

void ShellModel::drawChart()
{
    m_statusVisible = false;
    PointRow.clear();
    m_chartPoints.clear();
    for (int r = 0; r < ResultCount; ++r) {
        ResultRow &row = m_rows[static_cast<std::size_t>(r)];
        // The chart takes the number in the field as it stands (full precision after a
        // computation, the formatted value after a tick), then the field is formatted.
        const double v = readNumber(row.text);
        if (row.ticked) {
            PointRow.push_back(r);
            m_chartPoints.push_back({SymbolPart(row.caption), m_logScale ? Log10OrZero(v) : v});
        }
        if (m_formatResults && !row.text.empty())
            row.text = resultTextOf(row.text);
    }
}

void ShellModel::setScroll(int k, int value)
{
    if (CurrentCase < 0 || k < 0 || k >= currentCaseDef().inputCount())
        return;
    m_scroll[static_cast<std::size_t>(CurrentCase)][static_cast<std::size_t>(k)] =
        std::clamp(value, ScrollMin, ScrollMax);
    scrollToText(k);
}

void ShellModel::scrollToText(int k)
{
    const auto cc = static_cast<std::size_t>(CurrentCase);
    const auto &texts = m_texts[cc];
    const int count = currentCaseDef().inputCount();
    if (!ScrollFocus[static_cast<std::size_t>(k)]) {
        // A change the user did not make: the current input becomes the base of position 0.
        ScrollBase = readNumber(texts[static_cast<std::size_t>(k)]);
        m_scroll[cc][static_cast<std::size_t>(k)] = 0;
    }
    const double step = readNumber(texts[static_cast<std::size_t>(count) + static_cast<std::size_t>(k)]);
    const int position = m_scroll[cc][static_cast<std::size_t>(k)];
    writeText(k, generalText(ScrollBase + position * step));
}

void ShellModel::setScrollFocus(int k, bool focused)
{
    if (k < 0 || k >= MaxInputs)
        return;
    if (focused && CurrentCase >= 0 && k < currentCaseDef().inputCount()) {
        // The base is one number for the whole window: a scroll bar that gains the focus takes
        // its own input as the base and returns to position 0, so that its first step starts
        // from the value the user sees and not from the input scrolled or typed last.
        ScrollBase = readNumber(m_texts[static_cast<std::size_t>(CurrentCase)][static_cast<std::size_t>(k)]);
        m_scroll[static_cast<std::size_t>(CurrentCase)][static_cast<std::size_t>(k)] = 0;
    }
    ScrollFocus[static_cast<std::size_t>(k)] = focused;
}

void ShellModel::reset()
{
    if (CurrentCase >= 0)
        resetCase();
}

void ShellModel::resetCase()
{
    const CaseDef &c = currentCaseDef();
    const auto &stored = DefaultStore[static_cast<std::size_t>(CurrentCase)];
    const int n = c.inputCount();
    for (int k = 0; k < n; ++k) {
        double value = stored[static_cast<std::size_t>(k)];
        double step = stored[static_cast<std::size_t>(n) + static_cast<std::size_t>(k)];
        if (m_program.resetWrite == ResetWrite::General) {
            writeText(k, generalText(value));
            writeText(n + k, generalText(step));
        } else {
            if (m_program.isUnitBearing(c.inputs[static_cast<std::size_t>(k)].caption)) {
                value = StressToUnit(value, UnitSystem);
                step = StressToUnit(step, UnitSystem);
            }
            writeText(k, FormatLargeValue(value));
            writeText(n + k, FormatLargeStep(step));
        }
        m_scroll[static_cast<std::size_t>(CurrentCase)][static_cast<std::size_t>(k)] = 0;
    }
}

void ShellModel::chooseUnit(int unitSystem)
{
    if (unitSystem < 0 || unitSystem > 2)
        return;
    if (m_program.unitChange == UnitChange::RelabelOnly) {
        UnitSystem = unitSystem;
        for (std::size_t r = 0; r < m_rows.size(); ++r)
            if (m_program.unitLabel)
                m_rows[r].unit = m_program.unitLabel(m_rows[r].caption, static_cast<int>(r), UnitSystem);
        return;
    }
    if (unitSystem != UnitSystem)
        unitConvert(UnitScale(unitSystem) / UnitScale(UnitSystem));
    UnitSystem = unitSystem;
    reselect();
}

void ShellModel::unitConvert(double factor)
{
    const CaseDef &c = currentCaseDef();
    const int n = c.inputCount();
    const double stepFactor = m_program.stepScaledBySquareRoot ? std::sqrt(factor) : factor;
    for (int k = 0; k < n; ++k) {
        if (!m_program.isUnitBearing(c.inputs[static_cast<std::size_t>(k)].caption))
            continue;
        const auto &texts = m_texts[static_cast<std::size_t>(CurrentCase)];
        // A field that holds no number is left as the user typed it.
        const std::string value = texts[static_cast<std::size_t>(k)];
        if (holdsNumber(value))
            writeText(k, FormatLargeValue(readNumber(value) * factor));
        const std::string step = texts[static_cast<std::size_t>(n) + static_cast<std::size_t>(k)];
        if (holdsNumber(step))
            writeText(n + k, FormatLargeStep(readNumber(step) * stepFactor));
    }
}

void ShellModel::toggleFormat()
{
    m_formatResults = !m_formatResults;
    reselect();
}

void ShellModel::programColorCommand()
{
    unsigned chosen = 0;
    if (m_platform.pickColor(m_programColor, chosen))
        m_programColor = chosen;
}

void ShellModel::tickRow(int row, bool ticked)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    m_rows[static_cast<std::size_t>(row)].ticked = ticked;
    drawChart();
}

void ShellModel::plotColorCommand()
{
    unsigned chosen = 0;
    if (m_platform.pickColor(PlotColor, chosen))
        PlotColor = chosen;
}

void ShellModel::toggleLogScale()
{
    m_logScale = !m_logScale;
    drawChart();
}

void ShellModel::chooseChartType(ChartType type)
{
    m_chartType = type;
}

std::string ShellModel::selectPoint(int point)
{
    if (point < 0 || point >= static_cast<int>(m_chartPoints.size()))
        return {};
    const double value = m_chartPoints[static_cast<std::size_t>(point)].value;
    const std::string text = m_formatResults ? resultText(value) : generalText(value);
    return m_rows[static_cast<std::size_t>(PointRow[static_cast<std::size_t>(point)])].caption + "  " + text;
}

void ShellModel::nextPage()
{
    if (!m_program.hasPages())
        return;
    m_page = 1;
    selectCase(m_program.firstCaseOf(1));
}

void ShellModel::previousPage()
{
    if (!m_program.hasPages())
        return;
    m_page = 0;
    selectCase(m_program.firstCaseOf(0));
}

std::string ShellModel::resultsText() const
{
    std::string s;
    for (int r = 0; r < ResultCount; ++r) {
        const ResultRow &row = m_rows[static_cast<std::size_t>(r)];
        s += row.caption + " \t" + row.text + " " + row.unit + "\r\n";
    }
    return s;
}

void ShellModel::copyResults()
{
    m_platform.setClipboardText(resultsText());
}

void ShellModel::help()
{
    const std::string path = m_platform.programFolder() + folderSeparator() + m_program.helpFile;
    int errorNumber = 0;
    std::string errorText;
    if (m_platform.openDocument(path, errorNumber, errorText))
        return;
    if (errorNumber < 1)
        m_platform.messageBox(m_program.helpFile + " : Reference File open error ! ", m_program.helpMessageTitle);
    else
        m_platform.messageBox(m_program.errorPrefix + std::to_string(errorNumber) + errorText, "Error Message");
}

void ShellModel::exit()
{
    m_platform.closeWindow();
}

}  // namespace shell
