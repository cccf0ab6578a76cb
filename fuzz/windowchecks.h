#pragma once

// The promises of a window checked after every gesture (fuzz/gestures.h lists them), with what
// they need to remember between gestures: the fields before the gesture and the last accepted
// results the window showed.

#include "shell/core/shellmodel.h"

#include <string>
#include <vector>

namespace fuzzing {

class WindowChecks
{
public:
    explicit WindowChecks(const shell::ShellModel &model);

    // Before a gesture: the fields of every case and the case shown.
    void remember();
    // After it: "" or what broke; `typedField` is the field of the case shown before the gesture
    // that it typed into (-1: none).
    std::string check(int typedField);
    // The caption of chart point `point` as the window gave it.
    std::string checkPopup(int point, const std::string &text) const;
    // The results as the window copied them.
    std::string checkClipboard(const std::string &clip) const;
    // To the `number`th of the other unit systems and back, on a copy of the window.
    std::string checkRoundTrip(int number) const;

private:
    // The units the case computes in (the catalogue's where the program only relabels).
    shell::Units computeUnits() const;

    // The last accepted results the window showed, and the case, units and format they belong to.
    struct Shown {
        bool valid = false;
        int caseIndex = -1;
        shell::Units units;
        bool format = true;
        std::vector<std::string> texts;
        std::vector<double> values;
    };

    const shell::ShellModel &m_model;
    const shell::Program &m_program;
    Shown m_shown;
    std::vector<std::vector<std::string>> m_before;
    int m_caseBefore = -1;
};

}  // namespace fuzzing
