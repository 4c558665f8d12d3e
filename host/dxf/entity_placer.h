// Puts the entities of ENTITIES or of one block definition into the drawing,
// keeping complex entities together: a POLYLINE's VERTEX entities and an
// INSERT's ATTRIB entities follow their main entity and end with its SEQEND.
// Owners are left 0: the database sets them from the block record or the main
// entity once every handle is known, whatever the file said (writers differ
// on sub-entities, and a block record may come later or never).
#pragma once

#include "host/dxf/reader.h"

namespace vma::dxf {

class EntityPlacer {
public:
    // block: the block the entities belong to; none for ENTITIES, where group
    // 67 chooses between model and paper space.
    EntityPlacer(Reader& reader, std::optional<uint32_t> block) : r_(reader), block_(block) {}

    // Reads the entity that starts with the group 0 token and adds it.
    void add(const Token& start);
    // Closes a complex entity left open at the end of the list.
    void finish(long line);

private:
    enum class Sub { None, Vertex, Attrib, Seqend };

    uint32_t blockOf(const db::GroupList& groups) const;
    bool accepts(Sub sub) const;
    void addSub(const Identity& id);
    void closeMissingSeqend(long line);

    Reader& r_;
    std::optional<uint32_t> block_;
    db::EntityId main_ = db::kNoEntity; // the last POLYLINE or INSERT
    bool mainIsPolyline_ = false;
    bool open_ = false; // its sub-entities have begun and want a SEQEND
};

} // namespace vma::dxf
