// Entity and symbol-table access of the ADS interface, on the current
// document's drawing database.
#pragma once

#include "adscodes.h"
#include "adsdef.h"

// Entity data of ename without extended data: (-1 . ename) (0 . type) (330 . owner)
// (5 . handle) ... The caller frees the list. nullptr for an unknown, purged or
// erased name. A table entry's name (acdbTblObjName) gives its record's groups.
resbuf* acdbEntGet(const ads_name ename);

// As acdbEntGet, followed by (-3 (app groups)...) for each registered
// application whose name matches one of the wildcard patterns in apps.
resbuf* acdbEntGetX(const ads_name ename, const resbuf* apps);

// Adds an entity (or a table entry, or one part of a POLYLINE/INSERT...SEQEND or
// BLOCK...ENDBLK sequence) to the drawing. RTNORM when accepted; RTREJ when the
// list is refused (ERRNO says why; a refused part discards the whole complex
// entity); RTKWORD for an accepted ENDBLK, after which acedGetInput gives the
// block's name (anonymous blocks numbered: *U1, *U2 ...).
int acdbEntMake(const resbuf* list);

// As acdbEntMake, and gives back the name of what it made: the entity (the
// main entity at a SEQEND), the table entry, the block at an ENDBLK; a null
// name for a part kept until its sequence ends.
int acdbEntMakeX(const resbuf* list, ads_name result);

// Replaces the data of the entity (or table entry) named by the (-1 . ename)
// group; extended data of applications the list leaves out is kept. RTNORM, or
// RTERROR with ERRNO set when the list is refused (the entity is unchanged).
// A block definition itself, a SEQEND and an erased entity are refused.
int acdbEntMod(const resbuf* list);

// Regenerates the entity on screen; the host has no screen: RTNORM when ename is valid.
int acdbEntUpd(const ads_name ename);

// Erases the entity, or un-erases it when it is erased. RTNORM, or RTERROR for
// a name that is no entity and for a sub-entity (VERTEX, ATTRIB, SEQEND).
int acdbEntDel(const ads_name ename);

// The first entity of the drawing (ename null) or the one after ename, erased
// entities skipped, sub-entities (VERTEX, ATTRIB, SEQEND) included; model and
// paper space, not block definitions, except that from an entity inside a
// block definition the walk goes on inside it. RTNORM, or RTERROR at the end.
int acdbEntNext(const ads_name ename, ads_name result);

// The last main entity of the drawing. RTNORM or RTERROR for an empty drawing.
int acdbEntLast(ads_name result);

// The object (entity, table entry or block) with the given hexadecimal handle.
// RTNORM, or RTERROR when unknown or erased.
int acdbHandEnt(const ACHAR* handle, ads_name result);

// The table entry named sym (case-insensitive) in table (LAYER, LTYPE, VIEW,
// STYLE, BLOCK, UCS, VPORT, APPID, DIMSTYLE), or nullptr. When setNext is
// nonzero the next acdbTblNext call returns the entry after it.
resbuf* acdbTblSearch(const ACHAR* table, const ACHAR* sym, int setNext);

// The next entry of table (the first one when rewind is nonzero), or nullptr at
// the end. Entries are lists without a -1 group: (0 . "LAYER") (2 . name)
// (70 . flags) ...; BLOCK entries carry (-2 . first entity) and leave out layouts.
resbuf* acdbTblNext(const ACHAR* table, int rewind);

// The object name of a table entry. RTNORM or RTERROR.
int acdbTblObjName(const ACHAR* table, const ACHAR* sym, ads_name result);

// Registers an application name for extended data. RTNORM, also when it was
// registered before; RTERROR for an invalid name.
int acdbRegApp(const ACHAR* appname);
