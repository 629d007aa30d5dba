#include "platform/registry/RegFileWriter.h"

#include "platform/registry/RegistryPath.h"

namespace platform {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr size_t kHexLineWidth = 76; // continued hex lines stay within 80 columns

void appendQuoted(std::string& out, std::string_view text)
{
    out.push_back('"');
    for (char c : text) {
        if (c == '\\' || c == '"')
            out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
}

bool fitsQuotedString(const RegistryValue& value)
{
    const std::string& data = value.data();
    return value.type() == RegistryValue::String && !data.empty() && data.back() == '\0' &&
           data.find_first_of(std::string_view("\0\r\n", 3)) == data.size() - 1;
}

void appendHex(std::string& out, size_t lineStart, const std::string& bytes)
{
    size_t column = out.size() - lineStart;
    for (size_t i = 0; i < bytes.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(bytes[i]);
        out.push_back(kHexDigits[byte >> 4]);
        out.push_back(kHexDigits[byte & 0xF]);
        column += 2;
        if (i + 1 < bytes.size()) {
            out.push_back(',');
            ++column;
            if (column > kHexLineWidth) {
                out += "\\\r\n  ";
                column = 2;
            }
        }
    }
}

void appendValue(std::string& out, const std::string& name, const RegistryValue& value)
{
    size_t lineStart = out.size();
    if (name.empty())
        out.push_back('@');
    else
        appendQuoted(out, name);
    out.push_back('=');
    if (fitsQuotedString(value)) {
        appendQuoted(out, std::string_view(value.data()).substr(0, value.data().size() - 1));
    } else if (value.type() == RegistryValue::Dword && value.data().size() == 4) {
        uint32_t number = *value.firstDword();
        out += "dword:";
        for (int shift = 28; shift >= 0; shift -= 4)
            out.push_back(kHexDigits[(number >> shift) & 0xF]);
    } else {
        if (value.type() == RegistryValue::Binary) {
            out += "hex:";
        } else {
            out += "hex(";
            std::string type;
            for (uint32_t number = value.type(); type.empty() || number != 0; number >>= 4)
                type.insert(type.begin(), kHexDigits[number & 0xF]);
            out += type;
            out += "):";
        }
        appendHex(out, lineStart, value.data());
    }
    out += "\r\n";
}

class Writer {
public:
    explicit Writer(const RegistryNode& classesRoot) : m_classesRoot(classesRoot) {}

    void writeTree(std::string_view rootName, const RegistryNode& root)
    {
        std::string path(rootName);
        writeKey(path, root);
    }

    std::string take() { return std::move(m_out); }

private:
    void writeKey(std::string& path, const RegistryNode& node)
    {
        if (!node.permanent || node.values.size() > 0) {
            m_out += "[";
            m_out += path;
            m_out += "]\r\n";
            for (const auto& [folded, entry] : node.values)
                appendValue(m_out, entry.name, entry.item);
            m_out += "\r\n";
        }
        for (const auto& [folded, entry] : node.subkeys) {
            if (entry.item.get() == &m_classesRoot)
                continue; // HKEY_LOCAL_MACHINE\Software\Classes: written as the classes root
            size_t length = path.size();
            path += '\\';
            path += entry.name;
            writeKey(path, *entry.item);
            path.resize(length);
        }
    }

    const RegistryNode& m_classesRoot;
    std::string m_out = "REGEDIT4\r\n\r\n";
};

} // namespace

std::string RegFileWriter::write(const RegistryNode& classesRoot, const RegistryNode& currentUser,
                                 const RegistryNode& localMachine)
{
    Writer writer(classesRoot);
    writer.writeTree(RegistryPath::rootName(RegistryRoot::ClassesRoot), classesRoot);
    writer.writeTree(RegistryPath::rootName(RegistryRoot::CurrentUser), currentUser);
    writer.writeTree(RegistryPath::rootName(RegistryRoot::LocalMachine), localMachine);
    return writer.take();
}

} // namespace platform
