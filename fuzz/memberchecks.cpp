#include "fuzz/memberchecks.h"

#include "cli/structcalc.h"
#include "shell/core/memberdescription.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace fuzzing {

namespace {

// The downward load a description carries; NaN where a sum leaves the range of a double.
double totalLoad(const nlohmann::json &member, double &scale)
{
    double load = 0;
    for (const auto &l : member.value("loads", nlohmann::json::array())) {
        if (l["kind"] == "point") {
            load += l["P"].get<double>();
            scale += std::fabs(l["P"].get<double>());
        } else if (l["kind"] == "distributed") {
            const double w =
                (l["w1"].get<double>() + l["w2"].get<double>()) / 2 * (l["to"].get<double>() - l["from"].get<double>());
            load += w;
            scale += std::fabs(w);
        }
    }
    return load;
}

}  // namespace

std::string checkMemberDescription(std::string_view text)
{
    shell::MemberReading read;
    try {
        read = shell::readMemberDescription(text);
    } catch (...) {
        return "the reader threw";
    }
    if (!read.member && read.error.empty())
        return "a description refused without a reason";
    if (read.member) {
        const std::string written = shell::memberDescriptionJson(*read.member);
        const shell::MemberReading again = shell::readMemberDescription(written);
        if (!again.member)
            return "the member written back is refused: " + again.error;
        if (shell::memberDescriptionJson(*again.member) != written)
            return "the member written back reads as another member: " + written;
    }

    std::istringstream in{std::string(text)};
    std::ostringstream out, err;
    const int status = structcalc::run({"Member", "--member", "-", "--json"}, out, err, &in);
    const std::string answer = out.str();
    if (status != 0 && status != 3 && !(status == 2 && text.size() > shell::MemberDescriptionMaxBytes))
        return "exit status " + std::to_string(status);
    if (status != 0 && err.str().rfind("structcalc: ", 0) != 0)
        return "a refusal without its reason: " + err.str();
    if (status == 2)
        return {};
    if (!nlohmann::json::accept(answer))
        return "the answer is not one JSON object: " + answer.substr(0, 200);
    const nlohmann::json j = nlohmann::json::parse(answer);
    if (status == 3)
        return j.value("rejected", false) ? "" : "a refused member is not marked rejected";
    for (const auto &row : j["rows"]) {
        const std::string shown = row["text"].get<std::string>();
        if (!row["value"].is_number() || shown.find("nan") != std::string::npos ||
            shown.find("inf") != std::string::npos)
            return "the row " + row["symbol"].get<std::string>() + " shows " + shown;
    }
    double up = 0, scale = 0;
    for (const auto &r : j["reactions"]) {
        if (!r["force"].is_number() || !r["moment"].is_number())
            return "a reaction is no number";
        up += r["force"].get<double>();
        scale += std::fabs(r["force"].get<double>());
    }
    const double load = totalLoad(j["member"], scale);
    if (std::isfinite(load) && std::isfinite(scale) && std::fabs(up - load) > 1e-8 * scale)
        return "the reactions (" + std::to_string(up) + ") do not carry the load (" + std::to_string(load) + ")";
    return {};
}

std::string memberInput(const std::uint8_t *data, std::size_t size)
{
    return checkMemberDescription(std::string_view(reinterpret_cast<const char *>(data), size));
}

}  // namespace fuzzing
