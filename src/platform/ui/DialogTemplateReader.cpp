#include "platform/ui/DialogTemplate.h"

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/StaticText.h"
#include "platform/ui/TreeView.h"
#include "platform/ui/WindowStyle.h"

#include <cctype>
#include <charconv>
#include <map>
#include <optional>
#include <utility>

namespace platform {

namespace {

std::string lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

struct Token {
    enum class Kind { Word, Number, String } kind;
    std::string text;
    int64_t number = 0;
};

// Splits one line into tokens; the failure names what is wrong.
Result<std::vector<Token>> tokenize(std::string_view line)
{
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == ',') {
            ++i;
            continue;
        }
        if (c == ';' || (c == '/' && i + 1 < line.size() && line[i + 1] == '/'))
            break;
        if (c == '"') {
            std::string s;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char ch = line[i++];
                if (ch == '"') {
                    closed = true;
                    break;
                }
                if (ch == '\\' && i < line.size()) {
                    const char e = line[i++];
                    ch = e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e;
                }
                if (s.size() >= dialogTemplateLimits::maxTextLength)
                    return Result<std::vector<Token>>::failure("a text is longer than the limit");
                s += ch;
            }
            if (!closed)
                return Result<std::vector<Token>>::failure("a text has no closing quote");
            tokens.push_back({Token::Kind::String, std::move(s), 0});
            continue;
        }
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != ',' && line[i] != '"')
            ++i;
        std::string_view word = line.substr(start, i - start);
        const bool negative = !word.empty() && word[0] == '-';
        std::string_view digits = negative ? word.substr(1) : word;
        if (!digits.empty() && std::isdigit(static_cast<unsigned char>(digits[0]))) {
            int base = 10;
            if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
                base = 16;
                digits = digits.substr(2);
            }
            uint64_t value = 0;
            auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
            if (ec != std::errc() || end != digits.data() + digits.size() || value > 0xFFFFFFFFull)
                return Result<std::vector<Token>>::failure("'" + std::string(word) + "' is not a usable number");
            tokens.push_back({Token::Kind::Number, std::string(word), negative ? -int64_t(value) : int64_t(value)});
            continue;
        }
        tokens.push_back({Token::Kind::Word, std::string(word), 0});
    }
    return tokens;
}

// Option words every window takes.
const std::map<std::string, std::pair<uint32_t, uint32_t>>& commonOptions()
{
    static const std::map<std::string, std::pair<uint32_t, uint32_t>> options{
        {"tabstop", {windowStyle::TabStop, 0}},       {"group", {windowStyle::Group, 0}},
        {"disabled", {windowStyle::Disabled, 0}},     {"border", {windowStyle::Border, 0}},
        {"vscroll", {windowStyle::VScroll, 0}},       {"hscroll", {windowStyle::HScroll, 0}},
        {"caption", {windowStyle::Caption, 0}},       {"sysmenu", {windowStyle::SystemMenu, 0}},
        {"modalframe", {windowStyle::DialogFrame, 0}}, {"dlgframe", {windowStyle::DialogFrame, 0}},
        {"thickframe", {windowStyle::ThickFrame, 0}}, {"visible", {windowStyle::Visible, 0}},
        {"clientedge", {0, extendedStyle::ClientEdge}}, {"staticedge", {0, extendedStyle::StaticEdge}},
        {"toolwindow", {0, extendedStyle::ToolWindow}}, {"topmost", {0, extendedStyle::TopMost}},
    };
    return options;
}

// Option words of one class: bits that replace the class's kind when `kind` is set.
struct ClassOption {
    uint32_t bits;
    bool isKind;
};

