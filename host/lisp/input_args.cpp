#include "host/lisp/input_args.h"

#include "host/lisp/builtins.h"

namespace vma::lisp {

ErrorOr<PromptArgs> promptArgs(const Args& args, bool takesPoint) {
    VMA_TRY(arity(args, 0, takesPoint ? 2 : 1));
    PromptArgs out;
    for (const Value& arg : args) {
        if (!arg)
            continue;
        if (is(arg, Type::Str) && !out.hasMessage) {
            out.message = arg->text;
            out.hasMessage = true;
            continue;
        }
        if (!takesPoint || out.hasBase)
            return badArgument("stringp", arg);
        VMA_TRY_ASSIGN(auto xyz, pointArg(arg));
        for (size_t i = 0; i < xyz.size(); ++i)
            out.base[i] = xyz[i];
        out.hasBase = true;
    }
    return out;
}

Error cancelled() {
    return Error{"Function cancelled"};
}

} // namespace vma::lisp
