// Values of the ERRNO system variable the entity and table functions set when
// they refuse a call, with the meanings the CAD program documents for them.
#pragma once

namespace vma::host::adserr {

constexpr int kNone = 0;
constexpr int kBadSymbolName = 1;     // invalid symbol table name
constexpr int kBadName = 2;           // invalid entity or selection set name
constexpr int kBlockMisuse = 5;       // improper use of block definition
constexpr int kEndOfEntities = 8;     // end of entity file
constexpr int kEndOfBlock = 9;        // end of block definition file
constexpr int kNoLastEntity = 10;     // failed to find last entity
constexpr int kBadHandle = 13;        // invalid handle
constexpr int kTransformArgs = 15;    // invalid arguments in coordinate transform request
constexpr int kTransformSpace = 16;   // invalid space in coordinate transform request
constexpr int kDeletedEntity = 17;    // invalid use of deleted entity
constexpr int kBadTableName = 18;     // invalid table name
constexpr int kBadTableArgument = 19; // invalid table function argument
constexpr int kReadOnlyVariable = 20; // attempt to set read-only variable
constexpr int kZeroNotAllowed = 21;   // zero value not allowed
constexpr int kOutOfRange = 22;       // value out of range
constexpr int kTypeChange = 24;       // attempt to change entity type
constexpr int kBadLayer = 25;
constexpr int kBadLinetype = 26;
constexpr int kBadColor = 27;
constexpr int kBadTextStyle = 28;
constexpr int kBadField = 30;          // bad field for entity type
constexpr int kModifyDeleted = 31;     // attempt to modify deleted entity
constexpr int kModifySeqend = 32;      // attempt to modify seqend subentity
constexpr int kHandleChange = 33;      // attempt to change handle
constexpr int kBadEntityType = 36;     // bad entity type
constexpr int kBadPolyline = 37;       // bad polyline entity
constexpr int kIncompleteComplex = 38; // incomplete complex entity in block
constexpr int kBadBlockName = 39;      // invalid block name field
constexpr int kBadNormal = 42;         // bad normal vector
constexpr int kMissingBlockName = 43;
constexpr int kBadAnonymousBlock = 45;
constexpr int kBadBlockDefinition = 46;
constexpr int kMissingField = 47;     // mandatory field missing
constexpr int kBadXdataType = 48;     // unrecognized extended data type
constexpr int kBadXdataNesting = 49;  // improper nesting of list in extended data
constexpr int kBadAppIdLocation = 50; // improper location of APPID field
constexpr int kXdataTooLarge = 51;    // exceeded maximum extended data size
constexpr int kViewportEntity = 54;   // attempt to make or modify a viewport entity

} // namespace vma::host::adserr
