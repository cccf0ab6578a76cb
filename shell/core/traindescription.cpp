#include "shell/core/traindescription.h"

#include "mechanics/outcome.h"
#include "shell/core/jsonreading.h"

#include <cmath>
#include <utility>

namespace shell {

namespace {

using namespace jsonreading;

const std::pair<mechanics::TrainWays, const char *> Ways[] = {{mechanics::TrainWays::Both, "both"},
                                                              {mechanics::TrainWays::Rightward, "rightward"},
                                                              {mechanics::TrainWays::Leftward, "leftward"}};

double finiteNumber(const Json &value, const std::string &path)
{
    if (!value.is_number())
        refuse(inQuotes(path) + " must be a number, not " + kindOf(value));
    const double v = value.get<double>();
    if (!std::isfinite(v))
        refuse(inQuotes(path) + " must be a finite number");
    return v;
}

mechanics::Train trainOf(std::string_view text)
{
    if (text.size() > TrainDescriptionMaxBytes)
        refuse("it is too large to be a train (" + std::to_string(text.size()) + " bytes, at most " +
               std::to_string(TrainDescriptionMaxBytes) + ")");
    const Json document = parseText(text);
    if (!document.is_object())
        refuse("a train is an object {\"axles\": [...]}, not " + kindOf(document));
    for (const auto &item : document.items())
        if (!(item.key() == "axles" || item.key() == "w" || item.key() == "ways"))
            refuse("the train has an unknown field " + inQuotes(item.key()));

    mechanics::Train train;
    const Json &axles = field(document, "", "axles");
    if (!axles.is_array())
        refuse("\"axles\" must be a list, not " + kindOf(axles));
    if (axles.size() > mechanics::TrainMaxAxles)
        refuse("the train has " + std::to_string(axles.size()) + " axles, at most " +
               std::to_string(mechanics::TrainMaxAxles) + " are taken");
    for (std::size_t k = 0; k < axles.size(); ++k) {
        const std::string path = "axles[" + std::to_string(k) + "]";
        object(axles[k], path, {"a", "P"});
        mechanics::Axle axle;
        axle.offset = finiteNumber(field(axles[k], path, "a"), fieldPath(path, "a"));
        if (axle.offset < 0)
            refuse(inQuotes(fieldPath(path, "a")) + " is the distance behind the first axle: 0 or more, not " +
                   mechanics::numberText(axle.offset));
        axle.load = finiteNumber(field(axles[k], path, "P"), fieldPath(path, "P"));
        train.axles.push_back(axle);
    }
    if (const auto w = document.find("w"); w != document.end())
        train.uniform = finiteNumber(*w, "w");
    if (const auto ways = document.find("ways"); ways != document.end())
        train.ways = choice(*ways, "ways", Ways);
    if (train.axles.empty() && train.uniform == 0)
        refuse("the train has neither axles nor a uniform load \"w\"");
    return train;
}

}  // namespace

TrainReading readTrainDescription(std::string_view text)
{
    try {
        return {trainOf(text), {}};
    } catch (const Refusal &refusal) {
        return {std::nullopt, refusal.message};
    }
}

const char *trainWaysName(mechanics::TrainWays ways)
{
    for (const auto &[item, name] : Ways)
        if (item == ways)
            return name;
    return "both";
}

}  // namespace shell
