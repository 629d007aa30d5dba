#pragma once

#include "codegen/CodegenContext.h"

namespace morva {

class CClassParser;
class CProject;
class ISourceText;

// What the control code writer and the handler editor work through: files and messages, the
// source text service, the parsed project and its parser. Not owned.
struct CodeWriterServices {
    CodegenContext context;
    ISourceText& sources;
    CProject& project;
    CClassParser& parser;
};

} // namespace morva
