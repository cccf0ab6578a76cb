#include "shell/core/traindescription.h"

#include "mechanics/outcome.h"
#include "shell/core/jsonreading.h"
#include "shell/core/language.h"

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
        refuse(translatedPattern("Reason", "%1 must be a number, not %2", {inQuotes(path), kindOf(value)}));
    const double v = value.get<double>();
    if (!std::isfinite(v))
        refuse(translatedPattern("Reason", "%1 must be a finite number", {inQuotes(path)}));
    return v;
}

mechanics::Train trainOf(std::string_view text)
{
    if (text.size() > TrainDescriptionMaxBytes)
        refuse(translatedPattern("Reason", "it is too large to be a train (%1 bytes, at most %2)",
                                 {std::to_string(text.size()), std::to_string(TrainDescriptionMaxBytes)}));
    const Json document = parseText(text);
    if (!document.is_object())
        refuse(translatedPattern("Reason", "a train is an object {\"axles\": [...]}, not %1", {kindOf(document)}));
    for (const auto &item : document.items())
        if (!(item.key() == "axles" || item.key() == "w" || item.key() == "ways"))
            refuse(translatedPattern("Reason", "the train has an unknown field %1", {inQuotes(item.key())}));

    mechanics::Train train;
    const Json &axles = field(document, "", "axles");
    if (!axles.is_array())
        refuse(translatedPattern("Reason", "%1 must be a list, not %2", {inQuotes("axles"), kindOf(axles)}));
    if (axles.size() > mechanics::TrainMaxAxles)
        refuse(translatedPattern("Reason", "the train has %1 axles, at most %2 are taken",
                                 {std::to_string(axles.size()), std::to_string(mechanics::TrainMaxAxles)}));
    for (std::size_t k = 0; k < axles.size(); ++k) {
        const std::string path = "axles[" + std::to_string(k) + "]";
        object(axles[k], path, {"a", "P"});
        mechanics::Axle axle;
        axle.offset = finiteNumber(field(axles[k], path, "a"), fieldPath(path, "a"));
        if (axle.offset < 0)
            refuse(translatedPattern("Reason", "%1 is the distance behind the first axle: 0 or more, not %2",
                                     {inQuotes(fieldPath(path, "a")), mechanics::numberText(axle.offset)}));
        axle.load = finiteNumber(field(axles[k], path, "P"), fieldPath(path, "P"));
        train.axles.push_back(axle);
    }
    if (const auto w = document.find("w"); w != document.end())
        train.uniform = finiteNumber(*w, "w");
    if (const auto ways = document.find("ways"); ways != document.end())
        train.ways = choice(*ways, "ways", Ways);
    if (train.axles.empty() && train.uniform == 0)
        refuse(translated("Reason", "the train has neither axles nor a uniform load \"w\""));
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