std::optional<ClassOption> classOption(const std::string& className, const std::string& word)
{
    using Table = std::map<std::string, ClassOption>;
    static const std::map<std::string, Table> tables{
        {"button",
         {{"pushbutton", {buttonStyle::Push, true}}, {"defpushbutton", {buttonStyle::DefaultPush, true}},
          {"checkbox", {buttonStyle::CheckBox, true}}, {"autocheckbox", {buttonStyle::AutoCheckBox, true}},
          {"radiobutton", {buttonStyle::Radio, true}}, {"autoradiobutton", {buttonStyle::AutoRadio, true}},
          {"3state", {buttonStyle::ThreeState, true}}, {"auto3state", {buttonStyle::AutoThreeState, true}},
          {"groupbox", {buttonStyle::GroupBox, true}}, {"lefttext", {buttonStyle::LeftText, false}}}},
        {"static",
         {{"left", {staticStyle::Left, false}}, {"center", {staticStyle::Center, false}},
          {"right", {staticStyle::Right, false}}, {"etchedline", {staticStyle::EtchedLine, false}},
          {"sunken", {staticStyle::Sunken, false}}, {"noprefix", {staticStyle::NoPrefix, false}},
          {"notify", {staticStyle::Notify, false}}, {"singleline", {staticStyle::SingleLine, false}}}},
        {"edit",
         {{"multiline", {editStyle::MultiLine, false}}, {"password", {editStyle::Password, false}},
          {"autovscroll", {editStyle::AutoVScroll, false}}, {"autohscroll", {editStyle::AutoHScroll, false}},
          {"readonly", {editStyle::ReadOnly, false}}, {"wantreturn", {editStyle::WantReturn, false}},
          {"number", {editStyle::Number, false}}}},
        {"listbox",
         {{"notify", {listBoxStyle::Notify, false}}, {"sort", {listBoxStyle::Sort, false}},
          {"ownerdrawfixed", {listBoxStyle::OwnerDrawFixed, false}},
          {"ownerdrawvariable", {listBoxStyle::OwnerDrawVariable, false}},
          {"hasstrings", {listBoxStyle::HasStrings, false}}, {"nointegralheight", {listBoxStyle::NoIntegralHeight, false}}}},
        {"combobox",
         {{"simple", {comboBoxStyle::Simple, true}}, {"dropdown", {comboBoxStyle::DropDown, true}},
          {"dropdownlist", {comboBoxStyle::DropDownList, true}}, {"sort", {comboBoxStyle::Sort, false}},
          {"ownerdrawfixed", {comboBoxStyle::OwnerDrawFixed, false}},
          {"ownerdrawvariable", {comboBoxStyle::OwnerDrawVariable, false}},
          {"autohscroll", {comboBoxStyle::AutoHScroll, false}}, {"hasstrings", {comboBoxStyle::HasStrings, false}}}},
        {"progressbar", {{"smooth", {progressBarStyle::Smooth, false}}}},
        {"scrollbar", {{"horizontal", {scrollBarStyle::Horizontal, false}}, {"vertical", {scrollBarStyle::Vertical, false}}}},
        {"treeview",
         {{"hasbuttons", {treeStyle::HasButtons, false}}, {"haslines", {treeStyle::HasLines, false}},
          {"linesatroot", {treeStyle::LinesAtRoot, false}}, {"showselalways", {treeStyle::ShowSelectionAlways, false}}}},
    };
    auto table = tables.find(className);
    if (table == tables.end())
        return std::nullopt;
    auto it = table->second.find(word);
    if (it == table->second.end())
        return std::nullopt;
    return it->second;
}

uint32_t kindMask(const std::string& className)
{
    if (className == "button")
        return buttonStyle::KindMask;
    if (className == "combobox")
        return comboBoxStyle::KindMask;
    return 0;
}

class Reader {
public:
    Result<DialogTemplate> read(std::string_view text);

private:
    Status fail(const std::string& what) const
    {
        return Status::failure("Dialog template, line " + std::to_string(m_line) + ": " + what);
    }
    Status coordinates(const std::vector<Token>& t, size_t at, Rect& out) const;
    Status options(const std::vector<Token>& t, size_t at, const std::string& className, uint32_t& style, uint32_t& ex) const;
    Status line(const std::vector<Token>& t);

    DialogTemplate m_result;
    bool m_seenDialog = false;
    size_t m_line = 0;
};

Status Reader::coordinates(const std::vector<Token>& t, size_t at, Rect& out) const
{
    if (t.size() < at + 4)
        return fail("four numbers are needed: x, y, width and height");
    int32_t v[4];
    for (size_t i = 0; i < 4; ++i) {
        if (t[at + i].kind != Token::Kind::Number)
            return fail("'" + t[at + i].text + "' is not a number");
        const int64_t n = t[at + i].number;
        if (n < -dialogTemplateLimits::maxCoordinate || n > dialogTemplateLimits::maxCoordinate)
            return fail("the number " + t[at + i].text + " is out of range");
        v[i] = int32_t(n);
    }
    if (v[2] < 0 || v[3] < 0)
        return fail("a width or height is negative");
    out = {v[0], v[1], v[0] + v[2], v[1] + v[3]};
    return Status::ok();
}

