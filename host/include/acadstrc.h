// Acad::ErrorStatus, the result of the ObjectARX object-model calls. The
// values are the vendor's; only those the host gives out are listed.
#pragma once

#define eNotImplemented eNotImplementedYet

struct Acad {
    enum ErrorStatus {
        eOk = 0,
        eNotImplementedYet = 1,
        eNotApplicable = 2,
        eInvalidInput = 3,
        eOutOfMemory = 6,
        eInvalidOpenState = 8,
        eNullObjectPointer = 15,
        eNullObjectId = 16,
        eNullBlockName = 17,
        eNullEntityPointer = 20,
        eIllegalEntityType = 21,
        eKeyNotFound = 22,
        eDuplicateKey = 23,
        eAlreadyInDb = 26,
        eInvalidAdsName = 31,
        eInvalidSymbolTableName = 32,
        eWrongObjectType = 34,
        eWrongDatabase = 35,
        eEndOfFile = 41,
        eNotOpenForRead = 44,
        eNotOpenForWrite = 45,
        eNotThatKindOfClass = 46,
        eInvalidBlockName = 47,
        eDxfReadAborted = 63,
        eFileAccessErr = 72,
        eFileNotFound = 76,
        eWasErased = 80,
        eWasOpenForRead = 82,
        eWasOpenForWrite = 83,
        eNotAnEntity = 93,
        eDuplicateRecordName = 95,
        eSelfReference = 97,
        eWasNotOpenForWrite = 100,
        eNoDatabase = 124,
        eIteratorDone = 129,
        eNotInBlock = 131,
        eNotInDatabase = 137,
        eIsAnEntity = 139,
        eNoDocument = 330,
        eLoadFailed = 503,
        eInvalidObjectId = 600,
    };
};
