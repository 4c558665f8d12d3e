// The command stack of ObjectARX: commands an application adds in a group,
// under a global and a local name, run by the host's command engine.
#pragma once

#include "acadstrc.h"
#include "accmd-defs.h"
#include "adesk.h"
#include "adsdef.h"
#include "rxdict.h"
#include "rxobject.h"
#include "rxresource.h"

#define ACRX_COMMAND_DOCK ACRX_T("ACAD_REGISTERED_COMMANDS")

using AcRxFunctionPtr = void (*)();

class AcEdUIContext;

class AcEdCommand : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcEdCommand);
    virtual Adesk::Int32 commandFlags() const = 0;
    virtual AcRxFunctionPtr functionAddr() const = 0;
    virtual void* commandApp() const = 0;
    virtual AcEdUIContext* UIContext() const = 0;
    virtual int functionCode() const = 0;
    virtual const ACHAR* globalName() const = 0;
    virtual const ACHAR* localName() const = 0;
    virtual const AcRxResourceInstance& resourceInstance() const = 0;
};

// Names compare without regard to case; a name is at most 64 characters of
// letters, digits, '-' and '_' (a leading '_' or '.' is not part of it).
class AcEdCommandStack : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcEdCommandStack);
    // Adds a command to the group (made when new), owned by the module being
    // loaded or running. eOk; eInvalidInput for a null function, an empty or
    // invalid group, global or local name (a null local name takes the
    // global one); eDuplicateKey when the group has that global name already;
    // eNotApplicable when the name belongs to another group's command or a
    // built-in command. cmdPtrRet, when given, receives the command.
    virtual Acad::ErrorStatus
    addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName, const ACHAR* cmdLocalName,
               Adesk::Int32 commandFlags, AcRxFunctionPtr FunctionAddr,
               AcEdUIContext* UIContext = nullptr, int fcode = -1,
               const AcRxResourceInstance& resourceInstance = AcRxResourceInstance::empty(),
               AcEdCommand** cmdPtrRet = nullptr) = 0;
    // The command by its global (or local) name in any group; nullptr when none.
    virtual AcEdCommand* lookupGlobalCmd(const ACHAR* cmdName) = 0;
    virtual AcEdCommand* lookupLocalCmd(const ACHAR* cmdName) = 0;
    virtual AcEdCommand* lookupCmd(const ACHAR* cmdName, bool globalFlag) = 0;
    // eOk; eKeyNotFound when the group or the command is not there.
    virtual Acad::ErrorStatus removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName) = 0;
    // Removes the group with all its commands. eOk; eKeyNotFound when there is no such group.
    virtual Acad::ErrorStatus removeGroup(const ACHAR* groupName) = 0;
};

#define acedRegCmds AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK))
