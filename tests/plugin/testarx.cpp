// A small application module the loader's tests load with dlopen, written
// against the platform headers only, as the drafting module is. It reports
// each message it receives on the command line ("[testarx] ..."), adds a
// modal and a transparent command, defines LISP functions answered through
// kInvkSubrMsg and one through acedRegFunc, runs a dialog, and places a block
// with attributes through the object model. Environment switches make it
// misbehave on purpose: TESTARX_REFUSE (kRetError at kInitAppMsg),
// TESTARX_LOCKED (never unlocks itself), TESTARX_API (another API version).
#include "aced.h"
#include "acutmem.h"
#include "adsdlg.h"
#include "adslib.h"
#include "dbapserv.h"
#include "dbents.h"
#include "dbsymtb.h"
#include "rxdefs.h"
#include "rxregsvc.h"

#include <cstdlib>
#include <string>

namespace {

constexpr const ACHAR* kGroup = ACRX_T("TESTARX");

enum Code {
    kModal = 7,
    kTransparent = 8,
    kInsert = 9,
    kDialog = 10,
    kEcho = 20,
    kKinds = 21,
    kReturn = 22,
    kCommandFn = 23,
    kRegistered = 24,
    kFail = 25,
    kFunCode = 26,
    kAppName = 27,
};

void report(const ACHAR* what) {
    acutPrintf(ACRX_T("[testarx] %ls\n"), what);
}

std::wstring sysvarText(const ACHAR* name) {
    resbuf rb{};
    if (acedGetVar(name, &rb) != RTNORM)
        return L"?";
    if (rb.restype == RTSTR) {
        std::wstring text = rb.resval.rstring;
        free(rb.resval.rstring);
        return text;
    }
    return std::to_wstring(rb.resval.rint);
}

void modalCommand() {
    std::wstring line = L"TAMODAL fcode=" + std::to_wstring(acedGetFunCode()) + L" cmdactive=" +
                        sysvarText(L"CMDACTIVE") + L" cmdnames=" + sysvarText(L"CMDNAMES");
    report(line.c_str());
    ads_point pt;
    if (acedGetPoint(nullptr, ACRX_T("Point: "), pt) == RTNORM) {
        std::wstring got = L"TAMODAL point " + std::to_wstring(static_cast<int>(pt[X])) + L"," +
                           std::to_wstring(static_cast<int>(pt[Y]));
        report(got.c_str());
    }
}

void transparentCommand() {
    std::wstring line = L"TATRANS fcode=" + std::to_wstring(acedGetFunCode()) + L" cmdactive=" +
                        sysvarText(L"CMDACTIVE") + L" cmdnames=" + sysvarText(L"CMDNAMES");
    report(line.c_str());
}

void dialogCommand() {
    ACHAR file[512];
    if (acedGetString(1, ACRX_T("Dialog file: "), file, 512) != RTNORM)
        return;
    int id = 0;
    if (ads_load_dialog(file, &id) != RTNORM) {
        report(L"TADIALOG load failed");
        return;
    }
    ads_hdlg dlg = nullptr;
    int status = -1;
    ACHAR value[64] = L"";
    if (ads_new_dialog(ACRX_T("testarx"), id, nullptr, &dlg) == RTNORM) {
        ads_action_tile(dlg, ACRX_T("accept"), [](ads_callback_packet* p) {
            ACHAR text[64];
            ads_get_tile(p->dialog, ACRX_T("name"), text, 64);
            acedPutSym(ACRX_T("TESTARX-NAME"), acutBuildList(RTSTR, text, 0));
            ads_done_dialog(p->dialog, DLGOK);
        });
        ads_start_dialog(dlg, &status);
    }
    resbuf* name = nullptr;
    if (acedGetSym(ACRX_T("TESTARX-NAME"), &name) == RTNORM && name && name->restype == RTSTR)
        wcsncpy(value, name->resval.rstring, 63);
    acutRelRb(name);
    ads_unload_dialog(id);
    std::wstring line = L"TADIALOG status=" + std::to_wstring(status) + L" name=" + value;
    report(line.c_str());
}

// The attributes of a new reference from the block's non-constant definitions.
void addAttributes(AcDbBlockReference* ref, AcDbObjectId blockId) {
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk)
        return;
    AcDbBlockTableRecordIterator* it = nullptr;
    block->newIterator(it);
    AcGeScale3d scale = ref->scaleFactors();
    for (; !it->done(); it->step()) {
        AcDbEntity* ent = nullptr;
        if (it->getEntity(ent, AcDb::kForRead) != Acad::eOk)
            continue;
        AcDbAttributeDefinition* def = AcDbAttributeDefinition::cast(ent);
        if (def && !def->isConstant()) {
            auto* attr = new AcDbAttribute();
            attr->setPropertiesFrom(def);
            attr->setInvisible(def->isInvisible());
            attr->setFieldLength(def->fieldLength());
            attr->setTextStyle(def->textStyle());
            attr->setHorizontalMode(def->horizontalMode());
            attr->setVerticalMode(def->verticalMode());
            attr->setTag(def->tagConst());
            attr->setTextString(def->textStringConst());
            attr->setHeight(def->height() * scale.sy);
            attr->setWidthFactor(def->widthFactor() * scale.sx / scale.sy);
            attr->setRotation(def->rotation());
            AcGePoint3d at = def->position();
            attr->setPosition(AcGePoint3d(at.x * scale.sx, at.y * scale.sy, at.z * scale.sz));
            if (ref->appendAttribute(attr) != Acad::eOk) {
                delete attr;
            } else {
                attr->transformBy(AcGeMatrix3d::rotation(ref->rotation(), ref->normal()));
                attr->transformBy(AcGeMatrix3d::translation(ref->position().asVector()));
                attr->close();
            }
        }
        ent->close();
    }
    delete it;
    block->close();
}