Status Reader::options(const std::vector<Token>& t, size_t at, const std::string& className, uint32_t& style,
                       uint32_t& ex) const
{
    for (size_t i = at; i < t.size(); ++i) {
        if (t[i].kind == Token::Kind::Number) {
            if (t[i].number < 0)
                return fail("style bits cannot be negative");
            style |= uint32_t(t[i].number);
            continue;
        }
        if (t[i].kind == Token::Kind::String)
            return fail("a text stands where an option was expected");
        const std::string word = lower(t[i].text);
        if (auto own = classOption(className, word)) {
            if (own->isKind)
                style = (style & ~kindMask(className)) | own->bits;
            else
                style |= own->bits;
            continue;
        }
        auto common = commonOptions().find(word);
        if (common == commonOptions().end())
            return fail("unknown option '" + t[i].text + "'");
        style |= common->second.first;
        ex |= common->second.second;
    }
    return Status::ok();
}

Status Reader::line(const std::vector<Token>& t)
{
    if (t.empty())
        return Status::ok();
    if (t[0].kind != Token::Kind::Word)
        return fail("a line must start with a keyword");
    const std::string keyword = lower(t[0].text);
    if (keyword == "dialog") {
        if (m_seenDialog)
            return fail("DIALOG appears twice");
        m_seenDialog = true;
        return coordinates(t, 1, m_result.rect);
    }
    if (!m_seenDialog)
        return fail("the template must start with DIALOG");
    if (keyword == "caption") {
        if (t.size() != 2 || t[1].kind != Token::Kind::String)
            return fail("CAPTION takes one text in quotes");
        m_result.caption = t[1].text;
        m_result.style |= windowStyle::Caption;
        return Status::ok();
    }
    if (keyword == "font") {
        if (t.size() != 3 || t[1].kind != Token::Kind::Number || t[2].kind != Token::Kind::String)
            return fail("FONT takes a point size and a face name in quotes");
        if (t[1].number < 1 || t[1].number > 72)
            return fail("the font size must lie between 1 and 72 points");
        if (t[2].text.empty())
            return fail("the font has no face name");
        m_result.fontPoints = int32_t(t[1].number);
        m_result.fontFace = t[2].text;
        return Status::ok();
    }
    if (keyword == "style")
        return options(t, 1, "dialog", m_result.style, m_result.exStyle);
    if (keyword == "control") {
        if (m_result.items.size() >= dialogTemplateLimits::maxItems)
            return fail("the dialog has more controls than the limit");
        if (t.size() < 8)
            return fail("CONTROL takes a class, an id, a text in quotes and four numbers");
        if (t[1].kind != Token::Kind::Word)
            return fail("'" + t[1].text + "' is not a class name");
        if (t[2].kind != Token::Kind::Number || t[2].number < -1 || t[2].number > 0xFFFF)
            return fail("the control id must be a number from -1 to 65535");
        if (t[3].kind != Token::Kind::String)
            return fail("the control's text must be in quotes");
        DialogItemTemplate item;
        item.className = t[1].text;
        item.id = int32_t(t[2].number);
        item.text = t[3].text;
        if (Status s = coordinates(t, 4, item.rect); !s)
            return s;
        item.style = windowStyle::Child | windowStyle::Visible;
        if (Status s = options(t, 8, lower(item.className), item.style, item.exStyle); !s)
            return s;
        m_result.items.push_back(std::move(item));
        return Status::ok();
    }
    return fail("unknown keyword '" + t[0].text + "'");
}

Result<DialogTemplate> Reader::read(std::string_view text)
{
    size_t pos = 0;
    while (pos <= text.size()) {
        ++m_line;
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        Result<std::vector<Token>> tokens = tokenize(text.substr(pos, end - pos));
        if (!tokens)
            return fail(tokens.message());
        if (Status s = line(tokens.value()); !s)
            return s;
        pos = end + 1;
    }
    if (!m_seenDialog)
        return Status::failure("Dialog template: there is no DIALOG line");
    return std::move(m_result);
}

} // namespace

Result<DialogTemplate> readDialogTemplate(std::string_view text)
{
    Reader reader;
    return reader.read(text);
}

} // namespace platform
