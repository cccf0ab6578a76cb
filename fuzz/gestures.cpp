#include "fuzz/gestures.h"

#include "fuzz/windowchecks.h"
#include "registry/registry.h"
#include "shell/core/numbertext.h"
#include "shell/core/shellmodel.h"
#include "shell/core/testing/recordingplatform.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace fuzzing {

namespace {

using shell::ShellModel;

int gestureCount = 0;

class Decoder
{
public:
    Decoder(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    bool done() const { return m_pos >= m_size; }
    int byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    // 0 .. n - 1 (0 where n is not positive).
    int below(int n) { return n > 0 ? byte() % n : 0; }
    int twoBytes() { return static_cast<std::int16_t>(static_cast<std::uint16_t>((byte() << 8) | byte())); }
    double bits()
    {
        std::uint64_t b = 0;
        for (int i = 0; i < 8; ++i)
            b = (b << 8) | static_cast<std::uint64_t>(byte());
        double value = 0;
        std::memcpy(&value, &b, sizeof value);
        return value;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// The pieces a typed text is made of.
const char *const Pieces[] = {"0",  "1",  "2", "3", "4", "5", "6", "7",  "8",  "9", ".", "-", "+", "e", "E", "d", "D",
                              "&H", "&O", "a", "b", "c", "F", " ", "\t", "\n", ",", "x", "µ", "･", "0", "1", "5", "."};
constexpr int PieceCount = sizeof Pieces / sizeof Pieces[0];

// Numbers at the edges of what a double and the formats hold.
const char *const Edges[] = {"0",
                             "-0",
                             "1e308",
                             "-1e308",
                             "1.79769313486232E+308",
                             "1.7976931348623157e308",
                             "1.797693134862315e308",
                             "2.2250738585072014e-308",
                             "2.225e-308",
                             "1e-307",
                             "1e-310",
                             "4.9e-324",
                             "1e-400",
                             "1e400",
                             "-1D400",
                             "9007199254740993",
                             "&H20000000000001",
                             "&O1777777777777777777777",
                             "&HFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
                             "123456789",
                             "123456789012345",
                             "1.23456789012345678",
                             "100000000",
                             "100000001",
                             "100000000.5",
                             "10000",
                             "10001",
                             "99999.5",
                             "9.9995",
                             "0.1",
                             "1e15",
                             "999999999999999.5",
                             "1E-05",
                             "0.0001",
                             "-5",
                             "1.0000e+11",
                             "1.00e+05",
                             "1.2346e+08",
                             "12abc",
                             "1e5",
                             " 7 ",
                             "abc",
                             ""};
constexpr int EdgeCount = sizeof Edges / sizeof Edges[0];

std::string typedText(Decoder &in)
{
    const int length = in.below(24);
    std::string text;
    for (int i = 0; i < length; ++i)
        text += Pieces[in.below(PieceCount)];
    return text;
}

std::string numberText(Decoder &in, const shell::InputDef *input)
{
    switch (in.below(4)) {
    case 0:
        return shell::generalText(in.bits());
    case 1: {
        std::string text = in.byte() % 4 == 0 ? "-" : "";
        const int digits = 1 + in.below(17);
        for (int i = 0; i < digits; ++i) {
            text += static_cast<char>('0' + in.below(10));
            if (i == 0 && digits > 1)
                text += '.';
        }
        return text + "e" + std::to_string(in.twoBytes() % 340);
    }
    case 2:
        return Edges[in.below(EdgeCount)];
    default: {
        const double start = input != nullptr && input->start != 0 ? input->start : 1;
        return shell::generalText(start * std::pow(10.0, in.below(41) - 20));
    }
    }
}

class Run
{
public:
    explicit Run(const shell::Program &program) : m_program(program), m_model(program, m_platform) {}

    std::string start()
    {
        m_model.start();
        m_checks.remember();
        return m_checks.check(-1);
    }

    // One gesture from the bytes; "" or what broke.
    std::string gesture(Decoder &in, int number)
    {
        ShellModel &m = m_model;
        const shell::CaseDef &c = m.currentCaseDef();
        const int n = c.inputCount();
        const shell::Units fieldUnits = m.fieldUnits(m.currentCase());
        m_checks.remember();
        std::string name;
        int typedField = -1;
        std::string failure;
        switch (in.byte() % 16) {
        case 0: {
            const int index = in.below(m_program.caseCount());
            name = "select case " + std::to_string(index + 1);
            m.selectCase(index);
            break;
        }
        case 1:
        case 14: {
            const bool typed = in.byte() % 2 == 0;
            const int k = in.below(2 * n + 1);  // 2n: no such field
            const std::string text = typed ? typedText(in) : numberText(in, k < 2 * n ? &c.inputs[k % n] : nullptr);
            name = "type '" + text + "' into field " + std::to_string(k + 1);
            m.setText(k, text);
            if (k < 2 * n) {
                typedField = k;
                // (unless the case was just brought into the window's units, the typed text with it)
                if (m.text(m.currentCase(), k) != text && m.fieldUnits(m.currentCase()) == fieldUnits)
                    failure = "the field does not hold the text typed";
            }
            break;
        }
        case 2:
        case 15: {
            const int k = in.below(n + 1);
            const int position = in.twoBytes();
            const bool drag = in.byte() % 2 == 0;
            name = std::string(drag ? "drag" : "move") + " scroll bar " + std::to_string(k + 1) + " to " +
                   std::to_string(position);
            if (drag)
                m.setScrollFocus(k, true);
            m.setScroll(k, position);
            if (drag)
                m.setScrollFocus(k, false);
            break;
        }
        case 3: {
            const int k = in.below(ShellModel::MaxInputs + 1);
            const bool focused = in.byte() % 2 == 0;
            name = std::string(focused ? "focus" : "leave") + " scroll bar " + std::to_string(k + 1);
            m.setScrollFocus(k, focused);
            break;
        }
        case 4:
            name = "Reset";
            m.reset();
            break;
        case 5: {
            const int unit = in.below(4);
            name = "length unit " + std::to_string(unit);
            m.chooseUnit(static_cast<shell::LengthUnit>(unit));  // 3: none of the units
            break;
        }
        case 6: {
            const int unit = in.below(3);
            name = "force unit " + std::to_string(unit);
            m.chooseForceUnit(static_cast<shell::ForceUnit>(unit));  // 2: none of the units
            break;
        }
        case 7:
            name = "result format";
            m.toggleFormat();
            break;
        case 8: {
            const int row = in.below(static_cast<int>(m.rows().size()) + 1);
            const bool ticked = in.byte() % 2 == 0;
            name = std::string(ticked ? "tick" : "untick") + " row " + std::to_string(row + 1);
            m.tickRow(row, ticked);
            break;
        }
        case 9:
            name = "log scale";
            m.toggleLogScale();
            break;
        case 10: {
            const int type = in.below(8);
            name = "chart type " + std::to_string(type);
            m.chooseChartType(static_cast<shell::ChartType>(type));
            break;
        }
        case 11: {
            const int point = in.below(static_cast<int>(m.chartPoints().size()) + 1);
            name = "click chart point " + std::to_string(point + 1);
            failure = m_checks.checkPopup(point, m.selectPoint(point));
            break;
        }
        case 12:
            if (in.byte() % 2 == 0) {
                name = "next page";
                m.nextPage();
            } else {
                name = "previous page";
                m.previousPage();
            }
            break;
        default:
            if (in.byte() % 2 == 0) {
                name = "results to clipboard";
                m.copyResults();
                failure = m_checks.checkClipboard(m_platform.clipboard);
            } else {
                const int width = in.twoBytes();
                const int height = in.twoBytes();
                name = "resize to " + std::to_string(width) + " x " + std::to_string(height);
                m.resize(width, height);
            }
            break;
        }
        ++gestureCount;
        if (failure.empty())
            failure = m_checks.check(typedField);
        if (failure.empty())
            failure = m_checks.checkRoundTrip(number);
        return failure.empty() ? std::string()
                               : "gesture " + std::to_string(number + 1) + " (" + name + "): " + failure;
    }

private:
    const shell::Program &m_program;
    shell::testing::RecordingPlatform m_platform;
    ShellModel m_model;
    WindowChecks m_checks{m_model};
};

}  // namespace

std::string runGestures(int programIndex, const std::uint8_t *data, std::size_t size, int maxGestures)
{
    gestureCount = 0;
    const std::vector<const shell::Program *> programs = registry::programs();
    const shell::Program &program = *programs[static_cast<std::size_t>(programIndex) % programs.size()];
    Run run(program);
    std::string failure = run.start();
    Decoder in(data, size);
    for (int g = 0; failure.empty() && !in.done() && g < maxGestures; ++g)
        failure = run.gesture(in, g);
    return failure.empty() ? std::string() : program.name + ", " + failure;
}

std::string windowModelInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return {};
    return runGestures(data[0], data + 1, size - 1);
}

int lastGestureCount()
{
    return gestureCount;
}

}  // namespace fuzzing