void insertCommand() {
    ACHAR file[512];
    if (acedGetString(1, ACRX_T("Block file: "), file, 512) != RTNORM)
        return;
    AcDbDatabase* work = acdbHostApplicationServices()->workingDatabase();
    auto* side = new AcDbDatabase(false, true);
    Acad::ErrorStatus es = side->readDwgFile(file);
    AcDbObjectId blockId;
    if (es == Acad::eOk)
        es = work->insert(blockId, ACRX_T("TESTBLK"), side, true);
    delete side;
    if (es != Acad::eOk) {
        std::wstring line = L"TAINSERT failed " + std::to_wstring(es);
        report(line.c_str());
        return;
    }
    AcDbBlockTable* table = nullptr;
    work->getBlockTable(table, AcDb::kForRead);
    AcDbBlockTableRecord* model = nullptr;
    table->getAt(ACDB_MODEL_SPACE, model, AcDb::kForWrite);
    table->close();
    auto* ref = new AcDbBlockReference(AcGePoint3d(10, 20, 0), blockId);
    ref->setScaleFactors(AcGeScale3d(2, 1, 1));
    ref->setRotation(0);
    if (model->appendAcDbEntity(ref) != Acad::eOk) {
        delete ref;
        model->close();
        return;
    }
    model->close();
    addAttributes(ref, blockId);
    ref->close();
    report(L"TAINSERT done");
}

int registeredFunction() {
    acedRetStr(ACRX_T("registered"));
    return RSRSLT;
}

// The restype of each argument, as a list of integers.
void returnKinds() {
    resbuf* args = acedGetArgs();
    resbuf* out = nullptr;
    resbuf** tail = &out;
    for (resbuf* rb = args; rb; rb = rb->rbnext) {
        *tail = acutBuildList(RTSHORT, rb->restype, 0);
        tail = &(*tail)->rbnext;
    }
    acedRetList(out);
    acutRelRb(out);
    acutRelRb(args);
}

// (ta-ret "kind"): one value of each kind a function can give back.
void returnOfKind() {
    resbuf* args = acedGetArgs();
    std::wstring kind = args && args->restype == RTSTR ? args->resval.rstring : L"";
    acutRelRb(args);
    ads_point pt = {1.5, 2.5, 3.5};
    if (kind == L"int")
        acedRetInt(42);
    else if (kind == L"real")
        acedRetReal(2.5);
    else if (kind == L"str")
        acedRetStr(ACRX_T("text"));
    else if (kind == L"point")
        acedRetPoint(pt);
    else if (kind == L"t")
        acedRetT();
    else if (kind == L"nil")
        acedRetNil();
    else if (kind == L"void")
        acedRetVoid();
    else if (kind == L"list") {
        resbuf* list =
            acutBuildList(RTLB, RTSHORT, 1, RTSTR, ACRX_T("a"), RTDOTE, RTREAL, 2.0, RTLE, 0);
        acedRetList(list);
        acutRelRb(list);
    }
}

