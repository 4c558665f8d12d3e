// INSERT in its command-line form: a block of the drawing or a drawing file
// on the support path placed with its scale and rotation, with attribute
// values asked in the order of the definitions; "*name" places the block's
// entities one by one, "name=file" redefines the block from the file first.
#include "acedads.h"
#include "host/base/text.h"
#include "host/cmd/block_import.h"
#include "host/cmd/block_place.h"
#include "host/cmd/current.h"
#include "host/cmd/insert_scale.h"
#include "host/cmd/make.h"
#include "host/cmd/plane.h"
#include "host/cmd/text_commands.h"
#include "host/cmd/transform.h"
#include "host/db/entmake.h"
#include "host/db/session.h"
#include "host/dxf/dxf.h"

#include <cmath>
#include <fmt/xchar.h>
#include <numbers>

namespace vma::cmd {
namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;

std::wstring& lastBlockName() {
    static std::wstring name;
    return name;
}

// The name as typed: "*" explodes, "name=file" redefines from a file.
struct BlockRequest {
    std::wstring name;
    std::wstring file; // empty: the drawing's own block, or a file of the name
    bool redefine = false;
    bool exploded = false;
};

BlockRequest parseRequest(std::wstring typed) {
    BlockRequest r;
    if (!typed.empty() && typed[0] == L'*') {
        r.exploded = true;
        typed.erase(0, 1);
    }
    size_t equals = typed.find(L'=');
    if (equals != std::wstring::npos) {
        r.redefine = true;
        r.file = typed.substr(equals + 1);
        typed.resize(equals);
        if (r.file.empty())
            r.file = typed;
    }
    r.name = typed;
    return r;
}

void listBlocks() {
    if (!askLine(L"Enter block(s) to list <*>: "))
        return;
    print(L"Defined blocks.\n");
    for (const db::Block& b : drawing().blocks())
        if (!b.erased && !b.isLayout() && !b.isAnonymous())
            print(fmt::format(L"  \"{}\"\n", utf8ToWide(b.name)));
}

void reportMissingFile(const std::wstring& file) {
    print(fmt::format(L"\"{}.dwg\": Can't find file in search path:\n", file));
    for (const auto& folder : host::Session::get().supportPath())
        print(fmt::format(L"  {}\n", utf8ToWide(folder.string())));
    print(L"*Invalid*\n");
}

// The block to place, defined from its file when needed; nullopt ends the command.
std::optional<uint32_t> blockFor(const BlockRequest& request) {
    db::Database& db = drawing();
    bool inDrawing = db.findBlock(wideToUtf8(request.name)).has_value();
    if (inDrawing && !request.redefine)
        return db.findBlock(wideToUtf8(request.name));
    std::wstring file = request.file.empty() ? request.name : request.file;
    auto path = findDrawingFile(file);
    if (!path) {
        reportMissingFile(blockNameOfFile(file));
        return std::nullopt;
    }
    auto read = dxf::readFile(*path);
    if (!read.ok()) {
        print(fmt::format(L"Cannot read \"{}\": {}\n", utf8ToWide(path->string()),
                          utf8ToWide(read.error().message)));
        return std::nullopt;
    }
    std::string blockName = wideToUtf8(
        request.file.empty() && !request.redefine ? blockNameOfFile(request.name) : request.name);
    if (!host::isValidSymbolName(blockName)) {
        print(L"Invalid block name.\n");
        return std::nullopt;
    }
    bool existed = db.findBlock(blockName).has_value();
    uint32_t index = defineBlockFrom(db, *read->db, blockName);
    if (existed)
        print(fmt::format(L"Block \"{}\" redefined\n", utf8ToWide(blockName)));
    return index;
}

struct ChosenBlock {
    uint32_t index = 0;
    bool exploded = false;
};

std::optional<ChosenBlock> askBlock() {
    std::wstring prompt = L"Enter block name or [?]";
    if (!lastBlockName().empty())
        prompt += L" <" + lastBlockName() + L">";
    prompt += L": ";
    for (;;) {
        auto typed = askLine(prompt);
        if (!typed)
            return std::nullopt;
        std::wstring answer = typed->empty() ? lastBlockName() : *typed;
        if (answer == L"?") {
            listBlocks();
            continue;
        }
        if (answer.empty())
            continue;
        BlockRequest request = parseRequest(answer);
        auto block = blockFor(request);
        if (!block)
            return std::nullopt;
        lastBlockName() = utf8ToWide(drawing().block(*block).name);
        return ChosenBlock{*block, request.exploded};
    }
}

// The ATTDEFs of a block that give its references an ATTRIB (not the constant ones).
std::vector<db::EntityId> attributeDefinitions(uint32_t block) {
    std::vector<db::EntityId> out;
    const db::Database& db = drawing();
    for (db::EntityId id : db.block(block).entities) {
        const db::Entity& e = db.entity(id);
        if (!e.erased && e.type() == "ATTDEF" && !(e.groups.findInt(70).value_or(0) & 2))
            out.push_back(id);
    }
    return out;
}

// The values in the order of the definitions: asked when ATTREQ is 1 (preset
// ones keep their default), the defaults otherwise.
std::optional<std::vector<std::string>> askValues(const std::vector<db::EntityId>& definitions) {
    std::vector<std::string> values;
    bool ask = intVar("ATTREQ") != 0;
    bool announced = false;
    for (db::EntityId id : definitions) {
        const db::GroupList& g = drawing().entity(id).groups;
        std::string fallback(g.findText(1).value_or(""));
        if (!ask || (g.findInt(70).value_or(0) & 8)) {
            values.push_back(fallback);
            continue;
        }
        if (!announced)
            print(L"Enter attribute values\n");
        announced = true;
        std::string question(g.findText(3).value_or(""));
        if (question.empty())
            question = g.findText(2).value_or("");
        std::wstring prompt = utf8ToWide(question);
        if (!fallback.empty())
            prompt += L" <" + utf8ToWide(fallback) + L">";
        prompt += L": ";
        auto typed = askLine(prompt, true);
        if (!typed)
            return std::nullopt;
        values.push_back(typed->empty() ? fallback : wideToUtf8(*typed));
    }
    return values;
}

void placeReference(uint32_t block, const BlockPlacement& at, const Plane& plane,
                    const std::vector<db::EntityId>& definitions,
                    const std::vector<std::string>& values) {
    db::Database& db = drawing();
    std::string name = db.block(block).name;
    db::GroupList g;
    g.addText(0, "INSERT");
    if (!definitions.empty())
        g.addInt(66, 1);
    g.addText(2, name);
    addPoint(g, 10, at.insertion);
    g.addReal(41, at.xScale);
    g.addReal(42, at.yScale);
    g.addReal(43, at.zScale);
    g.addReal(50, at.rotation * kDegrees);
    plane.addExtrusion(g);
    auto insert = addEntity(std::move(g));
    if (!insert.ok() || definitions.empty())
        return;
    std::string layer(db.entity(insert.value()).groups.findText(8).value_or("0"));
    geom::Matrix m = at.matrix();
    for (size_t i = 0; i < definitions.size(); ++i) {
        const db::GroupList& d = db.entity(definitions[i]).groups;
        std::string own(d.findText(8).value_or("0"));
        db::GroupList a = attributeFrom(d, m, values[i], own == "0" ? layer : own);
        plane.addExtrusion(a);
        (void)addEntity(std::move(a), insert.value());
    }
    db::GroupList end;
    end.addText(0, "SEQEND");
    end.addText(8, layer);
    (void)addEntity(std::move(end), insert.value());
}

// The block's entities placed one by one; those on layer 0 stay there.
void placeExploded(uint32_t block, const BlockPlacement& at, const Plane& plane) {
    db::Database& db = drawing();
    const auto& z = plane.extrusion();
    geom::Matrix m = geom::Matrix::ocs({z[0], z[1], z[2]}) * at.matrix();
    std::vector<db::EntityId> ids = db.block(block).entities;
    uint32_t space = currentSpace();
    for (db::EntityId id : ids)
        if (!db.entity(id).erased && db.entity(id).parent == db::kNoEntity)
            copyEntityInto(db, id, m, space);
}

void insertCommand() {
    auto block = askBlock();
    if (!block)
        return;
    Plane plane = Plane::current();
    const db::GroupList& header = drawing().block(block->index).header;
    BlockPlacement at;
    at.base = {header.findReal(10).value_or(0), header.findReal(20).value_or(0),
               header.findReal(30).value_or(0)};
    if (!askPlacement(at, plane, block->exploded))
        return;
    if (block->exploded) {
        placeExploded(block->index, at, plane);
        return;
    }
    auto definitions = attributeDefinitions(block->index);
    auto values = askValues(definitions);
    if (!values)
        return;
    placeReference(block->index, at, plane, definitions, *values);
}

} // namespace

void addInsertCommands(input::CommandRegistry& registry) {
    registry.add(L"INSERT", insertCommand);
    registry.add(L"-INSERT", insertCommand);
}

} // namespace vma::cmd
