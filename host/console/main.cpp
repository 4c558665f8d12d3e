// vmacon: the host on the command line. See --help.
#include "host/console/job.h"
#include "host/console/options.h"

int main(int argc, char** argv) {
    auto parsed = vma::console::parseOptions(argc, argv);
    if (!parsed.options)
        return parsed.status;
    return vma::console::runJob(*parsed.options);
}
