#pragma once

#include "platform/com/TypeInfo.h"
#include "platform/com/TypeLibrary.h"

#include <string>

// A text listing of everything a type library says, one fact a line, for comparing two
// libraries and for reading what a test failed on.
namespace dump {

// Marks a failed call in the listing; a listing without the mark had no failure.
inline const char* const failureMark = "!!FAILED: ";

inline std::string fail(const std::string& message)
{
    return failureMark + message;
}

inline std::string typeText(const platform::TypeDesc& t)
{
    using namespace platform;
    std::string s = std::to_string(t.vt);
    if (t.vt == VT_PTR || t.vt == VT_SAFEARRAY)
        s += "(" + typeText(t.pointee()) + ")";
    if (t.vt == VT_CARRAY) {
        s += "(" + typeText(t.pointee());
        for (const ArrayBound& b : t.bounds)
            s += " [" + std::to_string(b.lowerBound) + "+" + std::to_string(b.elements) + "]";
        s += ")";
    }
    if (t.vt == VT_USERDEFINED)
        s += "#" + std::to_string(t.hrefType);
    return s;
}

inline std::string valueText(const platform::Variant& v)
{
    std::string s = "vt" + std::to_string(v.type()) + "=";
    if (v.holdsInteger())
        s += std::to_string(v.integer());
    else if (v.holdsDouble())
        s += std::to_string(v.real());
    else if (v.holdsString())
        s += "'" + v.string() + "'";
    return s;
}

inline std::string docText(const platform::Result<platform::Documentation>& d)
{
    if (!d)
        return fail(d.message());
    return "'" + d->name + "' '" + d->docString + "' ctx " + std::to_string(d->helpContext) + " '" + d->helpFile + "'";
}

inline std::string typeInfoText(const platform::TypeInfo& info)
{
    using namespace platform;
    const TypeAttributes& a = info.typeAttributes();
    std::string s = "type " + std::to_string(info.index()) + " kind " + std::to_string(int(a.typeKind)) + " " +
                    a.guid.toRegistryString() + " funcs " + std::to_string(a.funcCount) + " vars " +
                    std::to_string(a.varCount) + " impls " + std::to_string(a.implTypeCount) + " flags " +
                    std::to_string(a.typeFlags) + " vft " + std::to_string(a.vtableSize) + " ver " +
                    std::to_string(a.majorVersion) + "." + std::to_string(a.minorVersion) + "\n";
    s += "  doc " + docText(info.documentation(MEMBERID_NIL)) + "\n";
    if (a.typeKind == TypeKind::Alias)
        s += "  alias " + typeText(a.aliasType) + "\n";
    for (uint32_t j = 0; j < a.implTypeCount; ++j) {
        auto flags = info.implTypeFlags(j);
        auto href = info.refTypeOfImplType(j);
        s += "  impl " + std::to_string(j) + " flags " + (flags ? std::to_string(*flags) : fail(flags.message())) + " href " +
             (href ? std::to_string(*href) : fail(href.message()));
        if (href) {
            auto ref = info.refTypeInfo(*href);
            s += " -> " + (ref ? (*ref)->name() + " " + (*ref)->typeAttributes().guid.toRegistryString() : fail(ref.message()));
        }
        s += "\n";
    }
    for (uint32_t i = 0; i < a.funcCount; ++i) {
        auto f = info.funcDesc(i);
        if (!f) {
            s += "  func " + fail(f.message()) + "\n";
            continue;
        }
        s += "  func " + std::to_string(f->memberId) + " inv " + std::to_string(int(f->invokeKind)) + " kind " +
             std::to_string(int(f->funcKind)) + " cc " + std::to_string(int(f->callConv)) + " opt " +
             std::to_string(f->optionalParamCount) + " vft " + std::to_string(f->vtableOffset) + " fl " +
             std::to_string(f->funcFlags) + " ret " + typeText(f->result.type) + "\n";
        auto names = info.names(f->memberId, f->paramCount() + 1);
        s += "    names";
        if (names) {
            for (const auto& n : *names)
                s += " " + n;
        }
        s += "\n    doc " + docText(info.documentation(f->memberId)) + "\n";
        for (const ElemDesc& p : f->params) {
            s += "    param " + typeText(p.type) + " flags " + std::to_string(p.paramFlags);
            if (p.defaultValue)
                s += " default " + valueText(*p.defaultValue);
            s += "\n";
        }
    }
    for (uint32_t i = 0; i < a.varCount; ++i) {
        auto v = info.varDesc(i);
        if (!v) {
            s += "  var " + fail(v.message()) + "\n";
            continue;
        }
        auto names = info.names(v->memberId, 1);
        s += "  var " + std::to_string(v->memberId) + " " + (names && !names->empty() ? names->front() : "?") +
             " kind " + std::to_string(int(v->varKind)) + " type " + typeText(v->type.type) + " flags " +
             std::to_string(v->varFlags);
        if (v->value)
            s += " value " + valueText(*v->value);
        s += "\n";
    }
    return s;
}

inline std::string libraryText(const platform::TypeLibrary& lib)
{
    using namespace platform;
    const LibraryAttributes& a = lib.attributes();
    std::string s = "library " + a.guid.toRegistryString() + " lcid " + std::to_string(a.lcid) + " sys " +
                    std::to_string(int(a.sysKind)) + " ver " + std::to_string(a.majorVersion) + "." +
                    std::to_string(a.minorVersion) + " flags " + std::to_string(a.libFlags) + "\n";
    s += "  doc " + docText(lib.documentation(MEMBERID_NIL)) + "\n";
    s += "  types " + std::to_string(lib.typeInfoCount()) + "\n";
    for (uint32_t i = 0; i < lib.typeInfoCount(); ++i) {
        auto info = lib.typeInfo(i);
        s += info ? typeInfoText(**info) : fail(info.message()) + "\n";
    }
    return s;
}

} // namespace dump