int invoke() {
    switch (acedGetFunCode()) {
    case kEcho: {
        resbuf* args = acedGetArgs();
        acedRetList(args);
        acutRelRb(args);
        return RSRSLT;
    }
    case kKinds:
        returnKinds();
        return RSRSLT;
    case kReturn:
        returnOfKind();
        return RSRSLT;
    case kCommandFn:
        report(L"C:TALISP ran");
        acedRetVoid();
        return RSRSLT;
    case kFail:
        return RSERR;
    case kFunCode:
        acedRetInt(acedGetFunCode());
        return RSRSLT;
    case kAppName:
        acedRetStr(acedGetAppName());
        return RSRSLT;
    default:
        return RSERR;
    }
}

void defineFunctions() {
    acedDefun(ACRX_T("ta-echo"), kEcho);
    acedDefun(ACRX_T("ta-kinds"), kKinds);
    acedDefun(ACRX_T("ta-ret"), kReturn);
    acedDefun(ACRX_T("c:talisp"), kCommandFn);
    acedDefun(ACRX_T("ta-reg"), kRegistered);
    acedRegFunc(registeredFunction, kRegistered);
    acedDefun(ACRX_T("ta-fail"), kFail);
    acedDefun(ACRX_T("ta-code"), kFunCode);
    acedDefun(ACRX_T("ta-appname"), kAppName);
}

void addCommands() {
    AcEdCommandStack* stack = acedRegCmds;
    stack->addCommand(kGroup, ACRX_T("TAMODAL"), ACRX_T("TAMODAAL"), ACRX_CMD_MODAL, modalCommand,
                      nullptr, kModal);
    stack->addCommand(kGroup, ACRX_T("TATRANS"), ACRX_T("TATRANS"), ACRX_CMD_TRANSPARENT,
                      transparentCommand, nullptr, kTransparent);
    stack->addCommand(kGroup, ACRX_T("TAINSERT"), ACRX_T("TAINSERT"), ACRX_CMD_MODAL, insertCommand,
                      nullptr, kInsert);
    stack->addCommand(kGroup, ACRX_T("TADIALOG"), ACRX_T("TADIALOG"), ACRX_CMD_MODAL, dialogCommand,
                      nullptr, kDialog);
}

} // namespace

extern "C" int acrxGetApiVersion() {
    return std::getenv("TESTARX_API") ? 0x170000 : ACRX_API_VERSION;
}

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
    switch (msg) {
    case AcRx::kInitAppMsg:
        report(L"kInitAppMsg");
        if (std::getenv("TESTARX_REFUSE"))
            return AcRx::kRetError;
        if (!std::getenv("TESTARX_LOCKED"))
            acrxUnlockApplication(appId);
        acrxRegisterAppMDIAware(appId);
        addCommands();
        break;
    case AcRx::kLoadDwgMsg:
        report((L"kLoadDwgMsg " + sysvarText(L"DWGNAME")).c_str());
        defineFunctions();
        break;
    case AcRx::kUnloadDwgMsg:
        report((L"kUnloadDwgMsg " + sysvarText(L"DWGNAME")).c_str());
        break;
    case AcRx::kInvkSubrMsg:
        return invoke() == RSRSLT ? AcRx::kRetOK : AcRx::kRetError;
    case AcRx::kSaveMsg:
        report((L"kSaveMsg " + sysvarText(L"DWGNAME")).c_str());
        break;
    case AcRx::kEndMsg:
        report(L"kEndMsg");
        break;
    case AcRx::kUnloadAppMsg:
        report(L"kUnloadAppMsg");
        acedRegCmds->removeGroup(kGroup);
        break;
    default:
        break;
    }
    return AcRx::kRetOK;
}
