#include "registry/registry.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace registry {

namespace {

bool sameName(const std::string &a, const std::string &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::vector<const shell::Program *> programs()
{
    std::vector<const shell::Program *> all;
    for (const Entry &entry : entries())
        all.push_back(&entry.program());
    return all;
}

const shell::Program *find(const std::string &name)
{
    for (const Entry &entry : entries())
        if (sameName(entry.name, name))
            return &entry.program();
    return nullptr;
}

std::string namesInWords()
{
    const std::vector<Entry> &all = entries();
    std::string words;
    for (std::size_t k = 0; k < all.size(); ++k) {
        if (k > 0)
            words += k + 1 == all.size() ? " or " : ", ";
        words += all[k].name;
    }
    return words;
}

OpenedCalculation readCalculation(std::string_view text)
{
    OpenedCalculation opened;
    shell::SavedCalculationRead read = shell::readSavedCalculation(text);
    if (!read.ok) {
        opened.error = read.error;
        return opened;
    }
    const shell::Program *program = find(read.calculation.program);
    if (!program || program->name != read.calculation.program) {
        opened.error = "it is a calculation of \"" + read.calculation.program +
                       "\", a program structcalc does not know (" + namesInWords() + ")";
        return opened;
    }
    opened.error = shell::checkSavedCalculation(read.calculation, *program);
    if (opened.error.empty()) {
        opened.program = program;
        opened.calculation = std::move(read.calculation);
    }
    return opened;
}

}  // namespace registry
