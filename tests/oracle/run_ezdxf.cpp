#include "oracle/oracle.h"
#include "support/process.h"
#include "support/test_support.h"

#include <filesystem>

namespace vma::test {

EzdxfResult runEzdxf(const std::vector<std::string>& args) {
    const std::string python = "/usr/bin/python3";
    if (!std::filesystem::exists(python))
        return {{}, "/usr/bin/python3 is missing: run tools/setup.sh"};
    std::vector<std::string> all{(sourceDir() / "tests/oracle/ezdxf_check.py").string()};
    all.insert(all.end(), args.begin(), args.end());
    ProcessResult run = runProcess(python, all);
    if (run.status == 2)
        return {{}, "python3-ezdxf is missing: run tools/setup.sh (" + run.err + ")"};
    if (run.status != 0)
        return {{},
                "ezdxf_check.py failed with status " + std::to_string(run.status) + ":\n" +
                    run.err};
    auto json = nlohmann::json::parse(run.out, nullptr, false);
    if (json.is_discarded())
        return {{}, "ezdxf_check.py printed no JSON:\n" + run.out};
    return {std::move(json), {}};
}

} // namespace vma::test
