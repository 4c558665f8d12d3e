#include "host/arx/command_stack.h"

#include "host/arx/loader.h"
#include "host/base/text.h"
#include "host/input/commands.h"
#include "host/lisp/bridge.h"
#include "host/sysvar/access.h"

#include <algorithm>

namespace vma::arx {
namespace {

constexpr size_t kMaxNameLength = 64;
constexpr int kArxCommandBit = 64; // CMDACTIVE: an ObjectARX command runs

bool isValidName(const ACHAR* name) {
    if (name == nullptr || *name == 0)
        return false;
    std::wstring_view text(name);
    if (text.size() > kMaxNameLength || text[0] == L'_' || text[0] == L'.' || text[0] == L'\'')
        return false;
    return std::none_of(text.begin(), text.end(), [](wchar_t c) {
        return c <= L' ' || c == L'(' || c == L')' || c == L'"' || c == L';' || c == L'\'';
    });
}

bool sameName(std::wstring_view a, std::wstring_view b) {
    return upperName(a) == upperName(b);
}

std::wstring qualified(const HostCommand& cmd) {
    return upperName(cmd.group() + L"." + cmd.globalName());
}

// The names a command is entered under in the host's registry.
std::vector<std::wstring> keysOf(const HostCommand& cmd) {
    std::vector<std::wstring> keys{upperName(cmd.globalName()), qualified(cmd)};
    std::wstring local = upperName(cmd.localName());
    if (local != keys[0])
        keys.push_back(local);
    return keys;
}

// CMDACTIVE has bit 64 while a module's command runs.
class ArxActive {
public:
    ArxActive() {
        host::Session& session = host::Session::get();
        auto value = host::getSysvar(session, "CMDACTIVE");
        if (!value.ok())
            return;
        outer_ = value->integer;
        (void)host::setSysvarInternal(session, "CMDACTIVE",
                                      host::SysvarValue::ofShort(outer_ | kArxCommandBit));
    }
    ~ArxActive() {
        (void)host::setSysvarInternal(host::Session::get(), "CMDACTIVE",
                                      host::SysvarValue::ofShort(outer_));
    }
    ArxActive(const ArxActive&) = delete;
    ArxActive& operator=(const ArxActive&) = delete;

private:
    int64_t outer_ = 0;
};

} // namespace

HostCommand::HostCommand(std::wstring group, std::wstring global, std::wstring local,
                         Adesk::Int32 flags, AcRxFunctionPtr fn, AcEdUIContext* context, int fcode,
                         const AcRxResourceInstance& resources, Module* module)
    : group_(std::move(group)), global_(std::move(global)), local_(std::move(local)), flags_(flags),
      fn_(fn), context_(context), fcode_(fcode), resources_(resources), module_(module) {}

CommandStack& CommandStack::get() {
    static CommandStack stack;
    return stack;
}

Acad::ErrorStatus CommandStack::addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName,
                                           const ACHAR* cmdLocalName, Adesk::Int32 commandFlags,
                                           AcRxFunctionPtr FunctionAddr, AcEdUIContext* UIContext,
                                           int fcode, const AcRxResourceInstance& resourceInstance,
                                           AcEdCommand** cmdPtrRet) {
    if (cmdLocalName == nullptr)
        cmdLocalName = cmdGlobalName;
    if (FunctionAddr == nullptr || !isValidName(cmdGroupName) || !isValidName(cmdGlobalName) ||
        !isValidName(cmdLocalName))
        return Acad::eInvalidInput;
    for (const auto& cmd : commands_)
        if (sameName(cmd->group(), cmdGroupName) && sameName(cmd->globalName(), cmdGlobalName))
            return Acad::eDuplicateKey;
    auto cmd = std::make_unique<HostCommand>(cmdGroupName, cmdGlobalName, cmdLocalName,
                                             commandFlags, FunctionAddr, UIContext, fcode,
                                             resourceInstance, Loader::get().running());
    for (const std::wstring& key : keysOf(*cmd))
        if (input::CommandRegistry::get().find(key))
            return Acad::eNotApplicable;
    enter(*cmd);
    if (cmdPtrRet)
        *cmdPtrRet = cmd.get();
    commands_.push_back(std::move(cmd));
    return Acad::eOk;
}

AcEdCommand* CommandStack::lookupGlobalCmd(const ACHAR* cmdName) {
    return lookupCmd(cmdName, true);
}

AcEdCommand* CommandStack::lookupLocalCmd(const ACHAR* cmdName) {
    return lookupCmd(cmdName, false);
}

AcEdCommand* CommandStack::lookupCmd(const ACHAR* cmdName, bool globalFlag) {
    if (cmdName == nullptr)
        return nullptr;
    for (const auto& cmd : commands_)
        if (sameName(globalFlag ? cmd->globalName() : cmd->localName(), cmdName))
            return cmd.get();
    return nullptr;
}

Acad::ErrorStatus CommandStack::removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName) {
    if (cmdGroupName == nullptr || cmdGlobalName == nullptr)
        return Acad::eInvalidInput;
    auto it = std::find_if(commands_.begin(), commands_.end(), [&](const auto& cmd) {
        return sameName(cmd->group(), cmdGroupName) && sameName(cmd->globalName(), cmdGlobalName);
    });
    if (it == commands_.end())
        return Acad::eKeyNotFound;
    erase(it);
    return Acad::eOk;
}

Acad::ErrorStatus CommandStack::removeGroup(const ACHAR* groupName) {
    if (groupName == nullptr)
        return Acad::eInvalidInput;
    bool found = false;
    for (auto it = commands_.begin(); it != commands_.end();) {
        if (!sameName((*it)->group(), groupName)) {
            ++it;
            continue;
        }
        found = true;
        leave(**it);
        it = commands_.erase(it);
    }
    return found ? Acad::eOk : Acad::eKeyNotFound;
}

void CommandStack::removeModule(const Module* module) {
    for (auto it = commands_.begin(); it != commands_.end();) {
        if ((*it)->module() != module) {
            ++it;
            continue;
        }
        leave(**it);
        it = commands_.erase(it);
    }
}

void CommandStack::run(const std::wstring& key) {
    HostCommand* cmd = byKey(key);
    if (!cmd)
        return;
    AcRxFunctionPtr fn = cmd->functionAddr();
    RunningScope running(cmd->module());
    lisp::FunctionCodeScope code(cmd->functionCode());
    ArxActive active;
    try {
        fn();
    } catch (...) {
        host::Session::get().print(L"\n; error: the command " + key + L" ended by an exception\n");
    }
}

HostCommand* CommandStack::byKey(const std::wstring& key) const {
    for (const auto& cmd : commands_)
        for (const std::wstring& k : keysOf(*cmd))
            if (k == key)
                return cmd.get();
    return nullptr;
}

void CommandStack::enter(const HostCommand& cmd) {
    for (const std::wstring& key : keysOf(cmd))
        input::CommandRegistry::get().add(
            key, [key] { CommandStack::get().run(key); }, cmd.transparent());
}

void CommandStack::leave(const HostCommand& cmd) {
    for (const std::wstring& key : keysOf(cmd))
        input::CommandRegistry::get().remove(key);
}

void CommandStack::erase(const std::vector<std::unique_ptr<HostCommand>>::iterator& it) {
    leave(**it);
    commands_.erase(it);
}

} // namespace vma::arx
