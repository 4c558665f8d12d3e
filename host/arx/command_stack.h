// The command stack modules add their commands to (acedRegCmds). Each command
// is entered in the host's command registry under its global name, its local
// name and GROUP.GLOBAL, and runs inside runCommand with the module marked
// running and its function code current.
#pragma once

#include "accmd.h"
#include "host/arx/module.h"

#include <memory>
#include <string>
#include <vector>

namespace vma::arx {

class HostCommand : public AcEdCommand {
public:
    HostCommand(std::wstring group, std::wstring global, std::wstring local, Adesk::Int32 flags,
                AcRxFunctionPtr fn, AcEdUIContext* context, int fcode,
                const AcRxResourceInstance& resources, Module* module);

    Adesk::Int32 commandFlags() const override { return flags_; }
    AcRxFunctionPtr functionAddr() const override { return fn_; }
    void* commandApp() const override { return module_; }
    AcEdUIContext* UIContext() const override { return context_; }
    int functionCode() const override { return fcode_; }
    const ACHAR* globalName() const override { return global_.c_str(); }
    const ACHAR* localName() const override { return local_.c_str(); }
    const AcRxResourceInstance& resourceInstance() const override { return resources_; }

    const std::wstring& group() const { return group_; }
    Module* module() const { return module_; }
    bool transparent() const { return (flags_ & ACRX_CMD_TRANSPARENT) != 0; }

private:
    std::wstring group_, global_, local_;
    Adesk::Int32 flags_;
    AcRxFunctionPtr fn_;
    AcEdUIContext* context_;
    int fcode_;
    AcRxResourceInstance resources_;
    Module* module_;
};

class CommandStack : public AcEdCommandStack {
public:
    static CommandStack& get();

    Acad::ErrorStatus addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName,
                                 const ACHAR* cmdLocalName, Adesk::Int32 commandFlags,
                                 AcRxFunctionPtr FunctionAddr, AcEdUIContext* UIContext, int fcode,
                                 const AcRxResourceInstance& resourceInstance,
                                 AcEdCommand** cmdPtrRet) override;
    AcEdCommand* lookupGlobalCmd(const ACHAR* cmdName) override;
    AcEdCommand* lookupLocalCmd(const ACHAR* cmdName) override;
    AcEdCommand* lookupCmd(const ACHAR* cmdName, bool globalFlag) override;
    Acad::ErrorStatus removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName) override;
    Acad::ErrorStatus removeGroup(const ACHAR* groupName) override;

    // Removes every command the module added, in any group.
    void removeModule(const Module* module);
    // Runs the command of that registered name (global, local or GROUP.GLOBAL).
    void run(const std::wstring& key);

private:
    CommandStack() = default;
    HostCommand* byKey(const std::wstring& key) const;
    void enter(const HostCommand& cmd);
    void leave(const HostCommand& cmd);
    void erase(const std::vector<std::unique_ptr<HostCommand>>::iterator& it);

    std::vector<std::unique_ptr<HostCommand>> commands_; // in the order added
};

} // namespace vma::arx
