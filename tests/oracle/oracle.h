// The independent reader seen from C++: ezdxf_check.py run as a child process,
// our own database described in the JSON shape it prints, and the comparison
// of the two.
#pragma once

#include "host/db/database.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace vma::test {

struct EzdxfResult {
    nlohmann::json json;
    std::string failure; // empty on success; says what went wrong (ezdxf missing ...)
};

// Runs /usr/bin/python3 tests/oracle/ezdxf_check.py with args.
EzdxfResult runEzdxf(const std::vector<std::string>& args);

// Layers, blocks (layouts left out) and model-space entities of db, described
// by the rules ezdxf_check.py follows.
nlohmann::json describe(const db::Database& db);

// Where ours and theirs differ, one line each naming the JSON path (at most
// limit lines). Numbers compare with a relative tolerance of 1e-9.
std::vector<std::string> differences(const nlohmann::json& ours, const nlohmann::json& theirs,
                                     size_t limit = 20);

} // namespace vma::test
