#include "oracle/oracle.h"

#include <algorithm>
#include <cmath>

namespace vma::test {
namespace {

using nlohmann::json;

struct Comparison {
    std::vector<std::string> found;
    size_t limit;

    bool full() const { return found.size() >= limit; }
    void note(const std::string& path, const json& ours, const json& theirs) {
        if (!full())
            found.push_back(path + ": ours " + ours.dump() + ", ezdxf " + theirs.dump());
    }

    void objects(const std::string& path, const json& ours, const json& theirs) {
        for (auto it = ours.begin(); it != ours.end() && !full(); ++it) {
            if (!theirs.contains(it.key()))
                note(path + "/" + it.key(), it.value(), nullptr);
            else
                walk(path + "/" + it.key(), it.value(), theirs.at(it.key()));
        }
        for (auto it = theirs.begin(); it != theirs.end(); ++it)
            if (!ours.contains(it.key()))
                note(path + "/" + it.key(), nullptr, it.value());
    }

    void arrays(const std::string& path, const json& ours, const json& theirs) {
        if (ours.size() != theirs.size())
            note(path + " (size " + std::to_string(ours.size()) + " vs " +
                     std::to_string(theirs.size()) + ")",
                 ours, theirs);
        for (size_t i = 0; i < std::min(ours.size(), theirs.size()) && !full(); ++i)
            walk(path + "/" + std::to_string(i), ours[i], theirs[i]);
    }

    void walk(const std::string& path, const json& ours, const json& theirs) {
        if (ours.is_number() && theirs.is_number()) {
            double a = ours.get<double>();
            double b = theirs.get<double>();
            if (std::fabs(a - b) > 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)}))
                note(path, ours, theirs);
            return;
        }
        if (ours.type() != theirs.type())
            return note(path, ours, theirs);
        if (ours.is_object())
            return objects(path, ours, theirs);
        if (ours.is_array())
            return arrays(path, ours, theirs);
        if (ours != theirs)
            note(path, ours, theirs);
    }
};

} // namespace

std::vector<std::string> differences(const json& ours, const json& theirs, size_t limit) {
    Comparison c{{}, limit};
    c.walk("", ours, theirs);
    return std::move(c.found);
}

} // namespace vma::test
