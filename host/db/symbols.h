// The AutoLISP symbols of one document (acedGetSym/acedPutSym).
#pragma once

namespace vma::host {

class SymbolStore {};

} // namespace vma::host
